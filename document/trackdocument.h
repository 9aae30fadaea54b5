// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/cellselection.h"
#include "document/linebuffer.h"
#include "document/sessioninventory.h"
#include "document/trackgrid.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

class GridStep;
class Progress;
class TileSource;
class TileStore;
class TrackEdits;

// The track being edited: its grid of codes, the modified flag, the edit
// history, the line buffer that track files pass through, the current file
// name, and the session's inventory of the club's pieces, counted against
// the track. Views follow it through its signals and take pictures from the
// tile store.
//
// Every change of the track is one GridStep on the history, made by its
// edits (TrackEdits), one method per user edit; New and Open
// start it afresh, a save marks where the file stands. The modified flag
// follows the history: after an undo or a redo the track is modified exactly
// when a marking step lies between where the history stands and where it
// stood at the last save or open. Size changes do not mark, so undoing one
// never makes a saved track modified, and doing one leaves the flag as it
// was. Once the saved state has been cut out of the history (undone and
// replaced by a new step) every undo and redo leaves the track modified.
class TrackDocument : public QObject
{
    Q_OBJECT

public:
    explicit TrackDocument(QObject *parent = nullptr);
    ~TrackDocument() override;

    const TrackGrid &grid() const { return m_grid; }
    const Cell &cell(int index) const { return m_grid.cell(index); }
    const Cell &cell(int column, int row) const { return m_grid.cell(column, row); }
    int width() const { return m_grid.width(); }
    int height() const { return m_grid.height(); }

    // Clamps both into 1..30. Changes no cell: callers redraw.
    void setSize(int width, int height);
    // Takes a whole grid, cells and size (an undone or redone step).
    void setGrid(const TrackGrid &grid);

    // The selected cells. Changing the selection is no edit, but every step
    // of the history keeps the selection before and after it, and undo and
    // redo put it back with the cells.
    const CellSelection &selection() const { return m_selection; }
    void setSelection(const CellSelection &selection);

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    // Every edit a user makes, each a step of the history.
    TrackEdits &edits() { return *m_edits; }

    // The edit history; a window shows its undo and redo actions.
    QUndoStack &history() { return m_history; }
    const QUndoStack &history() const { return m_history; }
    // Runs change, which alters this document, and keeps what it did as one
    // step called name: always when marks, otherwise only when the grid
    // changed. What a failing change did is kept before it is rethrown.
    void record(const QString &name, bool marks, const std::function<void()> &change);
    // Keeps a step that the document already shows (the history owns it).
    void push(GridStep *step);
    // An empty history whose start is the saved state (New, Open).
    void restartHistory();
    // The grid as it stood before the history last moved: before the step
    // just done (the whole stroke, while a stroke's steps merge), undone or
    // redone; after a restart, the grid as it is.
    TrackGrid gridBeforeMove() const;

    // The pieces the club owns, for the whole session: New and Open keep it.
    SessionInventory &inventory() { return m_inventory; }
    const SessionInventory &inventory() const { return m_inventory; }

    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName);

    // Walks the pool column by column with "Drawing Grid - c-r" progress;
    // with reset every cell becomes the default piece first. Afterwards a
    // cell is visible exactly when it lies inside the width x height block.
    void DrawGrid(bool reset, Progress &progress);
    // Every cell becomes the default piece, hidden. No progress text.
    void ClearGrid();
    // A grid button: adds the changes to the width and the height (clamped)
    // and redraws without reset.
    void EditGrid(int widthChange, int heightChange, Progress &progress);
    // A cell click: the cell takes the piece, the track becomes modified.
    // An empty code (no piece chosen yet) does nothing.
    void TrackClick(int index, const QByteArray &code);

    // The line buffer (the editor's Memo1).
    const LineBuffer &memo() const { return m_memo; }
    // Replaces the buffer's text with the width x height block, a line a row.
    void MakeArray();
    // Fills the grid from the buffer's lines, reading every cell's tile;
    // what is read goes into the store before any cell shows it. All or
    // nothing: on a failure the grid is as before and the error is thrown.
    void MemoToGrid(const TileSource &tiles, TileStore &store, Progress &progress);

    // Open: reads the file into the buffer and the grid; only on success do
    // the file name and the modified flag change. Throws KwError.
    void open(const QString &path, const TileSource &tiles, TileStore &store, Progress &progress);
    // Save: writes the block to path without ever destroying the former
    // file; on success the file name becomes path and the flag is cleared.
    void save(const QString &path);

signals:
    // The cells or the size changed, or a read brought new pictures for
    // them; once for each operation.
    void changed();
    void sizeChanged(int width, int height);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString &fileName);
    void selectionChanged();
    // A step was done, undone or redone (a stroke's merging steps each
    // count), or the history restarted.
    void historyMoved();

private:
    // Walks the pool with progress texts, resetting cells when asked, and
    // makes exactly the block visible; the progress text ends empty.
    static void draw(TrackGrid &grid, bool reset, Progress &progress);
    void readMemo(const LineBuffer &memo, const TileSource &tiles, TileStore &store, Progress &progress);
    void followHistory();
    bool marksBetween(int from, int to) const;
    void moved(int from);

    TrackGrid m_grid;
    bool m_modified = false;
    QString m_fileName;
    LineBuffer m_memo;
    QUndoStack m_history;
    bool m_pushing = false;
    // Where the history stands, and stood before its last move.
    int m_index = 0;
    int m_movedFrom = 0;
    CellSelection m_selection;
    SessionInventory m_inventory{*this};
    std::unique_ptr<TrackEdits> m_edits;
};
