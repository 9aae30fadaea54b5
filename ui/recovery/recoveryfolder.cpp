// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/recoveryfolder.h"

#include "base/nativename.h"
#include "ui/recovery/recoverylock.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString copySuffix = QStringLiteral(".recovery");
const QString lockSuffix = QStringLiteral(".lock");

} // namespace

QString RecoveryFolder::path()
{
    // As the XDG rules have it: XDG_DATA_HOME counts only when it is an
    // absolute path. Qt would take a relative one (a folder below wherever
    // the editor was started) and, without HOME, a folder below "/".
    QString data = NativeName::decode(qgetenv("XDG_DATA_HOME"));
    if (!QDir::isAbsolutePath(data)) {
        const QString home = NativeName::decode(qgetenv("HOME"));
        if (!QDir::isAbsolutePath(home))
            return QString();
        data = QDir::cleanPath(home + QStringLiteral("/.local/share"));
    }
    return data + QStringLiteral("/kerbwright/recovery");
}

QString RecoveryFolder::copyPath(const QString &folder, const QString &id)
{
    return folder + QLatin1Char('/') + id + copySuffix;
}

QString RecoveryFolder::lockPathFor(const QString &copyPath)
{
    QString path = copyPath;
    if (path.endsWith(copySuffix))
        path.chop(copySuffix.size());
    return path + lockSuffix;
}

QStringList RecoveryFolder::copies(const QString &folder)
{
    // An empty name would be the current folder.
    if (folder.isEmpty())
        return {};
    const QFileInfoList found = QDir(folder).entryInfoList({QLatin1Char('*') + copySuffix},
                                                           QDir::Files | QDir::Hidden,
                                                           QDir::Time | QDir::Reversed);
    QStringList paths;
    for (const QFileInfo &info : found)
        paths.append(info.filePath());
    return paths;
}

void RecoveryFolder::removeIfEmpty(const QString &folder)
{
    // rmdir() refuses a folder that holds anything, another editor's lock
    // or copy included.
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    const QString name = dir.dirName();
    if (dir.cdUp() && dir.rmdir(name))
        dir.rmdir(dir.absolutePath());
}

void RecoveryFolder::removeStaleLocks(const QString &folder)
{
    if (folder.isEmpty())
        return;
    const QFileInfoList locks = QDir(folder).entryInfoList({QLatin1Char('*') + lockSuffix},
                                                           QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &info : locks) {
        QString copy = info.filePath();
        copy.chop(lockSuffix.size());
        if (QFileInfo::exists(copy + copySuffix))
            continue;
        // A lock that no running editor holds is taken, and goes when it is
        // let go.
        RecoveryLock(info.filePath()).take();
    }
}
