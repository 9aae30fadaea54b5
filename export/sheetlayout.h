// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QVector>

class BuildOrder;
class Inventory;
class TrackGrid;

// How a track is cut into build sheets on a paper: the sections of the
// track that go on one sheet each, at a scale a crew reads on the floor, and
// what each sheet needs. A plain value: the drawing (BuildSheets) paints
// what it says, and tests check it without a PDF.
//
// The sheet grid is the one with the fewest sheets at which every cell is
// at least the asked size (of the two orientations, the one that needs
// fewer; then the larger cells; then portrait); its sections are of equal
// size where the track divides evenly, else the first ones a column or a
// row larger. Sheets are numbered column by column, as the track's cells
// are: sheet 2 lies below sheet 1 when there are sheets below.
class SheetLayout
{
public:
    static constexpr qreal defaultCellMm = 18;
    static constexpr qreal leastCellMm = 10;
    // Cells grow to fill the page up to this, or to the size asked if larger.
    static constexpr qreal largestCellMm = 30;
    static constexpr qreal margin = 8;  // mm round the page

    // One line of a sheet's pick list.
    struct Pick
    {
        QByteArray code;
        QString name;       // empty for a code outside the catalogue
        int count = 0;      // cells of the sheet that hold the code
        bool road = false;  // a road piece, laid by the numbers
        int missing = 0;    // of count, the pieces the club lacks (with an inventory)
    };

    struct Sheet
    {
        int number = 0;  // from 1
        QRect cells;     // its columns and rows of the track, counted from 0
        // The sheet beyond each edge, 0 where the track ends there.
        int north = 0;
        int east = 0;
        int south = 0;
        int west = 0;
        // Road pieces first, in the order the numbers reach them; then the
        // rest in palette order.
        QVector<Pick> picks;
        // The cells whose piece the club runs out of before it gets there:
        // the road in its numbers' order, then the rest sheet after sheet.
        QVector<int> missingCells;

        int pieces() const;
        int missing() const;
    };

    // Geometry of a page, in mm from the top left of the area inside the
    // margins: what BuildSheets draws where.
    struct Geometry
    {
        static constexpr qreal heading = 10;        // "Sheet 3 of 6 — ..."
        static constexpr qreal continues = 4.5;     // "continues on sheet 4" beside an edge
        static constexpr qreal columnNumbers = 4.5; // above and below the cells
        static constexpr qreal rowNumbers = 6;      // left and right of the cells
        static constexpr qreal pickLine = 4.6;
        static constexpr qreal pickGap = 5;         // between the cells and the list, and between its columns
    };

    // cellMm: the least size of a cell, at least leastCellMm. A cell that
    // does not fit the paper at that size is made as large as fits.
    SheetLayout(const TrackGrid &grid, const BuildOrder &order, const QPageSize &paper,
                qreal cellMm = defaultCellMm, const Inventory *inventory = nullptr);

    // The paper, the orientation chosen and the margins.
    const QPageLayout &pageLayout() const { return m_page; }
    // The sheets' scale: the side of a cell in mm.
    qreal cellMm() const { return m_cellMm; }
    int across() const { return int(m_columnStarts.size()) - 1; }
    int down() const { return int(m_rowStarts.size()) - 1; }
    const QVector<Sheet> &sheets() const { return m_sheets; }
    // The sheet that holds a cell of the track.
    const Sheet &sheetAt(int column, int row) const;
    bool hasInventory() const { return m_hasInventory; }

    // Inside the margins.
    QSizeF body() const { return m_body; }
    // Where the top-left cell of every sheet lies.
    QPointF cellsOrigin() const;
    QRectF cellRect(const Sheet &sheet, int column, int row) const;
    // The area of the sheet's own cells.
    QRectF cellsArea(const Sheet &sheet) const;
    // Where the pick lists go: a heading across the columns, then the
    // columns, their lines top to bottom each.
    QRectF pickHeading() const;
    const QVector<QRectF> &pickColumns() const { return m_pickColumns; }
    int linesPerPickColumn() const;

    // "Sheet 3 of 6 — columns 11–20, rows 1–15"
    QString placeText(const Sheet &sheet) const;
    // "continues on sheet 4"
    static QString continuesText(int sheet);

private:
    struct Choice;
    Choice choose(const TrackGrid &grid, QPageLayout::Orientation orientation, qreal cellMm,
                  bool inventory) const;
    void makeSheets(const TrackGrid &grid, const BuildOrder &order);
    void markMissing(const TrackGrid &grid, const BuildOrder &order, const Inventory &inventory);

    QPageLayout m_page;
    QSizeF m_body;
    qreal m_cellMm = defaultCellMm;
    bool m_hasInventory = false;
    // Where each column and row of sheets begins, and one past the last.
    QVector<int> m_columnStarts;
    QVector<int> m_rowStarts;
    QVector<Sheet> m_sheets;
    QVector<QRectF> m_pickColumns;
};
