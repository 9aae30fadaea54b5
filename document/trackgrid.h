// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <array>

// One of the 900 places of the grid: a piece code and whether it shows.
struct Cell
{
    QByteArray code;
    bool visible = false;

    bool operator==(const Cell &other) const { return visible == other.visible && code == other.code; }
    bool operator!=(const Cell &other) const { return !(*this == other); }
};

// The track as a plain value: a fixed pool of 30 x 30 cells stored
// column-major (entry = column x 30 + row) and the grid size. Copying and
// comparing are cheap (codes are shared), so undo steps, parts lists and
// checks work on copies. Pictures are not its business: a view or an
// export looks a code up in the tile store.
class TrackGrid
{
public:
    static constexpr int side = 30;
    static constexpr int cellCount = side * side;
    static constexpr int defaultWidth = 15;
    static constexpr int defaultHeight = 7;

    // Every cell the default piece, hidden; the default 15 x 7 size.
    TrackGrid();

    static int index(int column, int row) { return column * side + row; }
    static int columnOf(int index) { return index / side; }
    static int rowOf(int index) { return index % side; }
    // "tp" + 1-based column + 1-based row, two digits each: tp0101.
    static QString cellName(int index);

    const Cell &cell(int index) const { return m_cells[size_t(index)]; }
    const Cell &cell(int column, int row) const { return cell(index(column, row)); }
    void setCell(int index, const Cell &cell) { m_cells[size_t(index)] = cell; }
    void setCode(int index, const QByteArray &code) { m_cells[size_t(index)].code = code; }

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Clamps both into 1..30; the cells are left as they are.
    void setSize(int width, int height);
    // The track proper: columns 0 .. width - 1 and rows 0 .. height - 1.
    QRect block() const { return QRect(0, 0, m_width, m_height); }
    bool inBlock(int index) const { return columnOf(index) < m_width && rowOf(index) < m_height; }

    // Every cell becomes the default piece, hidden. The size stays.
    void clear();
    // A cell shows exactly when it lies inside the width x height block.
    void showBlock();

    bool operator==(const TrackGrid &other) const;
    bool operator!=(const TrackGrid &other) const { return !(*this == other); }

private:
    std::array<Cell, cellCount> m_cells;
    int m_width = defaultWidth;
    int m_height = defaultHeight;
};
