// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/progress.h"
#include "document/trackdocument.h"
#include "document/gridstep.h"
#include "recordingprogress.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int visibleCount(const TrackDocument &doc)
{
    int n = 0;
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        n += doc.cell(i).visible;
    return n;
}

bool visibleIsExactlyTheBlock(const TrackDocument &doc)
{
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const bool inside = TrackGrid::columnOf(i) < doc.width() && TrackGrid::rowOf(i) < doc.height();
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
    void resetGivesTheDefaultPiece();
    void drawGridProgress();
    void editGrid_data();
    void editGrid();
    void shrinkAndGrowKeepsPieces();
    void resetClearsHiddenCells();
    void trackClick();
    void sizeIsClampedToThePool_data();
    void sizeIsClampedToThePool();
    void gridIsAValue();
    void historyFollowsTheSavedState_data();
    void historyFollowsTheSavedState();
    void selectionIsCells_data();
    void selectionIsCells();
    void historyKeepsTheSelection();

private:
    Progress m_quiet;
};

void TestTrackGrid::init()
{
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
    QCOMPARE(TrackGrid::index(column, row), column * 30 + row);
    QCOMPARE(TrackGrid::cellName(TrackGrid::index(column, row)), name);
}

void TestTrackGrid::resetGivesTheDefaultPiece()
{
    TrackDocument doc;
    doc.TrackClick(TrackGrid::index(20, 20), "03");
    doc.DrawGrid(true, m_quiet);
    QCOMPARE(visibleCount(doc), 15 * 7);
    QVERIFY(visibleIsExactlyTheBlock(doc));
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        QCOMPARE(doc.cell(i).code, QByteArray("07"));
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
    QTest::addColumn<int>("widthChange");
    QTest::addColumn<int>("heightChange");
    QTest::addColumn<int>("newWidth");
    QTest::addColumn<int>("newHeight");
    QTest::newRow("add column") << 15 << 7 << 1 << 0 << 16 << 7;
    QTest::newRow("remove column") << 15 << 7 << -1 << 0 << 14 << 7;
    QTest::newRow("add row") << 15 << 7 << 0 << 1 << 15 << 8;
    QTest::newRow("remove row") << 15 << 7 << 0 << -1 << 15 << 6;
    QTest::newRow("width stays 1") << 1 << 1 << -1 << 0 << 1 << 1;
    QTest::newRow("height stays 1") << 1 << 1 << 0 << -1 << 1 << 1;
    QTest::newRow("width stays 30") << 30 << 30 << 1 << 0 << 30 << 30;
    QTest::newRow("height stays 30") << 30 << 30 << 0 << 1 << 30 << 30;
}

void TestTrackGrid::editGrid()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, widthChange);
    QFETCH(int, heightChange);
    QFETCH(int, newWidth);
    QFETCH(int, newHeight);
    TrackDocument doc;
    doc.setSize(width, height);
    doc.DrawGrid(true, m_quiet);
    doc.EditGrid(widthChange, heightChange, m_quiet);
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
    for (int c = 10; c < 15; ++c)
        doc.TrackClick(TrackGrid::index(c, 2), "03");
    doc.setSize(10, 7);
    doc.DrawGrid(false, m_quiet);
    QVERIFY(!doc.cell(12, 2).visible);
    QCOMPARE(doc.cell(12, 2).code, QByteArray("03"));
    doc.setSize(15, 7);
    doc.DrawGrid(false, m_quiet);
    for (int c = 10; c < 15; ++c) {
        QVERIFY(doc.cell(c, 2).visible);
        QCOMPARE(doc.cell(c, 2).code, QByteArray("03"));
    }
}

void TestTrackGrid::resetClearsHiddenCells()
{
    TrackDocument doc;
    doc.setSize(30, 30);
    doc.DrawGrid(true, m_quiet);
    doc.TrackClick(TrackGrid::index(25, 25), "03");
    doc.setSize(15, 7);
    doc.DrawGrid(true, m_quiet);
    QCOMPARE(doc.cell(25, 25).code, QByteArray("07"));
    QVERIFY(!doc.cell(25, 25).visible);
}

void TestTrackGrid::trackClick()
{
    TrackDocument doc;
    doc.DrawGrid(true, m_quiet);
    QSignalSpy modified(&doc, &TrackDocument::modifiedChanged);
    QSignalSpy changed(&doc, &TrackDocument::changed);

    // No piece chosen yet: the click places nothing.
    doc.TrackClick(0, QByteArray());
    QVERIFY(!doc.isModified());
    QCOMPARE(changed.count(), 0);

    // Placing the piece a cell already holds still marks the track modified,
    // though no cell changed.
    doc.TrackClick(0, "07");
    QVERIFY(doc.isModified());
    QCOMPARE(modified.count(), 1);
    QCOMPARE(changed.count(), 0);

    doc.setModified(false);
    doc.TrackClick(TrackGrid::index(3, 4), "05");
    QVERIFY(doc.isModified());
    QCOMPARE(doc.cell(3, 4).code, QByteArray("05"));
    QCOMPARE(changed.count(), 1);
    const TrackGrid grid = doc.grid();
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        QCOMPARE(grid.cell(i).code, QByteArray(i == TrackGrid::index(3, 4) ? "05" : "07"));
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

void TestTrackGrid::gridIsAValue()
{
    // A copy is independent of its source, and equal exactly as long as
    // every code, every visible flag and the size agree.
    TrackDocument doc;
    doc.DrawGrid(true, m_quiet);
    TrackGrid copy = doc.grid();
    QVERIFY(copy == doc.grid());
    copy.setCode(TrackGrid::index(29, 29), "03");  // hidden, outside the block
    QVERIFY(copy != doc.grid());
    QCOMPARE(doc.cell(29, 29).code, QByteArray("07"));

    QSignalSpy changed(&doc, &TrackDocument::changed);
    QSignalSpy size(&doc, &TrackDocument::sizeChanged);
    doc.setGrid(copy);
    QCOMPARE(doc.cell(29, 29).code, QByteArray("03"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(size.count(), 0);
    doc.setGrid(copy);  // the same again changes nothing
    QCOMPARE(changed.count(), 1);

    copy.setCell(0, Cell{"07", false});
    QVERIFY(copy != doc.grid());
    copy = doc.grid();
    copy.setSize(3, 2);
    QVERIFY(copy != doc.grid());
    doc.setGrid(copy);
    QCOMPARE(size.count(), 1);
    QCOMPARE(doc.width(), 3);
}

void TestTrackGrid::historyFollowsTheSavedState_data()
{
    QTest::addColumn<QString>("steps");  // place, resize, save, undo, redo, restart
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("count");      // steps on the history
    QTest::newRow("placed") << "place" << true << 1;
    QTest::newRow("placed and undone") << "place undo" << false << 1;
    QTest::newRow("resized alone") << "resize" << false << 1;
    QTest::newRow("saved, resized, undone") << "place save resize undo" << false << 2;
    QTest::newRow("undone past the save") << "place save undo" << true << 1;
    QTest::newRow("and redone") << "place save undo redo" << false << 1;
    QTest::newRow("saved state cut off") << "place save undo resize undo" << true << 1;
    QTest::newRow("restarted") << "place restart" << false << 0;
}

// The document's own history, without a window: the modified flag follows
// where it stands against the last save.
void TestTrackGrid::historyFollowsTheSavedState()
{
    QFETCH(QString, steps);
    QFETCH(bool, modified);
    QFETCH(int, count);
    QTemporaryDir dir;
    TrackDocument doc;
    doc.setModified(false);
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (step == "place") {
            const TrackGrid before = doc.grid();
            doc.TrackClick(0, "05");
            doc.push(new GridStep(doc, QStringLiteral("Place piece"), before, doc.selection(), true));
        } else if (step == "resize") {
            doc.record(QStringLiteral("Resize grid"), false, [&] { doc.setSize(doc.width() + 1, doc.height()); });
        } else if (step == "save") {
            doc.save(dir.filePath(QStringLiteral("t.kwf")));
        } else if (step == "undo") {
            doc.history().undo();
        } else if (step == "redo") {
            doc.history().redo();
        } else {
            doc.restartHistory();
            doc.setModified(false);
        }
    }
    QCOMPARE(doc.isModified(), modified);
    QCOMPARE(doc.history().count(), count);
}

void TestTrackGrid::selectionIsCells_data()
{
    QTest::addColumn<QVector<QRect>>("rectangles");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("rectangle");

    QTest::newRow("nothing") << QVector<QRect>{} << 0 << QRect() << false;
    QTest::newRow("one cell") << QVector<QRect>{QRect(3, 4, 1, 1)} << 1 << QRect(3, 4, 1, 1) << true;
    QTest::newRow("a block") << QVector<QRect>{QRect(2, 1, 3, 2)} << 6 << QRect(2, 1, 3, 2) << true;
    QTest::newRow("dragged up and left") << QVector<QRect>{CellSelection::span(QPoint(4, 2), QPoint(2, 1))} << 6
                                         << QRect(2, 1, 3, 2) << true;
    QTest::newRow("two apart") << QVector<QRect>{QRect(0, 0, 1, 1), QRect(5, 5, 1, 1)} << 2
                               << QRect(0, 0, 6, 6) << false;
    QTest::newRow("overlapping") << QVector<QRect>{QRect(0, 0, 2, 2), QRect(1, 1, 2, 2)} << 7
                                 << QRect(0, 0, 3, 3) << false;
    QTest::newRow("cut at the pool") << QVector<QRect>{QRect(28, 28, 5, 5)} << 4 << QRect(28, 28, 2, 2)
                                     << true;
    QTest::newRow("outside the pool") << QVector<QRect>{QRect(30, 0, 2, 2), QRect(-3, -3, 2, 2)} << 0
                                      << QRect() << false;
}

void TestTrackGrid::selectionIsCells()
{
    QFETCH(QVector<QRect>, rectangles);
    QFETCH(int, count);
    QFETCH(QRect, bounds);
    QFETCH(bool, rectangle);
    CellSelection selection;
    for (const QRect &cells : rectangles)
        selection.add(cells);
    QCOMPARE(selection.count(), count);
    QCOMPARE(selection.isEmpty(), count == 0);
    QCOMPARE(selection.bounds(), bounds);
    QCOMPARE(selection.isRectangle(), rectangle);
    QCOMPARE(int(selection.cells().size()), count);
    for (int index : selection.cells()) {
        QVERIFY(selection.contains(index));
        QVERIFY(bounds.contains(TrackGrid::columnOf(index), TrackGrid::rowOf(index)));
    }
}

// Undo and redo give back the selection that went with each side of a step.
void TestTrackGrid::historyKeepsTheSelection()
{
    TrackDocument doc;
    const CellSelection before = CellSelection::of(QRect(0, 0, 2, 2));
    const CellSelection after = CellSelection::of(QRect(3, 0, 2, 2));
    doc.setSelection(before);
    QSignalSpy told(&doc, &TrackDocument::selectionChanged);
    doc.record(QStringLiteral("Move"), true, [&] {
        doc.TrackClick(TrackGrid::index(3, 0), "05");
        doc.setSelection(after);
    });
    QCOMPARE(told.count(), 1);
    doc.history().undo();
    QCOMPARE(doc.selection(), before);
    QCOMPARE(doc.cell(3, 0).code, QByteArray("07"));
    doc.history().redo();
    QCOMPARE(doc.selection(), after);
    QCOMPARE(doc.cell(3, 0).code, QByteArray("05"));
    QCOMPARE(told.count(), 3);
}

QTEST_GUILESS_MAIN(TestTrackGrid)
#include "tst_trackgrid.moc"
