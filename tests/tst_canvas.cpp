// SPDX-License-Identifier: GPL-3.0-or-later
// The track canvas in the real window: where cells lie at every zoom, what
// is painted and repainted, the cells as accessible items, the keyboard's
// cursor and the palette's keys, the View menu, the rulers, tooltips and
// the status bar's cell field.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "recordingprogress.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"

#include "document/gridstep.h"
#include "pieces/catalogue.h"
#include "ui/commands/editcommands.h"
#include "ui/palette/palette.h"
#include "ui/palette/palettekeys.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecetext.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackruler.h"
#include "ui/track/trackview.h"
#include "ui/window/cellinfolabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

namespace {

// Collects the regions the canvas is asked to paint.
class PaintRecorder : public QObject
{
public:
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent *>(event)->region();
            ++paints;
        }
        return false;
    }
};

QByteArray rowsOf(int width, int height, const QByteArray &code)
{
    return (QByteArray(code + ",").repeated(width - 1) + code + "\r\n").repeated(height);
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startupNamesEveryCell();

    void geometry_data();
    void geometry();
    void boundaries_data();
    void boundaries();
    void paintedAsTheButtonsWere();
    void zoomedPictureScaled_data();
    void zoomedPictureScaled();
    void changesRepaintOnlyTheirCells();
    void accessibleCells();

    void keyboardTakenAndKept();
    void cursorKeys_data();
    void cursorKeys();
    void keysPlacePiece_data();
    void keysPlacePiece();
    void keysOpenCellMenu_data();
    void keysOpenCellMenu();
    void paletteKeys();

    void viewMenu();
    void zoomSteps();
    void fitTrack_data();
    void fitTrack();
    void ctrlWheelZoomsAboutPointer();
    void rulers();
    void tooltips();
    void statusField();
    void historyIsTheDocuments();
    void altOpensMenus();

private:
    void start(const QByteArray &track);
    TrackCanvas *canvas() const { return m_window->canvas(); }
    TrackView *view() const { return m_window->trackView(); }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    void choose(const QByteArray &code);

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;
};

void TestCanvas::initTestCase()
{
    QVERIFY(BmpBuilder::writeTileFolder(m_dir.filePath("tiles"), Catalogue::codes()));
}

// A started window, 1200 x 800, with the track opened from a file.
void TestCanvas::start(const QByteArray &track)
{
    m_window.reset();
    m_window = makeEditor(m_dir.filePath("tiles"), &m_files);
    startEditor(*m_window);
    if (!track.isEmpty()) {
        const QString path = m_dir.filePath(QStringLiteral("track.kwf"));
        BmpBuilder::writeFile(path, track);
        m_files->openAnswers = {path};
        action("Load1")->trigger();
    }
}

void TestCanvas::choose(const QByteArray &code)
{
    PictureButton *button = m_window->palette()->pieceButton(code);
    m_window->palette()->setCurrentWidget(button->parentWidget());
    QTest::mouseClick(button, Qt::LeftButton);
}

// ---- Where cells lie --------------------------------------------------

void TestCanvas::geometry_data()
{
    QTest::addColumn<double>("zoom");
    for (double zoom : {0.25, 0.33, 0.5, 1.0, 1.37, 2.0, 4.0})
        QTest::addRow("%d %%", int(zoom * 100)) << zoom;
}

// Neighbours touch at every zoom, the cell under a cell's middle is that
// cell, and the canvas covers the block; at zoom 1 the cells are where the
// 54-pixel buttons were.
void TestCanvas::geometry()
{
    QFETCH(double, zoom);
    start(rowsOf(30, 30, "07"));
    canvas()->setZoom(zoom);
    QCOMPARE(canvas()->zoom(), zoom);
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const int column = TrackGrid::columnOf(i), row = TrackGrid::rowOf(i);
        const QRect cell = canvas()->cellRect(i);
        if (zoom == 1.0)
            QCOMPARE(cell, QRect(2 + 54 * column, 2 + 54 * row, 54, 54));
        if (column + 1 < TrackGrid::side)
            QCOMPARE(canvas()->cellRect(TrackGrid::index(column + 1, row)).left(), cell.right() + 1);
        if (row + 1 < TrackGrid::side)
            QCOMPARE(canvas()->cellRect(TrackGrid::index(column, row + 1)).top(), cell.bottom() + 1);
        QCOMPARE(canvas()->cellAt(cell.center()), i);
        QCOMPARE(canvas()->cellAt(cell.topLeft()), i);
        QCOMPARE(canvas()->cellAt(cell.bottomRight()), i);
    }
    const int side = int(std::lround(zoom * (4 + 54 * 30)));
    QCOMPARE(canvas()->size(), QSize(side, side));
}

void TestCanvas::boundaries_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("cell");  // -1 for none
    QTest::newRow("the margin") << QPoint(1, 1) << -1;
    QTest::newRow("first pixel") << QPoint(2, 2) << 0;
    QTest::newRow("last pixel of the first") << QPoint(55, 55) << 0;
    QTest::newRow("first of the second column") << QPoint(56, 2) << TrackGrid::index(1, 0);
    QTest::newRow("first of the second row") << QPoint(2, 56) << TrackGrid::index(0, 1);
    QTest::newRow("last shown") << QPoint(2 + 54 * 4 - 1, 2 + 54 * 2 - 1) << TrackGrid::index(3, 1);
    QTest::newRow("right of the block") << QPoint(2 + 54 * 4, 2) << -1;
    QTest::newRow("below the block") << QPoint(2, 2 + 54 * 2) << -1;
    QTest::newRow("above") << QPoint(10, -5) << -1;
}

// Hidden cells are found nowhere.
void TestCanvas::boundaries()
{
    QFETCH(QPoint, point);
    QFETCH(int, cell);
    start("00,01,02,03\r\n04,05,06,07\r\n");
    QCOMPARE(canvas()->cellAt(point), cell);
    QCOMPARE(canvas()->size(), QSize(4 + 54 * 4, 4 + 54 * 2));
}

// ---- What is painted --------------------------------------------------

// At zoom 1 each picture lies 2 pixels into its cell, as the flat button
// drew it, and its bottom-left colour shows the background.
void TestCanvas::paintedAsTheButtonsWere()
{
    start("00,3A\r\n05,07\r\n");
    const QImage shot = canvas()->grab().toImage();
    const QColor background = canvas()->palette().color(QPalette::Window);
    for (int i : {TrackGrid::index(0, 0), TrackGrid::index(1, 0), TrackGrid::index(0, 1), TrackGrid::index(1, 1)}) {
        const QImage picture = canvas()->cellPicture(i).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(50, 50));
        const QPoint origin = canvas()->cellRect(i).topLeft() + QPoint(2, 2);
        QCOMPARE(canvas()->pictureRect(i), QRect(origin, QSize(50, 50)));
        const QRgb mask = picture.pixel(0, 49);
        for (int y = 0; y < 50; y += 7) {
            for (int x = 0; x < 50; x += 7) {
                const QColor expected = picture.pixel(x, y) == mask ? background : QColor(picture.pixel(x, y));
                QCOMPARE(shot.pixelColor(origin + QPoint(x, y)), expected);
            }
        }
        QCOMPARE(shot.pixelColor(origin + QPoint(0, 49)), background);
        // The ring around the picture is background too (the cursor's aside).
        if (i != canvas()->cursorCell())
            QCOMPARE(shot.pixelColor(origin - QPoint(1, 1)), background);
    }
}

void TestCanvas::zoomedPictureScaled_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("side");  // of the picture as drawn
    QTest::newRow("25 %") << 0.25 << 13;
    QTest::newRow("50 %") << 0.5 << 25;
    QTest::newRow("200 %") << 2.0 << 100;
    QTest::newRow("400 %") << 4.0 << 200;
}

// A tile of one colour in a frame of another: drawn at the zoomed size, its
// middle of the tile's colour.
void TestCanvas::zoomedPictureScaled()
{
    QFETCH(double, zoom);
    QFETCH(int, side);
    QImage tile = BmpBuilder::solid(QColor(20, 160, 40));
    for (int i = 0; i < 50; ++i) {
        for (const QPoint &p : {QPoint(i, 0), QPoint(i, 49), QPoint(0, i), QPoint(49, i)})
            tile.setPixel(p, qRgb(200, 0, 200));
    }
    QVERIFY(BmpBuilder::writeFile(m_dir.filePath("tiles/QZ.bmp"), BmpBuilder::bmp24(tile)));
    start("QZ\r\n");
    view()->zoomAt(zoom, QPoint(0, 0));
    const QRect at = canvas()->pictureRect(0);
    QCOMPARE(at.size(), QSize(side, side));
    const QImage shot = canvas()->grab().toImage();
    QCOMPARE(shot.pixelColor(at.center()), QColor(20, 160, 40));
}

// A change repaints the cells it changed and nothing else.
void TestCanvas::changesRepaintOnlyTheirCells()
{
    start(rowsOf(30, 30, "07"));
    choose("05");
    QTest::qWait(50);
    PaintRecorder recorder;
    canvas()->installEventFilter(&recorder);
    TrackDocument &document = m_window->document();
    const int cell = TrackGrid::index(4, 3);
    document.TrackClick(cell, "3A");
    QTRY_COMPARE(recorder.paints, 1);
    QCOMPARE(recorder.painted, QRegion(canvas()->cellRect(cell)));

    // A stroke of three cells, undone as one step.
    const QVector<int> stroke{TrackGrid::index(10, 2), TrackGrid::index(11, 2), TrackGrid::index(12, 3)};
    const TrackGrid before = document.grid();
    for (int i : stroke)
        document.TrackClick(i, "04");
    document.push(new GridStep(document, QStringLiteral("Paint stroke"), before, document.selection(), true, 1));
    QCoreApplication::processEvents();
    recorder.painted = QRegion();
    recorder.paints = 0;
    document.history().undo();
    QTRY_VERIFY(recorder.paints > 0);
    QRegion expected;
    for (int i : stroke)
        expected += canvas()->cellRect(i);
    QCOMPARE(recorder.painted, expected);
    canvas()->removeEventFilter(&recorder);
}

// ---- The cells as accessible items ------------------------------------

void TestCanvas::accessibleCells()
{
    start("00,01,02\r\n3A,04,05\r\n");
    QAccessibleInterface *track = QAccessible::queryAccessibleInterface(canvas());
    QVERIFY(track);
    QCOMPARE(track->childCount(), TrackGrid::cellCount);
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        QAccessibleInterface *cell = track->child(i);
        QCOMPARE(cell->text(QAccessible::Name), TrackGrid::cellName(i));
        QCOMPARE(cell->text(QAccessible::Value), QString::fromLatin1(m_window->document().cell(i).code));
        QCOMPARE(cell->state().invisible, !m_window->document().cell(i).visible);
        QCOMPARE(track->indexOfChild(cell), i);
    }
    QAccessibleInterface *tp0102 = track->child(TrackGrid::index(0, 1));
    QCOMPARE(tp0102->text(QAccessible::Value), QStringLiteral("3A"));
    QCOMPARE(tp0102->text(QAccessible::Description), PieceText::describe("3A"));
    const QRect cell = canvas()->cellRect(TrackGrid::index(0, 1));
    QCOMPARE(tp0102->rect(), QRect(canvas()->mapToGlobal(cell.topLeft()), cell.size()));
    QCOMPARE(track->childAt(tp0102->rect().center().x(), tp0102->rect().center().y()), tp0102);
    // Pressing a cell places the current piece, as a click does.
    choose("05");
    tp0102->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(tp0102->text(QAccessible::Value), QStringLiteral("05"));
    QVERIFY(m_window->document().isModified());
}

// ---- Keyboard ---------------------------------------------------------

void TestCanvas::keyboardTakenAndKept()
{
    start(QByteArray());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), canvas());
    QCOMPARE(canvas()->cursorCell(), 0);
    choose("3A");
    QCOMPARE(QApplication::focusWidget(), canvas());
    m_window->palette()->setCurrentIndex(11);
    QTest::mouseClick(m_window->palette()->findChild<PictureButton *>("b80"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), canvas());
}

void TestCanvas::cursorKeys_data()
{
    QTest::addColumn<QString>("keys");  // R L U D H(ome) E(nd)
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("none") << "" << QPoint(0, 0);
    QTest::newRow("right, down") << "RRD" << QPoint(2, 1);
    QTest::newRow("stops at the left and the top") << "LUUL" << QPoint(0, 0);
    QTest::newRow("stops at the right") << "RRRRRRRRRR" << QPoint(3, 0);
    QTest::newRow("stops at the bottom") << "DDDD" << QPoint(0, 1);
    QTest::newRow("end, home") << "DEH" << QPoint(0, 1);
    QTest::newRow("end") << "E" << QPoint(3, 0);
}

// Inside the 4 x 2 block, whatever the keys.
void TestCanvas::cursorKeys()
{
    QFETCH(QString, keys);
    QFETCH(QPoint, cell);
    start("00,01,02,03\r\n04,05,06,07\r\n");
    const QHash<QChar, Qt::Key> map{{'R', Qt::Key_Right}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up},
                                    {'D', Qt::Key_Down},  {'H', Qt::Key_Home}, {'E', Qt::Key_End}};
    for (QChar key : keys)
        QTest::keyClick(canvas(), map.value(key));
    QCOMPARE(canvas()->cursorCell(), TrackGrid::index(cell.x(), cell.y()));
    QCOMPARE(m_window->cellInfo()->text().section(QLatin1Char(':'), 0, 0),
             QStringLiteral("Column %1, row %2").arg(cell.x() + 1).arg(cell.y() + 1));
}

void TestCanvas::keysPlacePiece_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

// One step of the history each time, like a click.
void TestCanvas::keysPlacePiece()
{
    QFETCH(int, key);
    start("00,01,02,03\r\n04,05,06,07\r\n");
    QTest::keyClick(canvas(), Qt::Key(key));
    QCOMPARE(m_window->document().history().count(), 0);  // no piece chosen yet
    choose("3A");
    QTest::keyClick(canvas(), Qt::Key_Right);
    QTest::keyClick(canvas(), Qt::Key(key));
    QTest::keyClick(canvas(), Qt::Key_Down);
    QTest::keyClick(canvas(), Qt::Key(key));
    QCOMPARE(m_window->document().cell(1, 0).code, QByteArray("3A"));
    QCOMPARE(m_window->document().cell(1, 1).code, QByteArray("3A"));
    QCOMPARE(m_window->document().cell(0, 0).code, QByteArray("00"));
    QVERIFY(m_window->document().isModified());
    QCOMPARE(m_window->document().history().count(), 2);
    QCOMPARE(action("Undo1")->text(), QStringLiteral("Undo Place piece"));
    action("Undo1")->trigger();
    action("Undo1")->trigger();
    QVERIFY(!m_window->document().isModified());
}

void TestCanvas::keysOpenCellMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
}

// At the cursor, and its items act on the cursor's cell.
void TestCanvas::keysOpenCellMenu()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    start("00,01,02,03\r\n04,05,06,07\r\n");
    QTest::keyClick(canvas(), Qt::Key_Right);
    QTest::keyClick(canvas(), Qt::Key_Down);
    QPoint shownAt;
    QString name;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        name = menu->objectName();
        shownAt = menu->pos();
        menu->setActiveAction(menu->findChild<QAction *>("PickPiece1"));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(canvas(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(name, QStringLiteral("CellMenu"));
    QCOMPARE(m_window->currentCode(), QByteArray("05"));
    const QRect cell = canvas()->cellRect(TrackGrid::index(1, 1));
    QVERIFY(QRect(canvas()->mapToGlobal(cell.topLeft()), cell.size()).contains(shownAt));
}

// Pages go round; pieces are taken column by column as they stand.
void TestCanvas::paletteKeys()
{
    start(QByteArray());
    Palette *palette = m_window->palette();
    QCOMPARE(palette->currentIndex(), 0);
    QTest::keyClick(canvas(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(palette->currentIndex(), 1);
    QTest::keyClick(canvas(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(canvas(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(palette->currentIndex(), palette->count() - 1);
    QTest::keyClick(canvas(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(palette->currentIndex(), 0);

    for (int page = 0; page < palette->count(); ++page) {
        palette->setCurrentIndex(page);
        const QVector<PictureButton *> pieces = PaletteKeys::piecesInOrder(palette->widget(page));
        if (pieces.isEmpty()) {
            QCOMPARE(page, Catalogue::utilitiesPage);
            continue;
        }
        const int count = int(pieces.size());
        for (int i = 1; i < count; ++i)  // column by column, top before bottom
            QVERIFY(pieces[i - 1]->x() < pieces[i]->x()
                    || (pieces[i - 1]->x() == pieces[i]->x() && pieces[i - 1]->y() < pieces[i]->y()));
        // "00" and "10" are down from the start; elsewhere the key starts at the first.
        int at = -1;
        for (int i = 0; i < count; ++i)
            at = pieces[i]->isChecked() ? i : at;
        for (int step = 0; step < count; ++step) {
            QTest::keyClick(canvas(), Qt::Key_Right, Qt::ControlModifier);
            at = (at + 1) % count;
            QCOMPARE(m_window->currentCode(), pieces[at]->property("hint").toByteArray());
            QVERIFY(pieces[at]->isChecked());
        }
        QTest::keyClick(canvas(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(m_window->currentCode(), pieces[(at + count - 1) % count]->property("hint").toByteArray());
        QCOMPARE(QApplication::focusWidget(), canvas());
    }
    // With no piece of a page down, Ctrl+Left starts at its last.
    start(QByteArray());
    m_window->palette()->setCurrentIndex(1);
    QTest::keyClick(canvas(), Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(m_window->currentCode(),
             PaletteKeys::piecesInOrder(m_window->palette()->widget(1)).last()->property("hint").toByteArray());
}

// ---- View menu --------------------------------------------------------

void TestCanvas::viewMenu()
{
    start(QByteArray());
    QStringList menus;
    for (QAction *menu : m_window->menuBar()->actions())
        menus << menu->text();
    // The Tools menu (its own suite) sits between Track and Help.
    QCOMPARE(menus, (QStringList{"File", "Edit", "View", "Track", "Tools", "Help"}));
    QStringList items;
    for (QAction *item : m_window->viewMenu()->actions())
        items << (item->isSeparator() ? QStringLiteral("-")
                                      : item->text() + QLatin1Char('=') + QKeySequence::listToString(item->shortcuts()));
    QCOMPARE(items, (QStringList{"Zoom in=Ctrl++; Ctrl+=", "Zoom out=Ctrl+-", "Actual size=Ctrl+0",
                                 "Fit track=Ctrl+9", "-", "Show rulers="}));
    QVERIFY(action("Showrulers1")->isCheckable() && action("Showrulers1")->isChecked());

    // The shortcuts, pressed.
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(canvas(), Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(view()->zoom(), 1.25);
    QTest::keyClick(canvas(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(canvas(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(view()->zoom(), 0.75);
    QTest::keyClick(canvas(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(view()->zoom(), 1.0);
    QTest::keyClick(canvas(), Qt::Key_9, Qt::ControlModifier);
    QCOMPARE(view()->zoom(), view()->fittingZoom());
    // Zooming changes the view, never the track.
    QVERIFY(!m_window->document().isModified());
    QCOMPARE(m_window->document().history().count(), 0);
}

void TestCanvas::zoomSteps()
{
    start(QByteArray());
    QVector<double> seen{view()->zoom()};
    for (int i = 0; i < 12; ++i) {
        action("Zoomout1")->trigger();
        seen << view()->zoom();
    }
    QCOMPARE(view()->zoom(), TrackCanvas::minimumZoom);
    for (int i = 0; i < 14; ++i) {
        action("Zoomin1")->trigger();
        seen << view()->zoom();
    }
    QCOMPARE(view()->zoom(), TrackCanvas::maximumZoom);
    for (double zoom : std::as_const(seen))
        QVERIFY(zoom >= 0.25 && zoom <= 4.0);
    QCOMPARE(int(std::count(seen.begin(), seen.end(), 4.0)), 5);  // 10 steps up, then no further
    action("Actualsize1")->trigger();
    QCOMPARE(canvas()->size(), QSize(4 + 54 * 15, 4 + 54 * 7));
}

void TestCanvas::fitTrack_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("window");
    QTest::newRow("30 x 30") << QSize(30, 30) << QSize(1200, 800);
    QTest::newRow("30 x 2, wide") << QSize(30, 2) << QSize(1200, 800);
    QTest::newRow("2 x 1, as large as allowed") << QSize(2, 1) << QSize(1200, 800);
    QTest::newRow("30 x 30 in a small window, as small as allowed") << QSize(30, 30) << QSize(500, 400);
}

// The largest zoom at which the block fits, within 25 % .. 400 %.
void TestCanvas::fitTrack()
{
    QFETCH(QSize, size);
    QFETCH(QSize, window);
    start(rowsOf(size.width(), size.height(), "04"));
    m_window->resize(window);
    QTest::qWait(20);
    action("Fittrack1")->trigger();
    const double zoom = view()->zoom();
    const QSize room = view()->maximumViewportSize();
    if (zoom > TrackCanvas::minimumZoom) {
        QVERIFY(canvas()->width() <= room.width() && canvas()->height() <= room.height());
        QVERIFY(!view()->horizontalScrollBar()->isVisible() && !view()->verticalScrollBar()->isVisible());
    }
    if (zoom < TrackCanvas::maximumZoom) {
        canvas()->setZoom(zoom + 0.01);
        QVERIFY(canvas()->width() > room.width() || canvas()->height() > room.height());
    }
    if (size == QSize(2, 1))
        QCOMPARE(zoom, TrackCanvas::maximumZoom);
    if (window == QSize(500, 400))
        QCOMPARE(zoom, TrackCanvas::minimumZoom);
}

// The place of the track under the pointer stays under it.
void TestCanvas::ctrlWheelZoomsAboutPointer()
{
    start(rowsOf(30, 30, "04"));
    const QPoint pointer(300, 200);  // in the viewport
    QWidget *viewport = view()->viewport();
    view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->maximum() / 2);
    view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->maximum() / 2);
    auto placeUnder = [&] { return QPointF(canvas()->mapFrom(viewport, pointer)) / canvas()->zoom(); };
    const QPointF before = placeUnder();
    for (int notches : {1, 1, 1, -1, -1, -1, 2, -2}) {
        QWheelEvent wheel(QPointF(pointer), QPointF(viewport->mapToGlobal(pointer)), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
        const QPointF now = placeUnder();
        QVERIFY2(std::abs(now.x() - before.x()) < 2 && std::abs(now.y() - before.y()) < 2,
                 qPrintable(QStringLiteral("%1,%2 at %3").arg(now.x()).arg(now.y()).arg(canvas()->zoom())));
    }
    QCOMPARE(canvas()->zoom(), 1.0);
    // Without Ctrl the wheel scrolls.
    const int scrolled = view()->verticalScrollBar()->value();
    QWheelEvent wheel(QPointF(pointer), QPointF(viewport->mapToGlobal(pointer)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(viewport, &wheel);
    QVERIFY(view()->verticalScrollBar()->value() > scrolled);
}

// Numbered from 1 over the middle of their cells, outside the track area,
// following scroll and zoom.
void TestCanvas::rulers()
{
    start(rowsOf(30, 30, "04"));
    TrackRuler *columns = view()->columnRuler();
    TrackRuler *rows = view()->rowRuler();
    QVERIFY(columns->isVisible() && rows->isVisible());
    QVERIFY(!columns->geometry().intersects(view()->viewport()->geometry()));
    QVERIFY(!rows->geometry().intersects(view()->viewport()->geometry()));
    for (double zoom : {1.0, 0.25, 3.0}) {
        view()->zoomAt(zoom, QPoint(0, 0));
        view()->horizontalScrollBar()->setValue(view()->horizontalScrollBar()->maximum() / 3);
        view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->maximum() / 2);
        for (int n = 1; n <= 30; ++n) {
            const QRect column = canvas()->cellRect(TrackGrid::index(n - 1, 0));
            QCOMPARE(columns->mapTo(m_window.get(), columns->span(n).topLeft()).x(),
                     canvas()->mapTo(m_window.get(), column.topLeft()).x());
            QCOMPARE(columns->span(n).width(), column.width());
            const QRect row = canvas()->cellRect(TrackGrid::index(0, n - 1));
            QCOMPARE(rows->mapTo(m_window.get(), rows->span(n).topLeft()).y(),
                     canvas()->mapTo(m_window.get(), row.topLeft()).y());
            QCOMPARE(rows->span(n).height(), row.height());
        }
        QCOMPARE(columns->labelStep(), zoom < 0.5 ? 2 : 1);
    }
    action("Showrulers1")->trigger();
    QVERIFY(!columns->isVisible() && !rows->isVisible());
    QCOMPARE(view()->viewport()->geometry().topLeft(), QPoint(view()->frameWidth(), view()->frameWidth()));
    action("Showrulers1")->trigger();
    QVERIFY(columns->isVisible() && rows->isVisible());
}

// ---- Names of pieces --------------------------------------------------

void TestCanvas::tooltips()
{
    start("00,3A\r\n05,07\r\n");
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    for (int i : {TrackGrid::index(1, 0), TrackGrid::index(0, 1)}) {
        const QPoint at = canvas()->cellRect(i).center();
        QHelpEvent help(QEvent::ToolTip, at, canvas()->mapToGlobal(at));
        QCoreApplication::sendEvent(canvas(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), PieceText::describe(m_window->document().cell(i).code));
        QToolTip::hideText();
    }
    for (const QByteArray &code : Catalogue::codes())
        QCOMPARE(m_window->palette()->pieceButton(code)->toolTip(), PieceText::describe(code));
}

void TestCanvas::statusField()
{
    start("00,3A\r\n05,07\r\n");
    QLabel *field = m_window->cellInfo();
    QCOMPARE(field->objectName(), QStringLiteral("cellInfoLabel"));
    // On the right of the status bar, beside the progress texts.
    QLabel *progress = m_window->findChild<QLabel *>("StatusText");
    QVERIFY(field->isVisible());
    QVERIFY(field->x() > progress->x());
    QCOMPARE(field->text(), QStringLiteral("Column 1, row 1: %1    track.kwf").arg(PieceText::describe("00")));
    // The cell under the pointer, then the cursor again when it leaves.
    QTest::mouseMove(canvas(), canvas()->cellRect(TrackGrid::index(1, 0)).center());
    QTRY_COMPARE(field->text(), QStringLiteral("Column 2, row 1: %1    track.kwf").arg(PieceText::describe("3A")));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(canvas(), &leave);
    QCOMPARE(field->text(), QStringLiteral("Column 1, row 1: %1    track.kwf").arg(PieceText::describe("00")));
    // The modified mark, and a track without a file.
    choose("05");
    QTest::keyClick(canvas(), Qt::Key_Space);
    QCOMPARE(field->text(), QStringLiteral("Column 1, row 1: %1    track.kwf*").arg(PieceText::describe("05")));
    QCOMPARE(CellInfoLabel::fileText(QString(), false), QStringLiteral("Untitled"));
    QCOMPARE(CellInfoLabel::fileText(QStringLiteral("/a/b/oval.kwf"), true), QStringLiteral("oval.kwf*"));
    // The progress texts keep their own place.
    m_window->setStatusText(QStringLiteral("Loading Track - 1-1"));
    QCOMPARE(progress->text(), QStringLiteral("Loading Track - 1-1"));
    QVERIFY(field->text().startsWith(QStringLiteral("Column 1, row 1")));
}

// The window's Undo and Redo are the document's history's own actions.
void TestCanvas::historyIsTheDocuments()
{
    start("00,01\r\n");
    QCOMPARE(&m_window->editCommands()->history(), &m_window->document().history());
    choose("3A");
    QTest::keyClick(canvas(), Qt::Key_Space);
    QCOMPARE(m_window->document().history().undoText(), QStringLiteral("Place piece"));
    QVERIFY(action("Undo1")->isEnabled() && !action("Redo1")->isEnabled());
    action("Undo1")->trigger();
    QCOMPARE(m_window->document().history().index(), 0);
    QCOMPARE(m_window->document().cell(0, 0).code, QByteArray("00"));
    QVERIFY(!m_window->document().isModified());
    QVERIFY(!action("Undo1")->isEnabled() && action("Redo1")->isEnabled());
}

// Alt alone takes the keyboard to the menu bar; the arrows and Return then
// open the menus and choose an item.
void TestCanvas::altOpensMenus()
{
    start(QByteArray());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(canvas(), Qt::Key_Alt);
    QMenuBar *bar = m_window->menuBar();
    QCOMPARE(bar->activeAction()->text(), QStringLiteral("File"));
    QCOMPARE(QApplication::focusWidget(), bar);
    QTest::keyClick(bar, Qt::Key_Down);
    auto *file = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(file);
    QCOMPARE(file->objectName(), QStringLiteral("File1"));
    // The mnemonic of "Save &as".
    QTest::keyClick(file, Qt::Key_A);
    QCOMPARE(m_files->saveProposals.size(), 1);
    QVERIFY(!QApplication::activePopupWidget());
    QTRY_COMPARE(QApplication::focusWidget(), canvas());
}

// The start-up's cell pool reports every cell, column by column, counted
// from 1, and pumps for each so the waiting panel paints.
void TestCanvas::startupNamesEveryCell()
{
    start(QByteArray());
    RecordingProgress progress;
    canvas()->MakeCells(progress);
    QCOMPARE(progress.texts.size(), 900);
    QCOMPARE(progress.pumps, 900);
    QCOMPARE(progress.texts.first(), QStringLiteral("Initialising Array - 1-1"));
    QCOMPARE(progress.texts.at(1), QStringLiteral("Initialising Array - 1-2"));
    QCOMPARE(progress.texts.at(30), QStringLiteral("Initialising Array - 2-1"));
    QCOMPARE(progress.texts.last(), QStringLiteral("Initialising Array - 30-30"));
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
