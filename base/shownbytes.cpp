// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/shownbytes.h"

#include "base/nativename.h"

#include <QChar>

#include <algorithm>

namespace {

// How many bytes the printable character at bytes[i] takes, 0 when a byte
// there has to be escaped.
int printableAt(const QByteArray &bytes, qsizetype i)
{
    const int length = NativeName::sequenceLengthAt(bytes, i);
    return length > 0 && QChar::isPrint(NativeName::pointAt(bytes, i, length)) ? length : 0;
}

} // namespace

QString ShownBytes::text(const QByteArray &bytes, int limit)
{
    // First count what is shown: characters and escaped bytes.
    int units = 0;
    bool escapes = false;
    for (qsizetype i = 0; i < bytes.size(); ++units) {
        const int length = printableAt(bytes, i);
        escapes = escapes || length == 0;
        i += std::max(length, 1);
    }
    const bool cut = limit > 0 && units > limit;
    if (!escapes && !cut)
        return QString::fromUtf8(bytes);

    const int head = cut ? limit / 2 : units;
    const int tail = cut ? limit - head - 1 : 0;
    QString shown;
    for (qsizetype i = 0, unit = 0; i < bytes.size(); ++unit) {
        const int length = printableAt(bytes, i);
        if (unit == head && tail > 0)
            shown += QChar(0x2026);
        if (unit < head || unit >= units - tail) {
            if (length > 0)
                shown += QString::fromUtf8(bytes.constData() + i, length);
            else
                shown += QStringLiteral("\\x%1").arg(QString::number(uchar(bytes[i]), 16).toUpper(), 2,
                                                      QLatin1Char('0'));
        }
        i += std::max(length, 1);
    }
    return shown;
}

QString ShownBytes::fileName(const QString &name)
{
    return text(NativeName::encode(name));
}
