// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Bytes from outside (a piece code, a field of a CSV file, a file name) as a
// message or a terminal line shows them: printable UTF-8 characters as they
// are, every other byte (control characters such as ESC, invisible format
// characters, bytes that are no UTF-8) as \xNN. What is shown can neither
// drive a terminal nor hide what the bytes are.
class ShownBytes
{
public:
    // With a limit, bytes showing more than limit characters (an escaped
    // byte counts as one) keep their start and their end with "…" between.
    static QString text(const QByteArray &bytes, int limit = 0);
    // A file name, whole, by the bytes it has on the system (NativeName).
    static QString fileName(const QString &name);
};
