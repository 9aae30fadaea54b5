// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/regularfile.h"

#include "base/nativename.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// Closes a descriptor however the read ends.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};
#endif

} // namespace

RegularFile::Result RegularFile::read(const QString &path, qint64 limit)
{
    return read(NativeName::encode(path), limit);
}

#ifdef Q_OS_UNIX
// Plain system calls: a QFile asks the system for the size three more times
// for the same read, and opening a track reads up to 900 tiles.
RegularFile::Result RegularFile::read(const QByteArray &nativePath, qint64 limit)
{
    const Descriptor file{::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    struct stat st;
    if (file.fd < 0 || ::fstat(file.fd, &st) != 0)
        return {CannotOpen, {}};
    if (!S_ISREG(st.st_mode))
        return {NotRegular, {}};
    if (st.st_size > limit)
        return {TooLarge, {}};
    // One byte more than the size, so a file that grew since is seen to go
    // on and is read on, up to the limit.
    QByteArray bytes(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qint64 size = 0;
    for (;;) {
        if (size == bytes.size())
            bytes.resize(qsizetype(std::min(size * 2, limit + 1)));
        const ssize_t n = ::read(file.fd, bytes.data() + size, size_t(bytes.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {ReadFailed, {}};
        if (n == 0)
            break;
        size += n;
        if (size > limit)
            return {TooLarge, {}};
    }
    bytes.truncate(qsizetype(size));
    return {Read, bytes};
}
#else
RegularFile::Result RegularFile::read(const QByteArray &nativePath, qint64 limit)
{
    // Checked before opening: there is no opening without waiting here.
    const QString path = NativeName::decode(nativePath);
    const QFileInfo info(path);
    if (!info.exists())
        return {CannotOpen, {}};
    if (!info.isFile())
        return {NotRegular, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {CannotOpen, {}};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {ReadFailed, {}};
    if (bytes.size() > limit)
        return {TooLarge, {}};
    return {Read, bytes};
}
#endif
