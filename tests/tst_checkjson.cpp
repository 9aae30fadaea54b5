// SPDX-License-Identifier: GPL-3.0-or-later
// kerbwright-check --json, --cell-size, --inventory, --car and --car-file,
// run as built: one JSON object a track, read back with Qt's parser and
// compared whole; then the exit statuses, trouble over findings.
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCheckJson : public QObject
{
    Q_OBJECT

    struct Result { int status = -1; QString out, err; };
    Result check(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(KW_CHECK_EXE), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString file(const QString &name, const QByteArray &text) const
    {
        return writeBytes(m_dir.filePath(name), text) ? m_dir.filePath(name) : QString();
    }

    QTemporaryDir m_dir;

private slots:
    void json_data()
    {
        QTest::addColumn<QByteArray>("track");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("json");  // less "track", which is the path
        QTest::newRow("rectangle") << QByteArray("00,04,04,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n") << QStringList()
                                   << R"({"width": 5, "height": 3, "open_ends": [], "circuits": [{"pieces": 12, "closed": true, "lap_m": 5.571, "road_m": 5.571, "lap_s": {"min": 2.68, "max": 2.95}}], "unknown": [], "car": "1:28 stock"})";
        QTest::newRow("larger cells") << QByteArray("00,01\r\n02,03\r\n") << QStringList{"--cell-size", "2"}
                                      << R"({"width": 2, "height": 2, "open_ends": [], "circuits": [{"pieces": 4, "closed": true, "lap_m": 6.283, "road_m": 6.283, "lap_s": {"min": 1.87, "max": 2.06}}], "unknown": [], "car": "1:28 stock"})";
        QTest::newRow("open, unknown") << QByteArray("04,04,ZZ\r\n") << QStringList()
                                       << R"({"width": 3, "height": 1, "open_ends": [{"column": 1, "row": 1, "edge": "west"}], "circuits": [{"pieces": 2, "closed": false, "lap_m": null, "road_m": 1.000, "lap_s": null}], "unknown": [{"column": 3, "row": 1, "code": "ZZ"}], "car": "1:28 stock"})";
        QTest::newRow("grass") << QByteArray("07,07\r\n") << QStringList()
                               << R"({"width": 2, "height": 1, "open_ends": [], "circuits": [], "unknown": [], "car": "1:28 stock"})";
        QTest::newRow("short") << QByteArray("00,01\r\n02,03\r\n") << QStringList{"--inventory", "INVENTORY"}
                               << R"({"width": 2, "height": 2, "open_ends": [], "circuits": [{"pieces": 4, "closed": true, "lap_m": 1.571, "road_m": 1.571, "lap_s": {"min": 0.94, "max": 1.03}}], "unknown": [], "short": [{"code": "01", "need": 1, "own": 0}, {"code": "03", "need": 1, "own": 0}], "car": "1:28 stock"})";
        // Round a corner of 0.25 m at sqrt(1.1 g x 0.25 m), 1.64 m/s; one grip, one time.
        QTest::newRow("own car") << QByteArray("00,01\r\n02,03\r\n") << QStringList{"--car-file", "CAR"}
                                 << R"({"width": 2, "height": 2, "open_ends": [], "circuits": [{"pieces": 4, "closed": true, "lap_m": 1.571, "road_m": 1.571, "lap_s": {"min": 0.96, "max": 0.96}}], "unknown": [], "car": "Club Mini"})";
        QTest::newRow("class") << QByteArray("00,01\r\n02,03\r\n") << QStringList{"--car", "1:10 TOURING"}
                               << R"({"width": 2, "height": 2, "open_ends": [], "circuits": [{"pieces": 4, "closed": true, "lap_m": 1.571, "road_m": 1.571, "lap_s": {"min": 0.79, "max": 0.88}}], "unknown": [], "car": "1:10 touring"})";
    }

    void json()
    {
        QFETCH(QByteArray, track);
        QFETCH(QStringList, options);
        QFETCH(QString, json);
        const QString path = file(QStringLiteral("t.kwf"), track);
        options.replaceInStrings(QStringLiteral("INVENTORY"), file(QStringLiteral("club.csv"), "code,count\n00,1\n02,3\n"));
        options.replaceInStrings(QStringLiteral("CAR"), file(QStringLiteral("mini.car"), "name = Club Mini\ntop_speed = 25 km/h\n"
                                                                                      "grip = 1.1 g\nacceleration = 4\nbraking = 6\n"));
        const Result result = check(options + QStringList{"--json", path});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, "{\"track\": " + QJsonDocument(QJsonArray{path}).toJson(QJsonDocument::Compact).mid(1).chopped(1)
                                 + ", " + json.mid(1) + '\n');
        QJsonParseError error;
        QVERIFY(QJsonDocument::fromJson(result.out.toUtf8(), &error).isObject());
        QCOMPARE(result.status, json.contains("\"open_ends\": []") && json.contains("\"unknown\": []")
                                        && !json.contains("\"need\"") ? 0 : 1);
    }

    // Figures that are no car's are a usage error, named by file and line;
    // nothing is checked.
    void badCar()
    {
        const QString track = file(QStringLiteral("t.kwf"), "00,01\r\n02,03\r\n");
        const QString car = file(QStringLiteral("bad.car"), "top_speed = 25 km/h\ngrip = 0\n");
        const Result result = check({"--car-file", car, track});
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QString());
        QVERIFY(result.err.startsWith("kerbwright-check: " + car + ", line 2: the grip must be more than 0, not 0.\nUsage: "));
    }

    void unreadable()
    {
        const QString missing = m_dir.filePath(QStringLiteral("no \"such\".kwf"));
        const QString good = file(QStringLiteral("good.kwf"), "00,01\r\n02,03\r\n");
        const Result result = check({"--json", good, missing});
        const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QJsonObject failed = QJsonDocument::fromJson(lines[1].toUtf8()).object();
        QCOMPARE(failed.value("track").toString(), missing);
        QCOMPARE(failed.value("error").toString(), "Cannot open file " + missing + '.');
        QCOMPARE(failed.size(), 2);
        QCOMPARE(result.status, 2);
    }

    void statuses_data()
    {
        QTest::addColumn<QStringList>("tracks");  // file names below
        QTest::addColumn<QString>("inventory");   // empty: none
        QTest::addColumn<int>("status");
        QTest::newRow("closed") << QStringList{"closed"} << "" << 0;
        QTest::newRow("open") << QStringList{"closed", "open"} << "" << 1;
        QTest::newRow("unknown code") << QStringList{"unknown"} << "" << 1;
        QTest::newRow("all owned") << QStringList{"closed"} << "code,count\n00,1\n01,1\n02,1\n03,1\n" << 0;
        QTest::newRow("short") << QStringList{"closed"} << "code,count\n00,1\n" << 1;
        QTest::newRow("unreadable wins") << QStringList{"open", "missing", "closed"} << "" << 2;
        QTest::newRow("inventory not understood") << QStringList{"closed"} << "00,one\n" << 2;
    }

    void statuses()
    {
        QFETCH(QStringList, tracks);
        QFETCH(QString, inventory);
        QFETCH(int, status);
        const QMap<QString, QByteArray> texts{{"closed", "00,01\r\n02,03\r\n"}, {"open", "04\r\n"}, {"unknown", "00,01,QQ\r\n02,03,07\r\n"}};
        QStringList arguments;
        if (!inventory.isEmpty())
            arguments << "--inventory" << file(QStringLiteral("inventory.csv"), inventory.toUtf8());
        for (const QString &name : tracks)
            arguments << (texts.contains(name) ? file(name + ".kwf", texts[name]) : m_dir.filePath(name + ".kwf"));
        for (const QStringList &mode : {QStringList(), QStringList{"--json"}, QStringList{"--quiet"}})
            QCOMPARE(check(mode + arguments).status, status);
    }
};

QTEST_GUILESS_MAIN(TestCheckJson)
#include "tst_checkjson.moc"
