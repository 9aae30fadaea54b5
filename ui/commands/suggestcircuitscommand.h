// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class EditCommands;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class StartupGate;
class SuggestDialog;
class TileStore;
class TrackBlock;
class TrackDocument;
class TrackGrid;

// The Track menu's "Suggest circuits…": opens the suggestions dialog, made
// when first asked for and kept with its last sheet. A suggestion used as
// the track replaces it ("Replace track", one step of the history, size
// included); one placed as a stamp floats over the track as a paste does,
// until a click or Enter puts it down.
class SuggestCircuitsCommand : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        const TileStore &tiles;
        EditCommands &edit;  // floats a stamp as a paste does
        QAction &inventory;  // Track → "Inventory…", which the dialog's "Load inventory…" asks
        QMenu &menu;         // Track, which the item joins
        QLabel &status;      // the status bar's text
        StartupGate &startup;
        QWidget &window;  // the dialog's owner
    };

    SuggestCircuitsCommand(const Parts &parts, QObject *parent);

    // The dialog, once it has been opened.
    SuggestDialog *dialog() const { return m_dialog; }

private:
    void show();
    void useAsTrack(const TrackGrid &track, const QString &text);
    void placeAsStamp(const TrackBlock &block);

    Parts m_parts;
    SuggestDialog *m_dialog = nullptr;
};
