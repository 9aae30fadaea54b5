// SPDX-License-Identifier: GPL-3.0-or-later
// The lap on the track in the real window: "Drive a lap" and "Show speed
// map" started from their items and ended by Esc or an edit without a step
// of their own, the pace keys, a track without a lap, and "Car…" choosing
// the car that the parts list times.
#include "bmpbuilder.h"
#include "cellclick.h"
#include "modalwatcher.h"
#include "pieces/catalogue.h"
#include "scriptedfiledialogs.h"
#include "startededitor.h"
#include "testfiles.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/dialogs/cardialog.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/dialogs/sessioncellsize.h"
#include "ui/dialogs/partslistwindow.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/dialogs/sessioncellsize.h"
#include "ui/track/drivenlap.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

// 12 pieces round a crossroads that the lap drives straight through.
const QByteArray oval = "00,04,04,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n";

class TestLapDrive : public QObject
{
    Q_OBJECT

    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    DrivenLap *driven() const { return m_window->findChild<DrivenLap *>(); }
    void open(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("track.kwf"));
        QVERIFY(writeBytes(path, text));
        m_files->openAnswers = {path};
        action("Load1")->trigger();
        QCOMPARE(m_window->document().fileName(), path);
    }
    void key(Qt::Key key) { QTest::keyClick(m_window->canvas(), key); }

    QTemporaryDir m_dir;
    std::unique_ptr<TMainForm> m_window;
    ScriptedFileDialogs *m_files = nullptr;

private slots:
    void initTestCase()
    {
        const QString tiles = m_dir.filePath(QStringLiteral("tiles"));
        QVERIFY(BmpBuilder::writeTileFolder(tiles, Catalogue::codes()));
        m_window = makeEditor(tiles, &m_files);
        QVERIFY(startEditor(*m_window));
        open(oval);
    }

    // How the lap ends: Esc, an edit, or the other item; only the edit
    // leaves a step on the history.
    void endings_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("ending");
        for (const char *item : {"Drivealap1", "Showspeedmap1"}) {
            QTest::addRow("%s, Esc", item) << item << "Esc";
            QTest::addRow("%s, an edit", item) << item << "edit";
        }
        QTest::addRow("a new cell side") << "Drivealap1" << "cell side";
    }

    void endings()
    {
        QFETCH(QString, item);
        QFETCH(QString, ending);
        const QUndoStack &history = m_window->document().history();
        const int steps = history.index();
        action(item.toLatin1())->trigger();
        const bool drives = item == "Drivealap1";
        QVERIFY(driven()->isShowing());
        QCOMPARE(driven()->isDriving(), drives);
        QVERIFY(m_window->statusText().startsWith(drives ? "Lap 1: 0.0 s of 2.7 s at 1× (1:28 stock, grippy floor)"
                                                         : "Speed map of a 2.7 s lap (1:28 stock, grippy floor)"));
        QCOMPARE(history.index(), steps);
        QVERIFY(!m_window->document().isModified());
        if (ending == "Esc") {
            key(Qt::Key_Escape);
            QCOMPARE(history.index(), steps);
        } else if (ending == "cell side") {
            const double side = SessionCellSize::metres();
            SessionCar::setCellSize(side * 2);
            SessionCar::setCellSize(side);
        } else {
            QTest::mouseClick(m_window->palette()->pieceButton("00"), Qt::LeftButton);
            clickCell(*m_window, TrackGrid::index(2, 1));
            QCOMPARE(history.index(), steps + 1);
            m_window->document().history().undo();
            // A second undone edit leaves the track modified: as if saved.
            m_window->document().setModified(false);
        }
        QVERIFY(!driven()->isShowing());
        QVERIFY(!driven()->isDriving());
        QCOMPARE(m_window->statusText(), QString());
    }

    // The speed map lies on the road's centre line in the colour of the
    // speed there, and goes with Esc.
    void speedMapPainted()
    {
        action("Showspeedmap1")->trigger();
        const LapTrace &lap = driven()->trace();
        const auto fastest = std::max_element(lap.samples().cbegin(), lap.samples().cend(),
                                              [](const auto &a, const auto &b) { return a.speed < b.speed; });
        const QPoint at = m_window->canvas()->renderer().roadPoint(fastest->point).toPoint();
        const QColor shown = m_window->canvas()->grab().toImage().pixelColor(at);
        QCOMPARE(shown.hue(), LapTrace::speedColour(1).hue());
        key(Qt::Key_Escape);
        QVERIFY(m_window->canvas()->grab().toImage().pixelColor(at) != shown);
    }

    // "-" and "+" halve and double the pace within ½× and 2×; the time
    // runs on round the lap.
    void pace()
    {
        action("Drivealap1")->trigger();
        for (Qt::Key k : {Qt::Key_Minus, Qt::Key_Minus})
            key(k);
        QCOMPARE(driven()->pace(), 0.5);
        driven()->advance(2);
        QCOMPARE(driven()->seconds(), 1.0);
        for (Qt::Key k : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus})
            key(k);
        QCOMPARE(driven()->pace(), 2.0);
        driven()->advance(1);
        QVERIFY(m_window->statusText().startsWith("Lap 2: 0.3 s of 2.7 s at 2×"));
        key(Qt::Key_Escape);
        QVERIFY(!driven()->isShowing());
    }

    void noLap()
    {
        const QString before = m_window->statusText();
        open("00,04,04\r\n");
        for (const char *item : {"Drivealap1", "Showspeedmap1"}) {
            action(item)->trigger();
            QVERIFY(!driven()->isShowing());
            QVERIFY(m_window->statusText().startsWith("No lap to drive:"));
        }
        open(oval);
    }

    // The car chosen is the one the parts list and "Check connections" time.
    void car()
    {
        ModalWatcher watcher;
        watcher.onDialog([](QDialog *dialog) {
            auto *car = qobject_cast<CarDialog *>(dialog);
            QVERIFY(car);
            car->setCar(Car::classes().last());
            car->findChild<QDoubleSpinBox *>(QStringLiteral("TopSpeed"))->setValue(80);
            dialog->accept();
        });
        action("Car1")->trigger();
        QCOMPARE(watcher.dialogs(), QStringList{"CarDialog"});
        QCOMPARE(SessionCar::car().name, QStringLiteral("1:10 touring, own figures"));
        QVERIFY(qAbs(SessionCar::car().topSpeed - 80 / 3.6) < 1e-9);
        action("Partslist1")->trigger();
        QVERIFY(m_window->partsList()->findChild<QLabel *>(QStringLiteral("LapTime"))->text().endsWith(
            "km/h (1:10 touring, own figures)"));
        action("Checkconnections1")->trigger();
        QVERIFY(m_window->statusText().startsWith("No open road ends: 1 circuit, lap 5.6 m, "));
        // Cancelled, the car stays; a class's own figures give its own name.
        watcher.onDialog([](QDialog *dialog) { dialog->reject(); });
        action("Car1")->trigger();
        QCOMPARE(SessionCar::car().name, QStringLiteral("1:10 touring, own figures"));
        CarDialog dialog(Car::classes().first(), m_window.get());
        QCOMPARE(dialog.car().name, Car::classes().first().name);
        QCOMPARE(dialog.car().topSpeed, Car::classes().first().topSpeed);
        SessionCar::setCar(dialog.car());
        // The slippery floor cannot grip more than the grippy one.
        auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("LowGrip"))->setValue(2);
        QVERIFY(!ok->isEnabled());
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("HighGrip"))->setValue(2);
        QVERIFY(ok->isEnabled());
    }

    // A car of figures no car has is not taken.
    void badCars()
    {
        for (double Car::*figure : {&Car::topSpeed, &Car::lowGrip, &Car::acceleration, &Car::braking}) {
            for (double value : {0.0, -1.0, qQNaN(), qInf()}) {
                Car car = Car::classes().last();
                car.*figure = value;
                SessionCar::setCar(car);
                QCOMPARE(SessionCar::car().name, Car::classes().first().name);
            }
        }
        Car car = Car::classes().last();
        car.lowGrip = car.highGrip * 2;
        SessionCar::setCar(car);
        QCOMPARE(SessionCar::car().name, Car::classes().first().name);
    }
};

QTEST_MAIN(TestLapDrive)
#include "tst_lapdrive.moc"
