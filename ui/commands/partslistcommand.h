// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

class Inventory;
class PartsListWindow;
class QLabel;
class QMenu;
class QWidget;
class StartupGate;
class TileStore;
class TrackDocument;

// The Track menu's "Parts list…" (Ctrl+L): shows the parts list window,
// which is made when first asked for (most sessions never open it, and a
// table window costs start-up time). A circuit chosen there becomes the
// selection, and the status bar says where it runs.
class PartsListCommand : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        const TileStore &tiles;
        QMenu &menu;     // Track, which the item joins
        QLabel &status;  // the status bar's text
        StartupGate &startup;
        QWidget &window;  // the parts list window's owner
    };

    PartsListCommand(const Parts &parts, QObject *parent);

    // The parts list window, once it has been opened.
    PartsListWindow *partsList() const { return m_partsList; }
    // The inventory the parts list compares with, while one is loaded.
    const Inventory *inventory() const;

    // Selects the cells of one circuit (TrackGrid indices), as a click on
    // its line in the parts list window asks, and says where it runs.
    void markCircuit(const QVector<int> &cells);

signals:
    void circuitMarked(const QVector<int> &cells);

private:
    void show();

    Parts m_parts;
    PartsListWindow *m_partsList = nullptr;
};
