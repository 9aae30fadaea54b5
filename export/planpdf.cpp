#include "export/planpdf.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "document/partslist.h"
#include "document/trackgrid.h"
#include "export/picturecomposer.h"
#include "pieces/tilestore.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// One device unit is a tenth of a millimetre, so the layout reads in mm.
constexpr int resolution = 254;
constexpr qreal mm = 10;

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
    {0, pieceSide, "Piece", Qt::AlignLeft},
    {10 * mm, 10 * mm, "Code", Qt::AlignLeft},
    {21 * mm, 76 * mm, "Name", Qt::AlignLeft},
    {98 * mm, 24 * mm, "Page", Qt::AlignLeft},
    {122 * mm, 10 * mm, "Count", Qt::AlignRight},
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

QVector<TableBlock> tableBlocks(int lines, const QRectF &firstArea, const QRectF &body)
{
    QVector<TableBlock> blocks{{0, firstArea, 0, std::min(lines, linesIn(firstArea))}};
    int next = blocks.first().count;
    const int perPage = std::max(1, int((body.width() + gap) / (tableWidth + gap)));
    for (int page = 1; next < lines; ++page) {
        for (int k = 0; k < perPage && next < lines; ++k) {
            const QRectF area(body.left() + k * (tableWidth + gap), body.top(), tableWidth,
                              body.height());
            const int count = std::min(lines - next, linesIn(area));
            blocks.append({page, area, next, count});
            next += count;
        }
    }
    return blocks;
}

// Qt stamps the time of writing into the information dictionary and offers
// no way to leave it out. It is blanked with spaces of the same length, so
// the offsets of the cross-reference table stay right. The dictionary is
// the file's first object, and Qt writes its title in UTF-16, so the first
// match is the date.
void dropCreationDate(QByteArray &pdf)
{
    const qsizetype start = pdf.indexOf("/CreationDate (");
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(')', start);
    if (end > start)
        std::fill(pdf.begin() + start, pdf.begin() + end + 1, ' ');
}

// One face throughout, in several sizes and no bold: Qt writes the fonts of
// a PDF in the order of a hash that is seeded anew in every process, so a
// second face would make the bytes differ from run to run.
QFont planFont(qreal points)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    // No ligatures: a reader who copies or searches "finish" must find it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

class PlanPainter
{
public:
    PlanPainter(QPdfWriter &writer, const QString &title, const QString &size);

    void paint(const QImage &picture, const TrackGrid &grid, const PartsList &list,
               const TileStore &tiles);

private:
    void heading(bool continued);
    void footer(int page, int pages);
    void picture(const QImage &picture, const TrackGrid &grid, const QRectF &area);
    void table(const TableBlock &block, const PartsList &list, const TileStore &tiles);
    void headerRow(const QRectF &line);
    void pieceRow(const QRectF &line, const PartsList::Row &row, const TileStore &tiles);
    void rule(const QRectF &line, qreal width);
    void cellText(const QRectF &line, const TableColumn &column, const QString &text);

    QPdfWriter &m_writer;
    QPainter m_painter;
    QString m_title;
    QString m_size;
    QRectF m_page;
};

PlanPainter::PlanPainter(QPdfWriter &writer, const QString &title, const QString &size)
    : m_writer(writer), m_title(title), m_size(size),
      m_page(QPointF(0, 0), writer.pageLayout().paintRectPixels(resolution).size())
{
    if (!m_painter.begin(&m_writer))
        throw KwError::outOfResources();
}

void PlanPainter::paint(const QImage &picture, const TrackGrid &grid, const PartsList &list,
                        const TileStore &tiles)
{
    const QRectF body = m_page.adjusted(0, headingHeight, 0, -footerHeight);
    const QRectF tableArea(body.right() - tableWidth, body.top(), tableWidth, body.height());
    const QVector<TableBlock> blocks = tableBlocks(list.distinct() + 1, tableArea, body);
    const int pages = blocks.last().page + 1;
    int page = 0;
    heading(false);
    this->picture(picture, grid, body.adjusted(0, 0, -tableWidth - gap, 0));
    for (const TableBlock &block : blocks) {
        if (block.page != page) {
            footer(page, pages);
            m_writer.newPage();
            page = block.page;
            heading(true);
        }
        table(block, list, tiles);
    }
    footer(page, pages);
}

void PlanPainter::heading(bool continued)
{
    m_painter.setFont(planFont(16));
    // A long file name leaves room for the size.
    const QString title = m_painter.fontMetrics().elidedText(m_title, Qt::ElideMiddle,
                                                             int(m_page.width() * 2 / 3));
    m_painter.drawText(QPointF(0, headingBaseline), title);
    const qreal after = m_painter.fontMetrics().horizontalAdvance(title) + 5 * mm;
    m_painter.setFont(planFont(12));
    const QString size = continued ? m_size + QStringLiteral(", parts list continued") : m_size;
    m_painter.drawText(QPointF(after, headingBaseline), size);
}

void PlanPainter::footer(int page, int pages)
{
    // A single sheet needs no number.
    if (pages == 1)
        return;
    m_painter.setFont(planFont(8));
    const QRectF line(0, m_page.bottom() - footerHeight / 2, m_page.width(), footerHeight / 2);
    m_painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                       QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
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
    m_painter.setFont(planFont(std::min(9.0, 1.6 * pitch / mm)));
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
        } else {
            m_painter.setFont(planFont(9));
            m_painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                               QStringLiteral("Total: ") + list.summary());
        }
    }
}

void PlanPainter::headerRow(const QRectF &line)
{
    m_painter.setFont(planFont(9));
    // The titles are ours and are not cut short: "Piece" reaches past its
    // narrow column into the gap before the codes.
    for (const TableColumn &column : tableColumns) {
        const QRectF box(line.left() + column.left, line.top(), tableWidth - column.left,
                         rowHeight);
        m_painter.drawText(box, column.align | Qt::AlignVCenter, QLatin1String(column.title));
    }
    rule(line, 0.3 * mm);
}

void PlanPainter::pieceRow(const QRectF &line, const PartsList::Row &row, const TileStore &tiles)
{
    const qreal top = line.top() + (rowHeight - pieceSide) / 2;
    const QRectF square(line.left(), top, pieceSide, pieceSide);
    m_painter.drawImage(square, PictureComposer::cellPicture(row.code, tiles));
    m_painter.setFont(planFont(9));
    cellText(line, tableColumns[CodeColumn], PartsList::codeText(row.code));
    cellText(line, tableColumns[PageColumn], row.page);
    cellText(line, tableColumns[CountColumn], QString::number(row.count));
    // Names are long: a size smaller keeps nearly all of them whole.
    m_painter.setFont(planFont(8));
    cellText(line, tableColumns[NameColumn], row.name);
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

void setUp(QPdfWriter &writer, const QString &title)
{
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(margin, margin, margin, margin),
                                     QPageLayout::Millimeter));
    writer.setTitle(title);
    // What PDF viewers show as the program that made the file; Qt leaves it empty.
    writer.setCreator(QStringLiteral("Kerbwright"));
}

} // namespace

QString PlanPdf::sizeText(const TrackGrid &grid)
{
    return QStringLiteral("%1 × %2 cells").arg(grid.width()).arg(grid.height());
}

QByteArray PlanPdf::render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                           Progress &progress)
{
    const QImage picture = PictureComposer::compose(grid, tiles, progress);
    const PartsList list(grid);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setUp(writer, title);
        PlanPainter(writer, title, sizeText(grid)).paint(picture, grid, list, tiles);
    }
    dropCreationDate(bytes);
    return bytes;
}
