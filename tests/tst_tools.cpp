// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu in the real window: each tool by its key and its item,
// driven by mouse events sent to the window as a display sends them.
#include "bmpbuilder.h"
#include "cellclick.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "trackchanges.h"

#include "pieces/catalogue.h"
#include "pieces/connectioncheck.h"
#include "ui/commands/editcommands.h"
#include "ui/commands/turncommands.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/tools/floatingstamp.h"
#include "ui/tools/routetool.h"
#include "ui/tools/toolbox.h"
#include "ui/track/canvasinput.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

using Cells = QVector<QPoint>;

// A width x height block of the default piece, with "column,row=code" changes.
QByteArray track(int width, int height, const QString &changes = QString())
{
    QList<QByteArrayList> rows;
    for (int r = 0; r < height; ++r)
        rows.append(QByteArrayList(width, "07"));
    return trackWithChanges(rows, changes);
}

} // namespace

class TestTools : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;
    int m_opened = 0;

    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    TrackDocument &document() const { return m_window->document(); }
    QUndoStack &history() const { return m_window->editCommands()->history(); }
    TrackCanvas *canvas() const { return m_window->canvas(); }
    QByteArray code(QPoint cell) const { return document().cell(cell.x(), cell.y()).code; }
    int index(QPoint cell) const { return TrackGrid::index(cell.x(), cell.y()); }

    void open(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("track%1.kwf").arg(++m_opened));
        QVERIFY(BmpBuilder::writeFile(path, text));
        m_files->openAnswers = {path};
        document().setModified(false);  // no question before the next open
        action("Load1")->trigger();
        QCOMPARE(document().fileName(), path);
        document().setSelection(CellSelection());
    }
    void choosePiece(const QByteArray &piece)
    {
        PictureButton *button = m_window->palette()->pieceButton(piece);
        m_window->palette()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_window->currentCode(), piece);
    }
    void key(int key, Qt::KeyboardModifiers keys = {})
    {
        // A popup menu that closed may have left the window inactive.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        canvas()->setFocus();
        QTRY_VERIFY(canvas()->hasFocus());
        QTest::keyClick(m_window->windowHandle(), Qt::Key(key), keys);
    }
    // Pressed on the first cell, moved through the others (the mouse walks
    // every cell between two), released on the last.
    void drag(const Cells &path, Qt::KeyboardModifiers keys = {}, bool release = true)
    {
        cellMouse(*m_window, QTest::MousePress, index(path.first()), Qt::LeftButton, keys);
        for (const QPoint &cell : path.mid(1))
            cellMouse(*m_window, QTest::MouseMove, index(cell), Qt::LeftButton, keys);
        if (release)
            cellMouse(*m_window, QTest::MouseRelease, index(path.last()), Qt::LeftButton, keys);
    }
    int openEnds() const
    {
        const TrackGrid &grid = document().grid();
        return int(ConnectionCheck::openEnds(grid.width(), grid.height(), [&grid](int c, int r) {
                       return grid.cell(c, r).code;
                   }).size());
    }
    int roadCells() const
    {
        int count = 0;
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            count += document().grid().inBlock(i) && document().cell(i).code != Catalogue::defaultCode();
        return count;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BmpBuilder::writeTileFolder(m_dir.filePath("tiles"), Catalogue::codes()));
        m_window = makeEditor(m_dir.filePath("tiles"), &m_files);
        QVERIFY(startEditor(*m_window));
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void init()
    {
        m_window->toolBox()->activate(ToolBox::Paint);
    }

    void menuAsBuilt()
    {
        QStringList titles;
        for (QAction *menu : m_window->menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles.indexOf("Tools"), titles.indexOf("Track") + 1);
        QStringList items;
        for (QAction *item : m_window->toolsMenu()->actions())
            items << item->text() + '=' + item->shortcut().toString() + (item->isChecked() ? "*" : "");
        QCOMPARE(items, (QStringList{"Paint=B*", "Select=R", "Fill=F", "Route=T"}));
        // The tool bar holds the same items, and clicking one leaves the
        // keyboard with the track.
        auto *bar = m_window->findChild<QToolBar *>("ToolBar1");
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->actions(), m_window->toolsMenu()->actions());
        QTest::mouseClick(bar->widgetForAction(action("FillTool1")), Qt::LeftButton);
        QCOMPARE(m_window->toolBox()->activeId(), ToolBox::Fill);
        QVERIFY(canvas()->hasFocus());
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("tool");
        QTest::newRow("R") << int(Qt::Key_R) << int(ToolBox::Select);
        QTest::newRow("F") << int(Qt::Key_F) << int(ToolBox::Fill);
        QTest::newRow("T") << int(Qt::Key_T) << int(ToolBox::Route);
        QTest::newRow("B") << int(Qt::Key_B) << int(ToolBox::Paint);
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, tool);
        m_window->toolBox()->activate(key == Qt::Key_B ? ToolBox::Route : ToolBox::Paint);
        this->key(key);
        QCOMPARE(int(m_window->toolBox()->activeId()), tool);
        const QVector<QAction *> actions = m_window->toolBox()->actions();
        for (int i = 0; i < actions.size(); ++i)
            QCOMPARE(actions[i]->isChecked(), i == tool);
    }

    void select_data()
    {
        QTest::addColumn<Cells>("first");   // a plain drag
        QTest::addColumn<Cells>("second");  // then a drag with Shift, if any
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("count");
        QTest::newRow("one cell") << Cells{{2, 2}} << Cells{} << QRect(2, 2, 1, 1) << 1;
        QTest::newRow("down right") << Cells{{1, 1}, {3, 2}} << Cells{} << QRect(1, 1, 3, 2) << 6;
        QTest::newRow("up left") << Cells{{3, 2}, {0, 0}} << Cells{} << QRect(0, 0, 4, 3) << 12;
        QTest::newRow("off the block") << Cells{{4, 3}, {5, 5}, {7, 5}} << Cells{} << QRect(4, 3, 2, 2) << 4;
        QTest::newRow("shift adds") << Cells{{0, 0}, {1, 1}} << Cells{{3, 3}, {4, 4}} << QRect(0, 0, 5, 5) << 8;
        QTest::newRow("plain drag replaces") << Cells{{0, 0}, {1, 1}} << Cells{} << QRect(0, 0, 2, 2) << 4;
    }

    void select()
    {
        QFETCH(Cells, first);
        QFETCH(Cells, second);
        QFETCH(QRect, bounds);
        QFETCH(int, count);
        open(track(6, 5, "1,1=04 2,1=05"));
        key(Qt::Key_R);
        drag(first);
        if (!second.isEmpty())
            drag(second, Qt::ShiftModifier);
        QCOMPARE(document().selection().bounds(), bounds);
        QCOMPARE(document().selection().count(), count);
        QCOMPARE(history().count(), 0);
        QVERIFY(!document().isModified());
        // The outline is drawn over the cells; the cells are what they were.
        const QImage outlined = canvas()->grab().toImage();
        QCOMPARE(code({1, 1}), QByteArray("04"));
        QCOMPARE(code({2, 1}), QByteArray("05"));
        key(Qt::Key_Escape);
        QVERIFY(document().selection().isEmpty());
        QVERIFY(canvas()->grab().toImage() != outlined);
    }

    void escapeDuringSelect()
    {
        open(track(6, 5));
        key(Qt::Key_R);
        drag({{0, 0}, {1, 1}});
        drag({{3, 3}, {4, 4}}, Qt::ShiftModifier, false);
        QCOMPARE(document().selection().count(), 8);
        key(Qt::Key_Escape);
        QCOMPARE(document().selection().count(), 4);
        cellMouse(*m_window, QTest::MouseRelease, index({4, 4}));
        QCOMPARE(document().selection().count(), 4);
    }

    void fill_data()
    {
        QTest::addColumn<QByteArray>("track");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("changed");
        // Grass everywhere but a wall of trees down column 2.
        const QString wall = "2,0=73 2,1=73 2,2=73 2,3=73";
        QTest::newRow("whole block") << track(5, 4) << QPoint(4, 3) << QByteArray("09") << 20;
        QTest::newRow("left of the wall") << track(5, 4, wall) << QPoint(0, 0) << QByteArray("09") << 8;
        QTest::newRow("the wall itself") << track(5, 4, wall) << QPoint(2, 2) << QByteArray("09") << 4;
        QTest::newRow("through a gap") << track(5, 4, "2,0=73 2,1=73 2,3=73") << QPoint(4, 0) << QByteArray("09") << 17;
        QTest::newRow("corners do not join") << track(3, 3, "1,0=73 0,1=73 2,1=73 1,2=73") << QPoint(0, 0)
                                             << QByteArray("09") << 1;
        QTest::newRow("same piece: no step") << track(5, 4) << QPoint(1, 1) << QByteArray("07") << 0;
    }

    void fill()
    {
        QFETCH(QByteArray, track);
        QFETCH(QPoint, cell);
        QFETCH(QByteArray, piece);
        QFETCH(int, changed);
        open(track);
        const TrackGrid before = document().grid();
        choosePiece(piece);
        key(Qt::Key_F);
        cellMouse(*m_window, QTest::MouseClick, index(cell));
        int count = 0;
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            count += document().cell(i).code != before.cell(i).code;
        QCOMPARE(count, changed);
        QCOMPARE(code(cell), changed ? piece : before.cell(index(cell)).code);
        QCOMPARE(history().count(), changed ? 1 : 0);
        QCOMPARE(document().isModified(), changed > 0);
        if (changed) {
            QCOMPARE(history().undoText(), QStringLiteral("Fill"));
            action("Undo1")->trigger();
            QVERIFY(document().grid() == before);
        }
    }

    void route_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<Cells>("corners");  // the pointer's way, corner to corner
        QTest::addColumn<int>("cells");      // road cells laid
        QTest::newRow("rectangle") << QByteArray("04") << Cells{{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}} << 14;
        QTest::newRow("rectangle, other way round") << QByteArray("04") << Cells{{1, 1}, {1, 4}, {5, 4}, {5, 1}, {1, 1}}
                                                    << 14;
        QTest::newRow("figure of eight") << QByteArray("04")
                                         << Cells{{3, 1}, {3, 5}, {5, 5}, {5, 3}, {1, 3}, {1, 1}, {3, 1}} << 15;
        QTest::newRow("diagonal moves") << QByteArray("04") << Cells{{1, 1}, {2, 1}, {3, 2}, {3, 3}, {2, 3},
                                                                     {1, 3}, {1, 2}, {1, 1}}
                                        << 8;
        QTest::newRow("foam") << QByteArray("A4") << Cells{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}} << 8;
        QTest::newRow("carpet") << QByteArray("B4") << Cells{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}} << 8;
        QTest::newRow("no road piece chosen") << QByteArray("73") << Cells{{1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}}
                                              << 4;
    }

    void route()
    {
        QFETCH(QByteArray, piece);
        QFETCH(Cells, corners);
        QFETCH(int, cells);
        open(track(7, 7));
        choosePiece(piece);
        key(Qt::Key_T);
        drag(corners, {}, false);
        // Nothing is laid before the release; the preview shows.
        QCOMPARE(roadCells(), 0);
        auto *tool = static_cast<RouteTool *>(m_window->toolBox()->tool(ToolBox::Route));
        QVERIFY(tool->solver() && tool->solver()->isClosed());
        cellMouse(*m_window, QTest::MouseRelease, index(corners.last()));
        QCOMPARE(roadCells(), cells);
        QCOMPARE(openEnds(), 0);
        QCOMPARE(history().count(), 1);
        QCOMPARE(history().undoText(), QStringLiteral("Draw route"));
        QVERIFY(document().isModified());
        action("Undo1")->trigger();
        QCOMPARE(roadCells(), 0);
    }

    void routePreview()
    {
        open(track(7, 7));
        choosePiece("04");
        key(Qt::Key_T);
        // A cell neither pressed nor under the pointer at the end.
        const QRect cell = canvas()->cellRect(index({2, 1}));
        const QImage before = canvas()->grab(cell).toImage();
        drag({{1, 1}, {4, 1}}, {}, false);
        QVERIFY(canvas()->grab(cell).toImage() != before);
        // Esc drops the route; the release then lays nothing.
        key(Qt::Key_Escape);
        QCOMPARE(canvas()->grab(cell).toImage(), before);
        cellMouse(*m_window, QTest::MouseRelease, index({4, 1}));
        QCOMPARE(roadCells(), 0);
        QCOMPARE(history().count(), 0);
        // An open route lays its pieces too: a straight run.
        drag({{1, 1}, {4, 1}});
        QCOMPARE(roadCells(), 4);
        QCOMPARE(code({2, 1}), QByteArray("04"));
    }

    // An undo during the drag ends the route: laying it would bring back
    // what the undo took away.
    void undoDuringRoute()
    {
        open(track(7, 7));
        choosePiece("04");
        cellMouse(*m_window, QTest::MouseClick, index({5, 5}));
        QCOMPARE(history().count(), 1);
        key(Qt::Key_T);
        drag({{1, 1}, {4, 1}}, {}, false);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(code({5, 5}), QByteArray("07"));
        cellMouse(*m_window, QTest::MouseRelease, index({4, 1}));
        QCOMPARE(roadCells(), 0);
        QCOMPARE(history().index(), 0);
    }

    void pickAndMenuStayWithEveryTool_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("Select") << int(ToolBox::Select);
        QTest::newRow("Fill") << int(ToolBox::Fill);
        QTest::newRow("Route") << int(ToolBox::Route);
    }

    void pickAndMenuStayWithEveryTool()
    {
        QFETCH(int, tool);
        open(track(4, 4, "2,2=73"));
        choosePiece("04");
        m_window->toolBox()->activate(ToolBox::Id(tool));
        cellMouse(*m_window, QTest::MouseClick, index({2, 2}), Qt::LeftButton, Qt::AltModifier);
        QCOMPARE(m_window->currentCode(), QByteArray("73"));
        QCOMPARE(history().count(), 0);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            shown = menu != nullptr;
            if (menu)
                menu->close();
        });
        cellMouse(*m_window, QTest::MouseClick, index({1, 1}), Qt::RightButton);
        QTRY_VERIFY(shown);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(history().count(), 0);
    }

    void moveSelection_data()
    {
        QTest::addColumn<Cells>("select");
        QTest::addColumn<Cells>("move");
        QTest::addColumn<QString>("after");  // "column,row=code" that differ from the default piece
        QTest::addColumn<QRect>("selected");
        QTest::newRow("right by two") << Cells{{0, 0}, {1, 0}} << Cells{{0, 0}, {2, 0}} << "2,0=04 3,0=05"
                                      << QRect(2, 0, 2, 1);
        QTest::newRow("onto itself by one") << Cells{{0, 0}, {1, 0}} << Cells{{1, 0}, {1, 1}} << "0,1=04 1,1=05"
                                            << QRect(0, 1, 2, 1);
        QTest::newRow("cut off at the edge") << Cells{{0, 0}, {1, 0}} << Cells{{0, 0}, {4, 0}} << "4,0=04"
                                             << QRect(4, 0, 1, 1);
    }

    void moveSelection()
    {
        QFETCH(Cells, select);
        QFETCH(Cells, move);
        QFETCH(QString, after);
        QFETCH(QRect, selected);
        open(track(5, 4, "0,0=04 1,0=05 3,3=73"));
        const TrackGrid before = document().grid();
        key(Qt::Key_R);
        drag(select);
        const CellSelection chosen = document().selection();
        drag(move);
        QCOMPARE(QString::fromLatin1(track(5, 4, after + " 3,3=73")), [this] {
            QString text;
            for (int r = 0; r < document().height(); ++r) {
                QStringList row;
                for (int c = 0; c < document().width(); ++c)
                    row << QString::fromLatin1(document().cell(c, r).code);
                text += row.join(',') + "\r\n";
            }
            return text;
        }());
        QCOMPARE(document().selection().bounds(), selected);
        QCOMPARE(history().count(), 1);
        QCOMPARE(history().undoText(), QStringLiteral("Move selection"));
        action("Undo1")->trigger();
        QVERIFY(document().grid() == before);
        QVERIFY(document().selection() == chosen);
    }

    void paintStaysAsItWas()
    {
        open(track(5, 4));
        choosePiece("04");
        key(Qt::Key_R);
        key(Qt::Key_B);
        drag({{0, 1}, {3, 1}});
        for (int c = 0; c < 4; ++c)
            QCOMPARE(code({c, 1}), QByteArray("04"));
        QCOMPARE(history().count(), 1);
        QCOMPARE(history().undoText(), QStringLiteral("Paint stroke"));
    }

    // Each tool describes itself: the bar shows its icon over its name, the
    // items carry its hint as their status tip, the pointer is its own.
    void toolsDescribeThemselves()
    {
        auto *bar = m_window->findChild<QToolBar *>("ToolBar1");
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QSet<QByteArray> icons;
        for (ToolBox::Id id : {ToolBox::Paint, ToolBox::Select, ToolBox::Fill, ToolBox::Route}) {
            const QAction *item = m_window->toolBox()->action(id);
            const QImage icon = item->icon().pixmap(24).toImage();
            icons.insert(QByteArray(reinterpret_cast<const char *>(icon.constBits()), int(icon.sizeInBytes())));
            QVERIFY(icon.pixelColor(12, 12).alpha() > 0 || icon.pixelColor(6, 18).alpha() > 0);
            QVERIFY(item->statusTip().startsWith(item->text() + ": "));
            m_window->toolBox()->activate(id);
            QCOMPARE(canvas()->cursor().shape(), m_window->toolBox()->tool(id)->cursor());
        }
        QCOMPARE(icons.size(), 4);
    }

    // The stamp is a tool of its own while it floats, its hint in the status
    // bar; choosing a tool drops it, and the tool chosen has the track.
    void stampIsATool()
    {
        open(track(5, 4, "0,0=04"));
        document().setSelection(CellSelection::of(QRect(0, 0, 1, 1)));
        key(Qt::Key_C, Qt::ControlModifier);
        key(Qt::Key_V, Qt::ControlModifier);
        FloatingStamp &stamp = m_window->editCommands()->stamp();
        QCOMPARE(m_window->toolBox()->active(), &stamp);
        QCOMPARE(m_window->statusText(), stamp.hint());
        QCOMPARE(canvas()->cursor().shape(), Qt::SizeAllCursor);
        key(Qt::Key_F);
        QVERIFY(!stamp.isFloating());
        QCOMPARE(m_window->toolBox()->active(), m_window->toolBox()->tool(ToolBox::Fill));
        QCOMPARE(m_window->statusText(), QString());
        QCOMPARE(history().count(), 0);
    }

    // A passing mode has the track's input before the tool: a click it
    // passes on still paints, Esc is its own until it ends.
    void modeBeforeTool()
    {
        struct Mode : CanvasHandler
        {
            CanvasInput *input = nullptr;
            int presses = 0, escapes = 0;
            Press press(QPoint, Qt::KeyboardModifiers) override { return ++presses, Press::Passed; }
            bool escape() override { return ++escapes, input->endMode(this), true; }
        } mode;
        open(track(5, 4));
        choosePiece("04");
        document().setSelection(CellSelection::of(QRect(0, 0, 2, 2)));
        mode.input = &canvas()->input();
        mode.input->startMode(&mode);
        cellMouse(*m_window, QTest::MouseClick, index({3, 3}));
        QCOMPARE(mode.presses, 1);
        QCOMPARE(code({3, 3}), QByteArray("04"));
        key(Qt::Key_Escape);
        QCOMPARE(mode.escapes, 1);
        QCOMPARE(document().selection().count(), 4);
        key(Qt::Key_Escape);
        QCOMPARE(mode.escapes, 1);
        QVERIFY(document().selection().isEmpty());
    }

    // One look for every marked cell: a piece a turn kept is framed in the
    // red band with a light edge that marks an open road end.
    void markedCellsLookAlike()
    {
        open(track(3, 3, "1,0=05 1,1=08 1,2=05"));
        key(Qt::Key_Z);
        QCOMPARE(m_window->editCommands()->turns().marked(), QVector<int>{TrackGrid::index(1, 1)});
        const QRect face = canvas()->renderer().faceRect(QPoint(1, 1));
        const QImage shot = canvas()->grab().toImage();
        for (const QPoint &rim : {face.topLeft(), face.bottomRight(), QPoint(face.center().x(), face.top())})
            QCOMPARE(shot.pixelColor(rim), TrackCanvas::outlineColour);
        QCOMPARE(shot.pixelColor(face.topLeft() + QPoint(2, 2)), TrackCanvas::barColour);
        QCOMPARE(shot.pixelColor(face.bottomRight() - QPoint(3, 3)), TrackCanvas::barColour);
    }
};

QTEST_MAIN(TestTools)
#include "tst_tools.moc"
