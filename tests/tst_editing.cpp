// SPDX-License-Identifier: GPL-3.0-or-later
// Editing in the real window. Mouse events go to the window as a display
// sends them, so the pressed cell's grab is in play; menus are answered
// through their real items.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"

#include "pieces/catalogue.h"
#include "ui/commands/editcommands.h"
#include "ui/commands/filecommands.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Cells = QVector<QPoint>;
const QByteArray smallTrack("00,01,02,3A\r\n03,04,05,3B\r\n");

// A started window with its dialogs answered: the size dialog by sizeUser,
// then OK; the save question by saveAnswer.
struct Editor
{
    std::unique_ptr<TMainForm> window;
    ScriptedFileDialogs *files = nullptr;
    ModalWatcher watcher;
    int saveAnswer = TSaveForm::No;
    std::function<void(QDialog *)> sizeUser;

    TrackDocument &document() { return window->document(); }
    QUndoStack &history() { return window->editCommands()->history(); }
    QString code(QPoint cell) { return QString::fromLatin1(document().cell(cell.x(), cell.y()).code); }
    QAction *action(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
    void press(PictureButton *button)
    {
        window->palette()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void mouse(QTest::MouseAction action, QPoint cell, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers keys = {})
    {
        const TrackCanvas *canvas = window->canvas();
        const int index = TrackGrid::index(cell.x(), cell.y());
        const QRect rect = canvas->cellRect(index);
        if (canvas->isCellShown(index))
            window->trackView()->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2, rect.height() / 2);
        const QPoint at = canvas->mapTo(window.get(), rect.center());
        QTest::mouseEvent(action, window->windowHandle(), button, keys, at);
    }
    void stroke(const Cells &path)
    {
        mouse(QTest::MousePress, path.first());
        for (const QPoint &cell : path.mid(1))
            mouse(QTest::MouseMove, cell);
        mouse(QTest::MouseRelease, path.last());
    }
    // Right-clicks a cell and chooses the item so named, if enabled, by
    // Return (else closes the menu); returns the names of disabled items.
    QStringList cellMenu(QPoint cell, const QString &item)
    {
        QStringList disabled;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                if (!action->isEnabled())
                    disabled << action->objectName();
            QAction *chosen = item.isEmpty() ? nullptr : menu->findChild<QAction *>(item);
            if (!chosen || !chosen->isEnabled())
                return menu->close(), void();
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        mouse(QTest::MouseClick, cell, Qt::RightButton);
        return disabled;
    }
};

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void menusAsBuilt();
    void strokes_data();
    void strokes();
    void history_data();
    void history();
    void pick_data();
    void pick();
    void insertDelete_data();
    void insertDelete();
    void menuLimits_data();
    void menuLimits();

private:
    void start(Editor &editor, const QByteArray &track = smallTrack);
    void perform(Editor &editor, const QString &step);

    QTemporaryDir m_dir;
};

void TestEditing::initTestCase()
{
    QVERIFY(BmpBuilder::writeTileFolder(m_dir.filePath("tiles"), Catalogue::codes() << "QQ"));
}

// Opens the track in a started window: the history starts at a saved state.
void TestEditing::start(Editor &editor, const QByteArray &track)
{
    editor.window = makeEditor(m_dir.filePath("tiles"), &editor.files);
    editor.watcher.onDialog([&editor](QDialog *dialog) {
        const char *saveButtons[] = {"", "Button1", "Button2", "Button3"};
        const bool question = qobject_cast<TSaveForm *>(dialog);
        if (!question && editor.sizeUser)
            editor.sizeUser(dialog);
        const char *button = question ? saveButtons[editor.saveAnswer] : "BitBtn1";
        dialog->findChild<QPushButton *>(QLatin1String(button))->click();
    });
    QVERIFY(startEditor(*editor.window));
    const QString path = m_dir.filePath(QStringLiteral("track.kwf"));
    QVERIFY(BmpBuilder::writeFile(path, track));
    editor.files->openAnswers = {path};
    editor.action("Load1")->trigger();
    QCOMPARE(editor.document().fileName(), path);
}

void TestEditing::perform(Editor &editor, const QString &step)
{
    if (step == "place") {
        editor.press(editor.window->palette()->pieceButton("3A"));
        editor.mouse(QTest::MouseClick, {1, 1});
    } else if (step == "dclick") {  // the second press comes as a double click
        editor.press(editor.window->palette()->pieceButton("3A"));
        editor.mouse(QTest::MouseDClick, {1, 1});
    } else if (step == "stroke") {
        editor.press(editor.window->palette()->pieceButton("05"));
        editor.stroke({{0, 0}, {2, 0}});
    } else if (step == "grow" || step == "shrink") {
        editor.press(editor.window->palette()->findChild<PictureButton *>(step == "grow" ? "b80" : "b81"));
    } else if (step == "size") {
        editor.sizeUser = [](QDialog *dialog) {
            for (int w = 4; w <= 9; ++w)  // a drag: one position after another
                dialog->findChild<QSlider *>("widthbar")->setValue(w);
            dialog->findChild<QSlider *>("heightbar")->setValue(5);
        };
        editor.action("Modifygridsize1")->trigger();
    } else if (step == "insert" || step == "delete") {
        editor.cellMenu({0, 0}, step == "insert" ? "InsertColumnLeft1" : "DeleteRow1");
    } else if (step == "open" || step == "badopen") {
        editor.files->openAnswers = {step == "open" ? editor.document().fileName() : m_dir.filePath("none.kwf")};
        editor.action("Load1")->trigger();
    } else {
        const QHash<QString, const char *> actions{
            {"save", "Save1"}, {"new", "New1"}, {"undo", "Undo1"}, {"redo", "Redo1"}};
        editor.action(actions.value(step))->trigger();
    }
}

void TestEditing::menusAsBuilt()
{
    Editor editor;
    start(editor);
    QStringList texts;
    for (QAction *action : editor.window->editMenu()->actions())
        texts << action->text() + QLatin1Char('=') + QKeySequence::listToString(action->shortcuts());
    // Separators show as "=".
    QCOMPARE(texts, (QStringList{"Undo=Ctrl+Z", "Redo=Ctrl+Y; Ctrl+Shift+Z", "=", "Cut=Ctrl+X", "Copy=Ctrl+C",
                                 "Paste=Ctrl+V", "Delete=Del", "=", "Select all=Ctrl+A", "Select none=Esc", "=",
                                 "Rotate clockwise=Z", "Rotate anticlockwise=Shift+Z", "Mirror left to right=X",
                                 "Mirror top to bottom=Y"}));
    texts.clear();
    QTimer::singleShot(0, [&] {
        for (QAction *action : QApplication::activePopupWidget()->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QApplication::activePopupWidget()->close();
    });
    editor.mouse(QTest::MouseClick, {1, 1}, Qt::RightButton);
    QCOMPARE(texts, (QStringList{"Pick this piece", "-", "Insert column left", "Insert column right",
                                 "Delete column", "-", "Insert row above", "Insert row below", "Delete row"}));
    perform(editor, "place");
    perform(editor, "undo");
    QCOMPARE(editor.action("Undo1")->isEnabled(), false);
    QCOMPARE(editor.action("Redo1")->text(), QStringLiteral("Redo Place piece"));
}

void TestEditing::strokes_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<Cells>("path");  // pressed at the first, released at the last
    QTest::addColumn<Cells>("painted");
    QTest::newRow("click") << QByteArray("3A") << Cells{{2, 1}} << Cells{{2, 1}};
    QTest::newRow("click, the piece already there") << QByteArray("01") << Cells{{1, 0}} << Cells{{1, 0}};
    QTest::newRow("one jump along a row") << QByteArray("3A") << Cells{{0, 1}, {3, 1}}
                                          << Cells{{0, 1}, {1, 1}, {2, 1}, {3, 1}};
    QTest::newRow("diagonal through a corner") << QByteArray("05") << Cells{{0, 0}, {1, 1}}
                                               << Cells{{0, 0}, {1, 1}};
    QTest::newRow("off the block and back") << QByteArray("05") << Cells{{3, 1}, {3, 5}, {0, 5}, {0, 1}}
                                            << Cells{{3, 1}, {0, 1}};
    QTest::newRow("no piece chosen") << QByteArray() << Cells{{0, 0}, {2, 0}} << Cells{};
}

void TestEditing::strokes()
{
    QFETCH(QByteArray, piece);
    QFETCH(Cells, path);
    QFETCH(Cells, painted);
    Editor editor;
    start(editor);
    const TrackGrid before = editor.document().grid();
    if (!piece.isEmpty())
        editor.press(editor.window->palette()->pieceButton(piece));
    editor.stroke(path);
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const QPoint cell(TrackGrid::columnOf(i), TrackGrid::rowOf(i));
        QCOMPARE(editor.document().cell(i).code, painted.contains(cell) ? piece : before.cell(i).code);
    }
    QCOMPARE(editor.document().isModified(), !painted.isEmpty());
    QCOMPARE(editor.history().count(), painted.isEmpty() ? 0 : 1);
}

void TestEditing::history_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("undo");
    QTest::newRow("click") << "shrink place" << true << "Undo Place piece";
    QTest::newRow("stroke") << "shrink stroke" << true << "Undo Paint stroke";
    QTest::newRow("grid button") << "shrink grow" << false << "Undo Resize grid";
    QTest::newRow("size dialog") << "shrink size" << false << "Undo Resize grid";
    QTest::newRow("insert") << "shrink insert" << true << "Undo Insert column";
    QTest::newRow("delete") << "shrink delete" << true << "Undo Delete row";
    QTest::newRow("double click, two clicks") << "dclick undo" << true << "Undo Place piece";
    QTest::newRow("slider drag, one step") << "place size undo" << true << "Undo Place piece";
    QTest::newRow("saved, resized, resize undone") << "place save grow undo" << false << "Undo Place piece";
    QTest::newRow("back to the opened track") << "place grow undo undo" << false << "Undo";
    QTest::newRow("undone past the save") << "place save undo" << true << "Undo";
    QTest::newRow("and redone to it") << "place save undo redo" << false << "Undo Place piece";
    QTest::newRow("saved resize undone") << "grow save undo" << false << "Undo";
    QTest::newRow("saved state cut off") << "place save undo shrink undo" << true << "Undo";
    QTest::newRow("Open starts afresh") << "place open" << false << "Undo";
    QTest::newRow("New starts afresh") << "place new stroke" << true << "Undo Paint stroke";
    QTest::newRow("failed Open keeps it") << "place badopen undo" << false << "Undo";
}

// Undoing every step gives back the grid the history started from, hidden
// cells and size too, and redoing them all the grid and the flag of the
// end. Then Exit asks the save question (cancelled) exactly when modified.
void TestEditing::history()
{
    QFETCH(QString, steps);
    QFETCH(bool, modified);
    QFETCH(QString, undo);
    Editor editor;
    start(editor);
    TrackGrid first = editor.document().grid();
    connect(editor.window->fileCommands(), &FileCommands::trackReplaced,
            [&] { first = editor.document().grid(); });
    for (const QString &step : steps.split(QLatin1Char(' ')))
        perform(editor, step);
    QCOMPARE(editor.document().isModified(), modified);
    QCOMPARE(editor.action("Undo1")->text(), undo);
    QCOMPARE(editor.action("Undo1")->isEnabled(), undo != "Undo");
    const TrackGrid last = editor.document().grid();
    const int done = editor.history().index();
    for (int i = 0; i < done; ++i)
        perform(editor, "undo");
    QVERIFY(editor.document().grid() == first);
    for (int i = 0; i < done; ++i)
        perform(editor, "redo");
    QVERIFY(editor.document().grid() == last);
    QCOMPARE(editor.document().isModified(), modified);
    editor.watcher.clear();
    editor.saveAnswer = TSaveForm::Cancel;
    editor.action("Exit1")->trigger();
    QCOMPARE(editor.watcher.dialogs(), modified ? QStringList{"TSaveForm"} : QStringList());
    QCOMPARE(editor.window->isVisible(), modified);
}

void TestEditing::pick_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QByteArray>("code");
    QTest::newRow("menu, catalogue piece") << QPoint(3, 0) << false << QByteArray("3A");
    QTest::newRow("Alt+click, catalogue piece") << QPoint(1, 1) << true << QByteArray("04");
    QTest::newRow("menu, tile from outside") << QPoint(2, 0) << false << QByteArray("QQ");
    QTest::newRow("Alt+click, tile from outside") << QPoint(2, 0) << true << QByteArray("QQ");
}

void TestEditing::pick()
{
    QFETCH(QPoint, cell);
    QFETCH(bool, alt);
    QFETCH(QByteArray, code);
    Editor editor;
    start(editor, "00,01,QQ,3A\r\n03,04,05,3B\r\n");
    Palette *palette = editor.window->palette();
    editor.press(palette->pieceButton("10"));  // its page shows, the button down
    if (alt)
        editor.mouse(QTest::MouseClick, cell, Qt::LeftButton, Qt::AltModifier);
    else
        editor.cellMenu(cell, "PickPiece1");
    QCOMPARE(editor.window->currentCode(), code);
    QCOMPARE(editor.window->currentPiece()->picture(), editor.window->tiles().picture(code));
    PictureButton *button = palette->pieceButton(code);
    QCOMPARE(palette->currentWidget(), (button ? button : palette->pieceButton("10"))->parentWidget());
    for (PictureButton *down : palette->currentWidget()->findChildren<PictureButton *>())
        QCOMPARE(down->isChecked(), down == button);
    QVERIFY(!editor.document().isModified());
    editor.mouse(QTest::MouseClick, {0, 1});
    QCOMPARE(editor.code({0, 1}), QString::fromLatin1(code));
}

void TestEditing::insertDelete_data()
{
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");  // "WxH" then "column,row=code"
    // Both tracks are shrunk by one column first: the last column is hidden.
    const QByteArray wide = QByteArray("00,").repeated(29) + "3A\r\n";
    QTest::newRow("column left of the first") << smallTrack << QPoint(0, 0) << "InsertColumnLeft1"
                                              << "4x2 0,0=07 0,1=07 1,0=00 3,1=05 4,0=3A 4,1=3B";
    QTest::newRow("column right of the last") << smallTrack << QPoint(2, 1) << "InsertColumnRight1"
                                              << "4x2 2,0=02 3,0=07 3,29=07 4,1=3B";
    QTest::newRow("first column deleted") << smallTrack << QPoint(0, 1) << "DeleteColumn1"
                                          << "2x2 0,0=01 1,1=05 2,0=3A 29,0=07";
    QTest::newRow("last column deleted") << smallTrack << QPoint(2, 0) << "DeleteColumn1"
                                         << "2x2 1,0=01 2,0=3A 2,1=3B 3,0=07";
    QTest::newRow("row above the first") << smallTrack << QPoint(1, 0) << "InsertRowAbove1"
                                         << "3x3 1,0=07 1,1=01 3,0=07 3,1=3A 3,2=3B";
    QTest::newRow("row below the last") << smallTrack << QPoint(1, 1) << "InsertRowBelow1"
                                        << "3x3 1,1=04 1,2=07 3,1=3B 3,2=07";
    QTest::newRow("first row deleted") << smallTrack << QPoint(2, 0) << "DeleteRow1" << "3x1 0,0=03 3,0=3B 3,1=07";
    QTest::newRow("last row deleted") << smallTrack << QPoint(0, 1) << "DeleteRow1" << "3x1 0,0=00 3,0=3A 3,1=07";
    QTest::newRow("to 30 columns, the hidden 30th lost") << wide << QPoint(0, 0) << "InsertColumnLeft1"
                                                         << "30x1 0,0=07 1,0=00 29,0=00";
}

void TestEditing::insertDelete()
{
    QFETCH(QByteArray, track);
    QFETCH(QPoint, cell);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    Editor editor;
    start(editor, track);
    perform(editor, "shrink");
    editor.cellMenu(cell, item);
    QStringList places = expected.split(QLatin1Char(' '));
    const QStringList size = places.takeFirst().split(QLatin1Char('x'));
    QCOMPARE(editor.document().width(), size[0].toInt());
    QCOMPARE(editor.document().height(), size[1].toInt());
    for (const QString &place : places) {
        const QStringList part = place.split(QRegularExpression("[,=]"));
        QCOMPARE(editor.code({part[0].toInt(), part[1].toInt()}), part[2]);
    }
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        QCOMPARE(editor.window->canvas()->isCellShown(i), editor.document().grid().inBlock(i));
    QVERIFY(editor.document().isModified());
}

void TestEditing::menuLimits_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("30 wide") << QSize(30, 2) << QStringList{"InsertColumnLeft1", "InsertColumnRight1"};
    QTest::newRow("30 high") << QSize(2, 30) << QStringList{"InsertRowAbove1", "InsertRowBelow1"};
    QTest::newRow("1 x 1") << QSize(1, 1) << QStringList{"DeleteColumn1", "DeleteRow1"};
}

// Tried at the last cell: the disabled items, and the grid stays as it was.
void TestEditing::menuLimits()
{
    QFETCH(QSize, size);
    QFETCH(QStringList, disabled);
    Editor editor;
    start(editor, (QByteArray("01,").repeated(size.width() - 1) + "02\r\n").repeated(size.height()));
    const QPoint last(size.width() - 1, size.height() - 1);
    QCOMPARE(editor.cellMenu(last, disabled.value(0)), disabled);
    QCOMPARE(editor.cellMenu(last, disabled.value(1)), disabled);
    QCOMPARE(QSize(editor.document().width(), editor.document().height()), size);
    QCOMPARE(editor.history().count(), 0);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
