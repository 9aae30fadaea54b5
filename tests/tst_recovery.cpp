// Unsaved work outlives the editor: the recovery copy follows the track,
// goes when the work is saved or given up, survives kill -9 and the ending
// signals, and is offered at the next start. Editors that the tests kill
// run as child processes (recoverychild, and the real program).

#include "bmpbuilder.h"
#include "filesizelimit.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "testfiles.h"

#include "document/recoverycopy.h"
#include "pieces/catalogue.h"
#include "ui/editcommands.h"
#include "ui/palette.h"
#include "ui/picturebutton.h"
#include "ui/recovery/recovery.h"
#include "ui/recovery/recoverydialog.h"
#include "ui/recovery/recoveryfolder.h"
#include "ui/recovery/recoverykeeper.h"
#include "ui/tmainform.h"
#include "ui/tsaveform.h"
#include "ui/tsizeform.h"

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
        QTest::mouseClick(window->cellButton(TrackGrid::index(column, row)), Qt::LeftButton);
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
    void twoEditorsAtOnce();

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
    editor.window = std::make_unique<TMainForm>(m_tiles, arguments);
    auto files = std::make_unique<ScriptedFileDialogs>();
    editor.files = files.get();
    editor.window->setFileDialogs(std::move(files));
    auto question = std::make_unique<ScriptedQuestion>();
    question->answers = editor.answers;
    editor.question = question.get();
    editor.window->recovery()->setQuestion(std::move(question));
    editor.window->resize(1200, 800);
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
    editor.window.reset();
    {
        // The question must be in place before start-up ends.
        start(editor);
    }
    Q_UNUSED(answer);
    QCOMPARE(editor.question->offers.size(), 1);
}

void TestRecovery::restoreThenSave()
{
}

void TestRecovery::restoreReplacesCommandLineTrackOnlyOnRestore()
{
}

void TestRecovery::severalCopiesOneAfterAnother()
{
}

void TestRecovery::damagedCopy()
{
}

void TestRecovery::dialog()
{
}

void TestRecovery::unwritableFolder_data()
{
}

void TestRecovery::unwritableFolder()
{
}

void TestRecovery::killedEditorIsRecovered()
{
}

void TestRecovery::endingSignalKeepsCopy_data()
{
}

void TestRecovery::endingSignalKeepsCopy()
{
}

void TestRecovery::signalDuringQuestionKeepsCopy()
{
}

void TestRecovery::twoEditorsAtOnce()
{
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
