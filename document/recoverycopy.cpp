// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/recoverycopy.h"

#include "base/nativename.h"
#include "base/regularfile.h"
#include "base/safefile.h"
#include "document/trackfile.h"

#include <QList>

namespace {

const QByteArray magic("kerbwright recovery copy 1");
const QByteArray sizeKey("size ");
const QByteArray fileKey("file ");
const QByteArray timeKey("time ");

// "size W H" with both in 1..30, nothing else on the line.
bool readSize(const QByteArray &line, int &width, int &height)
{
    if (!line.startsWith(sizeKey))
        return false;
    const QList<QByteArray> parts = line.mid(sizeKey.size()).split(' ');
    if (parts.size() != 2)
        return false;
    bool okWidth = false, okHeight = false;
    width = parts[0].toInt(&okWidth);
    height = parts[1].toInt(&okHeight);
    // toInt() takes a sign and leading zeros; the writer writes neither.
    const bool plain = QByteArray::number(width) == parts[0] && QByteArray::number(height) == parts[1];
    return okWidth && okHeight && plain && width >= 1 && width <= TrackGrid::side && height >= 1
           && height <= TrackGrid::side;
}

// The 30 rows of the pool, each a line ending in CR LF.
bool readCells(const QByteArray &body, TrackGrid &grid)
{
    QList<QByteArray> lines = body.split('\n');
    // The last line break leaves one empty piece behind it.
    if (lines.size() != TrackGrid::side + 1 || !lines.last().isEmpty())
        return false;
    lines.removeLast();
    for (int r = 0; r < TrackGrid::side; ++r) {
        QByteArray &line = lines[r];
        if (!line.endsWith('\r'))
            return false;
        line.chop(1);
        if (line.contains('\r') || line.contains('\0'))
            return false;
        const QList<QByteArray> codes = line.split(',');
        if (codes.size() != TrackGrid::side)
            return false;
        for (int c = 0; c < TrackGrid::side; ++c)
            grid.setCode(TrackGrid::index(c, r), codes[c]);
    }
    return true;
}

} // namespace

QByteArray RecoveryCopy::toBytes() const
{
    // The whole pool, whatever shows: the size says what does.
    TrackGrid pool = grid;
    pool.setSize(TrackGrid::side, TrackGrid::side);
    QByteArray bytes = magic + '\n';
    bytes += sizeKey + QByteArray::number(grid.width()) + ' ' + QByteArray::number(grid.height()) + '\n';
    // Percent-encoded, a file name with a line break in it stays one line.
    bytes += fileKey + NativeName::encode(fileName).toPercentEncoding("/") + '\n';
    bytes += timeKey + time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    bytes += '\n';
    bytes += TrackFile::write(pool).text();
    return bytes;
}

std::optional<RecoveryCopy> RecoveryCopy::fromBytes(const QByteArray &bytes)
{
    // Four header lines and the empty one before the cells.
    QList<QByteArray> header;
    qsizetype at = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            return std::nullopt;
        header.append(bytes.mid(at, end - at));
        at = end + 1;
    }
    RecoveryCopy copy;
    int width = 0, height = 0;
    if (header[0] != magic || !readSize(header[1], width, height) || !header[2].startsWith(fileKey)
        || !header[3].startsWith(timeKey) || !header[4].isEmpty())
        return std::nullopt;
    copy.fileName = NativeName::decode(QByteArray::fromPercentEncoding(header[2].mid(fileKey.size())));
    copy.time = QDateTime::fromString(QString::fromLatin1(header[3].mid(timeKey.size())), Qt::ISODateWithMs);
    if (!copy.time.isValid())
        return std::nullopt;
    copy.time = copy.time.toUTC();
    if (!readCells(bytes.mid(at), copy.grid))
        return std::nullopt;
    copy.grid.setSize(width, height);
    copy.grid.showBlock();
    return copy;
}

void RecoveryCopy::write(const QString &path, const RecoveryCopy &copy)
{
    SafeFile::write(path, copy.toBytes());
}

std::optional<RecoveryCopy> RecoveryCopy::read(const QString &path)
{
    const RegularFile::Result file = RegularFile::read(path, maxSize);
    if (file.status != RegularFile::Read)
        return std::nullopt;
    return fromBytes(file.bytes);
}

bool RecoveryCopy::operator==(const RecoveryCopy &other) const
{
    return grid == other.grid && fileName == other.fileName && time == other.time;
}
