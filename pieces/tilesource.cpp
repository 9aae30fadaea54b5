#include "pieces/tilesource.h"

#include "document/kwerror.h"
#include "pieces/bmpreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

TileFolder::TileFolder(const QString &folder)
    : m_folder(folder)
{
}

QString TileFolder::besideExecutable()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tiles");
}

namespace {

// The tile's file name for a code. Decoded with the initial byte-order mark
// kept: a track file that starts with one names a code that begins with it,
// and the plain system decoder would drop it and find the tile of the rest.
QString fileNameOf(const QByteArray &code)
{
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(code + ".bmp");
}

// A code is a file name inside the folder, never a path: a slash would lead
// elsewhere, and the system cuts a name at its first NUL byte.
bool usableAsName(const QByteArray &code)
{
    return !code.contains('/') && !code.contains('\0');
}

// The first regular file in the folder whose name equals fileName in any
// letter case, or an empty string. The folder is listed anew on each call,
// so files added or renamed since the last load are seen.
QString caseBlindMatch(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return QString();
}

} // namespace

QString TileFolder::pathFor(const QByteArray &code) const
{
    return m_folder + QLatin1Char('/') + fileNameOf(code);
}

QImage TileFolder::load(const QByteArray &code) const
{
    const QString exact = pathFor(code);
    if (!usableAsName(code))
        throw KwError::cannotOpen(exact);
    // The exact name wins whenever something of that name is there, even a
    // folder or a FIFO (which the reader then refuses as not openable). It is
    // read straight away: only when it cannot be opened do we ask whether
    // it is there, which saves a system call on each of a track's 900 loads.
    try {
        return BmpReader::readFile(exact);
    } catch (const KwError &error) {
        if (QFileInfo::exists(exact) || error.message() != KwError::cannotOpen(exact).message())
            throw;
    }
    const QString other = caseBlindMatch(m_folder, fileNameOf(code));
    if (other.isEmpty())
        throw KwError::cannotOpen(exact);
    try {
        return BmpReader::readFile(other);
    } catch (const KwError &error) {
        // The user knows the tile by its code, so the message names the
        // exact-case path rather than the file we happened to find.
        if (error.message() == KwError::cannotOpen(other).message())
            throw KwError::cannotOpen(exact);
        throw;
    }
}
