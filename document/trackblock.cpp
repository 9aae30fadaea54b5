// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackblock.h"

#include "base/kwerror.h"
#include "document/linebuffer.h"
#include "document/trackfile.h"
#include "pieces/catalogue.h"

#include <algorithm>

namespace {

bool isSeparator(char c)
{
    return c == ',' || c == '\t' || c == ';';
}

// Tabs, CR and LF are the only control characters a table of codes holds;
// anything else (a NUL above all, where the track reader would stop) means
// the clipboard holds something that is no text.
void checkPlainText(const QByteArray &text)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7f)
            throw KwError::notTrackText(QStringLiteral("The text is not plain text"));
    }
}

QVector<QByteArray> fieldsOf(const QByteArray &line)
{
    QVector<QByteArray> fields(1);
    for (const char c : line) {
        if (isSeparator(c))
            fields.append(QByteArray());
        else
            fields.last() += c;
    }
    for (QByteArray &field : fields) {
        field = field.trimmed();
        if (field.size() >= 2 && field.startsWith('"') && field.endsWith('"'))
            field = field.mid(1, field.size() - 2).trimmed();
    }
    // Trailing empty fields are a spreadsheet's empty cells, not codes.
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

bool isCode(const QByteArray &field)
{
    if (field.isEmpty() || field.size() > 2)
        return false;
    return std::all_of(field.cbegin(), field.cend(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); });
}

} // namespace

TrackBlock::TrackBlock(int width, int height, const QByteArray &code)
    : m_width(std::clamp(width, 0, maxSide)), m_height(std::clamp(height, 0, maxSide)),
      m_codes(m_width * m_height, code)
{
    if (m_width == 0 || m_height == 0) {
        m_width = m_height = 0;
        m_codes.clear();
    }
}

TrackBlock TrackBlock::copy(const TrackGrid &grid, const QRect &cells)
{
    const QRect inside = cells.intersected(grid.block());
    if (inside.isEmpty())
        return TrackBlock();
    TrackBlock block(inside.width(), inside.height(), QByteArray());
    for (int r = 0; r < block.m_height; ++r)
        for (int c = 0; c < block.m_width; ++c)
            block.setCode(c, r, grid.cell(inside.left() + c, inside.top() + r).code);
    return block;
}

TrackBlock TrackBlock::whole(const TrackGrid &grid)
{
    return copy(grid, grid.block());
}

QVector<int> TrackBlock::pasteInto(TrackGrid &grid, int column, int row) const
{
    QVector<int> changed;
    for (int r = std::max(0, -row); r < m_height && row + r < grid.height(); ++r) {
        for (int c = std::max(0, -column); c < m_width && column + c < grid.width(); ++c) {
            const int index = TrackGrid::index(column + c, row + r);
            if (grid.cell(index).code == code(c, r))
                continue;
            grid.setCode(index, code(c, r));
            changed.append(index);
        }
    }
    return changed;
}

QByteArray TrackBlock::toText() const
{
    LineBuffer lines;
    for (int r = 0; r < m_height; ++r) {
        QByteArray line;
        for (int c = 0; c < m_width; ++c) {
            if (c > 0)
                line += ',';
            line += code(c, r);
        }
        lines.addLine(line);
    }
    return lines.text();
}

TrackBlock TrackBlock::fromText(const QByteArray &text)
{
    if (text.size() > TrackFile::maxSize)
        throw KwError::memoCapacity();
    checkPlainText(text);
    LineBuffer lines;
    lines.setFileBytes(text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text);

    QVector<QVector<QByteArray>> rows;
    int width = 0, height = 0;
    for (int r = 0; r < lines.lineCount(); ++r) {
        rows.append(fieldsOf(lines.line(r)));
        if (rows.last().isEmpty())
            continue;
        width = std::max(width, int(rows.last().size()));
        height = r + 1;
        if (width > maxSide || height > maxSide)
            throw KwError::trackTooLarge();
    }
    if (height == 0)
        throw KwError::notTrackText(QStringLiteral("The text holds no piece codes"));

    TrackBlock block(width, height, Catalogue::defaultCode());
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QByteArray &field = rows[r][c];
            if (field.isEmpty())
                continue;
            if (!isCode(field))
                throw KwError::notTrackText(QStringLiteral("Not a piece code: \"%1\" (row %2, column %3)")
                                                .arg(QString::fromUtf8(field.left(20)))
                                                .arg(r + 1)
                                                .arg(c + 1));
            block.setCode(c, r, field);
        }
    }
    return block;
}
