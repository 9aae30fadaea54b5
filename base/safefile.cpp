// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/safefile.h"

#include "base/kwerror.h"
#include "base/nativename.h"

#include <QSaveFile>

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Whether the written bytes reached the disk. commit() syncs too but renames
// even when that fails (EIO from a dying disk or a network file system),
// which would replace the former file by one that may not be there.
bool synced(QSaveFile &file)
{
#ifdef Q_OS_UNIX
    for (;;) {
#if defined(_POSIX_SYNCHRONIZED_IO) && _POSIX_SYNCHRONIZED_IO > 0
        const int result = ::fdatasync(file.handle());
#else
        const int result = ::fsync(file.handle());
#endif
        if (result == 0)
            return true;
        if (errno != EINTR)
            // EINVAL: a file that cannot be synced at all, nothing failed.
            return errno == EINVAL;
    }
#else
    (void)file;
    return true;
#endif
}

} // namespace

void SafeFile::write(const QString &path, const QByteArray &bytes)
{
    write(path, [&bytes] { return bytes; });
}

void SafeFile::write(const QString &path, const std::function<QByteArray()> &produce)
{
    // Qt's file classes would write to another name than the one asked for
    // (every byte that is no UTF-8 turned into U+FFFD).
    if (path.isEmpty() || !NativeName::isText(path))
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
    // file over the old one. So both are checked, and the sync, before
    // committing.
    const bool written = file.write(bytes) == bytes.size() && file.flush() && synced(file);
    if (!written) {
        file.cancelWriting();
        throw KwError::streamWrite();
    }
    if (!file.commit())
        throw KwError::streamWrite();
}
