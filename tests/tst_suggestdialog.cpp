// SPDX-License-Identifier: GPL-3.0-or-later
// Track → "Suggest circuits…" in the real window, driven through its
// widgets: suggestions for a small floor made in the background, one used
// as the track in one step of the history (size included) and undone, one
// floated as a stamp; and a run cancelled halfway leaves the track alone.

#include "bmpbuilder.h"
#include "startededitor.h"

#include "pieces/catalogue.h"
#include "ui/commands/editcommands.h"
#include "ui/commands/inventorycommands.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/suggest/suggestdialog.h"
#include "ui/tools/floatingstamp.h"
#include "ui/tools/toolbox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestSuggestDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void useAsTrackAndAsStamp();
    void cancelLeavesTheTrack();
    void loadsTheSessionInventory();
    void startsFromTheSessionCar();

private:
    SuggestDialog *open();
    template <typename Widget>
    Widget *widget(const char *name) { return m_dialog->findChild<Widget *>(QLatin1String(name)); }
    void click(const char *button) { QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton); }
    TrackDocument &document() { return m_window->document(); }

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    SuggestDialog *m_dialog = nullptr;
};

void TestSuggestDialog::initTestCase()
{
    QVERIFY(BmpBuilder::writeTileFolder(m_dir.filePath("tiles"), Catalogue::codes()));
    ScriptedFileDialogs *files = nullptr;
    m_window = makeEditor(m_dir.filePath("tiles"), &files);
    QVERIFY(startEditor(*m_window));
    const QString path = m_dir.filePath(QStringLiteral("track.kwf"));
    QVERIFY(BmpBuilder::writeFile(path, "00,01,04,04\r\n02,03,05,05\r\n07,07,07,07\r\n"));
    files->openAnswers = {path};
    m_window->findChild<QAction *>(QStringLiteral("Load1"))->trigger();
    QCOMPARE(document().width(), 4);
}

SuggestDialog *TestSuggestDialog::open()
{
    m_window->findChild<QAction *>(QStringLiteral("Suggestcircuits1"))->trigger();
    m_dialog = m_window->findChild<SuggestDialog *>();
    return m_dialog && m_dialog->isVisible() ? m_dialog : nullptr;
}

void TestSuggestDialog::useAsTrackAndAsStamp()
{
    QVERIFY(open());
    // The floor begins as the track is.
    QCOMPARE(widget<QSpinBox>("SuggestColumns")->value(), 4);
    QCOMPARE(widget<QSpinBox>("SuggestRows")->value(), 3);
    widget<QSpinBox>("SuggestColumns")->setValue(8);
    widget<QSpinBox>("SuggestRows")->setValue(6);
    widget<QSpinBox>("SuggestCount")->setValue(3);
    widget<QComboBox>("SuggestTarget")->setCurrentIndex(2);  // a lap time
    click("SuggestRun");
    QVERIFY(m_dialog->isRunning());
    QVERIFY(!widget<QPushButton>("SuggestUseAsTrack")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isRunning(), 30000);
    auto *sheet = widget<QListWidget>("SuggestSheet");
    QCOMPARE(sheet->count(), 3);
    QCOMPARE(widget<QLabel>("SuggestSummary")->text(), QStringLiteral("Found 3 circuits"));
    QVERIFY(sheet->item(1)->text().startsWith(QStringLiteral("2. Lap ")));
    QVERIFY(!sheet->item(1)->icon().isNull());
    const CircuitGenerator::Outcome expected = CircuitGenerator::generate(m_dialog->request());
    QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {}, sheet->visualItemRect(sheet->item(1)).center());

    const TrackGrid before = document().grid();
    click("SuggestUseAsTrack");
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(document().width(), 8);
    QCOMPARE(document().height(), 6);
    QCOMPARE(TrackBlock::whole(document().grid()), TrackBlock::whole(expected.suggestions[1].grid));
    QVERIFY(document().isModified());
    QCOMPARE(document().history().undoText(), QStringLiteral("Replace track"));
    m_window->findChild<QAction *>(QStringLiteral("Undo1"))->trigger();
    QCOMPARE(document().grid(), before);
    QVERIFY(!document().isModified());

    // The sheet is kept with the choice; the lap alone floats, as a paste does.
    QVERIFY(open());
    QCOMPARE(sheet->count(), 3);
    click("SuggestPlaceAsStamp");
    const FloatingStamp &stamp = m_window->editCommands()->stamp();
    QVERIFY(stamp.isFloating());
    QCOMPARE(m_window->toolBox()->active(), &stamp);
    QCOMPARE(stamp.block(), TrackBlock::copy(expected.suggestions[1].grid, expected.suggestions[1].cells));
    QCOMPARE(document().grid(), before);
    m_window->editCommands()->selectNone();
}

void TestSuggestDialog::cancelLeavesTheTrack()
{
    QVERIFY(open());
    widget<QSpinBox>("SuggestColumns")->setValue(30);
    widget<QSpinBox>("SuggestRows")->setValue(30);
    widget<QSpinBox>("SuggestCount")->setValue(100);
    const TrackGrid before = document().grid();
    const int steps = document().history().count();
    click("SuggestRun");
    QVERIFY(widget<QPushButton>("SuggestCancel")->isVisible());
    click("SuggestCancel");
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialog->isRunning(), 30000);
    QVERIFY(widget<QLabel>("SuggestSummary")->text().startsWith(QStringLiteral("Cancelled: found ")));
    QTest::mouseClick(m_dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close), Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(document().grid(), before);
    QCOMPARE(document().history().count(), steps);
}

// "Load inventory…" is the window's Track → "Inventory…": its file dialog,
// the session's inventory, which the dialog then shows and keeps to.
void TestSuggestDialog::loadsTheSessionInventory()
{
    auto answered = std::make_unique<ScriptedInventoryDialog>();
    const QString path = m_dir.filePath(QStringLiteral("club.csv"));
    QVERIFY(BmpBuilder::writeFile(path, "code,count\n00,4\n04,5\n"));
    answered->answers = {path};
    m_window->inventoryCommands()->setCsvDialog(std::move(answered));
    QVERIFY(open());
    QVERIFY(!widget<QCheckBox>("SuggestOwnedOnly")->isChecked());
    click("SuggestLoadInventory");
    QCOMPARE(document().inventory().fileName(), path);
    QCOMPARE(widget<QLabel>("SuggestInventory")->text(), QStringLiteral("club.csv (9 pieces)"));
    QVERIFY(widget<QCheckBox>("SuggestOwnedOnly")->isChecked());
    QVERIFY(m_dialog->request().inventory.has_value());
}

// The car of Track → Car… is the one aimed at, own figures included.
void TestSuggestDialog::startsFromTheSessionCar()
{
    Car own = Car::classes().at(1);
    own.name = QStringLiteral("Club racer");
    own.topSpeed *= 0.8;
    QVERIFY(open());
    SessionCar::setCar(own);
    QCOMPARE(widget<QComboBox>("SuggestCar")->currentText(), own.name);
    QCOMPARE(m_dialog->request().car.topSpeed, own.topSpeed);
    SessionCar::setCar(Car::classes().first());
}

QTEST_MAIN(TestSuggestDialog)
#include "tst_suggestdialog.moc"
