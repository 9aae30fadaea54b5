#include "document/trackdocument.h"

#include "document/kwerror.h"
#include "document/progress.h"
#include "document/regularfile.h"
#include "document/safefile.h"
#include "pieces/builtinpictures.h"
#include "pieces/catalogue.h"
#include "pieces/tilesource.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace {

using Pool = std::array<Cell, TrackDocument::cellCount>;

bool sameCell(const Cell &a, const Cell &b)
{
    // Pictures are compared by identity, not pixel by pixel: a cell that got
    // a new copy of a picture counts as changed, which only costs a repaint.
    return a.visible == b.visible && a.code == b.code
           && a.picture.cacheKey() == b.picture.cacheKey();
}

int codesOnLine(const QByteArray &line)
{
    // Every comma ends a code; the end of the line ends one more unless the
    // line is empty or ends with a comma.
    const int commas = int(line.count(','));
    return commas + ((line.isEmpty() || line.endsWith(',')) ? 0 : 1);
}

// Two pictures whose pixels and every property the reader sets are the same
// byte for byte. Stricter than equality, so never wrong to share.
bool identicalPicture(const QImage &a, const QImage &b)
{
    return a.format() == QImage::Format_RGB32 && b.format() == a.format() && a.size() == b.size()
           && a.bytesPerLine() == b.bytesPerLine() && a.dotsPerMeterX() == b.dotsPerMeterX()
           && a.dotsPerMeterY() == b.dotsPerMeterY() && a.devicePixelRatio() == b.devicePixelRatio()
           && std::memcmp(a.constBits(), b.constBits(), size_t(a.sizeInBytes())) == 0;
}

// Every cell's tile is read from its file, but when the file gives the
// same picture as an earlier cell of the same code got in this read, the
// cell shares that picture (as copies of a picture do) and the fresh one is
// dropped. A 30 x 30 track then holds a picture per code instead of one
// per cell, and its cells share their pixmaps on screen: on this hardware
// touching 18 MB of new memory cost more than reading the 900 files.
QImage sharedIfIdentical(QHash<QByteArray, QImage> &read, const QByteArray &code,
                         const QImage &picture)
{
    const auto earlier = read.constFind(code);
    if (earlier != read.constEnd() && identicalPicture(*earlier, picture))
        return *earlier;
    read.insert(code, picture);
    return picture;
}

// A track that names a cell outside the 30 x 30 pool is refused before
// anything is read.
void checkFitsPool(const LineBuffer &memo)
{
    for (int r = 0; r < memo.lineCount(); ++r) {
        const int codes = codesOnLine(memo.line(r));
        if (codes > TrackDocument::side || (codes > 0 && r >= TrackDocument::side))
            throw KwError::trackTooLarge();
    }
}

} // namespace

TrackDocument::TrackDocument(QObject *parent)
    : QObject(parent), m_defaultPicture(BuiltinPictures::blank())
{
    for (Cell &cell : m_cells)
        cell.picture = m_defaultPicture;
}

QString TrackDocument::cellName(int index)
{
    return QStringLiteral("tp%1%2")
        .arg(columnOf(index) + 1, 2, 10, QLatin1Char('0'))
        .arg(rowOf(index) + 1, 2, 10, QLatin1Char('0'));
}

void TrackDocument::setSize(int width, int height)
{
    width = std::clamp(width, 1, side);
    height = std::clamp(height, 1, side);
    if (width == m_width && height == m_height)
        return;
    m_width = width;
    m_height = height;
    emit sizeChanged(m_width, m_height);
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

void TrackDocument::setCell(int index, const Cell &cell)
{
    if (sameCell(m_cells[size_t(index)], cell))
        return;
    m_cells[size_t(index)] = cell;
    emit cellChanged(index);
}

void TrackDocument::DrawGrid(bool reset, Progress &progress)
{
    for (int c = 0; c < side; ++c) {
        for (int r = 0; r < side; ++r) {
            progress.setText(Progress::text("Drawing Grid - ", c, r));
            Cell cell = m_cells[size_t(index(c, r))];
            if (reset)
                cell = Cell{Catalogue::defaultCode(), m_defaultPicture, false};
            cell.visible = c < m_width && r < m_height;
            setCell(index(c, r), cell);
        }
    }
    progress.clear();
}

void TrackDocument::ClearGrid()
{
    const Cell fresh{Catalogue::defaultCode(), m_defaultPicture, false};
    for (int i = 0; i < cellCount; ++i)
        setCell(i, fresh);
}

void TrackDocument::EditGrid(const QByteArray &hint, Progress &progress)
{
    // "01-00": characters 1-2 change the width, 4-5 the height.
    const int dw = hint.mid(0, 2).toInt();
    const int dh = hint.mid(3, 2).toInt();
    setSize(m_width + dw, m_height + dh);
    DrawGrid(false, progress);
}

void TrackDocument::TrackClick(int index, const QByteArray &code, const QImage &picture)
{
    // Before any piece was chosen there is nothing to place: an empty code
    // would make a track file that cannot be read back.
    if (code.isEmpty() || index < 0 || index >= cellCount)
        return;
    Cell cell = m_cells[size_t(index)];
    cell.code = code;
    cell.picture = picture;
    setCell(index, cell);
    setModified(true);
}

void TrackDocument::MakeArray()
{
    m_memo.clear();
    for (int r = 0; r < m_height; ++r) {
        QByteArray line;
        for (int c = 0; c < m_width; ++c) {
            line += m_cells[size_t(index(c, r))].code;
            if (c + 1 != m_width)
                line += ',';
        }
        m_memo.addLine(line);
    }
}

void TrackDocument::MemoToGrid(const TileSource &tiles, Progress &progress)
{
    readLines(m_memo, tiles, progress);
}

void TrackDocument::readLines(const LineBuffer &memo, const TileSource &tiles, Progress &progress)
{
    checkFitsPool(memo);
    // The lines are read into a staging pool; the document takes it only
    // when every code had its picture, so a failure changes nothing.
    Pool staged;
    staged.fill(Cell{Catalogue::defaultCode(), m_defaultPicture, false});
    QHash<QByteArray, QImage> read;
    int width = m_width, height = m_height;
    int widest = 0;
    try {
        for (int r = 0; r < memo.lineCount(); ++r) {
            const QByteArray line = memo.line(r);
            const int length = int(line.size());
            int k = 0;
            QByteArray pending;
            for (int p = 1; p <= length; ++p) {
                progress.setText(Progress::text("Loading Track - ", r, p));
                progress.pump();
                const char ch = line[p - 1];
                if (ch != ',')
                    pending += ch;
                if (ch != ',' && p != length)
                    continue;
                ++k;
                // The widest row sets the width, so that a save keeps every
                // code; the last row that names a code sets the height.
                widest = std::max(widest, k);
                width = widest;
                height = r + 1;
                Cell &cell = staged[size_t(index(k - 1, r))];
                cell.code = pending;
                cell.picture = sharedIfIdentical(read, pending, tiles.load(pending));
                progress.pump();
                pending.clear();
            }
        }
    } catch (...) {
        progress.clear();
        throw;
    }
    progress.clear();
    // Exactly the block is visible: a short row's missing cells show the
    // default piece that they hold. A file without a code shows nothing.
    for (int i = 0; i < cellCount; ++i) {
        Cell &cell = staged[size_t(i)];
        cell.visible = widest > 0 && columnOf(i) < width && rowOf(i) < height;
        setCell(i, cell);
    }
    setSize(width, height);
}

QByteArray TrackDocument::readTrackFile(const QString &path)
{
    // Folders, FIFOs and devices hold no text; an empty path opens nothing.
    const RegularFile::Result file = RegularFile::read(path, maxTrackFileSize);
    switch (file.status) {
    case RegularFile::Read:
        return file.bytes;
    case RegularFile::CannotOpen:
        throw KwError::cannotOpen(path);
    case RegularFile::NotRegular:
    case RegularFile::TooLarge:
        throw KwError::memoCapacity();
    case RegularFile::ReadFailed:
        break;
    }
    throw KwError::streamRead();
}

void TrackDocument::open(const QString &path, const TileSource &tiles, Progress &progress)
{
    LineBuffer memo;
    memo.setFileBytes(readTrackFile(path));
    readLines(memo, tiles, progress);
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
