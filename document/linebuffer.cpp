// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/linebuffer.h"

void LineBuffer::setFileBytes(const QByteArray &bytes)
{
    m_lines.clear();
    // The text stops at its first NUL byte.
    const qsizetype nul = bytes.indexOf('\0');
    const qsizetype end = nul < 0 ? bytes.size() : nul;
    const char *data = bytes.constData();

    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = data[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        m_lines.append(QByteArray(data + start, i - start));
        // CR LF is one break; a lone CR or a lone LF is one break each.
        i += (c == '\r' && i + 1 < end && data[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    // A final break adds no empty line after it.
    if (start < end)
        m_lines.append(QByteArray(data + start, end - start));
}

QByteArray LineBuffer::text() const
{
    QByteArray result;
    for (const QByteArray &line : m_lines) {
        result += line;
        result += "\r\n";
    }
    return result;
}
