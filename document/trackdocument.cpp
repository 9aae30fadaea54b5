#include "document/trackdocument.h"

#include "base/progress.h"
#include "base/safefile.h"
#include "document/trackfile.h"
#include "pieces/catalogue.h"
#include "pieces/tilestore.h"

TrackDocument::TrackDocument(QObject *parent)
    : QObject(parent)
{
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
}

void TrackDocument::save(const QString &path)
{
    MakeArray();
    SafeFile::write(path, m_memo.text());
    setFileName(path);
    setModified(false);
}
