// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a track file. They are written to a file on a RAM disk and
// opened the way the editor opens a track, then the outcome is checked
// against a reading of the same bytes done here from the reading rules:
// on failure the document must be exactly as before, on success its cells,
// size, buffer and a save of it must be what the file says.

#include "base/kwerror.h"
#include "document/linebuffer.h"
#include "base/progress.h"
#include "document/trackdocument.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QVector>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(int line, const char *what)
{
    std::fprintf(stderr, "fuzz_track:%d: check failed: %s\n", line, what);
    std::abort();
}
#define CHECK(cond) ((cond) ? void(0) : fail(__LINE__, #cond))

const QByteArray defaultCode("07");

// Serves four fixed pictures (one empty, as a zero-byte tile file gives) and
// fails the ways tile files fail: codes holding 'X' are missing files, 'Y'
// invalid bitmaps, 'Z' cut-off headers. The empty code is a missing ".bmp".
// A code holding 'V' is a file that changes between reads: red and green by
// turns, and the store must end up with the last one read.
class FuzzTiles : public TileSource
{
public:
    FuzzTiles()
    {
        m_pictures[0] = solid(Qt::red, 50);
        m_pictures[1] = solid(Qt::green, 50);
        m_pictures[2] = QImage();
        m_pictures[3] = solid(Qt::blue, 10);
    }

    static QString failure(const QByteArray &code)
    {
        if (code.isEmpty() || code.contains('X'))
            return KwError::cannotOpen(QStringLiteral("/tiles/") + QFile::decodeName(code)
                                       + QStringLiteral(".bmp")).message();
        if (code.contains('Y'))
            return KwError::invalidBitmap().message();
        if (code.contains('Z'))
            return KwError::streamRead().message();
        return QString();
    }

    const QImage &picture(const QByteArray &code) const
    {
        unsigned sum = 0;
        for (char c : code)
            sum += uchar(c);
        return m_pictures[sum % 4];
    }

    // The picture the load numbered n (counted over the whole run) gives.
    const QImage &served(const QByteArray &code, quint64 n) const
    {
        return code.contains('V') ? m_pictures[n % 2] : picture(code);
    }

    QImage load(const QByteArray &code) const override
    {
        const quint64 n = loads++;
        const QString message = failure(code);
        if (!message.isEmpty())
            throw KwError(message);
        return served(code, n);
    }

    mutable quint64 loads = 0;

private:
    static QImage solid(Qt::GlobalColor colour, int side)
    {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QImage m_pictures[4];
};

// Remembers the last status text, which a finished read must leave empty.
class LastText : public Progress
{
public:
    void setText(const QString &text) override { last = text; }
    QString last;
};

// The reading rules, written out afresh: NUL ends the text, CR LF / CR / LF
// each end a line, a final break adds no line, the reader sees 4096 bytes.
QVector<QByteArray> referenceLines(const QByteArray &bytes)
{
    QVector<QByteArray> lines;
    QByteArray current;
    bool open = false;  // characters since the last break
    for (qsizetype i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open)
        lines.append(current);
    return lines;
}

// Split at every comma; the piece after a final comma (or of an empty line)
// is no code.
QVector<QByteArray> referenceCodes(const QByteArray &line)
{
    QList<QByteArray> pieces = line.split(',');
    if (line.isEmpty() || line.endsWith(','))
        pieces.removeLast();
    return QVector<QByteArray>(pieces.begin(), pieces.end());
}

struct Expected
{
    QString error;                    // empty: the read succeeds
    QVector<QByteArray> lines;        // as the reader sees them
    QVector<QVector<QByteArray>> codes;
    int width = 0, height = 0;        // 0: the size stays
};

Expected expect(const QByteArray &bytes)
{
    Expected e;
    for (const QByteArray &line : referenceLines(bytes))
        e.lines.append(line.left(LineBuffer::maxLineLength));
    for (int r = 0; r < e.lines.size(); ++r) {
        e.codes.append(referenceCodes(e.lines[r]));
        const int n = e.codes[r].size();
        if (n > TrackGrid::side || (n > 0 && r >= TrackGrid::side))
            e.error = KwError::trackTooLarge().message();
    }
    if (!e.error.isEmpty())
        return e;
    for (int r = 0; r < e.codes.size(); ++r) {
        for (int c = 0; c < e.codes[r].size(); ++c) {
            e.error = FuzzTiles::failure(e.codes[r][c]);
            if (!e.error.isEmpty())
                return e;
            e.width = std::max(e.width, c + 1);  // the widest row
            e.height = r + 1;
        }
    }
    return e;
}

// Everything a failed read must leave alone: the grid, the flag, the file
// name, the buffer, and the store's picture of every code the document
// holds or the file names (a code read before the failure must not have
// reached the store).
struct Snapshot
{
    TrackGrid grid;
    QHash<QByteArray, qint64> pictures;  // 0: the store has no picture
    bool modified = false;
    QString fileName;
    QByteArray memo;

    Snapshot(const TrackDocument &doc, const TileStore &store, const Expected &e)
        : grid(doc.grid()), modified(doc.isModified()), fileName(doc.fileName()),
          memo(doc.memo().text())
    {
        auto take = [&](const QByteArray &code) {
            pictures.insert(code, store.contains(code) ? store.picture(code).cacheKey() : 0);
        };
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            take(doc.cell(i).code);
        for (const QVector<QByteArray> &row : e.codes)
            for (const QByteArray &code : row)
                take(code);
    }

    bool operator==(const Snapshot &o) const
    {
        return grid == o.grid && pictures == o.pictures && modified == o.modified
               && fileName == o.fileName && memo == o.memo;
    }
};

bool samePicture(const QImage &a, const QImage &b)
{
    return a.cacheKey() == b.cacheKey() || a == b;
}

// A document that is not in its fresh state, so "unchanged" means something,
// and a store that holds the pictures of its codes.
void prepare(TrackDocument &doc, TileStore &store, const FuzzTiles &tiles)
{
    store = TileStore();
    for (const QByteArray &code : {defaultCode, QByteArray("A1"), QByteArray("B2"), QByteArray("C3")})
        store.insert(code, tiles.picture(code));
    doc.ClearGrid();
    doc.TrackClick(TrackGrid::index(0, 0), "A1");
    doc.TrackClick(TrackGrid::index(3, 5), "B2");
    doc.TrackClick(TrackGrid::index(29, 29), "C3");
    doc.setSize(12, 9);
    doc.MakeArray();
    doc.setFileName(QStringLiteral("/before.kwf"));
}

QString g_trackPath;
QString g_savePath;

void writeTrack(const uint8_t *data, size_t size)
{
    const int fd = ::open(QFile::encodeName(g_trackPath).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0600);
    CHECK(fd >= 0);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        CHECK(n > 0);
        done += size_t(n);
    }
    ::close(fd);
}

QByteArray readBack(const QString &path)
{
    QFile file(path);
    CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// firstLoad: the tile source's load count when the read began; the codes
// are loaded one by one in reading order, and the store keeps the last
// picture read for each. defaultPicture: the store's "07" before the read.
void checkCells(const TrackDocument &doc, const TileStore &store, const FuzzTiles &tiles,
                const Expected &e, quint64 firstLoad, const QImage &defaultPicture)
{
    QVector<bool> named(TrackGrid::cellCount, false);
    QHash<QByteArray, QImage> lastRead;
    quint64 n = firstLoad;
    for (int r = 0; r < e.codes.size(); ++r) {
        for (int c = 0; c < e.codes[r].size(); ++c) {
            const Cell &cell = doc.cell(c, r);
            named[TrackGrid::index(c, r)] = true;
            CHECK(cell.visible);
            CHECK(cell.code == e.codes[r][c]);
            lastRead.insert(cell.code, tiles.served(cell.code, n++));
        }
    }
    CHECK(tiles.loads == n);
    for (auto it = lastRead.constBegin(); it != lastRead.constEnd(); ++it)
        CHECK(samePicture(store.picture(it.key()), it.value()));
    CHECK(samePicture(store.picture(defaultCode), lastRead.value(defaultCode, defaultPicture)));
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        if (named[i])
            continue;
        // Exactly the block is visible, a short row's cells there too; a
        // file without codes shows nothing (e.width is then 0).
        const bool inBlock = TrackGrid::columnOf(i) < e.width && TrackGrid::rowOf(i) < e.height;
        CHECK(doc.cell(i).visible == inBlock);
        CHECK(doc.cell(i).code == defaultCode);
    }
}

// Saving writes the width x height block: the file's codes, "07" where a
// row is short, CR LF after every line.
QByteArray expectedSave(const Expected &e, int width, int height)
{
    QByteArray out;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const bool named = r < e.codes.size() && c < e.codes[r].size();
            out += named ? e.codes[r][c] : defaultCode;
            if (c + 1 < width)
                out += ',';
        }
        out += "\r\n";
    }
    return out;
}

void checkSuccess(TrackDocument &doc, const TileStore &store, const FuzzTiles &tiles,
                  const Expected &e, const Snapshot &before, const LastText &progress,
                  quint64 firstLoad)
{
    checkCells(doc, store, tiles, e, firstLoad, tiles.picture(defaultCode));
    CHECK(doc.width() == (e.width ? e.width : before.grid.width()));
    CHECK(doc.height() == (e.height ? e.height : before.grid.height()));
    CHECK(doc.fileName() == g_trackPath);
    CHECK(!doc.isModified());
    CHECK(progress.last.isEmpty());
    CHECK(doc.memo().lineCount() == e.lines.size());
    for (int i = 0; i < e.lines.size(); ++i)
        CHECK(doc.memo().line(i) == e.lines[i]);

    doc.save(g_savePath);
    CHECK(readBack(g_savePath) == expectedSave(e, doc.width(), doc.height()));
    CHECK(doc.fileName() == g_savePath);
    CHECK(!doc.isModified());
}

void removeFiles()
{
    QFile::remove(g_trackPath);
    QFile::remove(g_savePath);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A RAM disk keeps the file round trip cheap; KW_FUZZ_TMP overrides it.
    QString folder = qEnvironmentVariable("KW_FUZZ_TMP");
    if (folder.isEmpty())
        folder = QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm")
                                                                : QDir::tempPath();
    const QString stem = folder + QStringLiteral("/kw-fuzz-track-") + QString::number(getpid());
    g_trackPath = stem + QStringLiteral(".kwf");
    g_savePath = stem + QStringLiteral("-saved.kwf");
    std::atexit(removeFiles);
    return 0;
}

// A code as messages show it: printable characters only, at most 40 of them
// (an escaped byte is four), and a plain code of up to 40 characters as it is.
static void checkShownCode(const QByteArray &code)
{
    const QString shown = TileFolder::shownCode(code);
    for (const char32_t c : shown.toUcs4())
        CHECK(QChar::isPrint(c));
    CHECK(shown.size() <= 4 * TileFolder::shownLength);
    const bool plain = std::all_of(code.begin(), code.end(), [](char c) { return c >= ' ' && c <= '~'; });
    if (plain && code.size() <= TileFolder::shownLength)
        CHECK(shown == QString::fromLatin1(code));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkShownCode(bytes);
    const Expected e = expect(bytes);

    // The line buffer on its own.
    LineBuffer buffer;
    buffer.setFileBytes(bytes);
    CHECK(buffer.lineCount() == e.lines.size());
    for (int i = 0; i < e.lines.size(); ++i)
        CHECK(buffer.line(i) == e.lines[i]);

    writeTrack(data, size);
    // One document for all runs, brought back to the same state each time;
    // the state before is the same every run, so it is taken once.
    static const FuzzTiles tiles;
    static TrackDocument doc;
    static TileStore store;
    prepare(doc, store, tiles);
    const Snapshot before(doc, store, e);
    LastText progress;
    const quint64 firstLoad = tiles.loads;
    try {
        doc.open(g_trackPath, tiles, store, progress);
    } catch (const KwError &error) {
        CHECK(error.message() == e.error);
        CHECK(Snapshot(doc, store, e) == before);
        return 0;
    }
    CHECK(e.error.isEmpty());
    checkSuccess(doc, store, tiles, e, before, progress, firstLoad);
    return 0;
}
