// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

#include <optional>

class Palette;
class SessionInventory;

// The session inventory on the palette: while one is loaded, every piece
// button shows in its corner how many are left (owned less used on the
// track), red when none are, and its tooltip adds "4 owned, 3 used, 1
// left". A plain surface the inventory leaves out shows no count. Without
// an inventory the buttons look as they always do. The counts follow every
// change of the track, undo and redo included; the inventory counts once a
// change, and only the buttons whose number differs take a new count and
// tooltip (a tooltip is built from the piece's name: 163 of them cost more
// than the rest of a click).
class PaletteCounts : public QObject
{
    Q_OBJECT

public:
    PaletteCounts(Palette &palette, const SessionInventory &inventory, QObject *parent);

private:
    // Every button; after an edit only those whose count changed.
    void refresh(bool all);

    Palette &m_palette;
    const SessionInventory &m_inventory;
    QVector<std::optional<int>> m_shown;  // by row of the piece table
};
