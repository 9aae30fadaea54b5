// SPDX-License-Identifier: GPL-3.0-or-later
// kerbwright-suggest --fit, run as built: the track written with owned
// pieces used, what it prints, the exit statuses, and the files it must
// leave alone.
#include "testfiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSuggestCli : public QObject
{
    Q_OBJECT

    struct Result { int status = -1; QString out, err; };
    Result suggest(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(KW_SUGGEST_EXE), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString file(const QString &name, const QByteArray &text = {}) const
    {
        const QString path = m_dir.filePath(name);
        return text.isEmpty() || writeBytes(path, text) ? path : QString();
    }

    QTemporaryDir m_dir;
    const QByteArray m_track = "00,06,06,01\r\n02,04,90,03\r\n";

private slots:
    void fit_data()
    {
        QTest::addColumn<QByteArray>("owned");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("some still short")
            << QByteArray("code,count\n00,1\n01,1\n02,1\n06,1\n04,3\n") << 1
            << "06 -> 04: 1 (Straight, west–east, start line -> Straight, west–east)\n"
               "90 -> 04: 1 (Speed hump, west–east -> Straight, west–east)\n"
               "03 short by 1 (need 1, own 0)\nChanged 2 pieces; 1 piece still short\n"
            << QByteArray("00,06,04,01\r\n02,04,04,03\r\n");
        QTest::newRow("all owned") << QByteArray("00,1\n01,1\n02,1\n03,1\n04,1\n06,2\n90,1\n") << 0
                                   << "All pieces owned\n" << m_track;
    }

    void fit()
    {
        QFETCH(QByteArray, owned);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QByteArray, written);
        const QString track = file(QStringLiteral("hall.kwf"), m_track);
        const QString output = file(QStringLiteral("fitted.kwf"));
        const Result result = suggest({"--fit", track, "--inventory", file(QStringLiteral("club.csv"), owned), "-o", output});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, out);
        QCOMPARE(result.status, status);
        QCOMPARE(readBytes(output), written);
        QCOMPARE(readBytes(track), m_track);
    }

    // Nothing is written, and the track stays, when anything is wrong.
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("the track itself") << QStringList{"--fit", "@TRACK", "--inventory", "@CLUB", "-o", "@TRACK"}
                                          << "@TRACK is the track itself: name another file to write";
        QTest::newRow("the track through a link") << QStringList{"--fit", "@TRACK", "--inventory", "@CLUB", "-o", "@LINK"}
                                                  << "@LINK is the track itself: name another file to write";
        QTest::newRow("no inventory") << QStringList{"--fit", "@TRACK", "-o", "@OUT"} << "--fit needs --inventory FILE";
        QTest::newRow("no output") << QStringList{"--fit", "@TRACK", "--inventory", "@CLUB"}
                                   << "--fit needs -o OUT.kwf, the file to write";
        QTest::newRow("no mode") << QStringList{"--inventory", "@CLUB", "-o", "@OUT"} << "no mode given";
        QTest::newRow("unreadable inventory") << QStringList{"--fit", "@TRACK", "--inventory", "@BAD", "-o", "@OUT"}
                                              << "@BAD, line 1: the count \"five\" is not a whole number from 0 to 1000000.";
        QTest::newRow("unreadable track") << QStringList{"--fit", "@MISSING", "--inventory", "@CLUB", "-o", "@OUT"}
                                          << "@MISSING: Cannot open file @MISSING.";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const QMap<QString, QString> paths = {
            {"@TRACK", file(QStringLiteral("hall.kwf"), m_track)}, {"@CLUB", file(QStringLiteral("club.csv"), "04,1\n")},
            {"@BAD", file(QStringLiteral("bad.csv"), "04,five\n")},
            {"@LINK", file(QStringLiteral("link.kwf"))}, {"@OUT", file(QStringLiteral("out.kwf"))},
            {"@MISSING", file(QStringLiteral("missing.kwf"))}};
        QFile::remove(paths["@LINK"]);
        QVERIFY(QFile::link(paths["@TRACK"], paths["@LINK"]));
        for (auto it = paths.cbegin(); it != paths.cend(); ++it) {
            arguments.replaceInStrings(it.key(), it.value());
            err.replace(it.key(), it.value());
        }
        const Result result = suggest(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err.section('\n', 0, 0), "kerbwright-suggest: " + err);
        QCOMPARE(result.out, QString());
        QVERIFY(!QFile::exists(paths["@OUT"]));
        QCOMPARE(readBytes(paths["@TRACK"]), m_track);
    }
};

QTEST_GUILESS_MAIN(TestSuggestCli)
#include "tst_suggestcli.moc"
