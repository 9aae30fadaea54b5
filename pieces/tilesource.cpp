// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/tilesource.h"

#include "base/kwerror.h"
#include "pieces/bmpreader.h"
#include "pieces/decodedtiles.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <unistd.h>
#else
#include <QDir>
#endif

QImage TileSource::loadReusing(const QByteArray &code, DecodedTiles &decoded) const
{
    (void)decoded;
    return load(code);
}

TileFolder::TileFolder(const QString &folder)
    : m_folder(folder)
{
}

QString TileFolder::besideExecutable()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tiles");
}

namespace {

// A code is a file name inside the folder, never a path: a slash would lead
// elsewhere, and the system cuts a name at its first NUL byte.
bool usableAsName(const QByteArray &code)
{
    return !code.contains('/') && !code.contains('\0');
}

// The first regular file in the folder whose name equals fileName in any
// letter case (ASCII letters only; other bytes must match exactly), or an
// empty name. The folder is listed anew on each call, so files added or
// renamed since the last load are seen. Names are compared as bytes.
QByteArray caseBlindMatch(const QByteArray &folder, const QByteArray &fileName)
{
#ifdef Q_OS_UNIX
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return QByteArray();
    QByteArray found;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_type == DT_DIR)
            continue;
        const QByteArray name(entry->d_name);
        if (name.compare(fileName, Qt::CaseInsensitive) == 0 && (found.isEmpty() || name < found))
            found = name;
    }
    ::closedir(dir);
    return found.isEmpty() ? found : folder + '/' + found;
#else
    const QDir dir(QFile::decodeName(folder));
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (QFile::encodeName(name).compare(fileName, Qt::CaseInsensitive) == 0)
            return QFile::encodeName(dir.filePath(name));
    }
    return QByteArray();
#endif
}

// Whether anything (a file, a folder, a FIFO) has this name; a link that
// leads nowhere does not count.
bool exists(const QByteArray &nativePath)
{
#ifdef Q_OS_UNIX
    return ::access(nativePath.constData(), F_OK) == 0;
#else
    return QFile::exists(QFile::decodeName(nativePath));
#endif
}

// How many bytes the printable character that starts at bytes[i] takes in
// UTF-8 (file names are UTF-8), or 0 when a control character, an invisible
// format character or a byte that starts no valid sequence is there.
int printableAt(const QByteArray &bytes, int i)
{
    const uchar lead = uchar(bytes[i]);
    int length = 1;
    char32_t point = lead;
    if (lead >= 0xf0 && lead < 0xf8) {
        length = 4;
        point = lead & 0x07;
    } else if (lead >= 0xe0 && lead < 0xf0) {
        length = 3;
        point = lead & 0x0f;
    } else if (lead >= 0xc0 && lead < 0xe0) {
        length = 2;
        point = lead & 0x1f;
    } else if (lead >= 0x80) {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const uchar next = uchar(bytes[i + k]);
        if ((next & 0xc0) != 0x80)
            return 0;
        point = point << 6 | (next & 0x3f);
    }
    // Overlong forms and surrogates are no text either.
    static const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff))
        return 0;
    return QChar::isPrint(point) ? length : 0;
}

} // namespace

QString TileFolder::shownCode(const QByteArray &code)
{
    // First count what is shown: characters and escaped bytes.
    int units = 0;
    bool escapes = false;
    for (int i = 0; i < code.size(); ++units) {
        const int length = printableAt(code, i);
        escapes = escapes || length == 0;
        i += std::max(length, 1);
    }
    if (!escapes && units <= shownLength)
        return QFile::decodeName(code);

    const int head = units > shownLength ? shownLength / 2 : units;
    const int tail = units > shownLength ? shownLength - head - 1 : 0;
    QString shown;
    for (int i = 0, unit = 0; i < code.size(); ++unit) {
        const int length = printableAt(code, i);
        const int taken = std::max(length, 1);
        if (unit == head && tail > 0)
            shown += QChar(0x2026);
        if (unit < head || unit >= units - tail) {
            if (length > 0)
                shown += QString::fromUtf8(code.constData() + i, length);
            else
                shown += QStringLiteral("\\x%1").arg(QString::number(uchar(code[i]), 16).toUpper(), 2,
                                                      QLatin1Char('0'));
        }
        i += taken;
    }
    return shown;
}

QByteArray TileFolder::nativePathFor(const QByteArray &code) const
{
    // The code's bytes are the file name's bytes: track files are 8-bit
    // text, and decoding a code as text would lose the bytes that are not
    // valid in it (and let two codes share one file).
    return QFile::encodeName(m_folder) + '/' + code + ".bmp";
}

QString TileFolder::pathFor(const QByteArray &code) const
{
    return QFile::decodeName(nativePathFor(code));
}

QString TileFolder::shownPathFor(const QByteArray &code) const
{
    return m_folder + QLatin1Char('/') + shownCode(code) + QStringLiteral(".bmp");
}

QImage TileFolder::load(const QByteArray &code) const
{
    return BmpReader::decode(readBytes(code));
}

QImage TileFolder::loadReusing(const QByteArray &code, DecodedTiles &decoded) const
{
    return decoded.decode(code, readBytes(code));
}

QByteArray TileFolder::readBytes(const QByteArray &code) const
{
    const QByteArray exact = nativePathFor(code);
    const QString shown = shownPathFor(code);
    if (!usableAsName(code))
        throw KwError::cannotOpen(shown);
    // The exact name wins whenever something of that name is there, even a
    // folder or a FIFO (which the reader then refuses as not openable). It is
    // read straight away: only when it cannot be opened do we look for the
    // name in another letter case, which saves a system call on each of a
    // track's 900 loads.
    try {
        return BmpReader::readBytes(exact, shown);
    } catch (const KwError &error) {
        if (error.kind() != KwError::Kind::CannotOpen || exists(exact))
            throw;
    }
    const QByteArray other = caseBlindMatch(QFile::encodeName(m_folder), code + ".bmp");
    if (other.isEmpty() || other == exact)
        throw KwError::cannotOpen(shown);
    // The user knows the tile by its code, so every message names the
    // exact-case path rather than the file we happened to find.
    return BmpReader::readBytes(other, shown);
}
