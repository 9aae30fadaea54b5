// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved work outlives the editor: the recovery copy follows the track,
// goes when the work is saved or given up, survives kill -9 and the ending
// signals, and is offered at the next start. Editors that the tests kill
// run as child processes (recoverychild, and the real program).

#include "bmpbuilder.h"
#include "filesizelimit.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "testfiles.h"

#include "cellclick.h"
#include "document/recoverycopy.h"
#include "document/trackdocument.h"
#include "pieces/catalogue.h"
#include "startededitor.h"
#include "ui/commands/editcommands.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/dialogs/tsizeform.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/recovery/recovery.h"
#include "ui/recovery/recoverydialog.h"
#include "ui/recovery/recoveryfolder.h"
#include "ui/recovery/recoverykeeper.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

// The user's data folder for this run and its children, set before the
// application exists.
QTemporaryDir *dataHome()
{
    static QTemporaryDir dir;
    return &dir;
}
const bool dataHomeSet = qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()->path()));

QString folder()
{
    return dataHome()->path() + QStringLiteral("/kerbwright/recovery");
}

QStringList copiesNow()
{
    return RecoveryFolder::copies(folder());
}

class ScriptedQuestion : public RecoveryQuestion
{
public:
    QVector<Answer> answers;
    QVector<Offer> offers;

    Answer ask(const Offer &offer) override
    {
        offers.append(offer);
        return answers.isEmpty() ? Later : answers.takeFirst();
    }
};

// A copy as an editor that no longer runs left it: no lock beside it.
QString leaveCopy(const QString &id, const RecoveryCopy &copy)
{
    QDir().mkpath(folder());
    const QString path = RecoveryFolder::copyPath(folder(), id);
    RecoveryCopy::write(path, copy);
    return path;
}

RecoveryCopy someCopy(const QString &fileName, const QByteArray &code, int width = 6, int height = 4)
{
    RecoveryCopy copy;
    copy.grid.setSize(width, height);
    copy.grid.showBlock();
    copy.grid.setCode(TrackGrid::index(1, 1), code);
    // Beyond the block, as a shrunk grid keeps it.
    copy.grid.setCode(TrackGrid::index(20, 20), "3A");
    copy.fileName = fileName;
    copy.time = QDateTime(QDate(2026, 5, 1), QTime(9, 30, 0), Qt::UTC);
    return copy;
}

struct Editor
{
    std::unique_ptr<TMainForm> window;
    ScriptedFileDialogs *files = nullptr;
    ScriptedQuestion *question = nullptr;
    ModalWatcher watcher;
    int saveAnswer = TSaveForm::No;
    // The answers to the start-up offer, set before start().
    QVector<RecoveryQuestion::Answer> answers;

    TrackDocument &document() { return window->document(); }
    RecoveryKeeper &keeper() { return window->recovery()->keeper(); }
    void trigger(const char *action) { window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    void place(const QByteArray &code, int column, int row)
    {
        PictureButton *button = window->palette()->pieceButton(code);
        window->palette()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
        clickCell(*window, TrackGrid::index(column, row));
    }
};

// A child editor, driven through its standard input and output.
class Child
{
public:
    QProcess process;

    bool start(const QStringList &arguments)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(KW_CHILD_EXE), arguments);
        return process.waitForStarted(10000);
    }
    // Waits for a line that starts with prefix; true when it came.
    bool waitFor(const QByteArray &prefix, int timeout = 30000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeout) {
            while (process.canReadLine()) {
                if (process.readLine().startsWith(prefix))
                    return true;
            }
            if (process.state() != QProcess::Running)
                return false;
            process.waitForReadyRead(100);
        }
        return false;
    }
    bool command(const QByteArray &line)
    {
        process.write(line + '\n');
        return waitFor("done");
    }
    bool place(const QByteArray &code, int column, int row)
    {
        return command("place " + code + ' ' + QByteArray::number(column) + ' ' + QByteArray::number(row));
    }
    void signal(int number) { ::kill(pid_t(process.processId()), number); }
    ~Child()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void unmodifiedRunMakesNothing();
    void realProgramUnmodifiedEndsCleanly_data();
    void realProgramUnmodifiedEndsCleanly();
    void copyWrittenWithinDelay();
    void copyGoes_data();
    void copyGoes();
    void noAtCloseRemovesCopy();
    void cancelAtCloseKeepsCopy();
    void offer_data();
    void offer();
    void restoreThenSave();
    void restoreReplacesCommandLineTrackOnlyOnRestore();
    void severalCopiesOneAfterAnother();
    void damagedCopy();
    void dialog();
    void unwritableFolder_data();
    void unwritableFolder();
    void killedEditorIsRecovered();
    void endingSignalKeepsCopy_data();
    void endingSignalKeepsCopy();
    void signalDuringQuestionKeepsCopy();
    void nothingIsLost_data();
    void nothingIsLost();
    void twoEditorsAtOnce();
    void copiesOfferedWhateverTheirLocks_data();
    void copiesOfferedWhateverTheirLocks();

private:
    void start(Editor &editor, const QStringList &arguments = {});
    QString writeTrack(const QString &name, const QByteArray &text);

    QTemporaryDir m_dir;
    QString m_tiles;
};

void TestRecovery::initTestCase()
{
    QVERIFY(dataHome()->isValid());
    QVERIFY(dataHomeSet);
    QVERIFY(m_dir.isValid());
    m_tiles = m_dir.filePath(QStringLiteral("tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes()));
}

void TestRecovery::init()
{
    QDir(dataHome()->path() + QStringLiteral("/kerbwright")).removeRecursively();
}

void TestRecovery::start(Editor &editor, const QStringList &arguments)
{
    editor.window = makeEditor(m_tiles, &editor.files, arguments);
    auto question = std::make_unique<ScriptedQuestion>();
    question->answers = editor.answers;
    editor.question = question.get();
    editor.window->recovery()->setQuestion(std::move(question));
    editor.watcher.onDialog([&editor](QDialog *dialog) {
        const char *button = editor.saveAnswer == TSaveForm::Yes  ? "Button1"
                             : editor.saveAnswer == TSaveForm::No ? "Button2"
                                                                  : "Button3";
        if (qobject_cast<TSaveForm *>(dialog))
            dialog->findChild<QPushButton *>(QLatin1String(button))->click();
        else if (qobject_cast<TsizeForm *>(dialog))
            dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        else
            dialog->reject();
    });
    QSignalSpy offered(editor.window->recovery(), &Recovery::offerEnded);
    editor.window->show();
    QVERIFY(offered.wait(30000));
    QVERIFY(editor.window->isReady());
}

QString TestRecovery::writeTrack(const QString &name, const QByteArray &text)
{
    const QString path = m_dir.filePath(name);
    BmpBuilder::writeFile(path, text);
    return path;
}

void TestRecovery::unmodifiedRunMakesNothing()
{
    const QString track = writeTrack(QStringLiteral("clean.kwf"), "00,01\r\n");
    {
        Editor editor;
        start(editor, {track});
        // Resizing changes no piece, so the track stays clean.
        editor.trigger("Modifygridsize1");
        QVERIFY(!editor.document().isModified());
        QVERIFY(!editor.keeper().isPending());
        QVERIFY(editor.keeper().writeNow());
        QVERIFY(editor.question->offers.isEmpty());
        editor.window->close();
    }
    QVERIFY(!QFileInfo::exists(dataHome()->path() + QStringLiteral("/kerbwright")));
}

void TestRecovery::realProgramUnmodifiedEndsCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestRecovery::realProgramUnmodifiedEndsCleanly()
{
    // The program itself, with the tiles it was built with: a run that
    // changes nothing ends on the signal at once and makes no folder.
    QFETCH(int, signal);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(KW_EDITOR_EXE), {});
    QVERIFY(editor.waitForStarted(10000));
    QTest::qWait(2500);
    QCOMPARE(editor.state(), QProcess::Running);
    ::kill(pid_t(editor.processId()), signal);
    QVERIFY(editor.waitForFinished(10000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(dataHome()->path() + QStringLiteral("/kerbwright")));
}

void TestRecovery::copyWrittenWithinDelay()
{
    const QString track = writeTrack(QStringLiteral("delay.kwf"), "00,01,02\r\n");
    Editor editor;
    start(editor, {track});
    QElapsedTimer clock;
    clock.start();
    editor.place("3A", 1, 0);
    QVERIFY(editor.keeper().isPending());
    QVERIFY(copiesNow().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(copiesNow().size(), 1, RecoveryKeeper::delay + 2000);
    QVERIFY(clock.elapsed() <= RecoveryKeeper::delay + 1000);
    QCOMPARE(copiesNow().value(0), editor.keeper().copyPath());
    // The copy holds the track as it stands, and its editor's lock is held.
    std::optional<RecoveryCopy> copy = RecoveryCopy::read(copiesNow().value(0));
    QVERIFY(copy);
    QVERIFY(copy->grid == editor.document().grid());
    QCOMPARE(copy->fileName, track);
    QVERIFY(qAbs(copy->time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QLockFile other(RecoveryFolder::lockPathFor(copiesNow().value(0)));
    other.setStaleLockTime(0);
    QVERIFY(!other.tryLock(0));

    // A later change is kept again, the same file rewritten.
    editor.place("1F", 2, 0);
    QVERIFY(editor.keeper().isPending());
    QTRY_VERIFY_WITH_TIMEOUT(!editor.keeper().isPending(), RecoveryKeeper::delay + 2000);
    copy = RecoveryCopy::read(copiesNow().value(0));
    QCOMPARE(copy->grid.cell(2, 0).code, QByteArray("1F"));
    QCOMPARE(copiesNow().size(), 1);
}

void TestRecovery::copyGoes_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"Save", "New", "Open", "Undo", "Yes at Open"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

void TestRecovery::copyGoes()
{
    QFETCH(QString, command);
    const QString track = writeTrack(QStringLiteral("goes.kwf"), "00,01,02\r\n");
    const QString other = writeTrack(QStringLiteral("other.kwf"), "04\r\n");
    Editor editor;
    start(editor, {track});
    editor.place("3A", 1, 0);
    QVERIFY(editor.keeper().writeNow());
    QCOMPARE(copiesNow().size(), 1);

    editor.files->openAnswers = {other};
    if (command == QLatin1String("Save")) {
        editor.trigger("Save1");
        QCOMPARE(readBytes(track), QByteArray("00,3A,02\r\n"));
    } else if (command == QLatin1String("New")) {
        editor.trigger("New1");
    } else if (command == QLatin1String("Open")) {
        editor.trigger("Load1");
        QCOMPARE(editor.document().fileName(), other);
    } else if (command == QLatin1String("Undo")) {
        editor.trigger("Undo1");
    } else {
        editor.saveAnswer = TSaveForm::Yes;
        editor.trigger("Load1");
        QCOMPARE(readBytes(track), QByteArray("00,3A,02\r\n"));
    }
    QVERIFY(!editor.document().isModified());
    QVERIFY(copiesNow().isEmpty());
    QVERIFY(!editor.keeper().isPending());
    // No lock is left either: nothing of this editor is in the folder.
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestRecovery::noAtCloseRemovesCopy()
{
    {
        Editor editor;
        start(editor);
        editor.place("3A", 1, 1);
        QVERIFY(editor.keeper().writeNow());
        QCOMPARE(copiesNow().size(), 1);
        editor.saveAnswer = TSaveForm::No;
        editor.trigger("Exit1");
        QCOMPARE(editor.watcher.dialogs(), QStringList{"TSaveForm"});
        QVERIFY(!editor.window->isVisible());
        QVERIFY(copiesNow().isEmpty());
    }
    // With the window gone, so is the folder.
    QVERIFY(!QFileInfo::exists(dataHome()->path() + QStringLiteral("/kerbwright")));
}

void TestRecovery::cancelAtCloseKeepsCopy()
{
    Editor editor;
    start(editor);
    editor.place("3A", 1, 1);
    QVERIFY(editor.keeper().writeNow());
    editor.saveAnswer = TSaveForm::Cancel;
    editor.trigger("Exit1");
    QVERIFY(editor.window->isVisible());
    QCOMPARE(copiesNow().size(), 1);
    // And the editor goes on keeping it.
    editor.place("1F", 2, 2);
    QVERIFY(editor.keeper().isPending());
}

void TestRecovery::offer_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Restore") << int(RecoveryQuestion::Restore);
    QTest::newRow("Discard") << int(RecoveryQuestion::Discard);
    QTest::newRow("closed without a button") << int(RecoveryQuestion::Later);
}

void TestRecovery::offer()
{
    QFETCH(int, answer);
    const QString track = m_dir.filePath(QStringLiteral("offered.kwf"));
    const RecoveryCopy left = someCopy(track, "1F");
    const QString path = leaveCopy(QStringLiteral("4242"), left);
    Editor editor;
    editor.answers = {RecoveryQuestion::Answer(answer)};
    start(editor);
    QCOMPARE(editor.question->offers.size(), 1);
    const RecoveryQuestion::Offer offer = editor.question->offers[0];
    QCOMPARE(offer.copyPath, path);
    QCOMPARE(offer.fileName, track);
    QCOMPARE(offer.time, left.time);
    QVERIFY(!offer.damaged);
    QVERIFY(editor.watcher.dialogs().isEmpty());

    if (answer == RecoveryQuestion::Restore) {
        // Grid, size and name back, hidden cells too; modified, so the
        // editor's own copy took over from the old one at once.
        QVERIFY(editor.document().grid() == left.grid);
        QCOMPARE(editor.document().width(), 6);
        QCOMPARE(editor.document().fileName(), track);
        QVERIFY(editor.document().isModified());
        QCOMPARE(editor.window->openDialogName(), track);
        QCOMPARE(copiesNow(), QStringList{editor.keeper().copyPath()});
        QVERIFY(RecoveryCopy::read(copiesNow()[0])->grid == left.grid);
        QVERIFY(!QFileInfo::exists(path));
        // The history holds no saved state to undo back to.
        editor.place("00", 0, 0);
        editor.trigger("Undo1");
        QVERIFY(editor.document().isModified());
    } else if (answer == RecoveryQuestion::Discard) {
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(!editor.document().isModified());
        QCOMPARE(editor.document().width(), TrackGrid::defaultWidth);
        QVERIFY(!QFileInfo::exists(folder()));
    } else {
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!editor.document().isModified());
        QVERIFY(!QFileInfo::exists(RecoveryFolder::lockPathFor(path)));
    }
}

void TestRecovery::restoreThenSave()
{
    const QString track = writeTrack(QStringLiteral("own.kwf"), "00,01\r\n");
    leaveCopy(QStringLiteral("77"), someCopy(track, "2B", 3, 2));
    {
        Editor editor;
        editor.answers = {RecoveryQuestion::Restore};
        start(editor);
        editor.trigger("Save1");
        // Save writes to the track's own file, asking for no name.
        QVERIFY(editor.files->saveProposals.isEmpty());
        QCOMPARE(readBytes(track), QByteArray("07,07,07\r\n07,2B,07\r\n"));
        QVERIFY(!editor.document().isModified());
        QVERIFY(copiesNow().isEmpty());
        editor.window->close();
    }
    QVERIFY(!QFileInfo::exists(dataHome()->path() + QStringLiteral("/kerbwright")));
}

void TestRecovery::restoreReplacesCommandLineTrackOnlyOnRestore()
{
    const QString named = writeTrack(QStringLiteral("named.kwf"), "00,01,02,03\r\n");
    for (RecoveryQuestion::Answer answer : {RecoveryQuestion::Discard, RecoveryQuestion::Restore}) {
        init();
        leaveCopy(QStringLiteral("5"), someCopy(QString(), "2B"));
        Editor editor;
        editor.answers = {answer};
        start(editor, {named});
        QCOMPARE(editor.question->offers.size(), 1);
        QVERIFY(editor.question->offers[0].fileName.isEmpty());
        QVERIFY(editor.watcher.dialogs().isEmpty());
        if (answer == RecoveryQuestion::Discard) {
            QCOMPARE(editor.document().fileName(), named);
            QCOMPARE(editor.document().cell(3, 0).code, QByteArray("03"));
            QVERIFY(!editor.document().isModified());
        } else {
            // A track never saved comes back without a name: Save asks.
            QVERIFY(editor.document().fileName().isEmpty());
            QCOMPARE(editor.document().cell(1, 1).code, QByteArray("2B"));
            QVERIFY(editor.document().isModified());
        }
    }
}

void TestRecovery::severalCopiesOneAfterAnother()
{
    const QString first = m_dir.filePath(QStringLiteral("first.kwf"));
    const QString second = writeTrack(QStringLiteral("second.kwf"), "00\r\n");
    const QString older = leaveCopy(QStringLiteral("1"), someCopy(first, "1F"));
    {
        QFile file(older);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    leaveCopy(QStringLiteral("2"), someCopy(second, "2B"));
    Editor editor;
    // The second Restore replaces a modified track: the usual question
    // first, answered Yes, which saves the first where it belongs.
    editor.answers = {RecoveryQuestion::Restore, RecoveryQuestion::Restore};
    editor.saveAnswer = TSaveForm::Yes;
    start(editor);
    QCOMPARE(editor.question->offers.size(), 2);
    QCOMPARE(editor.question->offers[0].fileName, first);
    QCOMPARE(editor.question->offers[1].fileName, second);
    QCOMPARE(editor.watcher.dialogs(), QStringList{"TSaveForm"});
    QCOMPARE(readBytes(first).left(18), QByteArray("07,07,07,07,07,07\r"));
    QCOMPARE(editor.document().fileName(), second);
    QCOMPARE(editor.document().cell(1, 1).code, QByteArray("2B"));
    QCOMPARE(copiesNow(), QStringList{editor.keeper().copyPath()});
}

void TestRecovery::damagedCopy()
{
    QDir().mkpath(folder());
    const QString path = RecoveryFolder::copyPath(folder(), QStringLiteral("9"));
    QVERIFY(writeBytes(path, "kerbwright recovery copy 1\nsize 99 1\n"));
    for (RecoveryQuestion::Answer answer : {RecoveryQuestion::Restore, RecoveryQuestion::Discard}) {
        Editor editor;
        editor.answers = {answer};
        start(editor);
        QCOMPARE(editor.question->offers.size(), 1);
        QVERIFY(editor.question->offers[0].damaged);
        QCOMPARE(editor.question->offers[0].copyPath, path);
        QVERIFY(editor.question->offers[0].time.isValid());
        QVERIFY(!editor.document().isModified());
        // Nothing to restore: the copy stays until it is discarded.
        QCOMPARE(QFileInfo::exists(path), answer == RecoveryQuestion::Restore);
    }
}

void TestRecovery::dialog()
{
    // The real dialog, answered through its buttons.
    const QString track = m_dir.filePath(QStringLiteral("shown.kwf"));
    RecoveryCopy copy = someCopy(track, "1F");
    for (bool damaged : {false, true}) {
        RecoveryQuestion::Offer offer{QStringLiteral("/data/kerbwright/recovery/12.recovery"), track,
                                      copy.time, damaged};
        RecoveryDialog dialog(offer);
        QCOMPARE(dialog.objectName(), QStringLiteral("RecoveryDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Recover unsaved track"));
        auto *restore = dialog.findChild<QPushButton *>(QStringLiteral("RestoreButton"));
        auto *discard = dialog.findChild<QPushButton *>(QStringLiteral("DiscardButton"));
        QCOMPARE(restore->text(), QStringLiteral("&Restore"));
        QCOMPARE(discard->text(), QStringLiteral("&Discard"));
        const QString text = dialog.findChild<QLabel *>(QStringLiteral("RecoveryText"))->text();
        QVERIFY2(text.contains(copy.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))),
                 qPrintable(text));
        if (!damaged) {
            QVERIFY(text.contains(track));
            QVERIFY(restore->isEnabled() && restore->isDefault());
        } else {
            QVERIFY(text.contains(QStringLiteral("damaged")));
            QVERIFY(text.contains(offer.copyPath));
            QVERIFY(!restore->isEnabled());
            QVERIFY(discard->isDefault());
        }
        for (auto [button, expected] : {std::pair{restore, RecoveryQuestion::Restore},
                                        std::pair{discard, RecoveryQuestion::Discard},
                                        std::pair{(QPushButton *)nullptr, RecoveryQuestion::Later}}) {
            if (damaged && button == restore)
                continue;
            // C++17 lambdas cannot capture a structured binding itself.
            QTimer::singleShot(0, &dialog, [&dialog, target = button] {
                target ? target->click() : dialog.reject();
            });
            QCOMPARE(dialog.ask(), expected);
        }
    }
    // Enter takes the default.
    RecoveryDialog dialog({QString(), track, copy.time, false});
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Return); });
    QCOMPARE(dialog.ask(), RecoveryQuestion::Restore);
}

void TestRecovery::unwritableFolder_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("folder is a file") << QStringLiteral("file");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("disk full") << QStringLiteral("full");
    // A relative XDG_DATA_HOME counts for nothing, and there is no home.
    QTest::newRow("no data folder") << QStringLiteral("none");
}

void TestRecovery::unwritableFolder()
{
    QFETCH(QString, how);
    QDir().mkpath(dataHome()->path() + QStringLiteral("/kerbwright"));
    if (how == QLatin1String("file")) {
        QVERIFY(writeBytes(folder(), "in the way"));
    } else if (how == QLatin1String("read-only")) {
        QDir().mkpath(folder());
        QVERIFY(QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (writeBytes(folder() + QStringLiteral("/probe"), "x")) {
            QFile::remove(folder() + QStringLiteral("/probe"));
            QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner);
            QSKIP("running as root: every folder is writable");
        }
    }
    const QByteArray home = qgetenv("HOME");
    if (how == QLatin1String("none")) {
        qputenv("XDG_DATA_HOME", "relative");
        qputenv("HOME", "");
    }
    Editor editor;
    start(editor);
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()->path()));
    qputenv("HOME", home);
    editor.window->setStatusText(QString());
    editor.place("3A", 1, 1);
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (how == QLatin1String("full")) {
            limit = std::make_unique<FileSizeLimit>(100);
            if (!limit->active())
                QSKIP("cannot lower the file-size limit");
        }
        QVERIFY(!editor.keeper().writeNow());
    }
    const QString message = how == QLatin1String("none")
                                ? "No recovery copy can be kept: neither XDG_DATA_HOME nor HOME names a folder."
                                : QStringLiteral("Recovery copies cannot be written to %1.").arg(folder());
    QCOMPARE(editor.window->statusText(), message);
    // Editing goes on; the message is not repeated.
    editor.window->setStatusText(QString());
    editor.place("1F", 2, 2);
    QCOMPARE(editor.document().cell(2, 2).code, QByteArray("1F"));
    if (how != QLatin1String("full"))
        QVERIFY(!editor.keeper().writeNow());
    QCOMPARE(editor.window->statusText(), QString());
    QVERIFY(copiesNow().isEmpty());
    // Saving still works and leaves nothing behind.
    editor.files->saveAnswers = {m_dir.filePath(QStringLiteral("unwritable-%1.kwf").arg(how))};
    editor.trigger("Save1");
    QVERIFY(!editor.document().isModified());
    QVERIFY(editor.watcher.boxes().isEmpty());
    QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestRecovery::killedEditorIsRecovered()
{
    const QString track = writeTrack(QStringLiteral("killed.kwf"), "00,01,02\r\n03,04,05\r\n");
    {
        Child child;
        QVERIFY(child.start({m_tiles, track}));
        QVERIFY(child.waitFor("ready"));
        QVERIFY(child.place("3A", 0, 0));
        QVERIFY(child.place("1F", 2, 1));
        QTRY_COMPARE_WITH_TIMEOUT(copiesNow().size(), 1, RecoveryKeeper::delay + 3000);
        // The copy is complete once its file is there: it is renamed into
        // place only when whole.
        QVERIFY(RecoveryCopy::read(copiesNow()[0]));
        child.process.kill();
        QVERIFY(child.process.waitForFinished(5000));
        QCOMPARE(child.process.exitStatus(), QProcess::CrashExit);
    }
    QVERIFY(QFileInfo::exists(RecoveryFolder::lockPathFor(copiesNow()[0])));
    Editor editor;
    editor.answers = {RecoveryQuestion::Restore};
    start(editor);
    QCOMPARE(editor.question->offers.size(), 1);
    QCOMPARE(editor.document().fileName(), track);
    QCOMPARE(editor.document().cell(0, 0).code, QByteArray("3A"));
    QCOMPARE(editor.document().cell(2, 1).code, QByteArray("1F"));
    editor.trigger("Save1");
    QCOMPARE(readBytes(track), QByteArray("3A,01,02\r\n03,04,1F\r\n"));
    QVERIFY(copiesNow().isEmpty());
    // The dead editor's lock went with its copy.
    QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestRecovery::endingSignalKeepsCopy_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestRecovery::endingSignalKeepsCopy()
{
    QFETCH(int, signal);
    const QString track = writeTrack(QStringLiteral("signalled.kwf"), "00,01\r\n");
    Child child;
    QVERIFY(child.start({m_tiles, track}));
    QVERIFY(child.waitFor("ready"));
    QVERIFY(child.place("2B", 1, 0));
    // At once, well before the copy would be due: no question, no wait.
    QElapsedTimer clock;
    clock.start();
    child.signal(signal);
    QVERIFY(child.process.waitForFinished(10000));
    QVERIFY(clock.elapsed() < RecoveryKeeper::delay);
    QCOMPARE(child.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.process.exitCode(), 0);
    QCOMPARE(copiesNow().size(), 1);
    const std::optional<RecoveryCopy> copy = RecoveryCopy::read(copiesNow()[0]);
    QVERIFY(copy);
    QCOMPARE(copy->fileName, track);
    QCOMPARE(copy->grid.cell(1, 0).code, QByteArray("2B"));
    // Its editor ended: the lock is gone, and the file unchanged.
    QVERIFY(!QFileInfo::exists(RecoveryFolder::lockPathFor(copiesNow()[0])));
    QCOMPARE(readBytes(track), QByteArray("00,01\r\n"));
}

void TestRecovery::signalDuringQuestionKeepsCopy()
{
    // The question is up when the session ends: the copy stays for the next
    // start, and the editor, which changed nothing, adds none.
    const QString path = leaveCopy(QStringLiteral("31"), someCopy(QString(), "1F"));
    const QByteArray before = readBytes(path);
    Child child;
    QVERIFY(child.start({m_tiles}));
    QVERIFY(child.waitFor("dialog Recover unsaved track"));
    child.signal(SIGTERM);
    QVERIFY(child.process.waitForFinished(10000));
    QCOMPARE(child.process.exitCode(), 0);
    QCOMPARE(copiesNow(), QStringList{path});
    QCOMPARE(readBytes(path), before);
}

void TestRecovery::nothingIsLost_data()
{
    // A script: "+ TRACK CODE" leaves a copy, and for the child "> line" to
    // send, "< start" of a line to wait for, "! signal" to send.
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<bool>("failingSync");
    QTest::addColumn<QStringList>("expected");  // the copies after, as "TRACK CODE"
    const QStringList asked{"< ready", "> place 2B 1 1", "< done", "> exit", "< dialog Save changes ?"};
    // Nobody answered "Save changes ?": the close is refused, the copy stays.
    for (const char *signal : {"15", "1", "2"})
        QTest::addRow("signal %s at the close", signal) << asked + QStringList{QStringLiteral("! ") + signal} << false << QStringList{"asked.kwf 2B"};
    // The log-out ends nothing; its copy stays even through a "No".
    QTest::newRow("log-out at the close") << asked + QStringList{"> logout", "< done", "> click Button2"} << false << QStringList{"asked.kwf 2B"};
    const QStringList restore{"< dialog Recover", "> click RestoreButton"};
    QTest::newRow("signal at the second restore") << QStringList{"+ first.kwf 1F", "+ second.kwf 2B"} + restore + restore + QStringList{"< dialog Save changes ?", "! 15"}
                                                  << false << QStringList{"first.kwf 1F", "second.kwf 2B"};
    // A sync that fails, as on a dying disk: the save fails and says so.
    QTest::newRow("Save, sync fails") << QStringList{"< ready", "> place 2B 1 1", "< done", "> save", "< box Stream write error.", "< done 1", "! 9"}
                                      << true << QStringList();
}

void TestRecovery::nothingIsLost()
{
    QFETCH(QStringList, script);
    QFETCH(bool, failingSync);
    QFETCH(QStringList, expected);
    const QString track = writeTrack(QStringLiteral("asked.kwf"), "00,01\r\n02,03\r\n");
    Child child;
    if (failingSync) {
        // A sanitized build wants its runtime loaded first; the shim needs none.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KW_SYNCFAIL_LIB));
        environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        child.process.setProcessEnvironment(environment);
    }
    for (int i = 0; i < script.size() && script[i].startsWith(QLatin1Char('+')); ++i)
        leaveCopy(QString::number(i), someCopy(m_dir.filePath(script[i].section(' ', 1, 1)), script[i].section(' ', 2).toLatin1()));
    QVERIFY(child.start({m_tiles, track}));
    for (const QString &step : script) {
        const QByteArray text = step.mid(2).toUtf8();
        if (step.startsWith(QLatin1Char('>')))
            child.process.write(text + '\n');
        else if (step.startsWith(QLatin1Char('<')))
            QVERIFY2(child.waitFor(text), qPrintable(step));
        else if (step.startsWith(QLatin1Char('!')))
            child.signal(text.toInt());
    }
    QVERIFY(child.process.waitForFinished(10000));
    QStringList kept;
    for (const QString &path : copiesNow()) {
        const std::optional<RecoveryCopy> copy = RecoveryCopy::read(path);
        QVERIFY(copy);
        kept << QFileInfo(copy->fileName).fileName() + QLatin1Char(' ') + copy->grid.cell(1, 1).code;
    }
    kept.sort();
    QCOMPARE(kept, expected);
    QCOMPARE(readBytes(track), QByteArray("00,01\r\n02,03\r\n"));
}

void TestRecovery::twoEditorsAtOnce()
{
    const QString track = writeTrack(QStringLiteral("two.kwf"), "00,01\r\n");
    Child child;
    QVERIFY(child.start({m_tiles, track}));
    QVERIFY(child.waitFor("ready"));
    QVERIFY(child.place("3A", 0, 0));
    QTRY_COMPARE_WITH_TIMEOUT(copiesNow().size(), 1, RecoveryKeeper::delay + 3000);
    const QString childCopy = copiesNow()[0];
    const QByteArray childBytes = readBytes(childCopy);

    // A second editor leaves the running one's copy alone ...
    {
        Editor second;
        start(second);
        QVERIFY(second.question->offers.isEmpty());
        second.place("1F", 1, 1);
        QVERIFY(second.keeper().writeNow());
        QCOMPARE(copiesNow().size(), 2);
        QVERIFY(second.keeper().copyPath() != childCopy);
        QCOMPARE(readBytes(childCopy), childBytes);

        // ... and a third, started while both run, is offered neither.
        Editor third;
        start(third);
        QVERIFY(third.question->offers.isEmpty());

        // Once the child is killed, its copy, and only its, is offered.
        child.process.kill();
        QVERIFY(child.process.waitForFinished(5000));
        Editor fourth;
        fourth.answers = {RecoveryQuestion::Later};
        start(fourth);
        QCOMPARE(fourth.question->offers.size(), 1);
        QCOMPARE(fourth.question->offers[0].copyPath, childCopy);
        QVERIFY(copiesNow().contains(second.keeper().copyPath()));
        second.saveAnswer = TSaveForm::No;
        second.window->close();
    }
    // The second editor's copy went with its "No"; the child's stays.
    QCOMPARE(copiesNow(), QStringList{childCopy});
}

void TestRecovery::copiesOfferedWhateverTheirLocks_data()
{
    QTest::addColumn<QByteArray>("lock");  // beside each copy, "-" for none, "link" for one to nowhere
    QTest::addColumn<int>("copies");       // named as an editor of this process id names them
    // The copy was synced before a power cut, the lock not; or the lock
    // names a process id that a running editor has now (in containers all
    // editors are pid 1): what it says plays no part.
    QTest::newRow("empty lock") << QByteArray() << 1;
    QTest::newRow("unreadable lock") << QByteArray("link") << 1;
    QTest::newRow("a hundred copies") << QByteArray("-") << 100;
}

void TestRecovery::copiesOfferedWhateverTheirLocks()
{
    QFETCH(QByteArray, lock);
    QFETCH(int, copies);
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (int n = 0; n < copies; ++n) {
        const QString path = leaveCopy(n ? pid + QLatin1Char('-') + QString::number(n) : pid, someCopy(QString(), "1F"));
        const QString lockPath = RecoveryFolder::lockPathFor(path);
        QVERIFY(lock == "-" || (lock == "link" ? QFile::link(QStringLiteral("nowhere"), lockPath) : writeBytes(lockPath, lock)));
    }
    // Each one is offered, and left.
    Editor editor;
    start(editor);
    QCOMPARE(editor.question->offers.size(), copies);
    // This editor's own copy still finds a name beside them.
    editor.place("3A", 1, 1);
    QVERIFY(editor.keeper().writeNow());
    QCOMPARE(copiesNow().size(), copies + 1);
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
