// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's commands on the selection in the real window: cut, copy,
// paste through the clipboard's text, delete, selecting all and none, the
// floating stamp that a paste makes, and turning and mirroring a stamp, a
// selection and the whole track. Commands are given by their keys while
// the track has the keyboard, as a user gives them.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"

#include "pieces/catalogue.h"
#include "ui/commands/editcommands.h"
#include "ui/commands/turncommands.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/tools/floatingstamp.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Cells = QVector<QPoint>;
using Rects = QVector<QRect>;

const QByteArray smallTrack("00,01,02,3A\r\n03,04,05,3B\r\n");

// Collects the regions the canvas is asked to paint.
class PaintRecorder : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

CellSelection selectionOf(const Rects &rects)
{
    CellSelection selection;
    for (const QRect &rect : rects)
        selection.add(rect);
    return selection;
}

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menuAsBuilt();
    void commands_data();
    void commands();
    void refusedPastes_data();
    void refusedPastes();
    void stamp_data();
    void stamp();
    void stampFollowsPointerAndCursor();
    void stampRepaintsOnlyItsCells();
    void turning_data();
    void turning();

private:
    void start(const QByteArray &track);
    TrackDocument &document() { return m_window->document(); }
    TrackCanvas *canvas() { return m_window->canvas(); }
    EditCommands &edits() { return *m_window->editCommands(); }
    QAction *action(const char *name) { return m_window->findChild<QAction *>(QLatin1String(name)); }
    // The width x height block, rows separated by a slash.
    QByteArray cells();
    void key(const QKeySequence &keys);
    void mouse(QTest::MouseAction action, QPoint cell);
    QString undoText() { return action("Undo1")->text(); }

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;
    ModalWatcher m_watcher;
};

void TestEditCommands::initTestCase()
{
    QVERIFY(BmpBuilder::writeTileFolder(m_dir.filePath("tiles"), Catalogue::codes()));
    // No dialog is expected; one that comes is closed, so the test fails
    // instead of hanging.
    m_watcher.onDialog([](QDialog *dialog) { dialog->reject(); });
}

void TestEditCommands::start(const QByteArray &track)
{
    m_window = makeEditor(m_dir.filePath("tiles"), &m_files);
    QVERIFY(startEditor(*m_window));
    const QString path = m_dir.filePath(QStringLiteral("track.kwf"));
    QVERIFY(BmpBuilder::writeFile(path, track));
    m_files->openAnswers = {path};
    action("Load1")->trigger();
    QCOMPARE(document().fileName(), path);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    canvas()->setFocus();
}

QByteArray TestEditCommands::cells()
{
    QByteArrayList rows;
    for (int row = 0; row < document().height(); ++row) {
        QByteArrayList codes;
        for (int column = 0; column < document().width(); ++column)
            codes << document().cell(column, row).code;
        rows << codes.join(',');
    }
    return rows.join('/');
}

void TestEditCommands::key(const QKeySequence &keys)
{
    const QKeyCombination combination = keys[0];
    QTest::keyClick(canvas(), combination.key(), combination.keyboardModifiers());
}

void TestEditCommands::mouse(QTest::MouseAction action, QPoint cell)
{
    const QRect rect = canvas()->cellRect(TrackGrid::index(cell.x(), cell.y()));
    QTest::mouseEvent(action, m_window->windowHandle(), Qt::LeftButton, {},
                      canvas()->mapTo(m_window.get(), rect.center()));
}

void TestEditCommands::menuAsBuilt()
{
    start(smallTrack);
    QStringList texts;
    for (QAction *item : m_window->editMenu()->actions())
        texts << (item->isSeparator() ? QStringLiteral("-")
                                      : item->text() + QLatin1Char('=') + item->shortcut().toString());
    QCOMPARE(texts, (QStringList{"Undo=Ctrl+Z", "Redo=Ctrl+Y", "-", "Cut=Ctrl+X", "Copy=Ctrl+C", "Paste=Ctrl+V",
                                 "Delete=Del", "-", "Select all=Ctrl+A", "Select none=Esc", "-",
                                 "Rotate clockwise=Z", "Rotate anticlockwise=Shift+Z", "Mirror left to right=X",
                                 "Mirror top to bottom=Y"}));
    // What needs a selection waits for one.
    const char *onSelection[] = {"Cut1", "Copy1", "Delete1", "Selectnone1"};
    for (const char *name : onSelection)
        QVERIFY2(!action(name)->isEnabled(), name);
    for (const char *name : {"Paste1", "Selectall1", "Rotateclockwise1", "Mirrortoptobottom1"})
        QVERIFY2(action(name)->isEnabled(), name);
    key(QKeySequence(QStringLiteral("Ctrl+A")));
    for (const char *name : onSelection)
        QVERIFY2(action(name)->isEnabled(), name);
}

void TestEditCommands::commands_data()
{
    QTest::addColumn<Rects>("selection");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("clipboard");  // "-" when untouched
    QTest::addColumn<Rects>("selectedAfter");
    QTest::addColumn<QString>("undo");  // the Undo item's text afterwards
    const Rects middle{{1, 0, 2, 2}};
    const QString same = "00,01,02,3A/03,04,05,3B";
    QTest::newRow("cut") << middle << QKeySequence("Ctrl+X") << QByteArray("00,07,07,3A/03,07,07,3B")
                         << "01,02\r\n04,05\r\n" << middle << "Undo Cut";
    QTest::newRow("copy") << middle << QKeySequence("Ctrl+C") << same.toLatin1() << "01,02\r\n04,05\r\n"
                          << middle << "Undo";
    QTest::newRow("delete") << Rects{{3, 0, 1, 2}} << QKeySequence(Qt::Key_Delete)
                            << QByteArray("00,01,02,07/03,04,05,07") << "-" << Rects{{3, 0, 1, 2}}
                            << "Undo Delete";
    // The bounding box goes to the clipboard, the unselected cells in it as they are.
    const Rects diagonal{{0, 0, 1, 1}, {1, 1, 1, 1}};
    QTest::newRow("cut, no rectangle") << diagonal << QKeySequence("Ctrl+X")
                                       << QByteArray("07,01,02,3A/03,07,05,3B") << "00,01\r\n03,04\r\n"
                                       << diagonal << "Undo Cut";
    QTest::newRow("delete, already grass") << Rects{{1, 0, 1, 1}, {3, 1, 1, 1}} << QKeySequence(Qt::Key_Delete)
                                           << QByteArray("00,07,02,3A/03,04,05,07") << "-"
                                           << Rects{{1, 0, 1, 1}, {3, 1, 1, 1}} << "Undo Delete";
    QTest::newRow("select all") << Rects{} << QKeySequence("Ctrl+A") << same.toLatin1() << "-"
                                << Rects{{0, 0, 4, 2}} << "Undo";
    QTest::newRow("select none") << middle << QKeySequence(Qt::Key_Escape) << same.toLatin1() << "-" << Rects{}
                                 << "Undo";
    // Where nothing is selected they do nothing at all.
    QTest::newRow("cut nothing") << Rects{} << QKeySequence("Ctrl+X") << same.toLatin1() << "-" << Rects{}
                                 << "Undo";
    QTest::newRow("delete nothing") << Rects{} << QKeySequence(Qt::Key_Delete) << same.toLatin1() << "-"
                                    << Rects{} << "Undo";
}

void TestEditCommands::commands()
{
    QFETCH(Rects, selection);
    QFETCH(QKeySequence, keys);
    QFETCH(QByteArray, after);
    QFETCH(QString, clipboard);
    QFETCH(Rects, selectedAfter);
    QFETCH(QString, undo);
    start(smallTrack);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    document().setSelection(selectionOf(selection));
    const TrackGrid before = document().grid();
    key(keys);
    QCOMPARE(cells(), after);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard == "-" ? QStringLiteral("untouched") : clipboard);
    QCOMPARE(document().selection(), selectionOf(selectedAfter));
    QCOMPARE(undoText(), undo);
    const bool step = undo != "Undo";
    QCOMPARE(document().history().count(), step ? 1 : 0);
    QCOMPARE(document().isModified(), step);
    if (!step)
        return;
    // Undo gives back the cells and the selection that went with them.
    key(QKeySequence("Ctrl+Z"));
    QVERIFY(document().grid() == before);
    QCOMPARE(document().selection(), selectionOf(selection));
    QCOMPARE(document().isModified(), false);
}

void TestEditCommands::refusedPastes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");
    QTest::newRow("empty") << QString() << "Cannot paste: The text holds no piece codes.";
    QTest::newRow("binary") << QString::fromLatin1("\x89PNG\r\n\x1a\n") << "Cannot paste: The text is not plain text.";
    QTest::newRow("NUL byte") << QString::fromLatin1("00,04\0,01", 9) << "Cannot paste: The text is not plain text.";
    QTest::newRow("31 columns") << QString("04,").repeated(30) + "04"
                                << "Cannot paste: Track too large: at most 30 columns and 30 rows.";
    QTest::newRow("31 rows") << QString("04\r\n").repeated(31)
                             << "Cannot paste: Track too large: at most 30 columns and 30 rows.";
    QTest::newRow("prose") << "Dear club," << "Cannot paste: Not a piece code: \"Dear club\" (row 1, column 1)";
    QTest::newRow("code without a piece") << "00,ZZ\r\n"
                                          << "Cannot paste: No piece has the code \"ZZ\" (row 1, column 2)";
}

void TestEditCommands::refusedPastes()
{
    QFETCH(QString, text);
    QFETCH(QString, status);
    start(smallTrack);
    document().setSelection(CellSelection::of(QRect(0, 0, 1, 1)));
    const TrackGrid before = document().grid();
    QGuiApplication::clipboard()->setText(text);
    key(QKeySequence("Ctrl+V"));
    QCOMPARE(m_window->statusText(), status);
    QVERIFY(!edits().stamp().isFloating());
    QVERIFY(document().grid() == before);
    QCOMPARE(document().selection(), CellSelection::of(QRect(0, 0, 1, 1)));
    QCOMPARE(document().history().count(), 0);
    QCOMPARE(document().isModified(), false);
}

void TestEditCommands::stamp_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("how");  // how the stamp is put down at (2, 1)
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QRect>("selectedAfter");
    const QString block = "3A,3B\r\n";
    QTest::newRow("click") << block << "click" << QByteArray("00,01,02,3A/03,04,3A,3B") << QRect(2, 1, 2, 1);
    QTest::newRow("Enter") << block << "enter" << QByteArray("00,01,02,3A/03,04,3A,3B") << QRect(2, 1, 2, 1);
    QTest::newRow("Space") << block << "space" << QByteArray("00,01,02,3A/03,04,3A,3B") << QRect(2, 1, 2, 1);
    QTest::newRow("Esc drops it") << block << "esc" << QByteArray("00,01,02,3A/03,04,05,3B") << QRect();
    // Beyond the block, the stamp is cut off.
    QTest::newRow("cut off") << "3A,3A,3A\r\n3A,3A,3A\r\n" << "click"
                             << QByteArray("00,01,02,3A/03,04,3A,3A") << QRect(2, 1, 2, 1);
    QTest::newRow("from a spreadsheet") << "\"06\"\t\"08\"\n" << "click"
                                        << QByteArray("00,01,02,3A/03,04,06,08") << QRect(2, 1, 2, 1);
    // Changing nothing is no step.
    QTest::newRow("the same pieces") << "05,3B\r\n" << "click" << QByteArray("00,01,02,3A/03,04,05,3B")
                                     << QRect();
}

void TestEditCommands::stamp()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, how);
    QFETCH(QByteArray, after);
    QFETCH(QRect, selectedAfter);
    start(smallTrack);
    document().setSelection(CellSelection::of(QRect(0, 0, 1, 1)));
    QGuiApplication::clipboard()->setText(clipboard);
    // Moves to where the pointer already is are no moves.
    mouse(QTest::MouseMove, {1, 0});
    mouse(QTest::MouseMove, {2, 1});
    key(QKeySequence("Ctrl+V"));
    FloatingStamp &stamp = edits().stamp();
    QVERIFY(stamp.isFloating());
    QVERIFY(m_window->statusText().startsWith(QStringLiteral("Click or press Enter to place the")));
    QCOMPARE(stamp.position(), QPoint(2, 1));
    QCOMPARE(cells(), QByteArray("00,01,02,3A/03,04,05,3B"));  // nothing placed yet
    if (how == "click")
        mouse(QTest::MouseClick, {2, 1});
    else
        key(QKeySequence(how == "enter" ? Qt::Key_Return : how == "space" ? Qt::Key_Space : Qt::Key_Escape));
    QVERIFY(!stamp.isFloating());
    QCOMPARE(m_window->statusText(), QString());  // the hint went with the stamp
    QCOMPARE(cells(), after);
    const bool placed = !selectedAfter.isEmpty();
    QCOMPARE(document().history().count(), placed ? 1 : 0);
    QCOMPARE(document().isModified(), placed);
    // Esc dropped only the stamp; the selection stays until the next Esc.
    QCOMPARE(document().selection(), placed ? CellSelection::of(selectedAfter) : CellSelection::of(QRect(0, 0, 1, 1)));
    if (!placed)
        return;
    QCOMPARE(undoText(), QStringLiteral("Undo Paste"));
    key(QKeySequence("Ctrl+Z"));
    QCOMPARE(cells(), QByteArray("00,01,02,3A/03,04,05,3B"));
    QCOMPARE(document().selection(), CellSelection::of(QRect(0, 0, 1, 1)));
}

void TestEditCommands::stampFollowsPointerAndCursor()
{
    start(smallTrack);
    document().setSelection(CellSelection::of(QRect(0, 0, 2, 1)));
    key(QKeySequence("Ctrl+C"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("00,01\r\n"));
    canvas()->setCursorCell(TrackGrid::index(1, 0));
    // With a piece to paint: the clicks below must not paint it.
    PictureButton *piece = m_window->palette()->pieceButton("3A");
    m_window->palette()->setCurrentWidget(piece->parentWidget());
    QTest::mouseClick(piece, Qt::LeftButton);
    QCOMPARE(m_window->currentCode(), QByteArray("3A"));
    // The pointer has not been over the track: the keyboard's cursor counts.
    key(QKeySequence("Ctrl+V"));
    FloatingStamp &stamp = edits().stamp();
    QCOMPARE(stamp.position(), QPoint(1, 0));
    for (const QPoint cell : {QPoint(3, 1), QPoint(0, 1), QPoint(2, 0)}) {
        mouse(QTest::MouseMove, cell);
        QCOMPARE(stamp.position(), cell);
    }
    key(QKeySequence(Qt::Key_Down));
    QCOMPARE(stamp.position(), QPoint(1, 1));  // the cursor was left at (1, 0)
    key(QKeySequence(Qt::Key_Right));
    QCOMPARE(stamp.position(), QPoint(2, 1));
    // A paint tool's click does not reach the track: it placed the stamp.
    mouse(QTest::MouseClick, {3, 0});
    QCOMPARE(cells(), QByteArray("00,01,02,00/03,04,05,3B"));
    QCOMPARE(document().history().count(), 1);
    // Afterwards clicks are the tools' again.
    QVERIFY(!stamp.isFloating());
    QCOMPARE(document().selection(), CellSelection::of(QRect(3, 0, 1, 1)));
    mouse(QTest::MouseClick, {0, 1});
    QCOMPARE(cells(), QByteArray("00,01,02,00/3A,04,05,3B"));
}

void TestEditCommands::stampRepaintsOnlyItsCells()
{
    start(QByteArray("07,").repeated(29).append("07\r\n").repeated(30));
    document().setSelection(CellSelection::of(QRect(0, 0, 2, 2)));
    key(QKeySequence("Ctrl+C"));
    mouse(QTest::MouseMove, {4, 4});
    key(QKeySequence("Ctrl+V"));
    QTest::qWait(50);
    PaintRecorder recorder;
    canvas()->installEventFilter(&recorder);
    mouse(QTest::MouseMove, {6, 4});
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QTest::qWait(20);
    // The 2 x 2 cells it left and the 2 x 2 it came to, with the outline's pen.
    auto covered = [this](QPoint at) {
        const QRect first = canvas()->cellRect(TrackGrid::index(at.x(), at.y()));
        const QRect last = canvas()->cellRect(TrackGrid::index(at.x() + 1, at.y() + 1));
        return QRegion(first.united(last).adjusted(-2, -2, 2, 2));
    };
    const QRegion allowed = covered({4, 4}) + covered({6, 4});
    QCOMPARE(recorder.painted.subtracted(allowed), QRegion());
    canvas()->removeEventFilter(&recorder);
}

void TestEditCommands::turning_data()
{
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<Rects>("selection");
    QTest::addColumn<bool>("floating");  // the selection is copied and pasted at (0, 0) first
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("status");
    QTest::addColumn<Cells>("marked");
    const QByteArray hairpin = "04,01\r\n04,03\r\n";
    QTest::newRow("track clockwise") << hairpin << Rects{} << false << QKeySequence("Z")
                                     << QByteArray("05,05/02,03") << "" << Cells{};
    QTest::newRow("track anticlockwise") << hairpin << Rects{} << false << QKeySequence("Shift+Z")
                                         << QByteArray("00,01/05,05") << "" << Cells{};
    QTest::newRow("track left to right") << hairpin << Rects{} << false << QKeySequence("X")
                                         << QByteArray("00,04/02,04") << "" << Cells{};
    QTest::newRow("a quarter turn swaps the sides") << QByteArray("04,06,04\r\n") << Rects{} << false
                                                    << QKeySequence("Z") << QByteArray("05/08/05") << "" << Cells{};
    QTest::newRow("one without a counterpart") << QByteArray("05\r\n08\r\n05\r\n") << Rects{} << false
                                               << QKeySequence("Z") << QByteArray("04,08,04")
                                               << "1 piece has no turned counterpart: 08" << Cells{{1, 0}};
    QTest::newRow("several, each code once") << QByteArray("44,07\r\n76,44\r\n") << Rects{} << false
                                             << QKeySequence("Y") << QByteArray("76,44/44,07")
                                             << "3 pieces have no mirrored counterpart: 76, 44"
                                             << Cells{{0, 0}, {1, 0}, {0, 1}};
    const QByteArray wider = "04,01,00\r\n04,03,3A\r\n";
    QTest::newRow("selection clockwise") << wider << Rects{{0, 0, 2, 2}} << false << QKeySequence("Z")
                                         << QByteArray("05,05,00/02,03,3A") << "" << Cells{};
    QTest::newRow("selection left to right") << wider << Rects{{0, 0, 2, 2}} << false << QKeySequence("X")
                                             << QByteArray("00,04,00/02,04,3A") << "" << Cells{};
    QTest::newRow("selection, a start line") << QByteArray("05,07,07\r\n08,07,07\r\n05,07,07\r\n") << Rects{{0, 0, 1, 3}}
                                             << false << QKeySequence("Z") << QByteArray("04,08,04/07,07,07/07,07,07")
                                             << "1 piece has no turned counterpart: 08" << Cells{{1, 0}};
    // A stamp turns as it floats; the track waits for it to be placed.
    QTest::newRow("stamp clockwise") << QByteArray("04,01,07\r\n04,03,07\r\n") << Rects{{0, 0, 2, 2}} << true
                                     << QKeySequence("Z") << QByteArray("05,05,07/02,03,07") << "" << Cells{};
    QTest::newRow("stamp, unmatched") << QByteArray("44,07\r\n07,07\r\n") << Rects{{0, 0, 1, 1}} << true
                                      << QKeySequence("Y") << QByteArray("44,07/07,07")
                                      << "1 piece has no mirrored counterpart: 44" << Cells{{0, 0}};
}

void TestEditCommands::turning()
{
    QFETCH(QByteArray, track);
    QFETCH(Rects, selection);
    QFETCH(bool, floating);
    QFETCH(QKeySequence, keys);
    QFETCH(QByteArray, after);
    QFETCH(QString, status);
    QFETCH(Cells, marked);
    start(track);
    document().setSelection(selectionOf(selection));
    FloatingStamp &stamp = edits().stamp();
    if (floating) {
        key(QKeySequence("Ctrl+C"));
        canvas()->setCursorCell(0);
        key(QKeySequence("Ctrl+V"));
        QVERIFY(stamp.isFloating());
    }
    const TrackGrid before = document().grid();
    const CellSelection selected = document().selection();
    key(keys);
    QCOMPARE(m_window->statusText(), status);
    if (floating) {
        QCOMPARE(document().history().count(), 0);  // the track is as it was
        QCOMPARE(stamp.marked(), marked);
        const QByteArray unturned = cells();
        key(QKeySequence(Qt::Key_Return));
        QCOMPARE(cells(), after);
        // A stamp put down on the same pieces is no step.
        QCOMPARE(undoText(), after == unturned ? QStringLiteral("Undo") : QStringLiteral("Undo Paste"));
        return;
    }
    QCOMPARE(cells(), after);
    QVector<int> markedIndices;
    for (const QPoint &cell : marked)
        markedIndices << TrackGrid::index(cell.x(), cell.y());
    std::sort(markedIndices.begin(), markedIndices.end());
    QVector<int> shown = edits().turns().marked();
    std::sort(shown.begin(), shown.end());
    QCOMPARE(shown, markedIndices);
    const QHash<QString, QString> steps{{"Z", "Rotate clockwise"}, {"Shift+Z", "Rotate anticlockwise"},
                                        {"X", "Mirror left to right"}, {"Y", "Mirror top to bottom"}};
    QCOMPARE(undoText(), QStringLiteral("Undo ") + steps.value(keys.toString()));
    QCOMPARE(document().history().count(), 1);
    QVERIFY(document().isModified());
    // Undo gives back cells, size and selection, and the marks go with the change.
    key(QKeySequence("Ctrl+Z"));
    QVERIFY(document().grid() == before);
    QCOMPARE(document().selection(), selected);
    QVERIFY(edits().turns().marked().isEmpty());
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
