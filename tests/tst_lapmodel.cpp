// SPDX-License-Identifier: GPL-3.0-or-later
// The lap time: the model against laps worked out by hand, the laps of the
// examples as one closed line with their times for every class (printed),
// and the car files a user writes.
#include "roadgrids.h"

#include "base/kwerror.h"
#include "document/circuitfinder.h"
#include "document/lapmodel.h"
#include "document/lappath.h"
#include "document/laptrace.h"
#include "document/trackfacts.h"
#include "document/trackgrid.h"

#include <QDir>
#include <QtTest>

namespace {

RoadSegment ahead(double length)
{
    return RoadSegment::straight(length);
}

RoadSegment left(double radius, double degrees)
{
    return RoadSegment::arc(radius, degrees);
}

// Laps laid out by hand, in metres with cells of 1 m.
LapPath circle(double radius)
{
    return LapPath({}, {left(radius, 360)});
}

LapPath stadium(double radius, double straight)
{
    return LapPath({}, {ahead(straight), left(radius, 180), ahead(straight), left(radius, 180)});
}

LapPath square(double side, double swing)
{
    QVector<RoadSegment> segments;
    for (int k = 0; k < 4; ++k)
        segments << ahead(side) << RoadSegment::kink(90, swing);
    return LapPath({}, segments);
}

bool sameAt(const RoadPose &a, const RoadPose &b)
{
    return QLineF(a.point, b.point).length() < 1e-6 && std::abs(std::remainder(a.heading - b.heading, 2 * M_PI)) < 1e-6;
}

} // namespace

Q_DECLARE_METATYPE(LapPath)

class TestLapModel : public QObject
{
    Q_OBJECT

private slots:
    // Top speed 8 m/s, acceleration 4, braking 6 (m/s²) unless a row says
    // otherwise; grip 9 m/s², so a corner of 1 m is taken at 3 m/s.
    void handCalculations_data()
    {
        QTest::addColumn<LapPath>("path");
        QTest::addColumn<double>("topSpeed");
        QTest::addColumn<double>("seconds");
        // Round a circle of 5 m the grip would allow 6.7 m/s.
        QTest::newRow("wide circle, top speed only") << circle(5) << 5.0 << 2 * M_PI * 5 / 5;
        QTest::newRow("tight circle, grip only") << circle(1) << 8.0 << 2 * M_PI / 3;
        // Out of each corner at 3 m/s up to 8 (6.875 m), on at 8, braking
        // down to 3 (4.583 m): 1.25 + 8.542 / 8 + 0.833 s a straight.
        QTest::newRow("stadium, straights of 20 m") << stadium(1, 20) << 8.0
                                                     << 2 * (1.25 + (20 - 55.0 / 8 - 55.0 / 12) / 8 + 5.0 / 6 + M_PI / 3);
        // A straight of 5 m ends before top speed: speeding up for 3 m to
        // sqrt(33) m/s, then braking for 2 m.
        QTest::newRow("stadium, short straights") << stadium(1, 5) << 8.0
                                                   << 2 * ((std::sqrt(33) - 3) * (1.0 / 4 + 1.0 / 6) + M_PI / 3);
        // Kinks swung through on 0.25 m, at 1.5 m/s; each side speeds up
        // for 2.4 m and brakes for 1.6 m.
        QTest::newRow("square with kinks") << square(4, 0.25) << 10.0
                                           << 4 * (std::sqrt(21.45) - 1.5) * (1.0 / 4 + 1.0 / 6);
    }

    void handCalculations()
    {
        QFETCH(LapPath, path);
        QFETCH(double, topSpeed);
        QFETCH(double, seconds);
        const LapDrive drive = LapModel(path, 1).drive({topSpeed, 9, 4, 6});
        QVERIFY2(qAbs(drive.seconds() - seconds) < 2e-3, qPrintable(QString::number(drive.seconds(), 'f', 4)));
        QCOMPARE(drive.metres(), path.length());
        for (int k = 1; k < drive.points().size(); ++k)
            QVERIFY(drive.points()[k] - drive.points()[k - 1] <= LapModel::maxStep + 1e-12);
    }

    // Where the car brakes for the corner at the end of a 20 m straight: it
    // runs at top speed until 4.583 m before the corner, then slows evenly.
    void brakingPoint()
    {
        const LapDrive drive = LapModel(stadium(1, 20), 1).drive({8, 9, 4, 6});
        const double corner = 20, braking = 55.0 / 12;
        QCOMPARE(drive.speedAt(corner - braking - 0.05), 8.0);
        QVERIFY(drive.speedAt(corner - braking + 0.05) < 8);
        QVERIFY(qAbs(drive.speedAt(corner - braking / 2) - std::sqrt(9 + 6 * braking)) < 1e-3);
        QVERIFY(qAbs(drive.speedAt(corner + 1) - 3) < 1e-9);
        // What a window asks: where the car is at a time, and back.
        for (double at : {0.0, 3.3, corner - braking / 2, 31.4})
            QVERIFY(qAbs(drive.metresAt(drive.timeAt(at)) - at) < 1e-6);
    }

    // Every example's lap is one closed line, cell after cell, as long as
    // the lap; its times for each class are printed for the record.
    void examples()
    {
        const QDir folder(QStringLiteral(KW_EXAMPLES_SOURCE_DIR));
        int laps = 0;
        for (const QString &file : folder.entryList({QStringLiteral("*.kwf")}, QDir::Files, QDir::Name)) {
            const TrackGrid grid = RoadGrids::readFile(folder.filePath(file));
            for (const Circuit &circuit : CircuitFinder::find(grid)) {
                const LapPath path = LapPath::of(grid, circuit);
                QCOMPARE(path.isEmpty(), !circuit.lap);
                if (path.isEmpty())
                    continue;
                ++laps;
                QVERIFY(qAbs(path.length() - *circuit.lap) < 1e-9);
                const QVector<LapPath::Stretch> &line = path.stretches();
                for (int k = 0; k < line.size(); ++k) {
                    const LapPath::Stretch &before = line[(k + line.size() - 1) % line.size()];
                    QVERIFY2(sameAt(before.start.along(before.segment, before.segment.length), line[k].start),
                             qPrintable(QStringLiteral("%1, cell %2").arg(file).arg(line[k].cell)));
                }
                QStringList times;
                for (const Car &car : Car::classes()) {
                    const LapTimes lap = LapModel(path, 0.5).times(car);
                    QVERIFY(lap.fastest < lap.slowest);
                    QVERIFY(lap.fastest > *circuit.lap * 0.5 / car.topSpeed);
                    times << car.name + QStringLiteral(" ") + lap.text();
                }
                qInfo().noquote() << file << QString::number(*circuit.lap * 0.5, 'f', 1) << "m:" << times.join(", ");
            }
        }
        QCOMPARE(laps, 7);
        // The figures were set for this: a championship-sized 1:28 layout
        // laps in about 9 to 10 s.
        const TrackGrid club = RoadGrids::readFile(folder.filePath(QStringLiteral("club.kwf")));
        const LapTimes lap = *LapModel::times(club, CircuitFinder::find(club).first(), *Car::named("1:28 modified"), 0.5);
        QVERIFY(lap.fastest > 8.5 && lap.slowest < 10.5);
    }

    void carFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");  // empty: read
        const QByteArray good = "top_speed = 30 km/h\ngrip = 1.2 g\nacceleration = 5\nbraking = 7 m/s2\n";
        QTest::newRow("plain") << good << "";
        QTest::newRow("named, commented, CR LF")
            << QByteArray("\xEF\xBB\xBF# ours\r\nname = Club Mini\r\n\r\nTOP_SPEED=8.33\r\ngrip=11.8m/s²\r\nacceleration = 0.5 g\r\nbraking = 7\r\n")
            << "";
        QTest::newRow("negative") << "top_speed = -3\n" + good.mid(20) << "car.txt, line 1: the top speed must be more than 0, not -3";
        QTest::newRow("zero braking") << good.left(good.indexOf("braking")) + "braking = 0\n"
                                      << "car.txt, line 4: the braking must be more than 0, not 0";
        QTest::newRow("no number") << QByteArray("top_speed = fast\n") << "car.txt, line 1: the top speed \"fast\" is no number";
        QTest::newRow("comma") << QByteArray("grip = 1,2 g\n") << "car.txt, line 1: the grip \"1,2 g\" is no number";
        QTest::newRow("wrong unit") << QByteArray("top_speed = 20 mph\n") << "car.txt, line 1: \"mph\" is no unit of top speed; use m/s or km/h";
        QTest::newRow("too fast") << QByteArray("top_speed = 1000 km/h\n") << "car.txt, line 1: the top speed 1000 km/h is more than a model car can do (at most 100 m/s)";
        QTest::newRow("unknown key") << good + "weight = 0.2\n" << "car.txt, line 5: \"weight\" is no key; the keys are top_speed, grip, acceleration, braking and name";
        QTest::newRow("twice") << good + "grip = 1 g\n" << "car.txt, line 5: grip is given already on line 2";
        QTest::newRow("no key") << QByteArray("1.2 g\n") << "car.txt, line 1: \"1.2 g\" is no key = value line";
        QTest::newRow("missing") << good.left(good.indexOf("braking")) << "car.txt: no braking given (braking = ...)";
    }

    void carFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        try {
            const Car car = Car::parse(text, QStringLiteral("car.txt"));
            QCOMPARE(QString(), error);
            QVERIFY(car.topSpeed > 8.3 && car.topSpeed < 8.34);
            QVERIFY(qAbs(car.highGrip - 11.77) < 0.05 && car.lowGrip == car.highGrip);
            QCOMPARE(car.name, text.contains("name") ? QStringLiteral("Club Mini") : QStringLiteral("car.txt"));
        } catch (const KwError &e) {
            QCOMPARE(e.message(), error);
        }
    }

    // What a window shows of a drive: the stadium's two corners, slowest
    // in their middles; a circle, one speed throughout, has none.
    void trace()
    {
        const LapPath path = stadium(1, 20);
        const LapTrace lap(path, LapModel(path, 1).drive({8, 9, 4, 6}), 1);
        QCOMPARE(lap.samples().size(), int(std::ceil(path.length() / LapTrace::sampleStep)));
        QCOMPARE(lap.slowest(), 3.0);
        QCOMPARE(lap.fastest(), 8.0);
        const QVector<LapTrace::Corner> corners = lap.slowCorners(3);
        QCOMPARE(corners.size(), 2);
        for (int k = 0; k < 2; ++k) {
            QVERIFY(qAbs(corners[k].speed - 3) < 1e-9);
            QVERIFY(qAbs(corners[k].metres - (20 * (k + 1) + M_PI * (k + 0.5))) < 0.01);
        }
        QCOMPARE(lap.slowCorners(1).size(), 1);
        QVERIFY(sameAt(lap.poseAt(lap.drive().seconds()), path.at(0)));
        QCOMPARE(lap.samplesBefore(20.02), int(20.02 / LapTrace::sampleStep) + 1);
        const LapPath ring = circle(2);
        QVERIFY(LapTrace(ring, LapModel(ring, 1).drive({8, 9, 4, 6}), 1).slowCorners(3).isEmpty());
        // Slow red, through yellow, to fast green.
        QCOMPARE(lap.share(3), 0.0);
        QCOMPARE(lap.share(8), 1.0);
        QCOMPARE(LapTrace::speedColour(0).hue(), 0);
        QCOMPARE(LapTrace::speedColour(0.5).hue(), 60);
        QCOMPARE(LapTrace::speedColour(1).hue(), 120);
    }

    // "Check connections" ends with the lap's times where there is one lap.
    void checkText_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("a ring") << "00,01/02,03" << "No open road ends: 1 circuit, lap 1.6 m, 0.9–1.0 s";
        QTest::newRow("two rings") << "00,01,00,01/02,03,02,03" << "No open road ends: 2 circuits";
        QTest::newRow("open ends") << "00,01/02,04" << "2 open road ends";
    }

    void checkText()
    {
        QFETCH(QString, rows);
        QFETCH(QString, text);
        const TrackGrid grid = RoadGrids::fromRows(rows);
        const TrackFacts facts(grid);
        QCOMPARE(LapSetup().checkText(grid, facts, int(facts.openEnds().size())), text);
    }

    void classes()
    {
        QCOMPARE(Car::classNames(), QStringLiteral("1:28 stock, 1:28 modified, 1:24, 1:10 touring"));
        QCOMPARE(Car::named(QStringLiteral("1:10-Touring"))->name, QStringLiteral("1:10 touring"));
        QVERIFY(!Car::named(QStringLiteral("1:8 buggy")));
        for (const Car &car : Car::classes())
            QVERIFY(car.lowGrip < car.highGrip && car.onLowGrip().braking < car.braking);
    }
};

QTEST_GUILESS_MAIN(TestLapModel)
#include "tst_lapmodel.moc"
