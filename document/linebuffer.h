// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVector>

// The hidden text buffer a track file passes through on its way to and from
// the grid. Lines are bytes, kept exactly as they were in the file.
class LineBuffer
{
public:
    static constexpr int maxLineLength = 4096;  // the reader sees no further

    // Replaces the text with a file's bytes: CR LF, a lone CR and a lone LF
    // each end a line; the text stops at the first NUL byte; a final line
    // break adds no empty line.
    void setFileBytes(const QByteArray &bytes);

    void clear() { m_lines.clear(); }
    void addLine(const QByteArray &line) { m_lines.append(line); }

    int lineCount() const { return int(m_lines.size()); }
    // Line i as the reader sees it: at most its first 4096 characters.
    QByteArray line(int i) const { return m_lines.at(i).left(maxLineLength); }

    // The whole text as written to a file: every line followed by CR LF.
    QByteArray text() const;

private:
    QVector<QByteArray> m_lines;
};
