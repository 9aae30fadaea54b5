// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/safefile.h"

#include "base/kwerror.h"

#include <QSaveFile>

void SafeFile::write(const QString &path, const QByteArray &bytes)
{
    write(path, [&bytes] { return bytes; });
}

void SafeFile::write(const QString &path, const std::function<QByteArray()> &produce)
{
    if (path.isEmpty())
        throw KwError::cannotCreate(path);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw KwError::cannotCreate(path);
    QByteArray bytes;
    try {
        bytes = produce();
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    // QSaveFile buffers: a write can report every byte as taken and only the
    // flush finds the disk full, and commit() would still rename the short
    // file over the old one. So both are checked before committing.
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        file.cancelWriting();
        throw KwError::streamWrite();
    }
    if (!file.commit())
        throw KwError::streamWrite();
}
