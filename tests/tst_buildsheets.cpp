// SPDX-License-Identifier: GPL-3.0-or-later
// The build sheets: the road's laying order and how a track is cut into
// sheets, checked as values; then real tracks' PDFs read back with
// pdftotext, word by word where each stands on the page.

#include "roadgrids.h"

#include "base/progress.h"
#include "document/buildorder.h"
#include "document/circuitfinder.h"
#include "document/inventory.h"
#include "document/partslist.h"
#include "export/buildsheets.h"
#include "export/sheetlayout.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>

namespace {

using Sheet = SheetLayout::Sheet;

BuildOrder orderOf(const TrackGrid &grid)
{
    return BuildOrder(grid, CircuitFinder::find(grid));
}

// The build numbers as rows, "." where a cell has none.
QString numbersOf(const TrackGrid &grid)
{
    const BuildOrder order = orderOf(grid);
    QStringList rows;
    for (int r = 0; r < grid.height(); ++r) {
        QStringList row;
        for (int c = 0; c < grid.width(); ++c) {
            const int number = order.number(TrackGrid::index(c, r));
            row << (number ? QString::number(number) : QStringLiteral("."));
        }
        rows << row.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('/'));
}

TrackGrid example(const QString &name)
{
    return RoadGrids::readFile(QStringLiteral(KW_EXAMPLES_SOURCE_DIR "/") + name);
}

// What a club owns: a few of each piece, so that some run short.
Inventory fewOfEach(const TrackGrid &grid)
{
    QByteArray csv;
    const PartsList parts(grid);
    for (const PartsList::Row &row : parts.rows())
        csv += row.code + ',' + QByteArray::number(row.count * 2 / 3) + '\n';
    return Inventory::parse(csv, QStringLiteral("few.csv"));
}

// A word pdftotext found, its box in mm from the top left of the page's
// area inside the margins.
struct Word
{
    QRectF box;
    QString text;
};

using Page = QVector<Word>;

QString joined(const Page &page)
{
    QStringList texts;
    for (const Word &word : page)
        texts << word.text;
    return texts.join(QLatin1Char(' '));
}

// The words inside an area, top to bottom, left to right.
Page wordsIn(const Page &page, const QRectF &area)
{
    Page inside;
    for (const Word &word : page)
        if (area.contains(word.box.center()))
            inside << word;
    return inside;
}

QString unescaped(QString text)
{
    return text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

// Every page's words as pdftotext -bbox reads them, or none without pdftotext.
QVector<Page> pdfWords(const QByteArray &pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QTemporaryFile file;
    if (pdftotext.isEmpty() || !file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return {};
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-bbox"), file.fileName(), QStringLiteral("-")});
    reader.waitForFinished(60000);
    const QString html = QString::fromUtf8(reader.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const qreal toMm = 25.4 / 72;
    const QPointF margin(SheetLayout::margin, SheetLayout::margin);
    QVector<Page> pages;
    for (const QRegularExpressionMatch &m : tag.globalMatch(html)) {
        if (m.captured(0) == QLatin1String("<page ")) {
            pages.append(Page());
        } else if (!pages.isEmpty()) {
            const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * toMm - margin,
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * toMm - margin);
            pages.last().append({box, unescaped(m.captured(5))});
        }
    }
    return pages;
}

bool hasWord(const Page &words, const QString &text)
{
    return std::any_of(words.cbegin(), words.cend(), [&](const Word &w) { return w.text == text; });
}

// A pick list as printed: "code count" a line, in order, up to the sheet's
// shortfall.
QStringList printedPicks(const Page &page, const SheetLayout &layout)
{
    QStringList lines;
    for (const QRectF &column : layout.pickColumns()) {
        for (int k = 0; k < layout.linesPerPickColumn(); ++k) {
            Page words = wordsIn(page, QRectF(column.left(), column.top() + k * SheetLayout::Geometry::pickLine,
                                              column.width(), SheetLayout::Geometry::pickLine));
            std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) { return a.box.left() < b.box.left(); });
            if (joined(words).contains(QLatin1String("on this sheet")))
                return lines;
            // A count may be followed by what is short ("−2").
            if (words.size() >= 2)
                lines << words.first().text + QLatin1Char(' ')
                             + words[words.size() - (words.last().text.startsWith(QChar(0x2212)) ? 2 : 1)].text;
        }
    }
    return lines;
}

} // namespace

class TestBuildSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layingOrder_data();
    void layingOrder();
    void sheetGrid_data();
    void sheetGrid();
    void sheetsAddUp_data();
    void sheetsAddUp();
    void pdf_data();
    void pdf();

private:
    TileStore m_tiles;
};

void TestBuildSheets::initTestCase()
{
    const TileFolder folder(QStringLiteral(KW_TILES_DIR));
    Progress quiet;
    m_tiles.loadCatalogue(folder, quiet);
}

void TestBuildSheets::layingOrder_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("numbers");

    QTest::newRow("grass") << "07,07/07,09" << ".,./.,.";
    // Without a start line from the top-left cell, east first: clockwise.
    QTest::newRow("small loop") << "00,01/02,03" << "1,2/4,3";
    // The start line's grid faces east: the numbers go that way.
    QTest::newRow("from the start line") << "00,04,04,04,01/05,07,07,07,05/02,04,06,04,03"
                                         << "9,8,7,6,5/10,.,.,.,4/11,12,1,2,3";
    QTest::newRow("north-south start line") << "00,01/08,05/02,03" << "6,5/1,4/2,3";
    // The crossroads keeps the number of its first pass.
    QTest::newRow("figure of eight") << "00,04,01,07,07/05,07,05,07,07/02,04,28,04,01/07,07,05,07,05/07,07,02,04,03"
                                     << "1,2,3,.,./15,.,4,.,./14,13,5,12,11/.,.,6,.,10/.,.,7,8,9";
    QTest::newRow("open road, from its west end") << "04,04,04" << "1,2,3";
    // A diagonal's corner pieces follow the diagonal cell they join.
    QTest::newRow("diagonal corners") << "3A,34/34,3D" << "3,1/4,2";
    // A side road off a ring: no lap; the drive goes round, then the side road.
    QTest::newRow("side road") << "A0,A8,A1/A5,A5,A5/A2,AA,A3" << "1,2,3/8,9,4/7,6,5";
    // The circuit with the start line is laid first.
    QTest::newRow("two circuits") << "00,01,00,01/02,03,08,05/07,07,02,03" << "7,8,6,5/10,9,1,4/.,.,2,3";
}

void TestBuildSheets::layingOrder()
{
    QFETCH(QString, rows);
    QFETCH(QString, numbers);
    QCOMPARE(numbersOf(RoadGrids::fromRows(rows)), numbers);
}

void TestBuildSheets::sheetGrid_data()
{
    QTest::addColumn<TrackGrid>("grid");
    QTest::addColumn<int>("paper");
    QTest::addColumn<qreal>("asked");
    QTest::addColumn<QString>("expected");  // orientation, sheets across x down, mm a cell

    // A4 inside 8 mm margins is 194 x 281 mm; the bands round the cells take
    // 21 mm across and 28 mm down, a pick list of one line under its heading
    // 14.2 mm more: 173 x 238.8 mm for cells standing, 260 x 151.8 lying.
    // Letter leaves 178.9 x 221.2 standing.
    QTest::newRow("30 x 30 on A4") << RoadGrids::grass(30, 30) << int(QPageSize::A4) << 18.0
                                   << "portrait 4 x 3 at 21.6";
    QTest::newRow("30 x 30 on Letter") << RoadGrids::grass(30, 30) << int(QPageSize::Letter) << 18.0
                                       << "portrait 4 x 3 at 22.1";
    QTest::newRow("30 x 30, 10 mm cells") << RoadGrids::grass(30, 30) << int(QPageSize::A4) << 10.0
                                          << "portrait 2 x 2 at 11.5";
    QTest::newRow("wide and low: landscape") << RoadGrids::grass(30, 5) << int(QPageSize::A4) << 18.0
                                             << "landscape 3 x 1 at 26.0";
    QTest::newRow("1 x 1, as large as useful") << RoadGrids::grass(1, 1) << int(QPageSize::A4) << 18.0
                                               << "portrait 1 x 1 at 30.0";
    QTest::newRow("a cell larger than the paper") << RoadGrids::grass(2, 1) << int(QPageSize::A4) << 400.0
                                                  << "portrait 2 x 1 at 173.0";
}

void TestBuildSheets::sheetGrid()
{
    QFETCH(TrackGrid, grid);
    QFETCH(int, paper);
    QFETCH(qreal, asked);
    QFETCH(QString, expected);
    const SheetLayout layout(grid, orderOf(grid), QPageSize(QPageSize::PageSizeId(paper)), asked);
    const QString orientation = layout.pageLayout().orientation() == QPageLayout::Portrait
                                    ? QStringLiteral("portrait") : QStringLiteral("landscape");
    QCOMPARE(QStringLiteral("%1 %2 x %3 at %4").arg(orientation).arg(layout.across()).arg(layout.down())
                 .arg(layout.cellMm(), 0, 'f', 1),
             expected);
}

void TestBuildSheets::sheetsAddUp_data()
{
    QTest::addColumn<QString>("track");
    QTest::addColumn<int>("paper");
    for (const char *track : {"showcase.kwf", "club.kwf", "diagonal.kwf", "paddock.kwf"})
        for (QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter, QPageSize::A3})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(track, QPageSize::name(paper))))
                << QString::fromLatin1(track) << int(paper);
}

// Every cell on one sheet; sections of equal size but for one column or
// row; neighbours that point back; pick lists that add up to the parts list,
// road first by the numbers; the inventory's shortfall where it bites.
void TestBuildSheets::sheetsAddUp()
{
    QFETCH(QString, track);
    QFETCH(int, paper);
    const TrackGrid grid = example(track);
    const BuildOrder order = orderOf(grid);
    const Inventory inventory = fewOfEach(grid);
    const SheetLayout layout(grid, order, QPageSize(QPageSize::PageSizeId(paper)), 18, &inventory);
    QVERIFY(layout.cellMm() >= 18);
    const QVector<Sheet> &sheets = layout.sheets();
    QCOMPARE(sheets.size(), layout.across() * layout.down());

    QHash<QByteArray, int> counted, missing;
    int cells = 0;
    for (const Sheet &sheet : sheets) {
        const Sheet &first = sheets.first();
        QVERIFY(first.cells.width() - sheet.cells.width() <= 1 && first.cells.height() - sheet.cells.height() <= 1);
        QVERIFY(QRectF(QPointF(), layout.body()).contains(layout.cellsArea(sheet)));
        for (auto [beyond, back] : {std::pair(sheet.east, &Sheet::west), std::pair(sheet.south, &Sheet::north)})
            QVERIFY(beyond == 0 || sheets[beyond - 1].*back == sheet.number);
        cells += sheet.cells.width() * sheet.cells.height();
        QCOMPARE(sheet.pieces(), sheet.cells.width() * sheet.cells.height());
        int lastNumber = 0;
        bool otherSeen = false;
        for (const SheetLayout::Pick &pick : sheet.picks) {
            counted[pick.code] += pick.count;
            missing[pick.code] += pick.missing;
            QVERIFY(!(pick.road && otherSeen));
            otherSeen = !pick.road;
            int firstNumber = 0;
            for (int c = sheet.cells.left(); c <= sheet.cells.right(); ++c)
                for (int r = sheet.cells.top(); r <= sheet.cells.bottom(); ++r)
                    if (const int n = order.number(TrackGrid::index(c, r)); n && grid.cell(c, r).code == pick.code)
                        firstNumber = firstNumber ? std::min(firstNumber, n) : n;
            QCOMPARE(pick.road, firstNumber > 0);
            QVERIFY(!pick.road || firstNumber > lastNumber);
            lastNumber = std::max(lastNumber, firstNumber);
        }
        for (int index : sheet.missingCells)
            QCOMPARE(&layout.sheetAt(TrackGrid::columnOf(index), TrackGrid::rowOf(index)), &sheet);
    }
    QCOMPARE(cells, grid.width() * grid.height());
    const PartsList parts(grid);
    for (const PartsList::Row &row : parts.rows())
        QCOMPARE(counted.value(row.code), row.count);
    QCOMPARE(counted.size(), parts.distinct());
    int short_ = 0;
    for (const Inventory::Shortage &shortage : inventory.shortages(parts)) {
        QCOMPARE(missing.value(shortage.code), shortage.missing());
        short_ += shortage.missing();
    }
    QCOMPARE(std::accumulate(sheets.cbegin(), sheets.cend(), 0,
                             [](int sum, const Sheet &sheet) { return sum + sheet.missing(); }),
             short_);
    // The first piece to run short is the road's: the straights, laid by
    // number, run out on the sheet where the count passes what is owned.
    const int straights = inventory.owned("04");
    int seen = 0;
    for (int index : order.cells()) {
        if (grid.cell(index).code == "04" && ++seen == straights + 1) {
            const Sheet &bites = layout.sheetAt(TrackGrid::columnOf(index), TrackGrid::rowOf(index));
            QVERIFY(bites.missingCells.contains(index));
        }
    }
}

void TestBuildSheets::pdf_data()
{
    QTest::addColumn<TrackGrid>("grid");
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("withInventory");
    QTest::addColumn<QStringList>("overview");  // texts the overview shows

    QTest::newRow("showcase, A4") << example(QStringLiteral("showcase.kwf")) << int(QPageSize::A4) << false
                                  << QStringList{"30 × 30 cells, 15 × 15 m", "Parts: 900 pieces"};
    QTest::newRow("showcase, Letter, inventory") << example(QStringLiteral("showcase.kwf")) << int(QPageSize::Letter)
                                                 << true << QStringList{"pieces short"};
    QTest::newRow("club circuit") << example(QStringLiteral("club.kwf")) << int(QPageSize::A4) << false
                                  << QStringList{"Circuit 1: closed, 56 pieces, lap 26.9 m, 10.2–11.2 s (1:28 stock), road 30.7 m;",
                                                 "numbers 1–56 from the start line in column 8, row 2"};
    QTest::newRow("1 x 1") << RoadGrids::fromRows(QStringLiteral("00")) << int(QPageSize::A4) << false
                           << QStringList{"1 × 1 cells", "number 1 from its top-left cell", "1 sheet of 1 × 1 cells"};
    QTest::newRow("no road") << RoadGrids::grass(15, 7) << int(QPageSize::A4) << false
                             << QStringList{"No road on the track"};
}

void TestBuildSheets::pdf()
{
    QFETCH(TrackGrid, grid);
    QFETCH(int, paper);
    QFETCH(bool, withInventory);
    QFETCH(QStringList, overview);
    const Inventory inventory = fewOfEach(grid);
    BuildSheets::Options options;
    options.paper = QPageSize(QPageSize::PageSizeId(paper));
    options.inventory = withInventory ? &inventory : nullptr;
    const QByteArray pdf = BuildSheets::render(grid, m_tiles, QStringLiteral("track.kwf"), options);
    QCOMPARE(BuildSheets::render(grid, m_tiles, QStringLiteral("track.kwf"), options), pdf);
    // Each piece's picture is stored once, however many cells show it.
    QCOMPARE(int(pdf.count("/Subtype /Image")), PartsList(grid).distinct());
    QVERIFY(pdf.size() < 4 << 20);

    const QVector<Page> pages = pdfWords(pdf);
    if (pages.isEmpty())
        QSKIP("pdftotext is not installed: the text was not read back");
    const BuildOrder order = orderOf(grid);
    const SheetLayout layout(grid, order, options.paper, options.cellMm, options.inventory);
    QCOMPARE(pages.size(), layout.sheets().size() + 1);
    for (const QString &text : overview)
        QVERIFY2(joined(pages.first()).contains(text), qPrintable(joined(pages.first())));
    for (const Sheet &sheet : layout.sheets()) {
        const Page &page = pages[sheet.number];
        const QString text = joined(page);
        QVERIFY2(text.startsWith(layout.placeText(sheet)), qPrintable(text));
        int neighbours = 0;
        for (int beyond : {sheet.north, sheet.east, sheet.south, sheet.west}) {
            neighbours += beyond ? 1 : 0;
            QVERIFY(!beyond || text.contains(SheetLayout::continuesText(beyond)));
        }
        QCOMPARE(int(text.count(QStringLiteral("continues on sheet"))), neighbours);
        for (int c = sheet.cells.left(); c <= sheet.cells.right(); ++c) {
            for (int r = sheet.cells.top(); r <= sheet.cells.bottom(); ++r) {
                const Page inCell = wordsIn(page, layout.cellRect(sheet, c, r));
                QVERIFY(hasWord(inCell, PartsList::codeText(grid.cell(c, r).code)));
                const int number = order.number(TrackGrid::index(c, r));
                QCOMPARE(inCell.size(), number ? 2 : 1);
                QVERIFY(!number || hasWord(inCell, QString::number(number)));
            }
        }
        QStringList picks;
        for (const SheetLayout::Pick &pick : sheet.picks)
            picks << PartsList::codeText(pick.code) + QLatin1Char(' ') + QString::number(pick.count);
        QCOMPARE(printedPicks(page, layout), picks);
        if (withInventory)
            QVERIFY(text.contains(sheet.missing() ? QStringLiteral("short on this sheet")
                                                  : QStringLiteral("Nothing short on this sheet")));
    }
}

QTEST_MAIN(TestBuildSheets)
#include "tst_buildsheets.moc"
