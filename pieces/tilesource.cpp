// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/tilesource.h"

#include "base/kwerror.h"
#include "base/nativename.h"
#include "base/shownbytes.h"
#include "pieces/bmpreader.h"
#include "pieces/decodedtiles.h"

#include <QCoreApplication>
#include <QFile>

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

} // namespace

QString TileFolder::shownCode(const QByteArray &code)
{
    return ShownBytes::text(code, shownLength);
}

QByteArray TileFolder::nativePathFor(const QByteArray &code) const
{
    // The code's bytes are the file name's bytes: track files are 8-bit
    // text, and decoding a code as text would lose the bytes that are not
    // valid in it (and let two codes share one file).
    return NativeName::encode(m_folder) + '/' + code + ".bmp";
}

QString TileFolder::pathFor(const QByteArray &code) const
{
    return NativeName::decode(nativePathFor(code));
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
    const QByteArray other = caseBlindMatch(NativeName::encode(m_folder), code + ".bmp");
    if (other.isEmpty() || other == exact)
        throw KwError::cannotOpen(shown);
    // The user knows the tile by its code, so every message names the
    // exact-case path rather than the file we happened to find.
    return BmpReader::readBytes(other, shown);
}
