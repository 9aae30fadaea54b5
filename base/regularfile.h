// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file that has to be a regular file, and never blocks on one
// that is not: the file is opened without waiting and the opened file itself
// is checked, so a FIFO or a device put in its place after any earlier look
// is still refused rather than read (a FIFO without a writer would hang).
// Callers turn the outcome into their own messages.
class RegularFile
{
public:
    enum Status { Read, CannotOpen, NotRegular, TooLarge, ReadFailed };

    struct Result
    {
        Status status = CannotOpen;
        QByteArray bytes;  // the whole file when status is Read
    };

    // A file longer than limit bytes, or one that grows past it while being
    // read, is TooLarge; reading stops one byte past the limit. May throw
    // std::bad_alloc. The path's bytes are those NativeName gives it.
    static Result read(const QString &path, qint64 limit);
    // The same for a path given as the file system spells it, byte for byte.
    static Result read(const QByteArray &nativePath, qint64 limit);
};
