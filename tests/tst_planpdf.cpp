// The plan as PDF, checked without a PDF library: every offset of the
// cross-reference table lands on its object, the pages are counted, the
// track's picture is decoded out of the file and compared with the exported
// picture, and, where pdftotext is installed, the text is read back.

#include "bmpbuilder.h"

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
#include <QtEndian>
#include <QtTest>

namespace {

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

// The image XObject of that size, decoded from JPEG or zlib, whichever Qt chose.
QImage embedded(const QByteArray &pdf, QSize size)
{
    const QByteArray key = "/Width " + QByteArray::number(size.width()) + "\n/Height "
                           + QByteArray::number(size.height()) + '\n';
    const qsizetype dict = pdf.indexOf(key);
    const qsizetype start = pdf.indexOf("stream\n", dict) + 7;
    const QByteArray data = pdf.mid(start, pdf.indexOf("\nendstream", start) - start);
    if (dict < 0 || pdf.mid(dict, start - dict).contains("/DCTDecode"))
        return QImage::fromData(data, "JPEG");
    const QByteArray raw = qUncompress(qToBigEndian(quint32(size.width() * size.height() * 3))
                                       + data);
    return QImage(reinterpret_cast<const uchar *>(raw.constData()), size.width(), size.height(),
                  size.width() * 3, QImage::Format_RGB888).convertToFormat(QImage::Format_RGB32);
}

// Mean difference per channel: JPEG changes pixels a little, a wrong
// picture a lot.
double difference(const QImage &a, const QImage &b)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < a.height(); y += 3) {
        for (int x = 0; x < a.width(); x += 3, n += 3) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / n;
}

TrackGrid gridOf(int width, int height, int step, const QByteArray &stranger = QByteArray())
{
    const QVector<QByteArray> codes = Catalogue::codes();
    TrackGrid grid;
    grid.setSize(width, height);
    for (int i = 0; i < width * height; ++i)
        grid.setCode(TrackGrid::index(i % width, i / width), codes[i * step % codes.size()]);
    if (!stranger.isEmpty())
        grid.setCode(0, stranger);
    return grid;
}

} // namespace

Q_DECLARE_METATYPE(TrackGrid)

class TestPlanPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void plan_data();
    void plan();

private:
    TileStore m_tiles;
};

void TestPlanPdf::initTestCase()
{
    const QVector<QByteArray> codes = Catalogue::codes();
    for (int i = 0; i < codes.size(); ++i)
        m_tiles.insert(codes[i], BmpBuilder::solid(QColor::fromHsv(i * 37 % 360, 200, 220)));
    m_tiles.insert("ZZ", BmpBuilder::solid(Qt::black));
}

void TestPlanPdf::plan_data()
{
    QTest::addColumn<TrackGrid>("grid");
    QTest::addColumn<int>("pages");

    QTest::newRow("3 x 2") << gridOf(3, 2, 1) << 1;
    // 104 catalogue codes from every page and one from outside: 105 rows and
    // the total, 19 beside the picture and 57 on each later page.
    QTest::newRow("every page") << gridOf(15, 7, 13, "ZZ") << 3;
    QTest::newRow("30 x 30, every code") << gridOf(30, 30, 7) << 4;
    QTest::newRow("one cell") << gridOf(1, 1, 1) << 1;
}

void TestPlanPdf::plan()
{
    QFETCH(TrackGrid, grid);
    QFETCH(int, pages);

    Progress quiet;
    const QByteArray pdf = PlanPdf::render(grid, m_tiles, QStringLiteral("oval.kwf"), quiet);
    QVERIFY(pdf.startsWith("%PDF-1."));
    QVERIFY(offsetsRight(pdf));
    QCOMPARE(int(pdf.count("/Type /Page\n")), pages);
    QVERIFY(!pdf.contains("/CreationDate"));
    QCOMPARE(PlanPdf::render(grid, m_tiles, QStringLiteral("oval.kwf"), quiet), pdf);

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
    const QString heading = QStringLiteral("oval.kwf +") + PlanPdf::sizeText(grid);
    QVERIFY(text.contains(QRegularExpression(heading)));
    const PartsList list(grid);
    for (const PartsList::Row &row : list.rows()) {
        const QRegularExpression line(QStringLiteral("\\b%1 +%2 +%3\\b")
                                          .arg(QString::fromLatin1(row.code),
                                               QRegularExpression::escape(row.page))
                                          .arg(row.count));
        QVERIFY2(text.contains(line), qPrintable(line.pattern()));
    }
    QVERIFY(text.contains(QStringLiteral("Total: ") + list.summary()));
}

QTEST_MAIN(TestPlanPdf)
#include "tst_planpdf.moc"
