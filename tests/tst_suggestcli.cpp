// SPDX-License-Identifier: GPL-3.0-or-later
// kerbwright-suggest --fit, run as built: the track written with owned
// pieces used, what it prints, and the files it leaves alone when refused.
// (The installed program with nothing short, exit status 0: tst_install.)
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
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(KW_SUGGEST_EXE), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
    const QByteArray m_track = "00,06,06,01\r\n02,04,90,03\r\n";

private slots:
    void init()
    {
        QVERIFY(writeBytes(path("hall.kwf"), m_track) && writeBytes(path("club.csv"), "00,1\n01,1\n02,1\n06,1\n04,3\n"));
        QFile::remove(path("link.kwf"));
        QVERIFY(QFile::link(path("hall.kwf"), path("link.kwf")));
        QFile::remove(path("out.kwf"));
    }

    void someStillShort()
    {
        const Result result = suggest({"--fit", "hall.kwf", "--inventory", "club.csv", "-o", "out.kwf"});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, "06 -> 04: 1 (Straight, west–east, start line -> Straight, west–east)\n"
                             "90 -> 04: 1 (Speed hump, west–east -> Straight, west–east)\n"
                             "03 short by 1 (need 1, own 0)\nChanged 2 pieces; 1 piece still short\n");
        QCOMPARE(result.status, 1);
        QCOMPARE(readBytes(path("out.kwf")), QByteArray("00,06,04,01\r\n02,04,04,03\r\n"));
        QCOMPARE(readBytes(path("hall.kwf")), m_track);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        QTest::newRow("the track, through a link") << QStringList{"--fit", "hall.kwf", "--inventory", "club.csv", "-o", "link.kwf"}
                                                   << "link.kwf is the track itself: name another file to write";
        QTest::newRow("unreadable track") << QStringList{"--fit", "none.kwf", "--inventory", "club.csv", "-o", "out.kwf"}
                                          << "none.kwf: Cannot open file none.kwf.";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const Result result = suggest(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err.section('\n', 0, 0), "kerbwright-suggest: " + err);
        QVERIFY(!QFile::exists(path("out.kwf")));
        QCOMPARE(readBytes(path("hall.kwf")), m_track);
    }
};

QTEST_GUILESS_MAIN(TestSuggestCli)
#include "tst_suggestcli.moc"
