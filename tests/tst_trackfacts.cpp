// SPDX-License-Identifier: GPL-3.0-or-later
// The track's facts in the real windows: the parts list window's size,
// circuits and cell size, a circuit's line that shows its cells, "Compare
// with inventory…" with its Owned and Short columns, and "Check connections"
// telling the circuits in the cell size set.
#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "pieces/catalogue.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "testfiles.h"
#include "ui/dialogs/csvfiledialog.h"
#include "ui/dialogs/partslistwindow.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int columnOf(const QTableWidget *table, const QString &title)
{
    for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)->text() == title)
            return c;
    return -1;
}

} // namespace

class TestTrackFacts : public QObject
{
    Q_OBJECT

    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    void open(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("track.kwf"));
        QVERIFY(writeBytes(path, text));
        m_files->openAnswers = {path};
        action("Load1")->trigger();
        QCOMPARE(m_window->document().fileName(), path);
    }
    template <typename T> T *in(const char *name) const
    {
        return m_parts->findChild<T *>(QLatin1String(name));
    }
    QString file(const QString &name, const QByteArray &text) const
    {
        return writeBytes(m_dir.filePath(name), text) ? m_dir.filePath(name) : QString();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;
    PartsListWindow *m_parts = nullptr;
    ScriptedInventoryDialog *m_inventoryDialog = nullptr;

private slots:
    void initTestCase()
    {
        const QString tiles = m_dir.filePath(QStringLiteral("tiles"));
        QVERIFY(BmpBuilder::writeTileFolder(tiles, Catalogue::codes()));
        m_window = makeEditor(tiles, &m_files);
        QVERIFY(startEditor(*m_window));
        // Two loops: a rectangle of 12 pieces and a small loop of 4.
        open("00,04,04,04,01,00,01\r\n05,07,07,07,05,02,03\r\n02,04,06,04,03,07,07\r\n");
        action("Partslist1")->trigger();
        m_parts = m_window->partsList();
        QVERIFY(m_parts && m_parts->isVisible());
        auto dialog = std::make_unique<ScriptedInventoryDialog>();
        m_inventoryDialog = dialog.get();
        m_parts->setCsvDialog(std::move(dialog));
    }

    void factsAtTheTop()
    {
        QCOMPARE(in<QLabel>("TrackSize")->text(), QStringLiteral("7 × 3 cells, 3.5 × 1.5 m, road 7.1 m"));
        auto *circuits = in<QListWidget>("CircuitList");
        QCOMPARE(circuits->count(), 2);
        QCOMPARE(circuits->item(0)->text(), QStringLiteral("Circuit 1: closed, 12 pieces, lap 5.6 m, road 5.6 m"));
        QCOMPARE(circuits->item(1)->text(), QStringLiteral("Circuit 2: closed, 4 pieces, lap 1.6 m, road 1.6 m"));
        // The names stay in the table.
        const auto *table = in<QTableWidget>("PartsTable");
        QCOMPARE(table->item(0, columnOf(table, "Name"))->text(), QStringLiteral("Corner, east to south"));
    }

    // Kept for the session, never stored: "Check connections" uses it too.
    void cellSize()
    {
        auto *size = in<QDoubleSpinBox>("CellSize");
        QCOMPARE(size->value(), 0.5);
        size->setFocus();
        size->selectAll();
        QTest::keyClicks(size, "1");
        QTest::keyClick(size, Qt::Key_Enter);
        QCOMPARE(size->value(), 1.0);
        QCOMPARE(in<QLabel>("TrackSize")->text(), QStringLiteral("7 × 3 cells, 7 × 3 m, road 14.3 m"));
        QCOMPARE(in<QListWidget>("CircuitList")->item(0)->text(),
                 QStringLiteral("Circuit 1: closed, 12 pieces, lap 11.1 m, road 11.1 m"));
        action("Checkconnections1")->trigger();
        QCOMPARE(m_window->statusText(), QStringLiteral("No open road ends: 2 circuits"));
        open("00,04,04,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n");
        action("Checkconnections1")->trigger();
        QCOMPARE(m_window->statusText(), QStringLiteral("No open road ends: 1 circuit, lap 11.1 m, 3.8–4.2 s"));
        size->setValue(0.5);
        action("Checkconnections1")->trigger();
        QCOMPARE(m_window->statusText(), QStringLiteral("No open road ends: 1 circuit, lap 5.6 m, 2.7–2.9 s"));
        // A second window, as after closing this one, starts from the session's size.
        size->setValue(0.25);
        PartsListWindow other(m_window->document(), m_window->tiles(), nullptr);
        QCOMPARE(other.findChild<QDoubleSpinBox *>(QStringLiteral("CellSize"))->value(), 0.25);
        size->setValue(0.5);
    }

    void circuitLineShowsItsCells()
    {
        open("00,01,07,07\r\n02,03,00,01\r\n07,07,02,03\r\n");
        QSignalSpy marked(m_window.get(), &TMainForm::circuitMarked);
        auto *circuits = in<QListWidget>("CircuitList");
        QCOMPARE(circuits->count(), 2);
        const QRect line = circuits->visualItemRect(circuits->item(1));
        QTest::mouseClick(circuits->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(marked.size(), 1);
        const QVector<int> cells = marked.first().first().value<QVector<int>>();
        QCOMPARE(cells, (QVector<int>{TrackGrid::index(2, 1), TrackGrid::index(2, 2), TrackGrid::index(3, 1),
                                      TrackGrid::index(3, 2)}));
        QCOMPARE(m_window->statusText(), QStringLiteral("Circuit of 4 pieces in columns 3–4, rows 2–3"));
        // They are the selection, which the canvas outlines.
        QCOMPARE(m_window->document().selection().cells(), cells);
    }

    void compareWithInventory()
    {
        open("00,04,04,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n");
        auto *table = in<QTableWidget>("PartsTable");
        const int owned = columnOf(table, "Owned"), shortBy = columnOf(table, "Short");
        QVERIFY(table->isColumnHidden(owned) && table->isColumnHidden(shortBy));
        QVERIFY(!in<QPushButton>("ForgetInventory")->isEnabled());
        // The parts list's own CSV with the counts edited, semicolons, as a spreadsheet saves it.
        m_inventoryDialog->answers = {file("club.csv", "\xEF\xBB\xBF" "code;page;count;name\r\n00;Normal;4;x\r\n01;Normal;1;x\r\n"
                                                        "02;Normal;1;x\r\n03;Normal;1;x\r\n04;Normal;2;x\r\n05;Normal;2;x\r\n"
                                                        "06;Normal;1;x\r\n07;Normal;100;x\r\n")};
        QTest::mouseClick(in<QPushButton>("CompareInventory"), Qt::LeftButton);
        QVERIFY(!table->isColumnHidden(owned) && !table->isColumnHidden(shortBy));
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 1)->text() + ' ' + table->item(r, owned)->text() + ' ' + table->item(r, shortBy)->text()
                        + (table->item(r, 1)->background().color() == QColor(255, 214, 214) ? " marked" : "");
        QCOMPARE(rows, QStringList({"00 4 ", "01 1 ", "02 1 ", "03 1 ", "04 2 3 marked", "05 2 ", "06 1 ", "07 100 "}));
        QCOMPARE(in<QLabel>("PartsTotal")->text(), QStringLiteral("Total: 15 pieces, 8 distinct – 3 pieces short (club.csv)"));
        QVERIFY(in<QPushButton>("ForgetInventory")->isEnabled());

        // A file that is not understood is refused whole; the one before stays.
        ModalWatcher watcher;
        m_inventoryDialog->answers = {file("bad.csv", "04,9\n05,many\n")};
        QTest::mouseClick(in<QPushButton>("CompareInventory"), Qt::LeftButton);
        QTRY_COMPARE(watcher.texts().size(), 1);
        QCOMPARE(watcher.texts().first(), m_dir.filePath("bad.csv") + ", line 2: the count \"many\" is not a whole number from 0 to 1000000.");
        QCOMPARE(in<QLabel>("PartsTotal")->text(), QStringLiteral("Total: 15 pieces, 8 distinct – 3 pieces short (club.csv)"));

        // Enough of everything.
        m_inventoryDialog->answers = {file("plenty.csv", "code,count\n00,4\n01,1\n02,1\n03,1\n04,9\n05,2\n06,1\n07,9\n")};
        QTest::mouseClick(in<QPushButton>("CompareInventory"), Qt::LeftButton);
        QCOMPARE(in<QLabel>("PartsTotal")->text(), QStringLiteral("Total: 15 pieces, 8 distinct – All pieces owned (plenty.csv)"));

        QTest::mouseClick(in<QPushButton>("ForgetInventory"), Qt::LeftButton);
        QVERIFY(table->isColumnHidden(owned) && table->isColumnHidden(shortBy));
        QCOMPARE(in<QLabel>("PartsTotal")->text(), QStringLiteral("Total: 15 pieces, 8 distinct"));
        QVERIFY(!m_parts->inventory());
    }
};

QTEST_MAIN(TestTrackFacts)
#include "tst_trackfacts.moc"
