// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// File names as the system spells them: bytes, which are UTF-8 text only by
// convention. Qt turns every byte that is no UTF-8 into U+FFFD, so a name
// such as "lat\351.kwf" (Latin-1, from an old disk or archive) cannot be
// opened by the name Qt gives it. Here each such byte is kept as the lone
// surrogate U+DC80..U+DCFF, which no text holds, and goes back to the same
// byte when the name is used: every name survives the round trip.
class NativeName
{
public:
    static QString decode(const QByteArray &bytes);
    static QByteArray encode(const QString &name);
    // Whether the name is plain text, without a kept byte: Qt's own file
    // classes can open only such names.
    static bool isText(const QString &name);
    // The command line as the program was given it, program first; argv
    // as QCoreApplication left it (without Qt's own options).
    static QStringList arguments(int argc, char *argv[]);
    // Whether name is a regular file (or a link to one).
    static bool isFile(const QString &name);

    // How many bytes the UTF-8 sequence that starts at bytes[i] takes, or 0
    // when no valid one starts there (a stray continuation byte, a sequence
    // cut short, an overlong form, a surrogate, a value past U+10FFFF).
    static int sequenceLengthAt(const QByteArray &bytes, qsizetype i);
    // The character of a valid sequence of length at bytes[i].
    static char32_t pointAt(const QByteArray &bytes, qsizetype i, int length);
};
