// SPDX-License-Identifier: GPL-3.0-or-later
// kerbwright-suggest run as built: the generating mode's files and lines, as
// text and as JSON; --fit's track written with owned pieces used; the exit
// statuses, and the files left alone when a command line is refused. (--fit
// with nothing short, exit status 0: tst_install.)
#include "document/lapmodel.h"
#include "document/trackblock.h"
#include "document/trackfacts.h"
#include "testfiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestSuggestCli : public QObject
{
    Q_OBJECT

    struct Result { int status = -1; QStringList lines; QString err; };
    Result suggest(const QStringList &arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(KW_SUGGEST_EXE), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QTemporaryDir m_dir;
    const QByteArray m_track = "00,06,06,01\r\n02,04,90,03\r\n";

private slots:
    void initTestCase()
    {
        QVERIFY(writeBytes(m_dir.filePath("hall.kwf"), m_track));
        QVERIFY(writeBytes(m_dir.filePath("owned.csv"), "00,1\n01,1\n02,1\n06,1\n04,3\n"));
        QVERIFY(QFile::link(m_dir.filePath("hall.kwf"), m_dir.filePath("link.kwf")));
    }

    void fitSomeStillShort()
    {
        const Result result = suggest({"--fit", "hall.kwf", "--inventory", "owned.csv", "-o", "fitted.kwf"});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.lines, QStringList({"06 -> 04: 1 (Straight, west–east, start line -> Straight, west–east)",
                                            "90 -> 04: 1 (Speed hump, west–east -> Straight, west–east)",
                                            "03 short by 1 (need 1, own 0)", "Changed 2 pieces; 1 piece still short"}));
        QCOMPARE(result.status, 1);
        QCOMPARE(readBytes(m_dir.filePath("fitted.kwf")), QByteArray("00,06,04,01\r\n02,04,04,03\r\n"));
    }

    void writesWhatItPrints_data()
    {
        QTest::addColumn<QStringList>("target");
        QTest::addColumn<QString>("car");
        QTest::newRow("lap length") << QStringList{"--lap", "20-30"} << "1:28 stock";
        QTest::newRow("lap time") << QStringList{"--lap-time", "6-8", "--car", "1:10-touring"} << "1:10 touring";
    }

    void writesWhatItPrints()
    {
        QFETCH(QStringList, target);
        QFETCH(QString, car);
        const Result result = suggest(QStringList{"--size", "20x12", "-n", "3", "-o", "hall"} + target);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.lines.size(), 4);
        const QRegularExpression line(QStringLiteral(
            R"(^hall/suggestion-(\d)\.kwf: (lap (\d+\.\d m), [^,]+ s \((.+)\)), (\d+) pieces, \d+ corners(, \d+ (hairpin|chicane|crossing)s?)*, score \d+\.\d$)"));
        for (int k = 0; k < 3; ++k) {
            const QRegularExpressionMatch match = line.match(result.lines[k]);
            QVERIFY2(match.hasMatch(), qPrintable(result.lines[k]));
            QCOMPARE(match.captured(1).toInt(), k + 1);
            const TrackBlock block = TrackBlock::fromText(readBytes(m_dir.filePath(match.captured(0).section(':', 0, 0))));
            TrackGrid grid;
            grid.setSize(block.width(), block.height());
            block.pasteInto(grid, 0, 0);
            const TrackFacts facts(grid);
            QCOMPARE(QSize(grid.width(), grid.height()), QSize(20, 12));
            QCOMPARE(facts.checkText(0, 0.5), "No open road ends: 1 circuit, lap " + match.captured(3));
            const LapSetup setup{*Car::named(car), 0.5};
            QCOMPARE(setup.lapText(grid, facts.circuits().first()), match.captured(2));
            QCOMPARE(facts.circuits().first().cells.size(), match.captured(5).toInt());
        }
        QCOMPARE(result.lines.last(), "Found 3 circuits");
    }

    void jsonWhenFewer()
    {
        const Result result = suggest({"--size", "3x3", "-n", "10", "--json", "--family", "foam", "-o", "small"});
        QCOMPARE(result.status, 1);
        QCOMPARE(result.lines.size(), 5);
        const QJsonObject first = QJsonDocument::fromJson(result.lines.first().toUtf8()).object();
        QCOMPARE(first.keys(), QStringList({"chicanes", "corners", "crossings", "file", "hairpins", "lap_m", "lap_s",
                                           "pieces", "score"}));
        QCOMPARE(first.value("lap_s").toObject().keys(), QStringList({"max", "min"}));
        QCOMPARE(QJsonDocument::fromJson(result.lines.last().toUtf8()).object(),
                 QJsonObject({{"found", 4}, {"wanted", 10},
                              {"summary", "Found 4 circuits of 10: no other layout was found that closes on this floor"}}));
        QVERIFY(readBytes(m_dir.filePath("small/suggestion-4.kwf")).contains("AH"));
    }

    void troubles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");  // the first line on standard error
        QTest::newRow("no size") << QStringList{"-n", "3"} << "no floor size given (--size COLSxROWS)";
        QTest::newRow("floor too large") << QStringList{"--size", "31x2"}
                                         << "the size must be COLSxROWS, each from 1 to 30, not \"31x2\"";
        QTest::newRow("lap backwards") << QStringList{"--size", "9x9", "--lap", "9-3"}
                                       << "the lap must be MIN-MAX in metres, MIN no more than MAX, not \"9-3\"";
        QTest::newRow("lap time backwards") << QStringList{"--size", "9x9", "--lap-time", "9-3"}
                                            << "the lap time must be MIN-MAX in seconds, MIN no more than MAX, not \"9-3\"";
        QTest::newRow("lap and lap time") << QStringList{"--size", "9x9", "--lap", "3-9", "--lap-time", "3-9"}
                                          << "give --lap or --lap-time, not both";
        QTest::newRow("unknown car") << QStringList{"--size", "9x9", "--lap-time", "3-9", "--car", "1:12"}
                                     << "no car class \"1:12\"; the classes are 1:28 stock, 1:28 modified, 1:24, 1:10 touring";
        QTest::newRow("unknown family") << QStringList{"--size", "9x9", "--family", "gravel"}
                                        << "the family must be circuit, foam or carpet, not \"gravel\"";
        QTest::newRow("no such inventory") << QStringList{"--size", "9x9", "--inventory", "club.csv"}
                                           << "Cannot open file club.csv.";
        QTest::newRow("count zero") << QStringList{"--size", "9x9", "-n", "0"}
                                    << "the count must be a whole number from 1 to 100, not \"0\"";
        QTest::newRow("two modes") << QStringList{"--size", "9x9", "--fit", "hall.kwf"} << "--size and --fit cannot go together";
        QTest::newRow("another mode's option") << QStringList{"--fit", "hall.kwf", "-n", "3"} << "-n does not go with --fit";
        QTest::newRow("the track, through a link") << QStringList{"--fit", "hall.kwf", "--inventory", "owned.csv", "-o", "link.kwf"}
                                                   << "link.kwf is the track itself: name another file to write";
        QTest::newRow("unreadable track") << QStringList{"--fit", "none.kwf", "--inventory", "owned.csv", "-o", "out.kwf"}
                                          << "none.kwf: Cannot open file none.kwf.";
    }

    void troubles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Result result = suggest(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err.section('\n', 0, 0), "kerbwright-suggest: " + message);
        QVERIFY(result.lines.isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath("out.kwf")));
        QCOMPARE(readBytes(m_dir.filePath("hall.kwf")), m_track);
    }
};

QTEST_GUILESS_MAIN(TestSuggestCli)
#include "tst_suggestcli.moc"
