// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's commands and the save-changes question, run through the
// real menu actions, the real dialogs and the real grid buttons.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "testfiles.h"

#include "pieces/catalogue.h"
#include "ui/commands/filedialogs.h"
#include "ui/dialogs/csvfiledialog.h"
#include "ui/dialogs/partslistwindow.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/dialogs/tsizeform.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/track/trackcanvas.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The user's config folder for this run, set before the application
// exists: the file dialogs above must leave nothing in it.
QTemporaryDir *configHome()
{
    static QTemporaryDir dir;
    return &dir;
}
const bool configHomeSet = qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()->path()));

void clickChild(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

// The button of the save-changes dialog for an answer.
const char *saveButton(int answer)
{
    return answer == 1 ? "Button1" : answer == 2 ? "Button2" : "Button3";
}

// A test's window: started, ready, with scripted file dialogs, and with the
// modal dialogs answered as the test says.
struct Editor
{
    std::unique_ptr<TMainForm> window;
    ScriptedFileDialogs *files = nullptr;
    ModalWatcher watcher;
    int saveAnswer = 2;
    // What the size dialog's user does before it is closed with OK.
    std::function<void(QDialog *)> sizeUser;

    TrackDocument &document() { return window->document(); }
    void trigger(const char *action)
    {
        window->findChild<QAction *>(QLatin1String(action))->trigger();
    }
    void choose(const QByteArray &code)
    {
        PictureButton *button = window->palette()->pieceButton(code);
        window->palette()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void clickCell(int column, int row)
    {
        const int index = TrackGrid::index(column, row);
        QTest::mouseClick(window->canvas(), Qt::LeftButton, {}, window->canvas()->cellRect(index).center());
    }
    void place(const QByteArray &code, int column, int row)
    {
        choose(code);
        clickCell(column, row);
    }
    void gridButton(const char *name, int times = 1)
    {
        auto *button = window->palette()->findChild<PictureButton *>(QLatin1String(name));
        window->palette()->setCurrentWidget(button->parentWidget());
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    int visibleCells() const
    {
        int n = 0;
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            n += window->canvas()->isCellShown(i) ? 1 : 0;
        return n;
    }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void protocol_data();
    void protocol();
    void newOnCleanTrack();
    void saveAfterOpenOverwritesInPlace();
    void saveAsProposesTheFileName();
    void enlargeThenClose();
    void shrinkAndGrowKeepsPieces();
    void newClearsHiddenCells();
    void gridButtonLimits_data();
    void gridButtonLimits();
    void sizeDialogShowsOpenedSize();
    void sizeDialogSetsTheGrid();
    void cancelledSaveAs();
    void saveIntoMissingFolder();
    void failedWriteKeepsOldFile();
    void openMissingTypedName();
    void openCancelled();
    void openShowsWhatTheTileFilesHoldNow();
    void exportWithoutFileName_data();
    void exportWithoutFileName();
    void exportBesideTrack_data();
    void exportBesideTrack();
    void aboutIsModal();
    // Before the real file dialogs: the CSV dialog is the first of the
    // program's file dialogs, so it alone must keep Qt's settings away.
    void partsListFollows_data();
    void partsListFollows();
    void partsListCopyAndSave();
    void realFileDialogs_data();
    void realFileDialogs();
    void fileDialogsLeaveNoSettings();

private:
    void start(Editor &editor);
    QString writeTrack(const QString &name, const QByteArray &text);
    void openTrack(Editor &editor, const QString &path);

    QTemporaryDir m_dir;
    QString m_tiles;
};

void TestCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_tiles = m_dir.filePath(QStringLiteral("tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes()));
}

void TestCommands::start(Editor &editor)
{
    editor.window = makeEditor(m_tiles, &editor.files);
    editor.watcher.onDialog([&editor](QDialog *dialog) {
        if (qobject_cast<TSaveForm *>(dialog)) {
            clickChild(dialog, saveButton(editor.saveAnswer));
        } else if (qobject_cast<TsizeForm *>(dialog)) {
            if (editor.sizeUser)
                editor.sizeUser(dialog);
            clickChild(dialog, "BitBtn1");
        } else {
            dialog->reject();
        }
    });
    QVERIFY(startEditor(*editor.window));
    QVERIFY(editor.window->isReady());
}

QString TestCommands::writeTrack(const QString &name, const QByteArray &text)
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    BmpBuilder::writeFile(path, text);
    return path;
}

void TestCommands::openTrack(Editor &editor, const QString &path)
{
    editor.files->openAnswers = {path};
    editor.trigger("Load1");
    QCOMPARE(editor.document().fileName(), path);
    editor.watcher.clear();
}

void TestCommands::protocol_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    for (const char *command : {"New", "Open", "Close"}) {
        for (int answer = 1; answer <= 3; ++answer) {
            const char *name[] = {"", "Yes", "No", "Cancel"};
            QTest::addRow("%s, %s", command, name[answer]) << QString::fromLatin1(command) << answer;
        }
    }
}

void TestCommands::protocol()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    const QByteArray before("00,01\r\n02,03\r\n");
    const QString track = writeTrack(QStringLiteral("protocol/%1-%2.kwf").arg(command).arg(answer), before);
    const QString other = writeTrack(QStringLiteral("protocol/other.kwf"), "04,05,06\r\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.place("3A", 1, 1);
    QVERIFY(editor.document().isModified());
    editor.saveAnswer = answer;
    editor.files->openAnswers = {other};

    if (command == QLatin1String("New"))
        editor.trigger("New1");
    else if (command == QLatin1String("Open"))
        editor.trigger("Load1");
    else
        editor.trigger("Exit1");

    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.watcher.dialogs().value(0), QStringLiteral("TSaveForm"));
    // "Yes" wrote the track, "No" and "Cancel" left the file alone.
    QCOMPARE(readBytes(track), answer == 1 ? QByteArray("00,01\r\n02,3A\r\n") : before);
    if (answer == 3) {
        QCOMPARE(editor.watcher.dialogs().size(), 1);
        QVERIFY(editor.window->isVisible());
        QVERIFY(editor.document().isModified());
        QCOMPARE(editor.document().fileName(), track);
        QCOMPARE(editor.document().cell(1, 1).code, QByteArray("3A"));
        return;
    }
    if (command == QLatin1String("New")) {
        QCOMPARE(editor.watcher.dialogs(), (QStringList{"TSaveForm", "TsizeForm"}));
        QCOMPARE(editor.document().cell(1, 1).code, QByteArray("07"));
        QVERIFY(editor.document().fileName().isEmpty());
        QVERIFY(!editor.document().isModified());
    } else if (command == QLatin1String("Open")) {
        QCOMPARE(editor.document().fileName(), other);
        QCOMPARE(editor.document().width(), 3);
        QCOMPARE(editor.document().cell(2, 0).code, QByteArray("06"));
        QVERIFY(!editor.document().isModified());
    } else {
        QVERIFY(!editor.window->isVisible());
    }
}

void TestCommands::newOnCleanTrack()
{
    Editor editor;
    start(editor);
    const QString track = writeTrack(QStringLiteral("clean.kwf"), "00,01,02\r\n");
    openTrack(editor, track);
    // The size dialog comes up at once and is left with Cancel after a
    // slider move: the grid is reset all the same, at the new size.
    editor.watcher.onDialog([](QDialog *dialog) {
        dialog->findChild<QSlider *>(QStringLiteral("widthbar"))->setValue(10);
        dialog->findChild<QSlider *>(QStringLiteral("heightbar"))->setValue(4);
        clickChild(dialog, "BitBtn2");
    });
    editor.trigger("New1");
    QCOMPARE(editor.watcher.dialogs(), QStringList{"TsizeForm"});
    QCOMPARE(editor.document().width(), 10);
    QCOMPARE(editor.document().height(), 4);
    QCOMPARE(editor.visibleCells(), 40);
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        QCOMPARE(editor.document().cell(i).code, QByteArray("07"));
    QVERIFY(editor.document().fileName().isEmpty());
    QVERIFY(!editor.document().isModified());
    // New leaves the Open dialog's proposal alone.
    QCOMPARE(editor.window->openDialogName(), track);
    QCOMPARE(editor.window->statusText(), QString());
}

void TestCommands::saveAfterOpenOverwritesInPlace()
{
    const QString track = writeTrack(QStringLiteral("overwrite.kwf"), "00,01\n02,03\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.place("05", 0, 0);
    editor.trigger("Save1");
    QCOMPARE(readBytes(track), QByteArray("05,01\r\n02,03\r\n"));
    QVERIFY(editor.files->saveProposals.isEmpty());
    QVERIFY(!editor.document().isModified());
    QCOMPARE(editor.window->openDialogName(), track);
    QVERIFY(editor.watcher.boxes().isEmpty());

    // Save writes also when nothing changed.
    BmpBuilder::writeFile(track, "changed elsewhere");
    editor.trigger("Save1");
    QCOMPARE(readBytes(track), QByteArray("05,01\r\n02,03\r\n"));
}

void TestCommands::saveAsProposesTheFileName()
{
    const QString track = writeTrack(QStringLiteral("saveas/first.kwf"), "00\r\n");
    const QString copy = m_dir.filePath(QStringLiteral("saveas/second.kwf"));
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.files->saveAnswers = {copy};
    editor.trigger("Saveas1");
    QCOMPARE(editor.files->saveProposals, QStringList{track});
    QCOMPARE(readBytes(copy), QByteArray("00\r\n"));
    QCOMPARE(editor.document().fileName(), copy);
    QCOMPARE(editor.window->openDialogName(), copy);
    editor.trigger("Load1");
    QCOMPARE(editor.files->openProposals.last(), copy);
}

void TestCommands::enlargeThenClose()
{
    Editor editor;
    start(editor);
    editor.gridButton("b80");
    editor.gridButton("b82");
    QCOMPARE(editor.document().width(), 16);
    QCOMPARE(editor.document().height(), 8);
    QCOMPARE(editor.visibleCells(), 16 * 8);
    QVERIFY(!editor.document().isModified());
    editor.trigger("Exit1");
    QVERIFY(editor.watcher.dialogs().isEmpty());
    QVERIFY(!editor.window->isVisible());
}

void TestCommands::shrinkAndGrowKeepsPieces()
{
    Editor editor;
    start(editor);
    editor.place("3A", 12, 0);
    editor.place("05", 14, 6);
    editor.gridButton("b81", 5);
    QCOMPARE(editor.document().width(), 10);
    QVERIFY(!editor.window->canvas()->isCellShown(TrackGrid::index(12, 0)));
    QVERIFY(editor.window->canvas()->isCellShown(TrackGrid::index(9, 0)));
    QCOMPARE(editor.visibleCells(), 70);
    editor.gridButton("b80", 5);
    QCOMPARE(editor.document().width(), 15);
    QCOMPARE(editor.visibleCells(), 105);
    QCOMPARE(editor.document().cell(12, 0).code, QByteArray("3A"));
    QCOMPARE(editor.document().cell(14, 6).code, QByteArray("05"));
    QVERIFY(editor.window->canvas()->isCellShown(TrackGrid::index(14, 6)));
    QVERIFY(editor.window->canvas()->cellPicture(TrackGrid::index(14, 6))
            == editor.window->palette()->pieceButton("05")->picture());
}

void TestCommands::newClearsHiddenCells()
{
    Editor editor;
    start(editor);
    editor.place("3A", 14, 6);
    editor.gridButton("b81", 3);
    editor.gridButton("b83", 3);
    editor.saveAnswer = 2;
    editor.sizeUser = [](QDialog *dialog) {
        dialog->findChild<QSlider *>(QStringLiteral("widthbar"))->setValue(15);
        dialog->findChild<QSlider *>(QStringLiteral("heightbar"))->setValue(7);
    };
    editor.trigger("New1");
    QCOMPARE(editor.watcher.dialogs(), (QStringList{"TSaveForm", "TsizeForm"}));
    QCOMPARE(editor.document().cell(14, 6).code, QByteArray("07"));
    QVERIFY(editor.window->canvas()->isCellShown(TrackGrid::index(14, 6)));
    const QImage b07 = editor.window->palette()->pieceButton("07")->picture();
    QCOMPARE(editor.window->canvas()->cellPicture(TrackGrid::index(14, 6)).cacheKey(), b07.cacheKey());
}

void TestCommands::gridButtonLimits_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("width down to 1") << "b81" << 20 << 1 << 7;
    QTest::newRow("height down to 1") << "b83" << 10 << 15 << 1;
    QTest::newRow("width up to 30") << "b80" << 20 << 30 << 7;
    QTest::newRow("height up to 30") << "b82" << 30 << 15 << 30;
}

void TestCommands::gridButtonLimits()
{
    QFETCH(QString, button);
    QFETCH(int, clicks);
    QFETCH(int, width);
    QFETCH(int, height);
    Editor editor;
    start(editor);
    editor.gridButton(button.toLatin1().constData(), clicks);
    QCOMPARE(editor.document().width(), width);
    QCOMPARE(editor.document().height(), height);
    QCOMPARE(editor.visibleCells(), width * height);
    QCOMPARE(editor.window->findChild<QWidget *>(QStringLiteral("TrackCanvas"))->size(),
             QSize(4 + 54 * width, 4 + 54 * height));
    QCOMPARE(editor.window->statusText(), QString());
    QVERIFY(!editor.document().isModified());
}

void TestCommands::sizeDialogShowsOpenedSize()
{
    const QString track = writeTrack(QStringLiteral("small.kwf"), "00,01,02\r\n03,04,05\r\n");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    QStringList shown;
    editor.sizeUser = [&shown](QDialog *dialog) {
        shown << QString::number(dialog->findChild<QSlider *>(QStringLiteral("widthbar"))->value())
              << QString::number(dialog->findChild<QSlider *>(QStringLiteral("heightbar"))->value())
              << dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->text()
              << dialog->findChild<QLineEdit *>(QStringLiteral("Edit2"))->text();
    };
    editor.trigger("Modifygridsize1");
    QCOMPARE(shown, (QStringList{"3", "2", "3", "2"}));
    QCOMPARE(editor.visibleCells(), 6);
}

void TestCommands::sizeDialogSetsTheGrid()
{
    Editor editor;
    start(editor);
    editor.place("05", 3, 3);
    editor.document().setModified(false);
    editor.watcher.onDialog([](QDialog *dialog) {
        dialog->findChild<QSlider *>(QStringLiteral("widthbar"))->setValue(4);
        dialog->findChild<QSlider *>(QStringLiteral("heightbar"))->setValue(3);
        clickChild(dialog, "BitBtn2");
    });
    editor.trigger("Modifygridsize1");
    QCOMPARE(editor.visibleCells(), 12);
    QVERIFY(!editor.window->canvas()->isCellShown(TrackGrid::index(3, 3)));
    QCOMPARE(editor.document().cell(3, 3).code, QByteArray("05"));
    QVERIFY(!editor.document().isModified());
}

void TestCommands::cancelledSaveAs()
{
    Editor editor;
    start(editor);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    editor.place("05", 0, 0);
    editor.trigger("Save1");
    QCOMPARE(editor.files->saveProposals, QStringList{QString()});
    QVERIFY(editor.watcher.boxes().isEmpty());
    QVERIFY(editor.document().isModified());
    QVERIFY(editor.document().fileName().isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);

    // New waiting on "Yes" stops when the save is cancelled.
    editor.saveAnswer = 1;
    editor.trigger("New1");
    QCOMPARE(editor.watcher.dialogs(), QStringList{"TSaveForm"});
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.document().cell(0, 0).code, QByteArray("05"));
    QVERIFY(editor.document().isModified());
    // So does a close.
    editor.trigger("Exit1");
    QVERIFY(editor.window->isVisible());
}

void TestCommands::saveIntoMissingFolder()
{
    const QString track = writeTrack(QStringLiteral("kept.kwf"), "00\r\n");
    const QString missing = m_dir.filePath(QStringLiteral("no/such/folder/x.kwf"));
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.place("05", 0, 0);
    editor.files->saveAnswers = {missing};
    editor.trigger("Saveas1");
    QCOMPARE(editor.watcher.texts(), QStringList{"Cannot create file " + missing + "."});
    QCOMPARE(editor.watcher.boxes().first().icon, QMessageBox::Critical);
    QVERIFY(editor.document().isModified());
    QCOMPARE(editor.document().fileName(), track);
    QCOMPARE(editor.window->openDialogName(), track);
    QCOMPARE(readBytes(track), QByteArray("00\r\n"));
}

void TestCommands::failedWriteKeepsOldFile()
{
    const QByteArray old("00,01,02\r\n");
    const QString track = writeTrack(QStringLiteral("limited/track.kwf"), old);
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.place("05", 0, 0);
    editor.gridButton("b80", 10);
    editor.gridButton("b82", 10);

    // A read-only folder stops the save before anything is written; root
    // is not stopped by that, so there a file-size limit fails the write.
    QString expected;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const bool root = geteuid() == 0;
    if (root) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        expected = QStringLiteral("Stream write error.");
    } else {
        QVERIFY(QFile::setPermissions(QFileInfo(track).path(), QFile::ReadOwner | QFile::ExeOwner));
        expected = QStringLiteral("Cannot create file ") + track + QLatin1Char('.');
    }
    editor.trigger("Save1");
    // The close waiting on "Yes" stops at the same failure.
    editor.saveAnswer = 1;
    editor.trigger("Exit1");
    if (root)
        setrlimit(RLIMIT_FSIZE, &saved);
    else
        QFile::setPermissions(QFileInfo(track).path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(editor.watcher.texts(), (QStringList{expected, expected}));
    QVERIFY(editor.window->isVisible());
    QVERIFY(editor.document().isModified());
    QCOMPARE(readBytes(track), old);
    QCOMPARE(editor.document().fileName(), track);
}

void TestCommands::openMissingTypedName()
{
    const QString track = writeTrack(QStringLiteral("present.kwf"), "00,01\r\n");
    const QString missing = m_dir.filePath(QStringLiteral("absent.kwf"));
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.place("05", 1, 0);
    editor.saveAnswer = 2;
    editor.files->openAnswers = {missing};
    editor.trigger("Load1");
    QCOMPARE(editor.watcher.texts(), QStringList{"Cannot open file " + missing + "."});
    QCOMPARE(editor.document().fileName(), track);
    QCOMPARE(editor.document().cell(1, 0).code, QByteArray("05"));
    QCOMPARE(editor.document().width(), 2);
    QVERIFY(editor.document().isModified());
    QCOMPARE(editor.visibleCells(), 2);
}

void TestCommands::openCancelled()
{
    Editor editor;
    start(editor);
    editor.place("05", 1, 0);
    editor.trigger("Load1");
    QCOMPARE(editor.files->openProposals, QStringList{QString()});
    QCOMPARE(editor.watcher.dialogs(), QStringList{"TSaveForm"});
    QVERIFY(editor.watcher.boxes().isEmpty());
    QCOMPARE(editor.document().cell(1, 0).code, QByteArray("05"));
    QVERIFY(editor.document().isModified());
    QVERIFY(editor.document().fileName().isEmpty());
}

void TestCommands::openShowsWhatTheTileFilesHoldNow()
{
    // The cells show the pictures read with the track: a code outside the
    // catalogue whose tile exists, and a tile changed on disk since the last
    // read, even when the track read again is the same grid.
    Editor editor;
    start(editor);
    const QString tile = m_tiles + QStringLiteral("/00.bmp");
    const QByteArray original = readBytes(tile);
    QVERIFY(BmpBuilder::writeFile(m_tiles + QStringLiteral("/QQ.bmp"),
                                  BmpBuilder::bmp24(BmpBuilder::patterned(500))));
    const QString track = writeTrack(QStringLiteral("reread.kwf"), "00,QQ\r\n");
    openTrack(editor, track);
    QCOMPARE(editor.window->canvas()->cellPicture(TrackGrid::index(1, 0)), BmpBuilder::patterned(500));
    QVERIFY(BmpBuilder::writeFile(tile, BmpBuilder::bmp24(BmpBuilder::patterned(501))));
    openTrack(editor, track);
    const QImage shown = editor.window->canvas()->cellPicture(0);
    QVERIFY(BmpBuilder::writeFile(tile, original));
    QCOMPARE(shown, BmpBuilder::patterned(501));
}

void TestCommands::exportWithoutFileName_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("JPG") << "ExporttoJPG1";
    QTest::newRow("BMP") << "ExporttoBMP1";
    QTest::newRow("PNG") << "ExporttoPNG1";
    QTest::newRow("PDF") << "ExporttoPDF1";
}

void TestCommands::exportWithoutFileName()
{
    QFETCH(QString, action);
    Editor editor;
    start(editor);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
    editor.trigger(action.toLatin1().constData());
    QCOMPARE(editor.watcher.texts(), QStringList{"Save your file first!"});
    QCOMPARE(editor.watcher.boxes().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    QCOMPARE(editor.window->statusText(), QString());
}

void TestCommands::exportBesideTrack_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("JPG") << "ExporttoJPG1" << ".jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("BMP") << "ExporttoBMP1" << ".bmp" << QByteArray("BM");
    QTest::newRow("PNG") << "ExporttoPNG1" << ".png" << QByteArray("\x89PNG\r\n\x1a\n");
    QTest::newRow("PDF") << "ExporttoPDF1" << ".pdf" << QByteArray("%PDF-");
}

void TestCommands::exportBesideTrack()
{
    QFETCH(QString, action);
    QFETCH(QString, extension);
    QFETCH(QByteArray, signature);
    const QString track = writeTrack(QStringLiteral("export/oval.kwf"), "00,01,02\r\n03,04,05\r\n");
    const QString picture = m_dir.filePath(QStringLiteral("export/oval") + extension);
    BmpBuilder::writeFile(picture, "an older picture");
    Editor editor;
    start(editor);
    openTrack(editor, track);
    editor.place("3A", 0, 1);
    editor.trigger(action.toLatin1().constData());

    QVERIFY(editor.watcher.boxes().isEmpty());
    const QByteArray bytes = readBytes(picture);
    QVERIFY(bytes.startsWith(signature));
    if (extension == QLatin1String(".bmp")) {
        // 3 x 2 cells: 148 x 99 pixels at the display's depth.
        const int depth = QGuiApplication::primaryScreen()->depth();
        const int bits = (depth == 16 || depth == 24 || depth == 32) ? depth : 24;
        const int row = (148 * bits / 8 + 3) / 4 * 4;
        QCOMPARE(bytes.size(), 54 + row * 99);
    }
    QCOMPARE(editor.document().fileName(), track);
    QVERIFY(editor.document().isModified());
    QCOMPARE(editor.document().width(), 3);
    QCOMPARE(editor.document().height(), 2);
    QCOMPARE(editor.document().cell(0, 1).code, QByteArray("3A"));
    QCOMPARE(readBytes(track), QByteArray("00,01,02\r\n03,04,05\r\n"));
    QCOMPARE(editor.window->statusText(), QString());
}

void TestCommands::aboutIsModal()
{
    Editor editor;
    start(editor);
    editor.trigger("About1");
    QCOMPARE(editor.watcher.dialogs(), QStringList{"TAboutForm"});
}

void TestCommands::realFileDialogs_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("suffix");
    // Only a name to save gets the extension; Open takes "oval" as typed.
    QTest::newRow("Save") << true << "Save DizedidedeVida" << "kwf";
    QTest::newRow("Open") << false << "Open Kerbwright File" << "";
}

void TestCommands::realFileDialogs()
{
    QFETCH(bool, save);
    QFETCH(QString, title);
    QFETCH(QString, suffix);
    QWidget owner;
    QtFileDialogs dialogs(&owner);
    const QString proposed = m_dir.filePath(QStringLiteral("proposed.kwf"));
    const QString typed = m_dir.filePath(QStringLiteral("typed-but-missing"));
    QStringList seen;
    ModalWatcher watcher;
    watcher.onDialog([&](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        auto *nameBox = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        seen << files->objectName() << files->windowTitle() << files->nameFilters().join('|')
             << files->defaultSuffix() << (nameBox ? nameBox->text() : QStringLiteral("?"));
        QVERIFY(files->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(files->fileMode(), QFileDialog::AnyFile);
        // Typed into the name box, as a user would.
        if (nameBox)
            nameBox->setText(typed);
        else
            files->selectFile(typed);
        dialog->accept();  // QFileDialog::accept, which checks the name
        if (files->isVisible())
            dialog->reject();
    });
    auto ask = [&](const QString &name) {
        return save ? dialogs.askSaveName(name) : dialogs.askOpenName(name);
    };
    // The typed name comes back even though no such file exists.
    QCOMPARE(ask(proposed), suffix.isEmpty() ? typed : typed + QStringLiteral(".kwf"));
    QCOMPARE(seen, (QStringList{save ? "SaveDialog" : "OpenDialog", title,
                                "Kerbwright File (*.kwf)", suffix, "proposed.kwf"}));
    // No proposal: the name box starts empty, not with the last answer.
    seen.clear();
    ask(QString());
    QCOMPARE(seen.value(4), QString());
    // A cancel is an empty answer.
    watcher.onDialog([](QDialog *dialog) { dialog->reject(); });
    QCOMPARE(ask(proposed), QString());
}

namespace {

struct ScriptedCsvDialog : CsvFileDialog
{
    QStringList answers, proposals;
    QString askCsvName(const QString &proposed) override
    {
        proposals.append(proposed);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

PartsListWindow *openPartsList(Editor &editor)
{
    editor.trigger("Partslist1");
    return editor.window->findChild<PartsListWindow *>(QStringLiteral("PartsListWindow"));
}

// The table's column with this header.
int columnOf(const QTableWidget *table, const QString &title)
{
    for (int c = 0; c < table->columnCount(); ++c)
        if (table->horizontalHeaderItem(c)->text() == title)
            return c;
    return -1;
}

// Every row as code|page|count, marked when it shows no picture.
QStringList partsRows(const PartsListWindow *parts)
{
    const auto *table = parts->findChild<QTableWidget *>(QStringLiteral("PartsTable"));
    const int code = columnOf(table, "Code"), page = columnOf(table, "Page"), count = columnOf(table, "Count");
    const int picture = columnOf(table, "Piece");
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        rows.append(table->item(r, code)->text() + '|' + table->item(r, page)->text() + '|'
                    + table->item(r, count)->text()
                    + (table->item(r, picture)->icon().isNull() ? "|no picture" : ""));
    }
    return rows;
}

// Every row's name.
QStringList partsNames(const PartsListWindow *parts)
{
    const auto *table = parts->findChild<QTableWidget *>(QStringLiteral("PartsTable"));
    const int name = columnOf(table, "Name");
    QStringList names;
    for (int r = 0; name >= 0 && r < table->rowCount(); ++r)
        names.append(table->item(r, name)->text());
    return names;
}

} // namespace

void TestCommands::partsListFollows_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("opened") << "" << QStringList{"07|Normal|105"};
    QTest::newRow("edit") << "edit" << QStringList{"07|Normal|103", "A3|RCP 1|1", "79|Extra's|1"};
    // One column less: 79's column goes.
    QTest::newRow("resize") << "resize" << QStringList{"07|Normal|97", "A3|RCP 1|1"};
    QTest::newRow("open") << "open" << QStringList{"00|Normal|1", "ZZ||1"};
    QTest::newRow("new") << "new" << QStringList{"07|Normal|105"};
}

void TestCommands::partsListFollows()
{
    QFETCH(QString, step);
    QFETCH(QStringList, rows);
    QFile::copy(m_tiles + "/00.bmp", m_tiles + "/ZZ.bmp");
    Editor editor;
    start(editor);
    QAction *command = editor.window->findChild<QAction *>(QStringLiteral("Partslist1"));
    QVERIFY(editor.window->trackMenu()->actions().contains(command));
    QCOMPARE(command->text() + command->shortcut().toString(),
             QStringLiteral("Parts list…Ctrl+L"));
    const PartsListWindow *parts = openPartsList(editor);
    QVERIFY(parts->isVisible() && !parts->isModal() && !QApplication::activeModalWidget());
    if (step.isEmpty()) {
        QCOMPARE(parts->findChild<QLabel *>(QStringLiteral("PartsTotal"))->text(),
                 QStringLiteral("Total: 105 pieces, 1 distinct"));
    } else {
        editor.place("A3", 0, 0);
        editor.place("79", 14, 6);
    }
    if (step == QLatin1String("resize"))
        editor.gridButton("b81");
    else if (step == QLatin1String("open"))
        openTrack(editor, writeTrack(QStringLiteral("parts/two.kwf"), "00,ZZ\r\n"));
    else if (step == QLatin1String("new"))
        editor.trigger("New1");
    QCOMPARE(partsRows(parts), rows);
    // Each row names its piece; a code outside the catalogue has no name.
    QStringList names;
    for (const QString &row : rows)
        names.append(PieceTable::name(row.section('|', 0, 0).toLatin1()));
    QCOMPARE(partsNames(parts), names);
}

void TestCommands::partsListCopyAndSave()
{
    Editor editor;
    start(editor);
    PartsListWindow *parts = openPartsList(editor);
    auto *csv = new ScriptedCsvDialog;
    parts->setCsvDialog(std::unique_ptr<CsvFileDialog>(csv));
    editor.place("A3", 0, 0);
    parts->findChild<QPushButton *>(QStringLiteral("CopyParts"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("code\tpage\tcount\tname\n07\tNormal\t104\tGrass\nA3\tRCP 1\t1\tFoam corner, west to north\n"));

    const QString saved = m_dir.filePath(QStringLiteral("list.csv"));
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such/list.csv"));
    csv->answers = {saved, QString(), nowhere};
    auto *save = parts->findChild<QPushButton *>(QStringLiteral("SaveParts"));
    QCOMPARE(save->text(), QStringLiteral("Save as CSV…"));
    for (int i = 0; i < 3; ++i)  // saved, cancelled, refused
        save->click();
    QCOMPARE(readBytes(saved),
             QByteArray("code,page,count,name\n07,Normal,104,Grass\nA3,RCP 1,1,\"Foam corner, west to north\"\n"));
    QCOMPARE(csv->proposals, QStringList(3, QStringLiteral("parts.csv")));
    QCOMPARE(editor.watcher.texts(), QStringList{"Cannot create file " + nowhere + "."});

    // The real dialog adds the extension; fileDialogsLeaveNoSettings checks
    // that it leaves no settings behind.
    QtCsvFileDialog real(parts);
    editor.watcher.onDialog([&](QDialog *shown) {
        QCOMPARE(shown->objectName(), QStringLiteral("CsvDialog"));
        auto *nameBox = shown->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        nameBox->setText(m_dir.filePath(QStringLiteral("typed")));
        shown->accept();
    });
    QCOMPARE(real.askCsvName(QStringLiteral("oval.csv")), m_dir.filePath("typed.csv"));
}

void TestCommands::fileDialogsLeaveNoSettings()
{
    // Qt's dialog would have written its history and last folder to
    // QtProject.conf when the dialogs above were destroyed.
    QVERIFY(configHomeSet);
    const QStringList left = QDir(configHome()->path())
                                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(left, QStringList());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
