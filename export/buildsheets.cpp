// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/buildsheets.h"

#include "base/safefile.h"
#include "document/buildorder.h"
#include "document/circuitfinder.h"
#include "document/inventory.h"
#include "document/partslist.h"
#include "document/trackfacts.h"
#include "document/trackgrid.h"
#include "export/pdfpages.h"
#include "export/picturecomposer.h"
#include "export/pictureexport.h"
#include "pieces/piecetable.h"

#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

using G = SheetLayout::Geometry;
using Sheet = SheetLayout::Sheet;

constexpr qreal mm = PdfPages::mm;
constexpr qreal overviewHeading = 14;
constexpr qreal factsWidth = 100;  // beside the map on a wide page
constexpr qreal mapNumbers = 7;    // the band of column and row numbers round the map
constexpr qreal largestMapCell = 12;
constexpr qreal pointsPerMm = 72 / 25.4;
constexpr qreal shortColumn = 12;  // a pick list's "Short", with an inventory

const QColor sheetInk(20, 60, 150);     // the sheet grid and the neighbours' numbers
const QColor missingInk(200, 20, 20);   // what the club is short of
const QColor seam(Qt::white);

// Geometry is worked out in millimetres; the device's unit is a tenth of one.
QRectF units(const QRectF &area)
{
    return QRectF(area.topLeft() * mm, area.size() * mm);
}

QPointF units(const QPointF &point)
{
    return point * mm;
}

QString count(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The corners of a cell, where a label hides the least of its picture.
enum Corner { NorthWest, NorthEast, SouthEast, SouthWest };

// How much road a label in a corner would cover, `across` parts (of the
// tile's 48) wide and `down` parts high: the road that crosses the two
// edges meeting there within that reach, and much more for a road that
// leaves through the corner itself (a diagonal).
int roadNear(const Piece &piece, Corner corner, int across, int down)
{
    struct Side
    {
        Edge edge;
        bool fromStart;  // the corner is where the edge's positions begin
        int reach;
    };
    static const Port ports[] = {Port::NorthWest, Port::NorthEast, Port::SouthEast, Port::SouthWest};
    const bool north = corner == NorthWest || corner == NorthEast;
    const bool west = corner == NorthWest || corner == SouthWest;
    const Side sides[] = {{north ? Edge::North : Edge::South, west, across},
                          {west ? Edge::West : Edge::East, north, down}};
    int covered = 0;
    for (const Side &side : sides) {
        const int from = side.fromStart ? 0 : EdgeProfile::length - side.reach;
        const int to = side.fromStart ? side.reach : EdgeProfile::length;
        for (const EdgeSpan &span : piece.edges[side.edge].spans())
            if (span.kind == EdgeSpan::Road)
                covered += std::max(0, std::min(to, span.to) - std::max(from, span.from));
    }
    for (const RoadWay &way : piece.road.ways())
        if (way.from == ports[corner] || way.to == ports[corner])
            covered += 4 * EdgeProfile::length;
    return covered;
}

// The code's label and the build number go in the corners that hide the
// least road: the code top left if it can, the number bottom right.
std::pair<Corner, Corner> labelCorners(const QByteArray &code, int across, int down)
{
    const Piece *piece = PieceTable::find(code);
    std::array<int, 4> cost{};
    for (Corner corner : {NorthWest, NorthEast, SouthEast, SouthWest})
        cost[corner] = piece ? roadNear(*piece, corner, across, down) : 0;
    auto best = [&](std::initializer_list<Corner> order, int except) {
        Corner chosen = *order.begin();
        int least = -1;
        for (Corner corner : order) {
            if (corner != except && (least < 0 || cost[corner] < least)) {
                chosen = corner;
                least = cost[corner];
            }
        }
        return chosen;
    };
    const Corner forCode = best({NorthWest, NorthEast, SouthWest, SouthEast}, -1);
    return {forCode, best({SouthEast, SouthWest, NorthEast, NorthWest}, forCode)};
}

QRectF cornerBox(const QRectF &cell, Corner corner, const QSizeF &size, qreal inset)
{
    const bool west = corner == NorthWest || corner == SouthWest;
    const bool north = corner == NorthWest || corner == NorthEast;
    const qreal x = west ? cell.left() + inset : cell.right() - inset - size.width();
    const qreal y = north ? cell.top() + inset : cell.bottom() - inset - size.height();
    return QRectF(QPointF(x, y), size);
}

class SheetPainter
{
public:
    SheetPainter(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles,
                 const BuildOrder &order, const SheetLayout &layout);

    bool isActive() const { return m_fontScale > 0; }
    // Returns the number of pages painted.
    int paint(const QString &title, const QStringList &facts, bool inventory);

private:
    void setFont(qreal points) { m_painter.setFont(PdfPages::font(points / m_fontScale)); }
    void text(const QRectF &area, int flags, const QString &text) { m_painter.drawText(units(area), flags, text); }
    // The tile of a code, one image for all its cells: Qt's PDF writer
    // stores an image once however often it is drawn.
    const QImage &picture(const QByteArray &code);

    void overview(const QString &title, const QStringList &facts, bool inventory);
    qreal trackMap(const QRectF &area);
    void sheetGrid(const QPointF &origin, qreal pitch);
    void factsBlock(QRectF area, const QStringList &facts, bool inventory);

    void sheet(const Sheet &sheet, const QString &title);
    void cells(const Sheet &sheet);
    void labels(const Sheet &sheet);
    void label(const QRectF &box, const QString &text, bool inverse);
    void edgeNumbers(const Sheet &sheet);
    void continues(const Sheet &sheet);
    void sideways(const QPointF &centre, qreal angle, qreal length, const QString &text);
    void pickList(const Sheet &sheet);
    void pickLine(const QRectF &line, const SheetLayout::Pick &pick);

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    qreal m_fontScale = 0;
    const TrackGrid &m_grid;
    const TileStore &m_tiles;
    const BuildOrder &m_order;
    const SheetLayout &m_layout;
    QHash<QByteArray, QImage> m_pictures;
};

SheetPainter::SheetPainter(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles,
                           const BuildOrder &order, const SheetLayout &layout)
    : m_device(device), m_grid(grid), m_tiles(tiles), m_order(order), m_layout(layout)
{
    m_fontScale = PdfPages::begin(m_painter, m_device);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

const QImage &SheetPainter::picture(const QByteArray &code)
{
    auto found = m_pictures.find(code);
    if (found == m_pictures.end())
        found = m_pictures.insert(code, PictureComposer::cellPicture(code, m_tiles));
    return *found;
}

int SheetPainter::paint(const QString &title, const QStringList &facts, bool inventory)
{
    overview(title, facts, inventory);
    for (const Sheet &sheet : m_layout.sheets()) {
        m_device.newPage();
        this->sheet(sheet, title);
    }
    m_painter.end();
    return 1 + int(m_layout.sheets().size());
}

void SheetPainter::overview(const QString &title, const QStringList &facts, bool inventory)
{
    const QSizeF body = m_layout.body();
    setFont(16);
    const QString shown = m_painter.fontMetrics().elidedText(title, Qt::ElideMiddle, int(body.width() * mm / 2));
    m_painter.drawText(units(QPointF(0, 8)), shown);
    const qreal after = m_painter.fontMetrics().horizontalAdvance(shown) / mm + 5;
    setFont(12);
    m_painter.drawText(units(QPointF(after, 8)), QStringLiteral("Build sheets"));

    const QRectF area(0, overviewHeading, body.width(), body.height() - overviewHeading);
    if (body.width() > body.height()) {
        trackMap(area.adjusted(0, 0, -factsWidth - G::pickGap, 0));
        factsBlock(QRectF(area.right() - factsWidth, area.top(), factsWidth, area.height()), facts, inventory);
    } else {
        const qreal used = trackMap(QRectF(area.topLeft(), QSizeF(area.width(), area.height() * 0.62)));
        factsBlock(area.adjusted(0, used + G::pickGap, 0, 0), facts, inventory);
    }
}

// The whole track, its column and row numbers, and the sheet grid over it.
// Returns the height it took.
qreal SheetPainter::trackMap(const QRectF &area)
{
    const int columns = m_grid.width(), rows = m_grid.height();
    const qreal pitch = std::min({(area.width() - mapNumbers) / columns,
                                  (area.height() - mapNumbers) / rows, largestMapCell});
    const QPointF origin = area.topLeft() + QPointF(mapNumbers, mapNumbers);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            m_painter.drawImage(units(QRectF(origin + QPointF(c, r) * pitch, QSizeF(pitch, pitch))),
                                picture(m_grid.cell(c, r).code));
    // Numbers as large as two digits fit a cell; every fifth where they would crowd.
    setFont(std::min(8.0, 1.6 * pitch));
    const int step = pitch < 3.5 ? 5 : 1;
    for (int c = 0; c < columns; ++c)
        if ((c + 1) % step == 0 || c == 0)
            text(QRectF(origin.x() + c * pitch - 2, area.top(), pitch + 4, mapNumbers - 1),
                 Qt::AlignHCenter | Qt::AlignBottom, QString::number(c + 1));
    for (int r = 0; r < rows; ++r)
        if ((r + 1) % step == 0 || r == 0)
            text(QRectF(area.left(), origin.y() + r * pitch - 2, mapNumbers - 1.5, pitch + 4),
                 Qt::AlignRight | Qt::AlignVCenter, QString::number(r + 1));
    sheetGrid(origin, pitch);
    return mapNumbers + rows * pitch;
}

void SheetPainter::sheetGrid(const QPointF &origin, qreal pitch)
{
    for (const Sheet &sheet : m_layout.sheets()) {
        const QRectF area(origin + QPointF(sheet.cells.topLeft()) * pitch, QSizeF(sheet.cells.size()) * pitch);
        m_painter.setPen(QPen(sheetInk, 0.5 * mm));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(units(area));
        // The number as large as the area allows, on a light ground.
        setFont(std::clamp(0.4 * std::min(area.width(), area.height()) * pointsPerMm, 6.0, 28.0));
        const QString number = QString::number(sheet.number);
        const QRectF bounds = m_painter.boundingRect(units(area), Qt::AlignCenter, number);
        const qreal pad = bounds.height() / 8;
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(QColor(255, 255, 255, 210));
        m_painter.drawRoundedRect(bounds.adjusted(-2 * pad, 0, 2 * pad, 0), pad * 2, pad * 2);
        m_painter.setPen(sheetInk);
        m_painter.drawText(units(area), Qt::AlignCenter, number);
    }
    m_painter.setPen(Qt::black);
    m_painter.setBrush(Qt::NoBrush);
}

void SheetPainter::factsBlock(QRectF area, const QStringList &facts, bool inventory)
{
    auto paragraph = [&](qreal points, const QString &line) {
        setFont(points);
        QRectF used;
        m_painter.drawText(units(area), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line, &used);
        area.setTop(area.top() + used.height() / mm + 1.2);
    };
    for (const QString &line : facts)
        paragraph(10, line);
    area.setTop(area.top() + 3);
    const bool road = !m_order.cells().isEmpty();
    QStringList how{QStringLiteral("Each sheet shows its cells, each with its piece's code on a light label.")};
    how << (road ? QStringLiteral("Lay the road first, by the numbers on the dark labels: they follow the drive "
                                  "round each circuit from where its line above says, 1, 2, 3 and on. Then lay "
                                  "the other pieces, sheet by sheet.")
                 : QStringLiteral("Lay the pieces sheet by sheet."));
    how << QStringLiteral("Each sheet's pick list names the pieces to bring to it")
               + (road ? QStringLiteral(", road pieces first in the order they are laid.") : QStringLiteral("."));
    how << QStringLiteral("The column and row numbers along a sheet's edges are the track's")
               + (m_layout.sheets().size() > 1 ? QStringLiteral(", and each edge that goes on names the sheet it "
                                                                "continues on.")
                                               : QStringLiteral("."));
    if (inventory)
        how << QStringLiteral("Pieces framed in red are ones the club runs out of before it gets there.");
    paragraph(9, how.join(QLatin1Char(' ')));
}

void SheetPainter::sheet(const Sheet &sheet, const QString &title)
{
    const QSizeF body = m_layout.body();
    setFont(13);
    m_painter.drawText(units(QPointF(0, 7)), m_layout.placeText(sheet));
    setFont(9);
    text(QRectF(0, 0, body.width(), 7), Qt::AlignRight | Qt::AlignBottom, title);
    cells(sheet);
    labels(sheet);
    edgeNumbers(sheet);
    continues(sheet);
    pickList(sheet);
}

void SheetPainter::cells(const Sheet &sheet)
{
    const QRect &cells = sheet.cells;
    for (int c = cells.left(); c <= cells.right(); ++c)
        for (int r = cells.top(); r <= cells.bottom(); ++r)
            m_painter.drawImage(units(m_layout.cellRect(sheet, c, r)), picture(m_grid.cell(c, r).code));
    // White seams between the cells, as in the exported picture, and a frame.
    const QRectF area = m_layout.cellsArea(sheet);
    const qreal cell = m_layout.cellMm();
    m_painter.setPen(QPen(seam, 0.25 * mm));
    for (int k = 1; k < cells.width(); ++k)
        m_painter.drawLine(units(QPointF(area.left() + k * cell, area.top())),
                           units(QPointF(area.left() + k * cell, area.bottom())));
    for (int k = 1; k < cells.height(); ++k)
        m_painter.drawLine(units(QPointF(area.left(), area.top() + k * cell)),
                           units(QPointF(area.right(), area.top() + k * cell)));
    m_painter.setPen(QPen(Qt::darkGray, 0.3 * mm));
    m_painter.drawRect(units(area));
    m_painter.setPen(QPen(missingInk, 0.7 * mm));
    for (int index : sheet.missingCells)
        m_painter.drawRect(units(m_layout.cellRect(sheet, TrackGrid::columnOf(index), TrackGrid::rowOf(index))
                                     .adjusted(0.5, 0.5, -0.5, -0.5)));
    m_painter.setPen(Qt::black);
}

void SheetPainter::labels(const Sheet &sheet)
{
    const qreal cell = m_layout.cellMm();
    setFont(std::clamp(cell * 0.4, 6.0, 9.0));
    const QFontMetricsF metrics(m_painter.fontMetrics());
    const qreal height = metrics.height() / mm + 0.2;
    const qreal pad = 0.5;
    // The reach of a label into its corner, in the tile's parts, for the widest text.
    const int across = int(std::ceil((metrics.horizontalAdvance(QStringLiteral("000")) / mm + 2 * pad) / cell
                                     * EdgeProfile::length));
    const int down = int(std::ceil(height / cell * EdgeProfile::length));
    QHash<QByteArray, std::pair<Corner, Corner>> corners;
    for (int c = sheet.cells.left(); c <= sheet.cells.right(); ++c) {
        for (int r = sheet.cells.top(); r <= sheet.cells.bottom(); ++r) {
            const int index = TrackGrid::index(c, r);
            const QByteArray &code = m_grid.cell(index).code;
            auto place = corners.constFind(code);
            if (place == corners.constEnd())
                place = corners.insert(code, labelCorners(code, across, down));
            const QRectF box = m_layout.cellRect(sheet, c, r);
            const QString codeText = PartsList::codeText(code);
            if (!codeText.isEmpty()) {
                const QSizeF size(metrics.horizontalAdvance(codeText) / mm + 2 * pad, height);
                label(cornerBox(box, place->first, size, 0.4), codeText, false);
            }
            if (const int number = m_order.number(index)) {
                const QString numberText = QString::number(number);
                const QSizeF size(metrics.horizontalAdvance(numberText) / mm + 2 * pad, height);
                label(cornerBox(box, place->second, size, 0.4), numberText, true);
            }
        }
    }
}

// A code on a light label, a build number on a dark one: they differ also
// in black and white.
void SheetPainter::label(const QRectF &box, const QString &text, bool inverse)
{
    m_painter.setPen(QPen(QColor(90, 90, 90), 0.1 * mm));
    m_painter.setBrush(inverse ? QColor(20, 20, 20, 225) : QColor(255, 255, 255, 225));
    m_painter.drawRoundedRect(units(box), 0.6 * mm, 0.6 * mm);
    m_painter.setPen(inverse ? Qt::white : Qt::black);
    this->text(box, Qt::AlignCenter, text);
    m_painter.setBrush(Qt::NoBrush);
}

void SheetPainter::edgeNumbers(const Sheet &sheet)
{
    const QRectF area = m_layout.cellsArea(sheet);
    const qreal cell = m_layout.cellMm();
    setFont(8);
    m_painter.setPen(Qt::black);
    for (int k = 0; k < sheet.cells.width(); ++k) {
        const QString number = QString::number(sheet.cells.left() + k + 1);
        const qreal x = area.left() + k * cell;
        text(QRectF(x, area.top() - G::columnNumbers, cell, G::columnNumbers - 0.8),
             Qt::AlignHCenter | Qt::AlignBottom, number);
        text(QRectF(x, area.bottom() + 0.8, cell, G::columnNumbers - 0.8), Qt::AlignHCenter | Qt::AlignTop, number);
    }
    for (int k = 0; k < sheet.cells.height(); ++k) {
        const QString number = QString::number(sheet.cells.top() + k + 1);
        const qreal y = area.top() + k * cell;
        text(QRectF(area.left() - G::rowNumbers, y, G::rowNumbers - 1, cell), Qt::AlignRight | Qt::AlignVCenter,
             number);
        text(QRectF(area.right() + 1, y, G::rowNumbers - 1, cell), Qt::AlignLeft | Qt::AlignVCenter, number);
    }
}

void SheetPainter::continues(const Sheet &sheet)
{
    const QRectF area = m_layout.cellsArea(sheet);
    setFont(8);
    m_painter.setPen(sheetInk);
    if (sheet.north)
        text(QRectF(area.left(), G::heading, area.width(), G::continues), Qt::AlignCenter,
             SheetLayout::continuesText(sheet.north));
    if (sheet.south)
        text(QRectF(area.left(), area.bottom() + G::columnNumbers, area.width(), G::continues), Qt::AlignCenter,
             SheetLayout::continuesText(sheet.south));
    if (sheet.west)
        sideways(QPointF(area.left() - G::rowNumbers - G::continues / 2, area.center().y()), -90, area.height(),
                 SheetLayout::continuesText(sheet.west));
    if (sheet.east)
        sideways(QPointF(area.right() + G::rowNumbers + G::continues / 2, area.center().y()), 90, area.height(),
                 SheetLayout::continuesText(sheet.east));
    m_painter.setPen(Qt::black);
}

// Text along a side edge, read with the sheet turned towards that edge.
void SheetPainter::sideways(const QPointF &centre, qreal angle, qreal length, const QString &text)
{
    m_painter.save();
    m_painter.translate(units(centre));
    m_painter.rotate(angle);
    m_painter.drawText(units(QRectF(-length / 2, -G::continues / 2, length, G::continues)), Qt::AlignCenter, text);
    m_painter.restore();
}

void SheetPainter::pickList(const Sheet &sheet)
{
    const QVector<QRectF> &columns = m_layout.pickColumns();
    const int perColumn = m_layout.linesPerPickColumn();
    if (columns.isEmpty() || perColumn <= 0)
        return;
    auto lineAt = [&](int k) {
        const QRectF &column = columns[std::min(int(columns.size()) - 1, k / perColumn)];
        return QRectF(column.left(), column.top() + (k % perColumn) * G::pickLine, column.width(), G::pickLine);
    };
    const QRectF head = m_layout.pickHeading();
    setFont(9);
    text(head, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pick list: ") + count(sheet.pieces(), "piece", "pieces"));
    // Each column that lists pieces heads its counts.
    setFont(7);
    const qreal shortWidth = m_layout.hasInventory() ? shortColumn : 0;
    for (int k = 0; k < columns.size() && k * perColumn < sheet.picks.size(); ++k) {
        const QRectF over(columns[k].left(), head.top(), columns[k].width(), head.height());
        text(over.adjusted(0, 0, -shortWidth, 0), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Count"));
        if (m_layout.hasInventory())
            text(over, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Short"));
    }
    for (int k = 0; k < sheet.picks.size(); ++k) {
        const QRectF line = lineAt(k);
        // A rule where the road pieces end and the rest begin.
        if (k > 0 && sheet.picks[k - 1].road && !sheet.picks[k].road) {
            m_painter.setPen(QPen(Qt::gray, 0.2 * mm));
            m_painter.drawLine(units(line.topLeft()), units(QPointF(line.right(), line.top())));
            m_painter.setPen(Qt::black);
        }
        pickLine(line, sheet.picks[k]);
    }
    if (m_layout.hasInventory()) {
        setFont(8);
        const int missing = sheet.missing();
        m_painter.setPen(missing ? missingInk : QColor(Qt::black));
        text(lineAt(int(sheet.picks.size())), Qt::AlignLeft | Qt::AlignVCenter,
             missing ? count(missing, "piece", "pieces") + QStringLiteral(" short on this sheet")
                     : QStringLiteral("Nothing short on this sheet"));
        m_painter.setPen(Qt::black);
    }
}

void SheetPainter::pickLine(const QRectF &line, const SheetLayout::Pick &pick)
{
    const qreal side = G::pickLine - 0.8;
    m_painter.drawImage(units(QRectF(line.left(), line.top() + 0.4, side, side)), picture(pick.code));
    const qreal shortWidth = m_layout.hasInventory() ? shortColumn : 0;
    const qreal countRight = line.right() - shortWidth;
    setFont(8);
    text(QRectF(line.left() + side + 1.5, line.top(), 9, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
         PartsList::codeText(pick.code));
    text(QRectF(countRight - 10, line.top(), 10, line.height()), Qt::AlignRight | Qt::AlignVCenter,
         QString::number(pick.count));
    if (pick.missing) {
        m_painter.setPen(missingInk);
        text(QRectF(countRight, line.top(), shortWidth, line.height()), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("−%1").arg(pick.missing));
        m_painter.setPen(Qt::black);
    }
    setFont(7.5);
    const QRectF name(line.left() + side + 10.5, line.top(), countRight - 11 - (line.left() + side + 10.5),
                      line.height());
    text(name, Qt::AlignLeft | Qt::AlignVCenter,
         m_painter.fontMetrics().elidedText(pick.name, Qt::ElideRight, int(name.width() * mm)));
}

// "A4 portrait": Qt's own names are longer ("Letter / ANSI A").
QString paperName(const QPageLayout &page)
{
    const QPageSize::PageSizeId id = page.pageSize().id();
    const QString paper = id == QPageSize::A4       ? QStringLiteral("A4")
                          : id == QPageSize::Letter ? QStringLiteral("Letter")
                          : id == QPageSize::A3     ? QStringLiteral("A3")
                                                    : page.pageSize().name();
    return paper + (page.orientation() == QPageLayout::Portrait ? QStringLiteral(" portrait")
                                                                : QStringLiteral(" landscape"));
}

// "closed, 56 pieces, lap 26.9 m, 9.2–10.4 s (1:28 stock), road 30.7 m": the
// circuit as the track's facts give it, its lap timed as the plan's heading
// times it.
QString timedCircuitText(const TrackGrid &grid, const Circuit &circuit, const LapSetup &lap)
{
    QString text = TrackFacts::circuitText(circuit, lap.cellSize);
    if (const QString timed = lap.lapText(grid, circuit); !timed.isEmpty())
        text.replace(QStringLiteral("lap ") + TrackFacts::metres(*circuit.lap, lap.cellSize), timed);
    return text;
}

int paintWith(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles, const QString &title,
              const BuildOrder &order, const SheetLayout &layout, const BuildSheets::Options &options)
{
    device.setPageLayout(layout.pageLayout());
    SheetPainter painter(device, grid, tiles, order, layout);
    if (!painter.isActive())
        return 0;
    return painter.paint(title, BuildSheets::facts(grid, order, layout, options), options.inventory != nullptr);
}

} // namespace

SheetLayout BuildSheets::layout(const TrackGrid &grid, const Options &options)
{
    return SheetLayout(grid, BuildOrder(grid, CircuitFinder::find(grid)), options.paper, options.cellMm,
                       options.inventory);
}

QStringList BuildSheets::facts(const TrackGrid &grid, const BuildOrder &order, const SheetLayout &layout,
                               const Options &options)
{
    const TrackFacts facts(grid);
    const double side = options.lap.cellSize;
    QStringList lines;
    QString size = facts.sizeText(side);
    if (!facts.circuits().isEmpty())
        size += QStringLiteral(", road ") + TrackFacts::metres(facts.road(), side);
    lines.append(size);
    if (facts.circuits().isEmpty())
        lines.append(QStringLiteral("No road on the track"));
    for (const BuildOrder::Run &run : order.runs()) {
        const QString numbers = run.count == 1 ? QStringLiteral("number %1").arg(run.first)
                                               : QStringLiteral("numbers %1–%2").arg(run.first).arg(run.first + run.count - 1);
        lines.append(QStringLiteral("Circuit %1: %2; %3 from %4 in column %5, row %6")
                         .arg(run.circuit + 1)
                         .arg(timedCircuitText(grid, facts.circuits()[run.circuit], options.lap), numbers,
                              run.fromStartLine ? QStringLiteral("the start line") : QStringLiteral("its top-left cell"))
                         .arg(TrackGrid::columnOf(run.start) + 1)
                         .arg(TrackGrid::rowOf(run.start) + 1));
    }
    const PartsList parts(grid);
    lines.append(QStringLiteral("Parts: ") + parts.summary());
    if (options.inventory)
        lines.append(Inventory::shortText(options.inventory->shortages(parts)));
    const QRect &largest = layout.sheets().first().cells;
    const bool even = largest.size() == layout.sheets().last().cells.size();
    lines.append(QStringLiteral("%1 of %2%3 × %4 cells, %5 mm a cell, %6")
                     .arg(count(int(layout.sheets().size()), "sheet", "sheets"),
                          even ? QString() : QStringLiteral("up to "))
                     .arg(largest.width())
                     .arg(largest.height())
                     .arg(QString::number(layout.cellMm(), 'f', 1), paperName(layout.pageLayout())));
    return lines;
}

int BuildSheets::paint(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles,
                       const QString &title, Options options)
{
    options.paper = device.pageLayout().pageSize();
    const BuildOrder order(grid, CircuitFinder::find(grid));
    const SheetLayout layout(grid, order, options.paper, options.cellMm, options.inventory);
    return paintWith(device, grid, tiles, title, order, layout, options);
}

QByteArray BuildSheets::render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                               const Options &options)
{
    const BuildOrder order(grid, CircuitFinder::find(grid));
    const SheetLayout layout(grid, order, options.paper, options.cellMm, options.inventory);
    return PdfPages::render(title + QStringLiteral(" build sheets"), layout.pageLayout(), [&](QPagedPaintDevice &device) {
        return paintWith(device, grid, tiles, title, order, layout, options);
    });
}

void BuildSheets::write(const QString &path, const TrackGrid &grid, const TileStore &tiles, const QString &title,
                        const Options &options)
{
    SafeFile::write(path, [&] { return render(grid, tiles, title, options); });
}

QString BuildSheets::outputName(const QString &trackFile)
{
    return PictureExport::outputName(trackFile, QStringLiteral("-sheets.pdf"));
}
