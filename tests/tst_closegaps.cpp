// SPDX-License-Identifier: GPL-3.0-or-later
// "Close gaps" in the real window, by its key and through the Track menu,
// and inserts from the cell menu that keep a road joined or mark what they
// could not join.
#include "bmpbuilder.h"
#include "cellclick.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "trackchanges.h"

#include "pieces/catalogue.h"
#include "pieces/connectioncheck.h"
#include "ui/commands/editcommands.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray oval = "09,09,07,07,07,07,07,07,07,07,09,09\r\n"
                        "09,00,04,04,04,06,04,04,04,04,01,09\r\n"
                        "07,05,07,07,07,07,07,07,07,07,05,07\r\n"
                        "07,05,07,73,07,07,79,07,77,07,05,07\r\n"
                        "07,05,07,07,07,07,07,07,07,07,05,07\r\n"
                        "09,02,04,04,04,04,04,04,04,04,03,09\r\n"
                        "09,09,07,76,07,07,07,07,07,70,09,09\r\n";

// The oval with "column,row=code" changes.
QByteArray ovalWith(const QString &changes)
{
    QList<QByteArrayList> rows;
    for (const QByteArray &line : oval.split('\n'))
        if (!line.trimmed().isEmpty())
            rows.append(line.trimmed().split(','));
    return trackWithChanges(rows, changes);
}

} // namespace

class TestCloseGaps : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;

    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    const TrackCanvas *canvas() const { return m_window->canvas(); }
    QUndoStack &history() const { return m_window->editCommands()->history(); }
    void open(const QByteArray &track)
    {
        const QString path = m_dir.filePath(QStringLiteral("track%1.kwf").arg(++m_opened));
        QVERIFY(BmpBuilder::writeFile(path, track));
        m_files->openAnswers = {path};
        m_window->document().setModified(false);  // no question before the next open
        action("Load1")->trigger();
        QCOMPARE(m_window->document().fileName(), path);
    }
    int openEnds() const
    {
        const TrackGrid &grid = m_window->document().grid();
        return int(ConnectionCheck::openEnds(grid.width(), grid.height(), [&grid](int c, int r) {
                       return grid.cell(c, r).code;
                   }).size());
    }
    QByteArray code(int column, int row) const { return m_window->document().cell(column, row).code; }
    // Right-clicks the cell and chooses the item so named by Return.
    void cellMenu(QPoint cell, const QString &item)
    {
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->setActiveAction(menu->findChild<QAction *>(item));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        clickCell(*m_window, TrackGrid::index(cell.x(), cell.y()), Qt::RightButton);
    }
    int m_opened = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(BmpBuilder::writeTileFolder(m_dir.filePath("tiles"), Catalogue::codes()));
        m_window = makeEditor(m_dir.filePath("tiles"), &m_files);
        QVERIFY(!action("Closegaps1")->isEnabled());
        QVERIFY(startEditor(*m_window));
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void menuItem()
    {
        QAction *item = action("Closegaps1");
        QVERIFY(item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("Close gaps"));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F6));
        const QList<QAction *> items = m_window->trackMenu()->actions();
        QVERIFY(items.contains(item));
        QCOMPARE(items.indexOf(item), items.indexOf(action("Showopenends1")) + 1);
    }

    void closeGaps_data()
    {
        QTest::addColumn<QByteArray>("track");
        QTest::addColumn<bool>("byKey");      // F6, or the Track menu's item triggered
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("laid");    // "column,row=code" afterwards
        QTest::addColumn<int>("marks");       // ends left open, marked
        QTest::newRow("two-cell gap, by F6") << ovalWith("6,1=07 7,1=07") << true << "Closed 1 gap with 2 pieces"
                                             << "6,1=04 7,1=04" << 0;
        QTest::newRow("two gaps, from the menu") << ovalWith("3,1=07 4,1=07 10,3=07") << false
                                                 << "Closed 2 gaps with 3 pieces" << "3,1=04 4,1=04 10,3=05" << 0;
        QTest::newRow("round the corner") << ovalWith("9,1=07 10,1=07 10,2=07") << true
                                          << "Closed 1 gap with 3 pieces" << "9,1=04 10,1=01 10,2=05" << 0;
        QTest::newRow("blocked by a tree") << ovalWith("5,1=07 6,1=73") << true << "No gap can be closed"
                                           << "5,1=07" << 2;
        QTest::newRow("one closed, one blocked") << ovalWith("3,1=07 6,1=07 7,1=73") << false
                                                 << "Closed 1 gap with 1 piece" << "3,1=04 6,1=07" << 2;
        QTest::newRow("nothing open") << oval << true << "No gap can be closed" << "" << 0;
    }

    void closeGaps()
    {
        QFETCH(QByteArray, track);
        QFETCH(bool, byKey);
        QFETCH(QString, status);
        QFETCH(QString, laid);
        QFETCH(int, marks);
        open(track);
        const TrackGrid before = m_window->document().grid();
        if (byKey) {
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            QTest::keyClick(m_window.get(), Qt::Key_F6);
        } else {
            action("Closegaps1")->trigger();
        }
        QCOMPARE(m_window->statusText(), status);
        for (const QString &place : laid.split(' ', Qt::SkipEmptyParts)) {
            const QStringList part = place.split(QRegularExpression("[,=]"));
            QCOMPARE(code(part[0].toInt(), part[1].toInt()), part[2].toLatin1());
        }
        QCOMPARE(openEnds(), marks);
        QCOMPARE(int(canvas()->marks().size()), marks);
        // The marks and the message last until the track changes.
        QTest::qWait(20);
        QCOMPARE(int(canvas()->marks().size()), marks);
        QCOMPARE(m_window->statusText(), status);
        const bool closed = status.startsWith("Closed");
        QCOMPARE(history().count(), closed ? 1 : 0);
        QCOMPARE(m_window->document().isModified(), closed);
        if (!closed)
            return;
        // One step: undone, the gaps are back.
        QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo Close gaps"));
        action("Undo1")->trigger();
        QCOMPARE(m_window->document().grid(), before);
        QVERIFY(!m_window->document().isModified());
        action("Redo1")->trigger();
        QCOMPARE(openEnds(), marks);
    }

    void insertsKeepTheRoad_data()
    {
        QTest::addColumn<QByteArray>("track");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("laid");
        QTest::addColumn<int>("marks");
        QTest::newRow("oval, column left") << oval << QPoint(5, 1) << "InsertColumnLeft1" << "5,1=04 5,5=04 6,1=06"
                                           << 0;
        QTest::newRow("oval, column right") << oval << QPoint(1, 3) << "InsertColumnRight1" << "2,1=04 2,5=04" << 0;
        QTest::newRow("oval, row above") << oval << QPoint(3, 3) << "InsertRowAbove1" << "1,3=05 10,3=05" << 0;
        QTest::newRow("oval, row below") << oval << QPoint(3, 3) << "InsertRowBelow1" << "1,4=05 10,4=05" << 0;
        QTest::newRow("oval, deleting a column of straights") << oval << QPoint(6, 2) << "DeleteColumn1" << "5,1=06"
                                                              << 0;
        QTest::newRow("oval, deleting its west side") << oval << QPoint(1, 2) << "DeleteColumn1" << "1,1=04" << 2;
        QTest::newRow("through a larger corner") << QByteArray("07,07,07/10,11,04/12,13,07/05,07,07\r\n")
                                                 << QPoint(1, 1) << "InsertColumnLeft1" << "1,1=07 1,2=07" << 4;
    }

    void insertsKeepTheRoad()
    {
        QFETCH(QByteArray, track);
        QFETCH(QPoint, cell);
        QFETCH(QString, item);
        QFETCH(QString, laid);
        QFETCH(int, marks);
        open(track.replace('/', "\r\n"));
        m_window->setStatusText(QString());
        const int before = openEnds();
        cellMenu(cell, item);
        QCOMPARE(history().count(), 1);
        for (const QString &place : laid.split(' ', Qt::SkipEmptyParts)) {
            const QStringList part = place.split(QRegularExpression("[,=]"));
            QCOMPARE(code(part[0].toInt(), part[1].toInt()), part[2].toLatin1());
        }
        QCOMPARE(openEnds(), before + marks);
        // Ends the edit left open are marked at once, with the others.
        QTest::qWait(20);
        QCOMPARE(int(canvas()->marks().size()), marks == 0 ? 0 : before + marks);
        QString count = ConnectionCheck::countText(before + marks);
        count[0] = count[0].toUpper();
        QCOMPARE(m_window->statusText(), marks == 0 ? QString() : count);
    }
};

QTEST_MAIN(TestCloseGaps)
#include "tst_closegaps.moc"
