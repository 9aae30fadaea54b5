// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from start-up to placing pieces: the real window, driven
// through its real buttons, with tile folders made by the test.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"

#include "base/nativename.h"
#include "pieces/builtinpictures.h"
#include "pieces/catalogue.h"
#include "pieces/tilesource.h"
#include "ui/palette/palette.h"
#include "ui/palette/palettelayout.h"
#include "ui/palette/picturebutton.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/commandline.h"
#include "ui/window/errorbox.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <cstdio>

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

bool sameImage(const QImage &a, const QImage &b)
{
    return rgb(a) == rgb(b);
}

// A cell of the track found by its name, as a screen reader finds it.
int cellNamed(TMainForm &window, const QString &name)
{
    QAccessibleInterface *track = QAccessible::queryAccessibleInterface(window.canvas());
    for (int i = 0; track && i < track->childCount(); ++i) {
        if (track->child(i)->text(QAccessible::Name) == name)
            return i;
    }
    return -1;
}

void clickCell(TMainForm &window, int index, Qt::MouseButton button)
{
    QTest::mouseClick(window.canvas(), button, {}, window.canvas()->cellRect(index).center());
}

const char *const trackCommands[] = {"New1", "Load1", "Save1", "Saveas1", "Modifygridsize1",
                                     "ExporttoJPG1", "ExporttoBMP1"};

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startupEndState();
    void commandsWaitForStartup();
    void startupTrackFromCommandLine_data();
    void startupTrackFromCommandLine();
    void startupFileName_data();
    void startupFileName();
    void applicationTitle_data();
    void applicationTitle();
    void missingStartupFile_data();
    void missingStartupFile();
    void badStartupTrack();
    void badPaletteTile_data();
    void badPaletteTile();
    void smallScreenAdvice();

    void pieceChoiceAcrossPages();
    void pressedPieceChosenAgain();
    void otherMouseUseChangesNothing();
    void curPieceClickChangesNothing();
    void spokenNames();
    void cellClicks();
    void normalPageBackgroundPress_data();
    void normalPageBackgroundPress();
    void maskColourLeftUndrawn_data();
    void maskColourLeftUndrawn();
    void pressedPictureMoves();
    void sharedPictureSharesPixmap();
    void errorBoxText_data();
    void errorBoxText();
    void binaryTrackInErrorBox_data();
    void binaryTrackInErrorBox();

private:
    std::unique_ptr<TMainForm> start(const QStringList &arguments = {}, QString tiles = {});
    bool startupCompleted() const { return m_completed; }
    static void selectPageOf(TMainForm &window, QWidget *button);
    static void verifyDefaultGrid(TMainForm &window);
    QString writeTrack(const QString &name, const QStringList &lines);

    QTemporaryDir m_dir;
    QString m_tiles;
    bool m_completed = false;
};

void TestMainForm::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tiles = m_dir.filePath(QStringLiteral("tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes()));
}

std::unique_ptr<TMainForm> TestMainForm::start(const QStringList &arguments, QString tiles)
{
    auto window = makeEditor(tiles.isEmpty() ? m_tiles : tiles, nullptr, arguments);
    // Ready exactly when start-up completed.
    m_completed = startEditor(*window) && window->isReady();
    return window;
}

void TestMainForm::selectPageOf(TMainForm &window, QWidget *button)
{
    window.palette()->setCurrentWidget(button->parentWidget());
}

QString TestMainForm::writeTrack(const QString &name, const QStringList &lines)
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    BmpBuilder::writeFile(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    return path;
}

void TestMainForm::verifyDefaultGrid(TMainForm &window)
{
    TrackDocument &document = window.document();
    QCOMPARE(document.width(), 15);
    QCOMPARE(document.height(), 7);
    const QImage b07 = window.palette()->pieceButton("07")->picture();
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const bool inside = TrackGrid::columnOf(i) < 15 && TrackGrid::rowOf(i) < 7;
        const TrackCanvas *canvas = window.canvas();
        QCOMPARE(!canvas->isCellShown(i), !inside);
        QCOMPARE(document.cell(i).code, QByteArray("07"));
        QCOMPARE(canvas->cellPicture(i).cacheKey(), b07.cacheKey());
    }
}

void TestMainForm::startupEndState()
{
    auto window = start();
    QVERIFY(startupCompleted());
    QVERIFY(window->isReady());
    QVERIFY(window->palette()->isVisible());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Panel2"))->isVisible());
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Panel3"))->isVisible());
    QCOMPARE(window->palette()->currentIndex(), 0);
    QCOMPARE(window->statusText(), QString());
    QVERIFY(!window->document().isModified());
    QVERIFY(window->document().fileName().isEmpty());
    for (const char *name : trackCommands)
        QVERIFY2(window->findChild<QAction *>(QLatin1String(name))->isEnabled(), name);

    verifyDefaultGrid(*window);
    QVERIFY(sameImage(window->palette()->pieceButton("07")->picture(),
                      BmpBuilder::patterned(int(Catalogue::codes().indexOf("07")))));
    const int first = cellNamed(*window, QStringLiteral("tp0101"));
    const int last = cellNamed(*window, QStringLiteral("tp3030"));
    QCOMPARE(window->canvas()->cellRect(first), QRect(2, 2, 54, 54));
    QCOMPARE(window->canvas()->cellRect(last), QRect(2 + 54 * 29, 2 + 54 * 29, 54, 54));
    QCOMPARE(window->findChild<QWidget *>(QStringLiteral("TrackCanvas"))->size(),
             QSize(4 + 54 * 15, 4 + 54 * 7));

    // Every piece button sits at its place with its own tile; "00" and
    // "10" show pressed, yet no piece is chosen.
    const QVector<QByteArray> codes = Catalogue::codes();
    for (const CataloguePage &page : Catalogue::pages()) {
        for (const PiecePlace &place : page.pieces) {
            PictureButton *button = window->palette()->pieceButton(place.code);
            QVERIFY(button);
            QCOMPARE(button->objectName(), QLatin1Char('b') + QString::fromLatin1(place.code));
            QCOMPARE(button->geometry(), PaletteLayout::buttonRect(place.code));
            QCOMPARE(button->toolTip(), QString::fromLatin1(place.code) + QString::fromUtf8(" \u2014 ")
                                            + PieceTable::name(place.code));
            QCOMPARE(button->isChecked(), place.code == "00" || place.code == "10");
            QVERIFY(sameImage(button->picture(), BmpBuilder::patterned(int(codes.indexOf(place.code)))));
        }
    }
    QCOMPARE(window->palette()->pieceButton("04")->toolTip(), QString::fromUtf8("04 \u2014 Straight, west\u2013east"));
    QVERIFY(window->currentCode().isEmpty());
    auto *curPiece = window->findChild<PictureButton *>(QStringLiteral("CurPiece"));
    QVERIFY(curPiece->isChecked());
    QVERIFY(sameImage(curPiece->picture(), BuiltinPictures::blank()));
}

void TestMainForm::commandsWaitForStartup()
{
    TMainForm window(m_tiles, {});
    auto *newTrack = window.findChild<QAction *>(QStringLiteral("New1"));
    for (const char *name : trackCommands)
        QVERIFY2(!window.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
    ModalWatcher watcher;
    newTrack->trigger();
    QTest::qWait(20);
    QVERIFY(watcher.dialogs().isEmpty());
    QVERIFY(window.findChild<QAction *>(QStringLiteral("About1"))->isEnabled());
}

void TestMainForm::startupTrackFromCommandLine_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("one argument") << "tracks" << false << QByteArray("oval.kwf");
    QTest::newRow("path with a space, in two arguments") << "My Tracks" << true << QByteArray("oval.kwf");
    QTest::newRow("name that is no UTF-8") << "latin" << false << QByteArray("ov\xe5l.kwf");
}

void TestMainForm::startupTrackFromCommandLine()
{
    QFETCH(QString, folder);
    QFETCH(bool, split);
    QFETCH(QByteArray, name);
    QString path = writeTrack(folder + QStringLiteral("/oval.kwf"),
                              {QStringLiteral("00,01,05"), QStringLiteral("3A,07,02")});
    // Renamed by its bytes: Qt's own file classes cannot make such a name.
    const QString named = QFileInfo(path).path() + QLatin1Char('/') + NativeName::decode(name);
    QVERIFY(::rename(QFile::encodeName(path).constData(), NativeName::encode(named).constData()) == 0);
    path = named;
    const QStringList arguments = split ? path.split(QLatin1Char(' ')) : QStringList{path};
    QCOMPARE(arguments.size(), split ? 2 : 1);

    ModalWatcher watcher;
    auto window = start(arguments);
    QVERIFY(startupCompleted());
    QVERIFY(watcher.boxes().isEmpty());
    TrackDocument &document = window->document();
    QCOMPARE(document.width(), 3);
    QCOMPARE(document.height(), 2);
    QCOMPARE(document.cell(2, 0).code, QByteArray("05"));
    QCOMPARE(document.cell(0, 1).code, QByteArray("3A"));
    QVERIFY(sameImage(window->canvas()->cellPicture(TrackGrid::index(0, 1)),
                      window->palette()->pieceButton("3A")->picture()));
    QVERIFY(window->canvas()->isCellShown(TrackGrid::index(2, 1)));
    QVERIFY(!window->canvas()->isCellShown(TrackGrid::index(3, 0)));
    QCOMPARE(document.fileName(), path);
    QCOMPARE(window->openDialogName(), path);
    QVERIFY(!document.isModified());
    QCOMPARE(window->statusText(), QString());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Panel3"))->isHidden());
}

void TestMainForm::startupFileName_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("one") << QStringList{"/t/oval.kwf"} << "/t/oval.kwf";
    QTest::newRow("split at a space") << QStringList{"/t/My", "Tracks/oval.kwf"} << "/t/My Tracks/oval.kwf";
    QTest::newRow("three pieces") << QStringList{"a", "b", "c"} << "a b c";
    QTest::newRow("stops at an empty one") << QStringList{"a", "", "c"} << "a";
    QTest::newRow("empty first") << QStringList{"", "a"} << QString();
}

void TestMainForm::startupFileName()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QCOMPARE(CommandLine::startupFileName(arguments), name);
}

void TestMainForm::applicationTitle_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QString>("title");
    QTest::newRow("path") << QByteArray("/usr/local/bin/kerbwright") << "Kerbwright";
    QTest::newRow("upper case, extension") << QByteArray("KERBWRIGHT.EXE") << "Kerbwright";
    QTest::newRow("up to the first dot") << QByteArray("./build/kw.tar.gz") << "Kw";
    QTest::newRow("mixed case") << QByteArray("kErBwRiGhT") << "Kerbwright";
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestMainForm::applicationTitle()
{
    QFETCH(QByteArray, program);
    QFETCH(QString, title);
    QCOMPARE(CommandLine::applicationTitle(program), title);
}

void TestMainForm::missingStartupFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no such file") << "missing.kwf";
    QTest::newRow("a folder") << "tiles";
}

void TestMainForm::missingStartupFile()
{
    QFETCH(QString, name);
    ModalWatcher watcher;
    auto window = start({m_dir.filePath(name)});
    QVERIFY(startupCompleted());
    QVERIFY(watcher.boxes().isEmpty());
    verifyDefaultGrid(*window);
    QVERIFY(window->document().fileName().isEmpty());
    QVERIFY(window->openDialogName().isEmpty());
}

void TestMainForm::badStartupTrack()
{
    // The third code has no tile: the track is refused as a whole, but the
    // editor starts with its default grid.
    const QString path = writeTrack(QStringLiteral("bad.kwf"), {QStringLiteral("00,01,ZZ,02")});
    ModalWatcher watcher;
    auto window = start({path});
    QVERIFY(startupCompleted());
    QCOMPARE(watcher.boxes().size(), 1);
    const ModalWatcher::Box box = watcher.boxes().first();
    QCOMPARE(box.text, QStringLiteral("Cannot open file ") + TileFolder(m_tiles).pathFor("ZZ")
                           + QLatin1Char('.'));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QCoreApplication::applicationName());
    verifyDefaultGrid(*window);
    QVERIFY(window->document().fileName().isEmpty());
    QVERIFY(window->openDialogName().isEmpty());
    QVERIFY(!window->document().isModified());
    QVERIFY(window->palette()->isVisible());
    QCOMPARE(window->statusText(), QString());
}

void TestMainForm::badPaletteTile_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: the file is missing
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << QString();
    QTest::newRow("not a bitmap") << QByteArray("this is a text file, not a picture") << "Bitmap image is not valid.";
    QTest::newRow("cut short header") << QByteArray("BM12345678") << "Stream read error.";
}

void TestMainForm::badPaletteTile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString tiles = dir.filePath(QStringLiteral("tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(tiles, Catalogue::codes()));
    const QString tile = TileFolder(tiles).pathFor("05");
    QVERIFY(QFile::remove(tile));
    if (content.isEmpty())
        message = QStringLiteral("Cannot open file ") + tile + QLatin1Char('.');
    else
        QVERIFY(BmpBuilder::writeFile(tile, content));

    ModalWatcher watcher;
    auto window = start({}, tiles);
    QVERIFY(!startupCompleted());
    QCOMPARE(watcher.texts(), QStringList{message});
    QCOMPARE(watcher.boxes().first().icon, QMessageBox::Critical);
    QVERIFY(!window->isReady());
    QVERIFY(window->palette()->isHidden());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Panel2"))->isHidden());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Panel3"))->isVisible());
    for (const char *name : trackCommands)
        QVERIFY2(!window->findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
    // Start-up never comes back.
    QTest::qWait(50);
    QVERIFY(window->palette()->isHidden());
    QCOMPARE(watcher.boxes().size(), 1);
}

void TestMainForm::smallScreenAdvice()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const bool small = screen->availableGeometry().width() < 1024;
    TMainForm window(m_tiles, {});
    window.document().setModified(true);
    ModalWatcher watcher;
    window.FormCreate();
    QVERIFY(!window.document().isModified());
    if (!small) {
        QVERIFY(watcher.boxes().isEmpty());
        QSKIP("the screen is wide enough");
    }
    QCOMPARE(watcher.texts(),
             QStringList{"You should consider changing to a larger screen-resolution."});
    QCOMPARE(watcher.boxes().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestMainForm::pieceChoiceAcrossPages()
{
    auto window = start();
    PictureButton *b3A = window->palette()->pieceButton("3A");
    PictureButton *b05 = window->palette()->pieceButton("05");
    selectPageOf(*window, b3A);
    QTest::mouseClick(b3A, Qt::LeftButton);
    QCOMPARE(window->currentCode(), QByteArray("3A"));
    selectPageOf(*window, b05);
    QTest::mouseClick(b05, Qt::LeftButton);

    QVERIFY(b3A->isChecked());
    QVERIFY(b05->isChecked());
    QVERIFY(!window->palette()->pieceButton("00")->isChecked());
    QVERIFY(window->palette()->pieceButton("10")->isChecked());
    QCOMPARE(window->currentCode(), QByteArray("05"));
    auto *curPiece = window->findChild<PictureButton *>(QStringLiteral("CurPiece"));
    QVERIFY(sameImage(curPiece->picture(), b05->picture()));
    QVERIFY(!window->document().isModified());
    QCOMPARE(window->statusText(), QString());
}

void TestMainForm::pressedPieceChosenAgain()
{
    auto window = start();
    PictureButton *b00 = window->palette()->pieceButton("00");
    QVERIFY(b00->isChecked());
    QTest::mouseClick(b00, Qt::LeftButton);
    QVERIFY(b00->isChecked());
    QCOMPARE(window->currentCode(), QByteArray("00"));
    QTest::mouseClick(window->palette()->pieceButton("01"), Qt::LeftButton);
    QTest::mouseClick(window->palette()->pieceButton("01"), Qt::LeftButton);
    QVERIFY(window->palette()->pieceButton("01")->isChecked());
    QVERIFY(!b00->isChecked());
    QCOMPARE(window->currentCode(), QByteArray("01"));
}

void TestMainForm::otherMouseUseChangesNothing()
{
    ModalWatcher watcher;
    auto window = start();
    PictureButton *b01 = window->palette()->pieceButton("01");
    QTest::mouseClick(b01, Qt::RightButton);
    QTest::mouseClick(b01, Qt::MiddleButton);
    QVERIFY(!b01->isChecked());
    QVERIFY(window->currentCode().isEmpty());

    // Pressed inside, released outside.
    QTest::mousePress(b01, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(b01, Qt::LeftButton, {}, QPoint(80, 20));
    QVERIFY(!b01->isChecked());
    QVERIFY(window->palette()->pieceButton("00")->isChecked());
    QVERIFY(window->currentCode().isEmpty());
    // A right press on a button of "Normal" is not a press on the page.
    QTest::qWait(20);
    QVERIFY(watcher.boxes().isEmpty());
}

void TestMainForm::curPieceClickChangesNothing()
{
    auto window = start();
    QTest::mouseClick(window->palette()->pieceButton("04"), Qt::LeftButton);
    auto *curPiece = window->findChild<PictureButton *>(QStringLiteral("CurPiece"));
    const qint64 picture = curPiece->picture().cacheKey();
    QTest::mouseClick(curPiece, Qt::LeftButton);
    QTest::mouseClick(curPiece, Qt::LeftButton);
    QVERIFY(curPiece->isChecked());
    QCOMPARE(curPiece->picture().cacheKey(), picture);
    QCOMPARE(window->currentCode(), QByteArray("04"));
    QVERIFY(!window->document().isModified());
}

// What a screen reader names first: each piece button its piece, as its
// tooltip shows it; the grid buttons what they do; the current piece its
// piece; each tool button its tool.
void TestMainForm::spokenNames()
{
    auto window = start();
    const auto spoken = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    for (const QByteArray &code : Catalogue::codes())
        QCOMPARE(spoken(window->palette()->pieceButton(code)), window->palette()->pieceButton(code)->toolTip());
    const auto *bar = window->findChild<QToolBar *>(QStringLiteral("ToolBar1"));
    const auto tool = [&](const char *name) {
        return bar->widgetForAction(window->findChild<QAction *>(QLatin1String(name)));
    };
    const struct
    {
        QWidget *widget;
        const char *name;
    } named[] = {
        {window->palette()->pieceButton("04"), "04 \u2014 Straight, west\u2013east"},
        {window->palette()->findChild<QWidget *>(QStringLiteral("b80")), "Add a column"},
        {window->palette()->findChild<QWidget *>(QStringLiteral("b83")), "Remove a row"},
        {window->currentPiece(), "No piece chosen"},
        {tool("PaintTool1"), "Paint"},
        {tool("SelectTool1"), "Select"},
        {tool("FillTool1"), "Fill"},
        {tool("RouteTool1"), "Route"},
    };
    for (const auto &row : named)
        QCOMPARE(spoken(row.widget), QString::fromUtf8(row.name));

    PictureButton *piece = window->palette()->pieceButton("3A");
    selectPageOf(*window, piece);
    QTest::mouseClick(piece, Qt::LeftButton);
    QCOMPARE(spoken(window->currentPiece()), QString::fromUtf8("3A \u2014 Diagonal corner, south-east"));
}

void TestMainForm::cellClicks()
{
    auto window = start();
    TrackDocument &document = window->document();
    const int cell = cellNamed(*window, QStringLiteral("tp0302"));
    const int index = TrackGrid::index(2, 1);

    // No piece chosen yet: a click places nothing.
    clickCell(*window, cell, Qt::LeftButton);
    QCOMPARE(document.cell(index).code, QByteArray("07"));
    QVERIFY(!document.isModified());

    PictureButton *b05 = window->palette()->pieceButton("05");
    QTest::mouseClick(b05, Qt::LeftButton);
    clickCell(*window, cell, Qt::LeftButton);
    QCOMPARE(document.cell(index).code, QByteArray("05"));
    QVERIFY(sameImage(window->canvas()->cellPicture(cell), b05->picture()));
    QVERIFY(document.isModified());
    QCOMPARE(document.cell(TrackGrid::index(2, 0)).code, QByteArray("07"));

    // The same piece again still marks the track modified.
    document.setModified(false);
    clickCell(*window, cell, Qt::LeftButton);
    QVERIFY(document.isModified());
    QCOMPARE(document.cell(index).code, QByteArray("05"));
    // A right click on a cell places nothing.
    document.setModified(false);
    clickCell(*window, cellNamed(*window, QStringLiteral("tp0101")), Qt::RightButton);
    QVERIFY(!document.isModified());
}

void TestMainForm::normalPageBackgroundPress_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("boxes");
    QTest::newRow("Normal, left") << 0 << int(Qt::LeftButton) << 1;
    QTest::newRow("Normal, right") << 0 << int(Qt::RightButton) << 1;
    QTest::newRow("Normal, middle") << 0 << int(Qt::MiddleButton) << 1;
    QTest::newRow("RCP 1") << 1 << int(Qt::LeftButton) << 0;
    QTest::newRow("Diagonal") << 5 << int(Qt::LeftButton) << 0;
    QTest::newRow("Utilities") << 11 << int(Qt::RightButton) << 0;
}

void TestMainForm::normalPageBackgroundPress()
{
    QFETCH(int, page);
    QFETCH(int, button);
    QFETCH(int, boxes);
    ModalWatcher watcher;
    auto window = start();
    window->palette()->setCurrentIndex(page);
    QWidget *sheet = window->palette()->widget(page);
    QTest::mousePress(sheet, Qt::MouseButton(button), {}, QPoint(3, 3));
    QTest::mouseRelease(sheet, Qt::MouseButton(button), {}, QPoint(3, 3));
    QTest::qWait(20);
    QCOMPARE(watcher.boxes().size(), boxes);
    if (boxes == 0)
        return;
    const ModalWatcher::Box box = watcher.boxes().first();
    QCOMPARE(box.text, QStringLiteral("0"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.title, QCoreApplication::applicationName());
    QVERIFY(window->currentCode().isEmpty());
}

void TestMainForm::maskColourLeftUndrawn_data()
{
    // Tiles read from files are RGB32; built-in pictures may come in others.
    QTest::addColumn<QImage::Format>("format");
    QTest::newRow("RGB32") << QImage::Format_RGB32;
    QTest::newRow("ARGB32") << QImage::Format_ARGB32;
    QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("RGB888") << QImage::Format_RGB888;
}

void TestMainForm::maskColourLeftUndrawn()
{
    // A picture whose bottom-left colour also fills a block in the middle:
    // both show the button's face, everything else shows the picture.
    QFETCH(QImage::Format, format);
    QImage picture = BmpBuilder::solid(QColor(10, 200, 30));
    const QColor mask(250, 0, 250);
    picture.setPixel(0, 49, mask.rgb());
    for (int y = 20; y < 30; ++y)
        for (int x = 20; x < 30; ++x)
            picture.setPixel(x, y, mask.rgb());
    picture = picture.convertToFormat(format);

    PictureButton plain, pictured;
    for (PictureButton *button : {&plain, &pictured}) {
        button->setCheckable(true);
        button->resize(54, 54);
    }
    pictured.setPicture(picture);
    QCOMPARE(pictured.pictureOrigin(), QPoint(2, 2));
    const QImage face = plain.grab().toImage();
    const QImage shown = pictured.grab().toImage();
    const QPoint o = pictured.pictureOrigin();
    QCOMPARE(shown.pixelColor(o + QPoint(0, 49)), face.pixelColor(o + QPoint(0, 49)));
    QCOMPARE(shown.pixelColor(o + QPoint(25, 25)), face.pixelColor(o + QPoint(25, 25)));
    QCOMPARE(shown.pixelColor(o + QPoint(1, 49)), QColor(10, 200, 30));
    QCOMPARE(shown.pixelColor(o + QPoint(19, 25)), QColor(10, 200, 30));
    QCOMPARE(shown.pixelColor(o + QPoint(49, 0)), QColor(10, 200, 30));
}

void TestMainForm::pressedPictureMoves()
{
    PictureButton button;
    button.setCheckable(true);
    button.resize(54, 54);
    button.setPicture(BmpBuilder::solid(Qt::blue));
    QCOMPARE(button.pictureOrigin(), QPoint(2, 2));
    button.setChecked(true);
    QCOMPARE(button.pictureOrigin(), QPoint(3, 3));
    // The current piece's face: (68 - 50 + 1) / 2 = 9 past the edge.
    button.resize(72, 72);
    button.setChecked(false);
    QCOMPARE(button.pictureOrigin(), QPoint(11, 11));
    // An odd difference rounds toward zero: (50 - 47 + 1) / 2 = 2.
    button.resize(54, 54);
    button.setPicture(BmpBuilder::solid(Qt::blue, 47, 47));
    QCOMPARE(button.pictureOrigin(), QPoint(4, 4));
    // A picture wider than the face: (50 - 60 + 1) / 2 = -4.
    button.setPicture(BmpBuilder::solid(Qt::blue, 60, 60));
    QCOMPARE(button.pictureOrigin(), QPoint(-2, -2));
}

void TestMainForm::sharedPictureSharesPixmap()
{
    const QImage picture = BmpBuilder::patterned(3);
    const QImage copy = picture;
    QCOMPARE(PictureButton::maskedPixmap(picture).cacheKey(),
             PictureButton::maskedPixmap(copy).cacheKey());
    const QImage other = BmpBuilder::patterned(3);
    QVERIFY(PictureButton::maskedPixmap(other).cacheKey()
            != PictureButton::maskedPixmap(picture).cacheKey());
}

void TestMainForm::errorBoxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("file name") << "Cannot open file /t/a.kwf" << "Cannot open file /t/a.kwf.";
    QTest::newRow("ends in a letter") << "Stream read error" << "Stream read error.";
    QTest::newRow("ends in a digit") << "JPEG error #42" << "JPEG error #42.";
    QTest::newRow("ends in a space") << "Cannot create file " << "Cannot create file ";
    QTest::newRow("ends in a full stop") << "Done." << "Done.";
    QTest::newRow("ends in a dash") << "a-" << "a-";
    QTest::newRow("ends in a slash") << "folder/" << "folder/.";
    QTest::newRow("empty") << "" << "";
}

void TestMainForm::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(KwError::shownText(message), shown);
}

// A binary file opened as a track through File -> Open: the error box names
// the tile that was looked for, the code's odd bytes readable.
void TestMainForm::binaryTrackInErrorBox_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tile");  // the tile file the message names, in the tiles folder
    QTest::newRow("ordinary code") << QByteArray("00,ZZ\r\n") << QStringLiteral("ZZ.bmp");
    QTest::newRow("control bytes") << QByteArray("\x1b[1m\x08\x08ok\r\n")
                                   << QStringLiteral("\\x1B[1m\\x08\\x08ok.bmp");
    QTest::newRow("NUL after a code") << QByteArray("00,ZZ\0\x01\x02", 8) << QStringLiteral("ZZ.bmp");
    QTest::newRow("invalid UTF-8") << QByteArray("GIF89a\xff\x00", 8) << QStringLiteral("GIF89a\\xFF.bmp");
    QTest::newRow("4096-byte code") << QByteArray("\x02") + QByteArray(4094, 'q') + "\x03"
                                    << QStringLiteral("\\x02") + QString(19, QLatin1Char('q')) + QChar(0x2026)
                                           + QString(18, QLatin1Char('q')) + QStringLiteral("\\x03.bmp");
    QTest::newRow("slash and dot dot") << QByteArray("../tiles/00\r\n") << QStringLiteral("../tiles/00.bmp");
}

void TestMainForm::binaryTrackInErrorBox()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tile);
    const QString path = m_dir.filePath(QStringLiteral("binary.kwf"));
    QVERIFY(BmpBuilder::writeFile(path, bytes));
    auto window = start();
    QVERIFY(startupCompleted());
    auto files = std::make_unique<ScriptedFileDialogs>();
    files->openAnswers = {path};
    window->setFileDialogs(std::move(files));

    ModalWatcher watcher;
    window->findChild<QAction *>(QStringLiteral("Load1"))->trigger();
    QCOMPARE(watcher.texts(), QStringList{QStringLiteral("Cannot open file ") + m_tiles + QLatin1Char('/') + tile
                                          + QLatin1Char('.')});
    QCOMPARE(watcher.boxes().first().icon, QMessageBox::Critical);
    verifyDefaultGrid(*window);
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
