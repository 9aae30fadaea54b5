// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/recoveryfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

const QString copySuffix = QStringLiteral(".recovery");
const QString lockSuffix = QStringLiteral(".lock");

} // namespace

QString RecoveryFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/kerbwright/recovery");
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
    if (!dir.exists())
        return;
    const QString name = dir.dirName();
    if (dir.cdUp() && dir.rmdir(name))
        dir.rmdir(dir.absolutePath());
}

void RecoveryFolder::removeStaleLocks(const QString &folder)
{
    const QFileInfoList locks = QDir(folder).entryInfoList({QLatin1Char('*') + lockSuffix},
                                                           QDir::Files | QDir::Hidden);
    for (const QFileInfo &info : locks) {
        QString copy = info.filePath();
        copy.chop(lockSuffix.size());
        if (QFileInfo::exists(copy + copySuffix))
            continue;
        // Taking a lock whose editor is gone removes the stale file; the
        // lock taken is then released, and its file with it.
        QLockFile lock(info.filePath());
        lock.setStaleLockTime(0);
        lock.tryLock(0);
    }
}
