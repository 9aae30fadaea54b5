// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackdocument.h"

#include "base/progress.h"
#include "base/safefile.h"
#include "document/gridstep.h"
#include "document/trackedits.h"
#include "document/trackfile.h"
#include "pieces/catalogue.h"
#include "pieces/tilestore.h"

#include <QScopedValueRollback>

#include <algorithm>

TrackDocument::TrackDocument(QObject *parent)
    : QObject(parent), m_edits(new TrackEdits(*this))
{
    connect(&m_history, &QUndoStack::indexChanged, this, &TrackDocument::followHistory);
}

// The history empties itself as it goes and says so; by then the document
// is being torn down, so nothing may answer.
TrackDocument::~TrackDocument()
{
    m_history.disconnect();
}

void TrackDocument::record(const QString &name, bool marks, const std::function<void()> &change)
{
    const TrackGrid before = m_grid;
    const CellSelection selected = m_selection;
    auto keep = [&] {
        if (marks || m_grid != before)
            push(new GridStep(*this, name, before, selected, marks));
    };
    try {
        change();
    } catch (...) {
        keep();
        throw;
    }
    keep();
}

void TrackDocument::push(GridStep *step)
{
    const bool marks = step->marks();
    {
        // Doing a step sets the flag its own way (below), not by the rule
        // for undo and redo.
        QScopedValueRollback<bool> pushing(m_pushing, true);
        m_history.push(step);
    }
    if (marks)
        setModified(true);
    // A step that merged into the stroke below it moved the history from
    // where the stroke began, as a new step did from where it stood.
    moved(m_history.index() - 1);
}

void TrackDocument::restartHistory()
{
    {
        QScopedValueRollback<bool> pushing(m_pushing, true);
        m_history.clear();
    }
    moved(0);
}

void TrackDocument::followHistory()
{
    if (m_pushing)
        return;
    const int clean = m_history.cleanIndex();
    setModified(clean < 0 || marksBetween(clean, m_history.index()));
    moved(m_index);
}

void TrackDocument::moved(int from)
{
    m_movedFrom = from;
    m_index = m_history.index();
    emit historyMoved();
}

TrackGrid TrackDocument::gridBeforeMove() const
{
    // Walks from where the history stands to where it stood, step by step.
    const int from = std::clamp(m_movedFrom, 0, int(m_history.count()));
    TrackGrid grid = m_grid;
    for (int i = m_history.index() - 1; i >= from; --i)
        grid = static_cast<const GridStep *>(m_history.command(i))->side(grid, false);
    for (int i = m_history.index(); i < from; ++i)
        grid = static_cast<const GridStep *>(m_history.command(i))->side(grid, true);
    return grid;
}

bool TrackDocument::marksBetween(int from, int to) const
{
    // The state at index i is the one after the first i steps.
    for (int i = std::min(from, to); i < std::max(from, to); ++i) {
        if (static_cast<const GridStep *>(m_history.command(i))->marks())
            return true;
    }
    return false;
}

void TrackDocument::setSelection(const CellSelection &selection)
{
    if (selection == m_selection)
        return;
    m_selection = selection;
    emit selectionChanged();
}

void TrackDocument::setSize(int width, int height)
{
    TrackGrid grid = m_grid;
    grid.setSize(width, height);
    setGrid(grid);
}

void TrackDocument::setGrid(const TrackGrid &grid)
{
    if (grid == m_grid)
        return;
    const bool resized = grid.width() != m_grid.width() || grid.height() != m_grid.height();
    m_grid = grid;
    if (resized)
        emit sizeChanged(m_grid.width(), m_grid.height());
    emit changed();
}

void TrackDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}

void TrackDocument::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

void TrackDocument::DrawGrid(bool reset, Progress &progress)
{
    TrackGrid grid = m_grid;
    draw(grid, reset, progress);
    setGrid(grid);
}

void TrackDocument::draw(TrackGrid &grid, bool reset, Progress &progress)
{
    for (int c = 0; c < TrackGrid::side; ++c) {
        for (int r = 0; r < TrackGrid::side; ++r) {
            progress.setText(Progress::text("Drawing Grid - ", c, r));
            const int i = TrackGrid::index(c, r);
            if (reset)
                grid.setCode(i, Catalogue::defaultCode());
            grid.setCell(i, Cell{grid.cell(i).code, grid.inBlock(i)});
        }
    }
    progress.clear();
}

void TrackDocument::ClearGrid()
{
    TrackGrid grid = m_grid;
    grid.clear();
    setGrid(grid);
}

void TrackDocument::EditGrid(int widthChange, int heightChange, Progress &progress)
{
    // The new size and the cells it shows arrive together, as one change.
    TrackGrid grid = m_grid;
    grid.setSize(width() + widthChange, height() + heightChange);
    draw(grid, false, progress);
    setGrid(grid);
}

void TrackDocument::TrackClick(int index, const QByteArray &code)
{
    // Before any piece was chosen there is nothing to place: an empty code
    // would make a track file that cannot be read back.
    if (code.isEmpty() || index < 0 || index >= TrackGrid::cellCount)
        return;
    TrackGrid grid = m_grid;
    grid.setCode(index, code);
    setGrid(grid);
    setModified(true);
}

void TrackDocument::MakeArray()
{
    m_memo = TrackFile::write(m_grid);
}

void TrackDocument::MemoToGrid(const TileSource &tiles, TileStore &store, Progress &progress)
{
    readMemo(m_memo, tiles, store, progress);
}

void TrackDocument::readMemo(const LineBuffer &memo, const TileSource &tiles, TileStore &store,
                             Progress &progress)
{
    const TrackFile::Read read = TrackFile::read(memo, m_grid, tiles, progress);
    store.insert(read.pictures);
    // A tile file may have changed since its code was last read, so the
    // views redraw even when the grid itself is the same.
    if (read.grid == m_grid)
        emit changed();
    setGrid(read.grid);
}

void TrackDocument::open(const QString &path, const TileSource &tiles, TileStore &store,
                         Progress &progress)
{
    LineBuffer memo;
    memo.setFileBytes(TrackFile::readBytes(path));
    readMemo(memo, tiles, store, progress);
    m_memo = memo;
    setFileName(path);
    setModified(false);
    restartHistory();
}

void TrackDocument::save(const QString &path)
{
    MakeArray();
    SafeFile::write(path, m_memo.text());
    setFileName(path);
    setModified(false);
    m_history.setClean();
}
