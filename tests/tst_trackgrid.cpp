#include "document/progress.h"
#include "document/trackdocument.h"
#include "bmpbuilder.h"
#include "recordingprogress.h"
#include "pieces/builtinpictures.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

int visibleCount(const TrackDocument &doc)
{
    int n = 0;
    for (int i = 0; i < TrackDocument::cellCount; ++i)
        n += doc.cell(i).visible;
    return n;
}

bool visibleIsExactlyTheBlock(const TrackDocument &doc)
{
    for (int i = 0; i < TrackDocument::cellCount; ++i) {
        const bool inside = TrackDocument::columnOf(i) < doc.width() && TrackDocument::rowOf(i) < doc.height();
        if (doc.cell(i).visible != inside)
            return false;
    }
    return true;
}

} // namespace

class TestTrackGrid : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cellNames_data();
    void cellNames();
    void resetGivesTheDefaultPieceSharedPicture();
    void drawGridProgress();
    void editGrid_data();
    void editGrid();
    void shrinkAndGrowKeepsPieces();
    void resetClearsHiddenCells();
    void trackClick();
    void sizeIsClampedToThePool_data();
    void sizeIsClampedToThePool();

private:
    QImage m_default = BmpBuilder::patterned(7);
    Progress m_quiet;
};

void TestTrackGrid::init()
{
    m_default = BmpBuilder::patterned(7);
}

void TestTrackGrid::cellNames_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::newRow("top left") << 0 << 0 << "tp0101";
    QTest::newRow("column 30 row 15") << 29 << 14 << "tp3015";
    QTest::newRow("second row") << 0 << 1 << "tp0102";
    QTest::newRow("last") << 29 << 29 << "tp3030";
}

void TestTrackGrid::cellNames()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, name);
    // Column-major: the next entry is the next row of the same column.
    QCOMPARE(TrackDocument::index(column, row), column * 30 + row);
    QCOMPARE(TrackDocument::cellName(TrackDocument::index(column, row)), name);
}

void TestTrackGrid::resetGivesTheDefaultPieceSharedPicture()
{
    TrackDocument doc;
    doc.setDefaultPicture(m_default);
    doc.DrawGrid(true, m_quiet);
    QCOMPARE(visibleCount(doc), 15 * 7);
    QVERIFY(visibleIsExactlyTheBlock(doc));
    for (int i = 0; i < TrackDocument::cellCount; ++i) {
        QCOMPARE(doc.cell(i).code, QByteArray("07"));
        // Every cell shares the one pixel store of the default picture.
        QCOMPARE(doc.cell(i).picture.cacheKey(), m_default.cacheKey());
    }
}

void TestTrackGrid::drawGridProgress()
{
    TrackDocument doc;
    RecordingProgress progress;
    doc.DrawGrid(false, progress);
    QCOMPARE(progress.texts.size(), 901);
    QCOMPARE(progress.texts.first(), QStringLiteral("Drawing Grid - 0-0"));
    QCOMPARE(progress.texts.at(1), QStringLiteral("Drawing Grid - 0-1"));
    QCOMPARE(progress.texts.at(900 - 1), QStringLiteral("Drawing Grid - 29-29"));
    QVERIFY(progress.texts.last().isEmpty());
    QCOMPARE(progress.pumps, 0);
}

void TestTrackGrid::editGrid_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("hint");
    QTest::addColumn<int>("newWidth");
    QTest::addColumn<int>("newHeight");
    QTest::newRow("add column") << 15 << 7 << QByteArray("01-00") << 16 << 7;
    QTest::newRow("remove column") << 15 << 7 << QByteArray("-1-00") << 14 << 7;
    QTest::newRow("add row") << 15 << 7 << QByteArray("00-01") << 15 << 8;
    QTest::newRow("remove row") << 15 << 7 << QByteArray("00--1") << 15 << 6;
    QTest::newRow("width stays 1") << 1 << 1 << QByteArray("-1-00") << 1 << 1;
    QTest::newRow("height stays 1") << 1 << 1 << QByteArray("00--1") << 1 << 1;
    QTest::newRow("width stays 30") << 30 << 30 << QByteArray("01-00") << 30 << 30;
    QTest::newRow("height stays 30") << 30 << 30 << QByteArray("00-01") << 30 << 30;
}

void TestTrackGrid::editGrid()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, hint);
    QFETCH(int, newWidth);
    QFETCH(int, newHeight);
    TrackDocument doc;
    doc.setSize(width, height);
    doc.DrawGrid(true, m_quiet);
    doc.EditGrid(hint, m_quiet);
    QCOMPARE(doc.width(), newWidth);
    QCOMPARE(doc.height(), newHeight);
    QVERIFY(visibleIsExactlyTheBlock(doc));
    QVERIFY(visibleCount(doc) >= 1);
    QVERIFY(!doc.isModified());
}

void TestTrackGrid::shrinkAndGrowKeepsPieces()
{
    TrackDocument doc;
    doc.DrawGrid(true, m_quiet);
    const QImage piece = BmpBuilder::patterned(3);
    for (int c = 10; c < 15; ++c)
        doc.TrackClick(TrackDocument::index(c, 2), "03", piece);
    doc.setSize(10, 7);
    doc.DrawGrid(false, m_quiet);
    QVERIFY(!doc.cell(12, 2).visible);
    QCOMPARE(doc.cell(12, 2).code, QByteArray("03"));
    doc.setSize(15, 7);
    doc.DrawGrid(false, m_quiet);
    for (int c = 10; c < 15; ++c) {
        QVERIFY(doc.cell(c, 2).visible);
        QCOMPARE(doc.cell(c, 2).code, QByteArray("03"));
        QCOMPARE(doc.cell(c, 2).picture, piece);
    }
}

void TestTrackGrid::resetClearsHiddenCells()
{
    TrackDocument doc;
    doc.setDefaultPicture(m_default);
    doc.setSize(30, 30);
    doc.DrawGrid(true, m_quiet);
    doc.TrackClick(TrackDocument::index(25, 25), "03", BmpBuilder::patterned(3));
    doc.setSize(15, 7);
    doc.DrawGrid(true, m_quiet);
    QCOMPARE(doc.cell(25, 25).code, QByteArray("07"));
    QCOMPARE(doc.cell(25, 25).picture.cacheKey(), m_default.cacheKey());
    QVERIFY(!doc.cell(25, 25).visible);
}

void TestTrackGrid::trackClick()
{
    TrackDocument doc;
    doc.DrawGrid(true, m_quiet);
    QSignalSpy modified(&doc, &TrackDocument::modifiedChanged);
    QSignalSpy cells(&doc, &TrackDocument::cellChanged);

    // No piece chosen yet: the click places nothing.
    doc.TrackClick(0, QByteArray(), BuiltinPictures::blank());
    QVERIFY(!doc.isModified());
    QCOMPARE(cells.count(), 0);

    // Placing the piece a cell already holds still marks the track modified.
    doc.TrackClick(0, "07", doc.cell(0).picture);
    QVERIFY(doc.isModified());
    QCOMPARE(modified.count(), 1);

    doc.setModified(false);
    const QImage piece = BmpBuilder::patterned(5);
    doc.TrackClick(TrackDocument::index(3, 4), "05", piece);
    QVERIFY(doc.isModified());
    QCOMPARE(doc.cell(3, 4).code, QByteArray("05"));
    QCOMPARE(doc.cell(3, 4).picture.cacheKey(), piece.cacheKey());
    QCOMPARE(cells.count(), 1);
    QCOMPARE(cells.last().at(0).toInt(), TrackDocument::index(3, 4));
}

void TestTrackGrid::sizeIsClampedToThePool_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("clampedWidth");
    QTest::addColumn<int>("clampedHeight");
    QTest::newRow("zero") << 0 << 0 << 1 << 1;
    QTest::newRow("negative") << -5 << 3 << 1 << 3;
    QTest::newRow("above the pool") << 50 << 31 << 30 << 30;
    QTest::newRow("inside") << 30 << 1 << 30 << 1;
}

void TestTrackGrid::sizeIsClampedToThePool()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, clampedWidth);
    QFETCH(int, clampedHeight);
    TrackDocument doc;
    doc.setSize(width, height);
    QCOMPARE(doc.width(), clampedWidth);
    QCOMPARE(doc.height(), clampedHeight);
}

QTEST_GUILESS_MAIN(TestTrackGrid)
#include "tst_trackgrid.moc"
