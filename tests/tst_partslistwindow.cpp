// The parts list window through the real main window: the Track menu's
// command, the count following the track as it is edited, resized, opened
// and renewed, Copy, and Save as CSV behind a scripted dialog.

#include "bmpbuilder.h"
#include "modalwatcher.h"
#include "scriptedfiledialogs.h"
#include "testfiles.h"

#include "pieces/catalogue.h"
#include "ui/csvfiledialog.h"
#include "ui/palette.h"
#include "ui/partslistwindow.h"
#include "ui/picturebutton.h"
#include "ui/tmainform.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The user's config folder for this run, set before the application exists:
// the real CSV dialog must leave nothing in it.
QTemporaryDir *configHome()
{
    static QTemporaryDir dir;
    return &dir;
}
const bool configHomeSet = qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()->path()));

class ScriptedCsvDialog : public CsvFileDialog
{
public:
    QStringList answers;
    QStringList proposals;
    QString askCsvName(const QString &proposed) override
    {
        proposals.append(proposed);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

QStringList tableRows(const QTableWidget *table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        const bool pictured = !table->item(r, 0)->icon().isNull();
        rows.append(table->item(r, 1)->text() + '|' + table->item(r, 2)->text() + '|'
                    + table->item(r, 3)->text() + (pictured ? "" : "|no picture"));
    }
    return rows;
}

} // namespace

class TestPartsListWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void commandOpensTheWindow();
    void followsTheTrack_data();
    void followsTheTrack();
    void copyAndSave();
    void realCsvDialog();

private:
    void click(const char *name, int times = 1);
    void place(const QByteArray &code, int column, int row);

    QTemporaryDir m_dir;
    QString m_tiles;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;
    ScriptedCsvDialog *m_csv = nullptr;
    PartsListWindow *m_parts = nullptr;
    std::unique_ptr<ModalWatcher> m_watcher;
};

void TestPartsListWindow::initTestCase()
{
    m_tiles = m_dir.filePath(QStringLiteral("tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes()));
}

void TestPartsListWindow::init()
{
    m_window = std::make_unique<TMainForm>(m_tiles, QStringList());
    auto files = std::make_unique<ScriptedFileDialogs>();
    m_files = files.get();
    m_window->setFileDialogs(std::move(files));
    m_parts = m_window->findChild<PartsListWindow *>(QStringLiteral("PartsListWindow"));
    QVERIFY(m_parts);
    auto csv = std::make_unique<ScriptedCsvDialog>();
    m_csv = csv.get();
    m_parts->setCsvDialog(std::move(csv));
    m_watcher = std::make_unique<ModalWatcher>();
    QSignalSpy ended(m_window.get(), &TMainForm::startupEnded);
    m_window->show();
    QVERIFY(ended.wait(30000));
    m_window->findChild<QAction *>(QStringLiteral("Partslist1"))->trigger();
}

void TestPartsListWindow::cleanup()
{
    m_window.reset();
}

void TestPartsListWindow::click(const char *name, int times)
{
    auto *button = m_window->palette()->findChild<PictureButton *>(QLatin1String(name));
    m_window->palette()->setCurrentWidget(button->parentWidget());
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

void TestPartsListWindow::place(const QByteArray &code, int column, int row)
{
    click(("b" + code).constData());
    QTest::mouseClick(m_window->cellButton(TrackGrid::index(column, row)), Qt::LeftButton);
}

void TestPartsListWindow::commandOpensTheWindow()
{
    QAction *action = m_window->findChild<QAction *>(QStringLiteral("Partslist1"));
    QVERIFY(m_window->trackMenu()->actions().contains(action));
    QCOMPARE(action->text(), QStringLiteral("Parts list…"));
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QVERIFY(m_parts->isVisible());
    QVERIFY(!m_parts->isModal() && QApplication::activeModalWidget() == nullptr);
    const auto *table = m_parts->findChild<QTableWidget *>(QStringLiteral("PartsTable"));
    QCOMPARE(tableRows(table), QStringList{"07|Normal|105"});
    QCOMPARE(m_parts->findChild<QLabel *>(QStringLiteral("PartsTotal"))->text(),
             QStringLiteral("Total: 105 pieces, 1 distinct"));
}

void TestPartsListWindow::followsTheTrack_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("edit") << "edit" << QStringList{"07|Normal|103", "A3|RCP 1|1", "79|Extra's|1"};
    QTest::newRow("resize") << "resize" << QStringList{"07|Normal|97", "A3|RCP 1|1"};
    QTest::newRow("open") << "open" << QStringList{"00|Normal|1", "ZZ||1"};
    QTest::newRow("new") << "new" << QStringList{"07|Normal|105"};
}

void TestPartsListWindow::followsTheTrack()
{
    QFETCH(QString, step);
    QFETCH(QStringList, rows);

    place("A3", 0, 0);
    place("79", 14, 6);
    m_window->document().setModified(false);  // no question before Open and New
    if (step == QLatin1String("resize")) {
        click("b81");  // one column less: 79's column goes
    } else if (step == QLatin1String("open")) {
        // A code outside the catalogue, with a tile of its own.
        QFile::copy(m_tiles + "/00.bmp", m_tiles + "/ZZ.bmp");
        const QString track = m_dir.filePath(QStringLiteral("two.kwf"));
        QVERIFY(writeBytes(track, "00,ZZ\r\n"));
        m_files->openAnswers = {track};
        m_window->Load1Click();
    } else if (step == QLatin1String("new")) {
        m_window->New1Click();
    }
    const auto *table = m_parts->findChild<QTableWidget *>(QStringLiteral("PartsTable"));
    QCOMPARE(tableRows(table), rows);
}

void TestPartsListWindow::copyAndSave()
{
    place("A3", 0, 0);
    m_parts->findChild<QPushButton *>(QStringLiteral("CopyParts"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("code\tpage\tcount\n07\tNormal\t104\nA3\tRCP 1\t1\n"));

    const QString saved = m_dir.filePath(QStringLiteral("list.csv"));
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such/list.csv"));
    m_csv->answers = {saved, QString(), nowhere};
    auto *save = m_parts->findChild<QPushButton *>(QStringLiteral("SaveParts"));
    QCOMPARE(save->text(), QStringLiteral("Save as CSV…"));
    save->click();
    QCOMPARE(readBytes(saved), QByteArray("code,page,count\n07,Normal,104\nA3,\"RCP 1\",1\n"));
    save->click();  // cancelled
    save->click();
    QCOMPARE(m_csv->proposals, QStringList(3, QStringLiteral("parts.csv")));
    QCOMPARE(m_watcher->texts(), QStringList{"Cannot create file " + nowhere + "."});
}

void TestPartsListWindow::realCsvDialog()
{
    {
        QWidget owner;
        QtCsvFileDialog dialog(&owner);
        QStringList seen;
        m_watcher->onDialog([&](QDialog *shown) {
            auto *files = qobject_cast<QFileDialog *>(shown);
            auto *nameBox = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            seen << files->objectName() << files->nameFilters().join('|') << nameBox->text();
            nameBox->setText(m_dir.filePath(QStringLiteral("typed")));
            shown->accept();
        });
        QCOMPARE(dialog.askCsvName(m_dir.filePath(QStringLiteral("oval.csv"))),
                 m_dir.filePath(QStringLiteral("typed.csv")));
        QCOMPARE(seen, (QStringList{"CsvDialog", "CSV File (*.csv)", "oval.csv"}));
    }
    // Destroyed, Qt's dialog would have written its history to QtProject.conf.
    QVERIFY(configHomeSet);
    const QDir config(configHome()->path());
    QCOMPARE(config.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(TestPartsListWindow)
#include "tst_partslistwindow.moc"
