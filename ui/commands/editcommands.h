// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackblock.h"

#include <QObject>
#include <QString>

class FloatingStamp;
class QAction;
class QLabel;
class QMenu;
class QUndoStack;
class QWidget;
class StartupGate;
class TileStore;
class TrackCanvas;
class TrackDocument;
class TurnCommands;

// The Edit menu: "Undo" and "Redo", then the commands on the selected
// cells: "Cut", "Copy", "Paste", "Delete", "Select all", "Select none", then
// turning and mirroring (TurnCommands).
//
// The history shows itself through the stack's own actions, which name the
// step they act on ("Undo Place piece") and are enabled exactly when there
// is one. The clipboard holds a block as plain text, just as a track file
// holds its cells, so blocks go to and come from text editors and
// spreadsheets; a selection that is no rectangle is copied as its bounding
// rectangle, the cells inside it that are not selected as they are. A paste
// floats the block over the track until it is placed (FloatingStamp, a tool
// of its own meanwhile).
class EditCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;
        const TileStore &tiles;  // a pasted code needs a picture
        QMenu &menu;             // Edit, which the commands fill
        QLabel &status;          // the status bar's text
        const StartupGate &startup;
        QWidget &window;  // where failures are shown
    };

    EditCommands(const Parts &parts, QObject *parent);

    QUndoStack &history();
    FloatingStamp &stamp() const { return *m_stamp; }
    TurnCommands &turns() const { return *m_turns; }

    // Each a step of the history that marks the track modified.
    void cut();
    void copy();
    void paste();
    // Floats the block as a paste does, its top-left cell on the cell under
    // the pointer, or the cursor's when the pointer is off the track.
    void floatBlock(const TrackBlock &block);
    void deleteCells();
    void selectAll();
    void selectNone();

    // The clipboard's block, read as a track file's text is read; throws
    // KwError (NotTrackText and the reader's other kinds) for text that is
    // no block or names a code without a picture.
    TrackBlock clipboardBlock() const;

private:
    void addHistory();
    QAction *add(const char *name, const QString &text, const QKeySequence &key);
    void connectActions();
    void refresh();
    // The selected cells that lie in the track's block (the selection may
    // hold cells a shrink hid); copied to the clipboard. Empty when none.
    TrackBlock selectedBlock() const;
    // Puts the selected block on the clipboard and says so ("Copied 2 x 3
    // cells"); false when nothing of the track is selected.
    bool toClipboard(const QString &done);
    TrackDocument &document() const { return m_parts.document; }

    Parts m_parts;
    FloatingStamp *m_stamp;
    TurnCommands *m_turns = nullptr;
    QAction *m_cut = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_delete = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_selectNone = nullptr;
};
