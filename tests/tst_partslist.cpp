// SPDX-License-Identifier: GPL-3.0-or-later
// The parts list and the plan made of it, the plan checked without a PDF
// library; its text is read back where pdftotext is installed.

#include "bmpbuilder.h"
#include "planlines.h"

#include "base/progress.h"
#include "document/partslist.h"
#include "document/trackgrid.h"
#include "export/picturecomposer.h"
#include "export/planpdf.h"
#include "pieces/catalogue.h"
#include "pieces/tilestore.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>

namespace {

// Rows split by '/', codes by '|', so that codes may hold commas and spaces.
TrackGrid gridOf(const QByteArray &text, QSize block = QSize())
{
    TrackGrid grid;
    const QList<QByteArray> rows = text.split('/');
    int width = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const QList<QByteArray> codes = rows[r].split('|');
        for (int c = 0; c < codes.size(); ++c)
            grid.setCode(TrackGrid::index(c, r), codes[c]);
        width = std::max(width, int(codes.size()));
    }
    if (!block.isValid())
        block = QSize(width, int(rows.size()));
    grid.setSize(block.width(), block.height());
    return grid;
}

// width x height cells running through the catalogue in steps.
QByteArray cycle(int width, int height, int step)
{
    const QVector<QByteArray> codes = Catalogue::codes();
    QByteArrayList rows;
    for (int r = 0; r < height; ++r) {
        QByteArrayList row;
        for (int c = 0; c < width; ++c)
            row.append(codes[(r * width + c) * step % codes.size()]);
        rows.append(row.join('|'));
    }
    return rows.join('/');
}

QStringList shown(const PartsList &list)
{
    QStringList lines;
    for (const PartsList::Row &row : list.rows())
        lines.append(PartsList::codeText(row.code) + '|' + row.page + '|'
                     + QString::number(row.count));
    return lines;
}

bool offsetsRight(const QByteArray &pdf)
{
    const qsizetype at = pdf.lastIndexOf("startxref\n");
    const qsizetype xref = pdf.mid(at + 10).split('\n').value(0).trimmed().toLongLong();
    const QList<QByteArray> lines = pdf.mid(xref).split('\n');
    const int count = lines.value(1).split(' ').value(1).toInt();
    for (int i = 1; i < count; ++i) {
        const qsizetype offset = lines.value(2 + i).left(10).toLongLong();
        if (!pdf.mid(offset).startsWith(QByteArray::number(i) + " 0 obj"))
            return false;
    }
    return lines.value(0) == "xref" && count > 1 && pdf.endsWith("%%EOF\n");
}

// The stream of the image XObject of that size: Qt embeds pictures as JPEG.
QImage embedded(const QByteArray &pdf, QSize size)
{
    const qsizetype dict = pdf.indexOf("/Width " + QByteArray::number(size.width()) + "\n/Height "
                                       + QByteArray::number(size.height()) + '\n');
    const qsizetype start = pdf.indexOf("stream\n", dict) + 7;
    return QImage::fromData(pdf.mid(start, pdf.indexOf("\nendstream", start) - start), "JPEG");
}

// Mean difference per channel: JPEG changes pixels a little, a wrong
// picture a lot.
double difference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class TestPartsList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void counts_data();
    void counts();
    void namesFromTheTable();
    void text_data();
    void text();
    void plan_data();
    void plan();

private:
    TileStore m_tiles;
};

void TestPartsList::initTestCase()
{
    const QVector<QByteArray> codes = Catalogue::codes();
    for (int i = 0; i < codes.size(); ++i)
        m_tiles.insert(codes[i], BmpBuilder::solid(QColor::fromHsv(i * 37 % 360, 200, 220)));
    m_tiles.insert("ZZ", BmpBuilder::solid(Qt::black));
}

void TestPartsList::counts_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<QSize>("block");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("summary");

    // One code of every page, placed against palette order; "Bumps" ('9')
    // comes before "Open 1" ('5') because the pages say so, not the codes.
    // Codes from outside come last by their bytes; the third row is outside
    // the block.
    QTest::newRow("every page, strangers, grass")
        << QByteArray("ZZ|70|60|50|90|40|30|20|10|B0|A0|00|a b/07|07|A0|Z|70|07/A5|A5")
        << QSize(13, 2)
        << QStringList{"00|Normal|1", "07|Normal|10", "A0|RCP 1|2", "B0|RCP 2|1",
                       "10|Larger corners|1", "20|Intersection|1", "30|Diagonal|1", "40|Pit lane|1",
                       "90|Bumps|1", "50|Open 1|1", "60|Open 2|1", "70|Extra's|2", "Z||1", "ZZ||1",
                       "a b||1"}
        << "26 pieces, 15 distinct";
    QTest::newRow("a page's own order") << QByteArray("6B|6A|AJ|A9|A0|AJ") << QSize()
                                        << QStringList{"A0|RCP 1|1", "A9|RCP 1|1", "AJ|RCP 1|2",
                                                       "6A|Open 2|1", "6B|Open 2|1"}
                                        << "6 pieces, 5 distinct";
}

void TestPartsList::counts()
{
    QFETCH(QByteArray, cells);
    QFETCH(QSize, block);
    QFETCH(QStringList, rows);
    QFETCH(QString, summary);

    const PartsList list(gridOf(cells, block));
    QCOMPARE(shown(list), rows);
    QCOMPARE(list.summary(), summary);
}

void TestPartsList::namesFromTheTable()
{
    // Every code of the table and two from outside: each row carries its
    // piece's name, and a code outside the table none.
    const QByteArray cells = "ZZ|a b|" + cycle(30, 6, 1).mid(6);
    const PartsList list(gridOf(cells));
    QCOMPARE(list.distinct(), 165);
    for (const PartsList::Row &row : list.rows()) {
        const Piece *piece = PieceTable::find(row.code);
        QCOMPARE(row.name, piece ? piece->name : QString());
        QCOMPARE(row.name.isEmpty(), !piece);
    }
}

void TestPartsList::text_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("tabs");

    // Codes are the track file's bytes: quoted where CSV needs it, and
    // written back byte for byte.
    QTest::newRow("captions and codes")
        << QByteArray("x|s p| 7|q\"t|a,b|\xE9|a\tb|70|A0")
        << QByteArray("code,page,count,name\nA0,RCP 1,1,\"Foam corner, east to south\"\n70,Extra's,1,Tyre stacks\n"
                      "\" 7\",,1,\na\tb,,1,\n\"a,b\",,1,\n\"q\"\"t\",,1,\ns p,,1,\nx,,1,\n\xE9,,1,\n")
        << QString::fromUtf8("code\tpage\tcount\tname\nA0\tRCP 1\t1\tFoam corner, east to south\n"
                             "70\tExtra's\t1\tTyre stacks\n\" 7\"\t\t1\t\n\"a\tb\"\t\t1\t\na,b\t\t1\t\n"
                             "\"q\"\"t\"\t\t1\t\ns p\t\t1\t\nx\t\t1\t\n\xC3\xA9\t\t1\t\n");
    // A name with a character outside ASCII goes out in UTF-8.
    QTest::newRow("dashes in names")
        << QByteArray("04|05")
        << QByteArray("code,page,count,name\n04,Normal,1,\"Straight, west\xE2\x80\x93""east\"\n"
                      "05,Normal,1,\"Straight, north\xE2\x80\x93south\"\n")
        << QString::fromUtf8("code\tpage\tcount\tname\n04\tNormal\t1\tStraight, west\xE2\x80\x93""east\n"
                             "05\tNormal\t1\tStraight, north\xE2\x80\x93south\n");
}

void TestPartsList::text()
{
    QFETCH(QByteArray, cells);
    QFETCH(QByteArray, csv);
    QFETCH(QString, tabs);

    const PartsList list(gridOf(cells));
    QCOMPARE(list.csv(), csv);
    QCOMPARE(list.tabText(), tabs);
}

void TestPartsList::plan_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("laps");  // what the heading says after the size

    QTest::newRow("3 x 2") << cycle(3, 2, 1) << 1 << "";
    QTest::newRow("a ring of corners") << QByteArray("00|01/02|03") << 1 << "lap 1.6 m, 0.9–1.0 s (1:28 stock)";
    // 104 catalogue codes from every page and one from outside: 105 rows and
    // the total, 19 beside the picture and 38 on each later page (two tables
    // side by side, wide enough for the names).
    QTest::newRow("every page") << "ZZ|" + cycle(15, 7, 13).mid(3) << 4 << "";
    QTest::newRow("30 x 30, every code") << cycle(30, 30, 7) << 5 << "";
}

void TestPartsList::plan()
{
    QFETCH(QByteArray, cells);
    QFETCH(int, pages);
    QFETCH(QString, laps);
    const TrackGrid grid = gridOf(cells);
    QCOMPARE(PlanPdf::lapsText(grid, LapSetup()), laps);

    Progress quiet;
    const QByteArray pdf = PlanPdf::render(grid, m_tiles, QStringLiteral("oval.kwf"), quiet);
    QVERIFY(pdf.startsWith("%PDF-1."));
    QVERIFY(offsetsRight(pdf));
    QCOMPARE(int(pdf.count("/Type /Page\n")), pages);
    QVERIFY(!pdf.contains("/CreationDate"));

    const QImage picture = PictureComposer::compose(grid, m_tiles, quiet);
    const QImage inside = embedded(pdf, picture.size());
    QCOMPARE(inside.size(), picture.size());
    const double off = difference(inside, picture);
    QVERIFY2(off < 10, qPrintable(QString::number(off)));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: the text was not read back");
    QTemporaryFile file;
    QVERIFY(file.open() && file.write(pdf) == pdf.size() && file.flush());
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), file.fileName(), QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    const QString heading = QStringLiteral("oval.kwf +") + PlanPdf::sizeText(grid)
                            + (laps.isEmpty() ? QString() : QStringLiteral(", ") + QRegularExpression::escape(laps));
    QVERIFY(text.contains(QRegularExpression(heading)));
    const PartsList list(grid);
    for (const PartsList::Row &row : list.rows()) {
        const QRegularExpression line = planLine(row);
        QVERIFY2(text.contains(line), qPrintable(line.pattern()));
    }
    QVERIFY(text.contains(QStringLiteral("Total: ") + list.summary()));
}

QTEST_MAIN(TestPartsList)
#include "tst_partslist.moc"
