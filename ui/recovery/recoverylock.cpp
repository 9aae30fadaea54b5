// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/recoverylock.h"

#include "base/nativename.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

RecoveryLock::RecoveryLock(const QString &path)
    : m_path(NativeName::encode(path))
{
}

RecoveryLock::~RecoveryLock()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that nobody takes the lock on a file
    // that is about to go; one who opened it already sees that it went.
    ::unlink(m_path.constData());
    ::close(m_fd);
}

RecoveryLock::State RecoveryLock::take()
{
    if (m_fd >= 0)
        return Taken;
    // A few rounds: the file may go (its holder ended) between our opening
    // it and our lock.
    for (int round = 0; round < 4; ++round) {
        const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            // A lock file that cannot be opened is no running editor's: it
            // goes, and a new one takes its place.
            if ((errno == EACCES || errno == ELOOP) && ::unlink(m_path.constData()) == 0)
                continue;
            return Failed;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Held : Failed;
        }
        struct stat opened, named;
        if (::fstat(fd, &opened) == 0 && ::stat(m_path.constData(), &named) == 0
            && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            m_fd = fd;
            return Taken;
        }
        ::close(fd);
    }
    return Failed;
}
