// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/inventory.h"
#include "document/overowned.h"
#include "document/piececounts.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class TrackDocument;

// The pieces the club owns, for the whole session: one inventory, loaded
// from a file and never stored, that every view of the track (the palette,
// the parts list, the plan, the sheets) shows alike. It follows its
// document: how many of each piece are used (the width x height block, as
// the parts list counts it), counted again once for each change of the
// track, so asking costs a look-up; and what each move of the history (a
// step done, undone or redone) took over what is owned.
//
// Without an inventory it counts nothing and says nothing but that it was
// forgotten.
class SessionInventory : public QObject
{
    Q_OBJECT

public:
    explicit SessionInventory(const TrackDocument &document);

    bool isLoaded() const { return m_inventory.has_value(); }
    // The inventory, or nullptr while none is loaded.
    const Inventory *inventory() const { return m_inventory ? &*m_inventory : nullptr; }
    // The file it was read from.
    const QString &fileName() const { return m_fileName; }

    // Reads the file (Inventory::read, whose messages it throws as
    // KwError). A file that cannot be read leaves the one loaded before.
    void load(const QString &path);
    // Takes an inventory already read from fileName.
    void set(const Inventory &inventory, const QString &fileName);
    // "Forget inventory".
    void forget();

    int owned(const QByteArray &code) const;
    // Whether an inventory is loaded and limits the code (Inventory::limits):
    // only then does a count of what is left mean anything.
    bool limits(const QByteArray &code) const { return m_inventory && m_inventory->limits(code); }
    int used(const QByteArray &code) const { return m_used.of(code); }
    // Owned less used: below 0 when the track uses more than the club owns.
    int left(const QByteArray &code) const { return owned(code) - used(code); }
    // "4 owned, 3 used, 1 left"; "4 owned, 5 used, 1 short"; for a plain
    // surface the inventory does not list, "Not in the inventory: as much as
    // the track needs". Empty while no inventory is loaded.
    QString countText(const QByteArray &code) const;
    // What the track needs more of than is owned, in palette order.
    QVector<Inventory::Shortage> shortages() const;

    // What the history's last move took over what is owned; empty until the
    // next move takes something over, and after a load, a forget, New or Open.
    const OverOwned &over() const { return m_over; }

signals:
    // An inventory was loaded or forgotten (changed() follows).
    void replaced();
    // An inventory was loaded or forgotten, or the counts used changed.
    void changed();
    // over() changed.
    void overChanged();

private:
    void recount();
    void followHistory();
    void setOver(const OverOwned &over);

    const TrackDocument &m_document;
    std::optional<Inventory> m_inventory;
    QString m_fileName;
    PieceCounts m_used;
    OverOwned m_over;
};
