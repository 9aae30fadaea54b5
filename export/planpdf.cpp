// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/planpdf.h"

#include "base/progress.h"
#include "document/circuitfinder.h"
#include "document/inventory.h"
#include "document/partslist.h"
#include "document/trackgrid.h"
#include "export/pdfpages.h"
#include "export/picturecomposer.h"
#include "pieces/piecetable.h"
#include "pieces/tilestore.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {

// The layout reads in mm.
constexpr int resolution = PdfPages::resolution;
constexpr qreal mm = PdfPages::mm;

constexpr qreal margin = 12;  // millimetres
constexpr qreal headingHeight = 14 * mm;
constexpr qreal headingBaseline = 8 * mm;
constexpr qreal footerHeight = 8 * mm;
constexpr qreal gap = 6 * mm;
// Two tables side by side fill a later page.
constexpr qreal tableWidth = 132 * mm;
constexpr qreal rowHeight = 8 * mm;
constexpr qreal pieceSide = 7 * mm;
constexpr qreal labelBand = 7 * mm;
// A small track is not blown up past use: a cell is at most this wide.
constexpr qreal widestCell = 25 * mm;
// The composed picture has a cell every 49 pixels and white pixel lines.
constexpr int pixelPitch = 49;

struct TableColumn
{
    qreal left;
    qreal width;
    const char *title;
    Qt::Alignment align;
};

enum { PieceColumn, CodeColumn, NameColumn, PageColumn, CountColumn };

const TableColumn tableColumns[] = {
    {0, pieceSide, QT_TRANSLATE_NOOP("PlanPdf", "Piece"), Qt::AlignLeft},
    {10 * mm, 10 * mm, QT_TRANSLATE_NOOP("PlanPdf", "Code"), Qt::AlignLeft},
    {21 * mm, 76 * mm, QT_TRANSLATE_NOOP("PlanPdf", "Name"), Qt::AlignLeft},
    {98 * mm, 24 * mm, QT_TRANSLATE_NOOP("PlanPdf", "Page"), Qt::AlignLeft},
    {122 * mm, 10 * mm, QT_TRANSLATE_NOOP("PlanPdf", "Count"), Qt::AlignRight},
};

// A run of table lines on one page, each run under its own header row: the
// first beside the picture, then columns across the later pages. The line
// after the last piece is the total.
struct TableBlock
{
    int page;
    QRectF area;
    int first;
    int count;
};

int linesIn(const QRectF &area)
{
    return std::max(1, int((area.height() - rowHeight) / rowHeight));
}

// Across a band of the page: as many table columns as fit side by side.
QVector<QRectF> tableColumnsIn(const QRectF &band)
{
    QVector<QRectF> areas;
    const int across = std::max(1, int((band.width() + gap) / (tableWidth + gap)));
    for (int k = 0; k < across; ++k)
        areas.append(QRectF(band.left() + k * (tableWidth + gap), band.top(), tableWidth,
                            band.height()));
    return areas;
}

QVector<TableBlock> tableBlocks(int lines, const QVector<QRectF> &firstAreas, const QRectF &body)
{
    QVector<TableBlock> blocks;
    int next = 0;
    for (const QRectF &area : firstAreas) {
        const int count = std::min(lines - next, linesIn(area));
        if (count <= 0 && !blocks.isEmpty())
            break;
        blocks.append({0, area, next, std::max(0, count)});
        next += std::max(0, count);
    }
    const QVector<QRectF> later = tableColumnsIn(body);
    for (int page = 1; next < lines; ++page) {
        for (int k = 0; k < later.size() && next < lines; ++k) {
            const int count = std::min(lines - next, linesIn(later[k]));
            blocks.append({page, later[k], next, count});
            next += count;
        }
    }
    return blocks;
}

class PlanPainter
{
public:
    PlanPainter(QPagedPaintDevice &device, const QString &title, const QString &size, const QString &laps);

    bool isActive() const { return m_fontScale > 0; }
    // Returns the number of pages painted.
    int paint(const QImage &picture, const TrackGrid &grid, const PartsList &list,
              const TileStore &tiles, const Inventory *inventory);

private:
    QFont font(qreal points) const { return PdfPages::font(points / m_fontScale); }
    // Where the picture goes and where the parts list starts on the first
    // page: beside each other on a wide page, one above the other on a tall one.
    QRectF pictureArea(const QImage &picture, const QRectF &body) const;
    QVector<QRectF> firstTableAreas(const QRectF &pictureArea, const QRectF &body) const;
    void heading(bool continued);
    void footer(int page, int pages);
    void picture(const QImage &picture, const TrackGrid &grid, const QRectF &area);
    void table(const TableBlock &block, const PartsList &list, const TileStore &tiles);
    void shortRow(const QRectF &line, const Inventory::Shortage &shortage, const TileStore &tiles);
    void headerRow(const QRectF &line);
    void pieceRow(const QRectF &line, const PartsList::Row &row, const TileStore &tiles);
    void rule(const QRectF &line, qreal width);
    void cellText(const QRectF &line, const TableColumn &column, const QString &text);

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    qreal m_fontScale = 0;
    QString m_title;
    QString m_size;
    QString m_laps;  // on the first page after the size
    QRectF m_page;
    // With an inventory: the line that sums them up, then what is short.
    std::optional<QString> m_shortText;
    QVector<Inventory::Shortage> m_shortages;
};

PlanPainter::PlanPainter(QPagedPaintDevice &device, const QString &title, const QString &size,
                         const QString &laps)
    : m_device(device), m_title(title), m_size(size), m_laps(laps),
      m_page(QPointF(0, 0), device.pageLayout().paintRectPixels(resolution).size())
{
    m_fontScale = PdfPages::begin(m_painter, m_device);
}

QRectF PlanPainter::pictureArea(const QImage &picture, const QRectF &body) const
{
    if (body.width() >= body.height())
        return body.adjusted(0, 0, -tableWidth - gap, 0);
    // A tall page: the whole width, and the height the picture needs at that
    // width, but never more than three fifths of the page.
    const qreal scale = std::min((body.width() - labelBand) / picture.width(),
                                 widestCell / pixelPitch);
    const qreal height = std::min(labelBand + picture.height() * scale, body.height() * 3 / 5);
    return QRectF(body.topLeft(), QSizeF(body.width(), height));
}

QVector<QRectF> PlanPainter::firstTableAreas(const QRectF &pictureArea, const QRectF &body) const
{
    if (body.width() >= body.height())
        return {QRectF(body.right() - tableWidth, body.top(), tableWidth, body.height())};
    return tableColumnsIn(body.adjusted(0, pictureArea.height() + gap, 0, 0));
}

int PlanPainter::paint(const QImage &picture, const TrackGrid &grid, const PartsList &list,
                       const TileStore &tiles, const Inventory *inventory)
{
    if (inventory) {
        m_shortages = inventory->shortages(list);
        m_shortText = Inventory::shortText(m_shortages);
    }
    const QRectF body = m_page.adjusted(0, headingHeight, 0, -footerHeight);
    const QRectF area = pictureArea(picture, body);
    const int lines = list.distinct() + 1 + (m_shortText ? 1 + int(m_shortages.size()) : 0);
    const QVector<TableBlock> blocks = tableBlocks(lines, firstTableAreas(area, body), body);
    const int pages = blocks.last().page + 1;
    int page = 0;
    heading(false);
    this->picture(picture, grid, area);
    for (const TableBlock &block : blocks) {
        if (block.page != page) {
            footer(page, pages);
            m_device.newPage();
            page = block.page;
            heading(true);
        }
        table(block, list, tiles);
    }
    footer(page, pages);
    m_painter.end();
    return pages;
}

void PlanPainter::heading(bool continued)
{
    m_painter.setFont(font(16));
    // A long file name leaves room for the size.
    const QString title = m_painter.fontMetrics().elidedText(m_title, Qt::ElideMiddle,
                                                             int(m_page.width() * 2 / 3));
    m_painter.drawText(QPointF(0, headingBaseline), title);
    const qreal after = m_painter.fontMetrics().horizontalAdvance(title) + 5 * mm;
    m_painter.setFont(font(12));
    const QString size = continued       ? m_size + QCoreApplication::translate("PlanPdf", ", parts list continued")
                         : m_laps.isEmpty() ? m_size
                                            : m_size + QStringLiteral(", ") + m_laps;
    // Several laps are long: what does not fit ends in an ellipsis.
    m_painter.drawText(QPointF(after, headingBaseline),
                       m_painter.fontMetrics().elidedText(size, Qt::ElideRight, int(m_page.width() - after)));
}

void PlanPainter::footer(int page, int pages)
{
    // A single sheet needs no number.
    if (pages == 1)
        return;
    m_painter.setFont(font(8));
    const QRectF line(0, m_page.bottom() - footerHeight / 2, m_page.width(), footerHeight / 2);
    m_painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                       QCoreApplication::translate("PlanPdf", "Page %1 of %2").arg(page + 1).arg(pages));
}

void PlanPainter::picture(const QImage &picture, const TrackGrid &grid, const QRectF &area)
{
    const qreal scale = std::min({(area.width() - labelBand) / picture.width(),
                                  (area.height() - labelBand) / picture.height(),
                                  widestCell / pixelPitch});
    const QPointF origin(area.left() + labelBand, area.top() + labelBand);
    // Qt embeds it as a JPEG of its own high quality: for 30 x 30 cells about
    // 1.5 MB, where the lossless choice made 2.1 MB and took five times as long.
    m_painter.drawImage(QRectF(origin, QSizeF(picture.size()) * scale), picture);
    // The numbers are as large as a cell leaves room for two digits.
    const qreal pitch = pixelPitch * scale;
    m_painter.setFont(font(std::min(9.0, 1.6 * pitch / mm)));
    for (int c = 0; c < grid.width(); ++c) {
        const QRectF box(origin.x() + c * pitch, area.top(), pitch, labelBand - 1 * mm);
        m_painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, QString::number(c + 1));
    }
    for (int r = 0; r < grid.height(); ++r) {
        const QRectF box(area.left(), origin.y() + r * pitch, labelBand - 1.5 * mm, pitch);
        m_painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(r + 1));
    }
}

void PlanPainter::table(const TableBlock &block, const PartsList &list, const TileStore &tiles)
{
    QRectF line(block.area.topLeft(), QSizeF(tableWidth, rowHeight));
    headerRow(line);
    for (int i = block.first; i < block.first + block.count; ++i) {
        line.translate(0, rowHeight);
        if (i < list.distinct()) {
            pieceRow(line, list.rows()[i], tiles);
        } else if (i == list.distinct()) {
            m_painter.setFont(font(9));
            m_painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                               QCoreApplication::translate("PlanPdf", "Total: ") + list.summary());
        } else if (i == list.distinct() + 1) {
            m_painter.setFont(font(9));
            m_painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                               m_shortages.isEmpty() ? *m_shortText : *m_shortText + QStringLiteral(":"));
        } else {
            shortRow(line, m_shortages[i - list.distinct() - 2], tiles);
        }
    }
}

void PlanPainter::headerRow(const QRectF &line)
{
    m_painter.setFont(font(9));
    // The titles are ours and are not cut short: "Piece" reaches past its
    // narrow column into the gap before the codes.
    for (const TableColumn &column : tableColumns) {
        const QRectF box(line.left() + column.left, line.top(), tableWidth - column.left,
                         rowHeight);
        m_painter.drawText(box, column.align | Qt::AlignVCenter,
                           QCoreApplication::translate("PlanPdf", column.title));
    }
    rule(line, 0.3 * mm);
}

void PlanPainter::pieceRow(const QRectF &line, const PartsList::Row &row, const TileStore &tiles)
{
    const qreal top = line.top() + (rowHeight - pieceSide) / 2;
    const QRectF square(line.left(), top, pieceSide, pieceSide);
    m_painter.drawImage(square, PictureComposer::cellPicture(row.code, tiles));
    m_painter.setFont(font(9));
    cellText(line, tableColumns[CodeColumn], PartsList::codeText(row.code));
    cellText(line, tableColumns[PageColumn], PieceTable::shown(row.page));
    cellText(line, tableColumns[CountColumn], QString::number(row.count));
    // Names are long: a size smaller keeps nearly all of them whole.
    m_painter.setFont(font(8));
    cellText(line, tableColumns[NameColumn], PieceTable::shown(row.name));
    rule(line, 0.1 * mm);
}

// What the club must bring more of: the piece, how many the track needs and
// how many are owned, and in the count column how many are missing.
void PlanPainter::shortRow(const QRectF &line, const Inventory::Shortage &shortage, const TileStore &tiles)
{
    const qreal top = line.top() + (rowHeight - pieceSide) / 2;
    m_painter.drawImage(QRectF(line.left(), top, pieceSide, pieceSide),
                        PictureComposer::cellPicture(shortage.code, tiles));
    m_painter.setFont(font(9));
    cellText(line, tableColumns[CodeColumn], PartsList::codeText(shortage.code));
    cellText(line, tableColumns[PageColumn], QCoreApplication::translate("PlanPdf", "own %1").arg(shortage.own));
    cellText(line, tableColumns[CountColumn], QStringLiteral("−%1").arg(shortage.missing()));
    m_painter.setFont(font(8));
    cellText(line, tableColumns[NameColumn],
             QCoreApplication::translate("PlanPdf", "need %1: %2").arg(shortage.need).arg(PieceTable::shownName(shortage.code)));
    rule(line, 0.1 * mm);
}

void PlanPainter::rule(const QRectF &line, qreal width)
{
    m_painter.setPen(QPen(Qt::gray, width));
    m_painter.drawLine(line.bottomLeft(), line.bottomRight());
    m_painter.setPen(Qt::black);
}

void PlanPainter::cellText(const QRectF &line, const TableColumn &column, const QString &text)
{
    const QRectF box(line.left() + column.left, line.top(), column.width, line.height());
    const QString shown =
        m_painter.fontMetrics().elidedText(text, Qt::ElideRight, int(column.width));
    m_painter.drawText(box, column.align | Qt::AlignVCenter, shown);
}

} // namespace

QString PlanPdf::sizeText(const TrackGrid &grid)
{
    return QCoreApplication::translate("PlanPdf", "%1 × %2 cells").arg(grid.width()).arg(grid.height());
}

QString PlanPdf::lapsText(const TrackGrid &grid, const LapSetup &lap)
{
    QStringList laps;
    for (const Circuit &circuit : CircuitFinder::find(grid))
        if (const QString line = lap.lapText(grid, circuit); !line.isEmpty())
            laps << line;
    return laps.join(QStringLiteral(", "));
}

QPageLayout PlanPdf::pageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

int PlanPdf::paint(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles,
                   const QString &title, Progress &progress, const Inventory *inventory, const LapSetup &lap)
{
    const QImage picture = PictureComposer::compose(grid, tiles, progress);
    const PartsList list(grid);
    PlanPainter painter(device, title, sizeText(grid), lapsText(grid, lap));
    if (!painter.isActive())
        return 0;
    return painter.paint(picture, grid, list, tiles, inventory);
}

QByteArray PlanPdf::render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                           Progress &progress, const Inventory *inventory, const LapSetup &lap)
{
    return render(grid, tiles, title, pageLayout(), progress, inventory, lap);
}

QByteArray PlanPdf::render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                           const QPageLayout &layout, Progress &progress, const Inventory *inventory,
                           const LapSetup &lap)
{
    return PdfPages::render(title, layout, [&](QPagedPaintDevice &device) {
        return paint(device, grid, tiles, title, progress, inventory, lap);
    });
}
