// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/sheetlayout.h"

#include "document/buildorder.h"
#include "document/inventory.h"
#include "document/partslist.h"
#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

using G = SheetLayout::Geometry;

// Pick lists narrower than this cut too many names short.
constexpr qreal narrowestPickColumn = 82;
// Rounding in mm must not cost a sheet.
constexpr qreal slack = 1e-6;

// parts sections over total cells: the first ones one larger where they
// do not divide evenly.
QVector<int> starts(int total, int parts)
{
    QVector<int> result{0};
    for (int k = 0; k < parts; ++k)
        result.append(result.last() + total / parts + (k < total % parts ? 1 : 0));
    return result;
}

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// The codes of the track as small numbers, so that counting the distinct
// codes of a section is cheap enough to try every sheet grid.
class CodeIds
{
public:
    explicit CodeIds(const TrackGrid &grid) : m_width(grid.width()), m_height(grid.height())
    {
        QHash<QByteArray, int> ids;
        for (int c = 0; c < m_width; ++c) {
            for (int r = 0; r < m_height; ++r) {
                const QByteArray &code = grid.cell(c, r).code;
                auto id = ids.constFind(code);
                if (id == ids.constEnd())
                    id = ids.insert(code, int(ids.size()));
                m_ids[size_t(TrackGrid::index(c, r))] = *id;
            }
        }
        m_count = int(ids.size());
    }

    // The most distinct codes any one section of the grid holds.
    int mostDistinct(const QVector<int> &columns, const QVector<int> &rows) const
    {
        std::vector<int> stamp(size_t(m_count), -1);
        int most = 0, section = 0;
        for (int i = 0; i + 1 < columns.size(); ++i) {
            for (int j = 0; j + 1 < rows.size(); ++j, ++section) {
                int distinct = 0;
                for (int c = columns[i]; c < columns[i + 1]; ++c)
                    for (int r = rows[j]; r < rows[j + 1]; ++r)
                        if (int &seen = stamp[size_t(m_ids[size_t(TrackGrid::index(c, r))])]; seen != section) {
                            seen = section;
                            ++distinct;
                        }
                most = std::max(most, distinct);
            }
        }
        return most;
    }

private:
    int m_width;
    int m_height;
    int m_count = 0;
    std::array<int, TrackGrid::cellCount> m_ids{};
};

QPageLayout pageOf(const QPageSize &paper, QPageLayout::Orientation orientation)
{
    const qreal m = SheetLayout::margin;
    return QPageLayout(paper, orientation, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

} // namespace

struct SheetLayout::Choice
{
    QPageLayout page;
    QSizeF body;
    int across = 0;
    int down = 0;
    qreal cell = 0;
    bool fits = false;  // every cell at least the size asked
    QVector<QRectF> pickColumns;

    int sheets() const { return across * down; }
    // Fewer sheets, then larger cells; a grid that fits beats one that does not.
    bool betterThan(const Choice &other) const
    {
        if (fits != other.fits)
            return fits;
        if (fits && sheets() != other.sheets())
            return sheets() < other.sheets();
        return cell > other.cell + slack;
    }
};

int SheetLayout::Sheet::pieces() const
{
    int total = 0;
    for (const Pick &pick : picks)
        total += pick.count;
    return total;
}

int SheetLayout::Sheet::missing() const
{
    return int(missingCells.size());
}

// The pick lists take a band below the cells: a heading across it, then as
// many columns as the page's width holds, as tall as the longest list
// needs; the cells get the rest.
SheetLayout::Choice SheetLayout::choose(const TrackGrid &grid, QPageLayout::Orientation orientation,
                                        qreal cellMm, bool inventory) const
{
    Choice choice;
    choice.page = pageOf(m_page.pageSize(), orientation);
    choice.body = choice.page.paintRect(QPageLayout::Millimeter).size();
    const qreal width = choice.body.width(), height = choice.body.height();
    const int listColumns = std::max(1, int((width + G::pickGap) / (narrowestPickColumn + G::pickGap)));
    const qreal listWidth = (width - (listColumns - 1) * G::pickGap) / listColumns;
    // The room left for cells when a list of `lines` lines must fit.
    auto cellRoom = [&](int lines, QVector<QRectF> *columns) {
        const qreal band = (1 + ceilDiv(std::max(1, lines), listColumns)) * G::pickLine;
        for (int k = 0; columns && k < listColumns; ++k)
            columns->append(QRectF(k * (listWidth + G::pickGap), height - band + G::pickLine, listWidth,
                                   band - G::pickLine));
        return QSizeF(width - 2 * (G::continues + G::rowNumbers),
                      height - G::heading - 2 * (G::continues + G::columnNumbers) - band - G::pickGap);
    };
    const CodeIds ids(grid);
    const int extra = inventory ? 1 : 0;  // the line of what is short
    const int columns = grid.width(), rows = grid.height();
    const qreal largest = std::max(cellMm, largestCellMm);
    // Every grid of sheets, fewest first, until one fits.
    for (int sheets = 1; sheets <= columns * rows && !choice.fits; ++sheets) {
        for (int across = 1; across <= std::min(sheets, columns); ++across) {
            if (sheets % across || sheets / across > rows)
                continue;
            const int down = sheets / across;
            const int sectionWidth = ceilDiv(columns, across), sectionHeight = ceilDiv(rows, down);
            const QSizeF roomIfNoList = cellRoom(extra, nullptr);
            if (sectionWidth * cellMm > roomIfNoList.width() + slack ||
                sectionHeight * cellMm > roomIfNoList.height() + slack)
                continue;
            const int lines = extra + ids.mostDistinct(starts(columns, across), starts(rows, down));
            QVector<QRectF> pickColumns;
            const QSizeF room = cellRoom(lines, &pickColumns);
            const qreal cell = std::min({room.width() / sectionWidth, room.height() / sectionHeight, largest});
            if (cell + slack < cellMm || (choice.fits && cell <= choice.cell))
                continue;
            choice.fits = true;
            choice.across = across;
            choice.down = down;
            choice.cell = cell;
            choice.pickColumns = pickColumns;
        }
    }
    if (!choice.fits) {
        // Not even one cell fits at that size: one cell a sheet, as large as fits.
        choice.across = columns;
        choice.down = rows;
        const QSizeF room = cellRoom(extra + 1, &choice.pickColumns);
        choice.cell = std::max(1.0, std::min(room.width(), room.height()));
    }
    return choice;
}

SheetLayout::SheetLayout(const TrackGrid &grid, const BuildOrder &order, const QPageSize &paper,
                         qreal cellMm, const Inventory *inventory)
    : m_page(pageOf(paper, QPageLayout::Portrait)), m_hasInventory(inventory != nullptr)
{
    cellMm = std::max(cellMm, leastCellMm);
    Choice best = choose(grid, QPageLayout::Portrait, cellMm, m_hasInventory);
    if (Choice wide = choose(grid, QPageLayout::Landscape, cellMm, m_hasInventory); wide.betterThan(best))
        best = wide;
    m_page = best.page;
    m_body = best.body;
    m_cellMm = best.cell;
    // The lists follow the largest section's cells, on every sheet alike.
    const qreal listTop = cellsOrigin().y() + ceilDiv(grid.height(), best.down) * m_cellMm + G::columnNumbers
                          + G::continues + G::pickGap + G::pickLine;
    for (QRectF column : std::as_const(best.pickColumns))
        m_pickColumns.append(column.translated(0, std::min(0.0, listTop - column.top())));
    m_columnStarts = starts(grid.width(), best.across);
    m_rowStarts = starts(grid.height(), best.down);
    makeSheets(grid, order);
    if (inventory)
        markMissing(grid, order, *inventory);
}

void SheetLayout::makeSheets(const TrackGrid &grid, const BuildOrder &order)
{
    QHash<QByteArray, int> paletteRank;
    const PartsList parts(grid);
    for (const PartsList::Row &row : parts.rows())
        paletteRank.insert(row.code, int(paletteRank.size()));
    const int across = this->across(), down = this->down();
    for (int i = 0; i < across; ++i) {
        for (int j = 0; j < down; ++j) {
            Sheet sheet;
            sheet.number = i * down + j + 1;
            sheet.cells = QRect(m_columnStarts[i], m_rowStarts[j], m_columnStarts[i + 1] - m_columnStarts[i],
                                m_rowStarts[j + 1] - m_rowStarts[j]);
            sheet.north = j > 0 ? sheet.number - 1 : 0;
            sheet.south = j + 1 < down ? sheet.number + 1 : 0;
            sheet.west = i > 0 ? sheet.number - down : 0;
            sheet.east = i + 1 < across ? sheet.number + down : 0;
            // Road codes rank by the first number they carry here, after
            // every road code the rest by palette order.
            QHash<QByteArray, int> at;
            QVector<int> rank;
            for (int c = sheet.cells.left(); c <= sheet.cells.right(); ++c) {
                for (int r = sheet.cells.top(); r <= sheet.cells.bottom(); ++r) {
                    const int index = TrackGrid::index(c, r);
                    const QByteArray &code = grid.cell(index).code;
                    const int number = order.number(index);
                    const int cellRank = number > 0 ? number : TrackGrid::cellCount + paletteRank.value(code);
                    auto found = at.constFind(code);
                    if (found == at.constEnd()) {
                        found = at.insert(code, int(sheet.picks.size()));
                        sheet.picks.append({code, PieceTable::shownName(code), 0, false, 0});
                        rank.append(cellRank);
                    }
                    Pick &pick = sheet.picks[*found];
                    ++pick.count;
                    pick.road = pick.road || number > 0;
                    rank[*found] = std::min(rank[*found], cellRank);
                }
            }
            QVector<int> byRank(sheet.picks.size());
            std::iota(byRank.begin(), byRank.end(), 0);
            std::sort(byRank.begin(), byRank.end(), [&](int a, int b) { return rank[a] < rank[b]; });
            QVector<Pick> sorted;
            for (int k : std::as_const(byRank))
                sorted.append(sheet.picks[k]);
            sheet.picks = sorted;
            m_sheets.append(sheet);
        }
    }
}

// The club lays the road by its numbers first, then the rest sheet after
// sheet, row by row: a piece runs short at the first cell past what it owns.
void SheetLayout::markMissing(const TrackGrid &grid, const BuildOrder &order, const Inventory &inventory)
{
    QHash<QByteArray, int> used;
    auto use = [&](int index) {
        const QByteArray &code = grid.cell(index).code;
        if (++used[code] <= inventory.owned(code) || !inventory.limits(code))
            return;
        Sheet &sheet = m_sheets[sheetAt(TrackGrid::columnOf(index), TrackGrid::rowOf(index)).number - 1];
        sheet.missingCells.append(index);
        for (Pick &pick : sheet.picks)
            if (pick.code == code)
                ++pick.missing;
    };
    for (int index : order.cells())
        use(index);
    for (const Sheet &sheet : std::as_const(m_sheets))
        for (int r = sheet.cells.top(); r <= sheet.cells.bottom(); ++r)
            for (int c = sheet.cells.left(); c <= sheet.cells.right(); ++c)
                if (order.number(TrackGrid::index(c, r)) == 0)
                    use(TrackGrid::index(c, r));
}

const SheetLayout::Sheet &SheetLayout::sheetAt(int column, int row) const
{
    const int i = int(std::upper_bound(m_columnStarts.cbegin(), m_columnStarts.cend(), column) - m_columnStarts.cbegin()) - 1;
    const int j = int(std::upper_bound(m_rowStarts.cbegin(), m_rowStarts.cend(), row) - m_rowStarts.cbegin()) - 1;
    return m_sheets[std::clamp(i, 0, across() - 1) * down() + std::clamp(j, 0, down() - 1)];
}

QPointF SheetLayout::cellsOrigin() const
{
    return QPointF(G::continues + G::rowNumbers, G::heading + G::continues + G::columnNumbers);
}

QRectF SheetLayout::cellRect(const Sheet &sheet, int column, int row) const
{
    return QRectF(cellsOrigin() + QPointF(column - sheet.cells.left(), row - sheet.cells.top()) * m_cellMm,
                  QSizeF(m_cellMm, m_cellMm));
}

QRectF SheetLayout::cellsArea(const Sheet &sheet) const
{
    return QRectF(cellsOrigin(), QSizeF(sheet.cells.size()) * m_cellMm);
}

QRectF SheetLayout::pickHeading() const
{
    if (m_pickColumns.isEmpty())
        return {};
    const QRectF &first = m_pickColumns.first();
    return QRectF(first.left(), first.top() - G::pickLine, m_pickColumns.last().right() - first.left(), G::pickLine);
}

int SheetLayout::linesPerPickColumn() const
{
    return m_pickColumns.isEmpty() ? 0 : int(std::lround(m_pickColumns.first().height() / G::pickLine));
}

QString SheetLayout::placeText(const Sheet &sheet) const
{
    auto span = [](const char *one, const char *many, int first, int count) {
        return count == 1 ? QCoreApplication::translate("SheetLayout", one).arg(first + 1)
                          : QCoreApplication::translate("SheetLayout", many).arg(first + 1).arg(first + count);
    };
    return QCoreApplication::translate("SheetLayout", "Sheet %1 of %2 — %3, %4")
        .arg(sheet.number)
        .arg(m_sheets.size())
        .arg(span(QT_TRANSLATE_NOOP("SheetLayout", "column %1"), QT_TRANSLATE_NOOP("SheetLayout", "columns %1–%2"),
                  sheet.cells.left(), sheet.cells.width()),
             span(QT_TRANSLATE_NOOP("SheetLayout", "row %1"), QT_TRANSLATE_NOOP("SheetLayout", "rows %1–%2"),
                  sheet.cells.top(), sheet.cells.height()));
}

QString SheetLayout::continuesText(int sheet)
{
    return QCoreApplication::translate("SheetLayout", "continues on sheet %1").arg(sheet);
}
