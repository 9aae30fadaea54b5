// kerbwright-check run as users run it, over the shared table of tracks.
#include "bmpbuilder.h"
#include "connectiontracks.h"
#include "testfiles.h"
#include "pieces/catalogue.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestCheckCli : public QObject
{
    Q_OBJECT

    struct Result
    {
        int status = -1;
        QString out;
        QString err;
    };

    Result run(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(display));  // it must need none
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KW_CHECK_EXE), arguments);
        Result result;
        if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
            result = {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                      QString::fromUtf8(process.readAllStandardError())};
        return result;
    }

    QString track(const QString &name, const QByteArray &text) const
    {
        const QString file = m_dir.filePath(name + ".kwf");
        return writeBytes(file, text) ? file : QString();
    }

    QTemporaryDir m_dir;
    QString m_tiles;

private slots:
    void initTestCase()
    {
        m_tiles = m_dir.filePath(QStringLiteral("tiles"));
        QVERIFY(BmpBuilder::writeTileFolder(m_tiles, Catalogue::codes() + QVector<QByteArray>{"ZZ"}));
    }

    void tracks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("ends");
        for (const ConnectionTrack &t : connectionTracks())
            QTest::newRow(t.name) << t.text << t.ends;
    }

    // Every end, then the summary; --quiet keeps the ends alone.
    void tracks()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, ends);
        const QString path = track(QStringLiteral("t"), text);
        QString expected;
        for (const QString &end : ends)
            expected += path + ':' + end + '\n';
        const QString count = ends.isEmpty() ? QStringLiteral("no open road ends")
                              : ends.size() == 1 ? QStringLiteral("1 open road end")
                                                 : QStringLiteral("%1 open road ends").arg(ends.size());
        const int status = ends.isEmpty() ? 0 : 1;

        const Result loud = run({"--tiles", m_tiles, path});
        QCOMPARE(loud.err, QString());
        QCOMPARE(loud.out, expected + path + ": " + count + '\n');
        QCOMPARE(loud.status, status);
        const Result quiet = run({path, "--quiet", "--tiles", m_tiles});
        QCOMPARE(quiet.out, expected);
        QCOMPARE(quiet.status, status);
    }

    // An unreadable track says why on standard error, has no summary, and
    // makes the status 1 even when every other track is closed.
    void unreadableTrack()
    {
        const QString closed = track(QStringLiteral("closed"), "00,01\r\n02,03\r\n");
        const QString missing = m_dir.filePath(QStringLiteral("nowhere.kwf"));
        const QString badTile = track(QStringLiteral("badtile"), "00,QQ\r\n");
        const Result result = run({"--tiles", m_tiles, closed, missing, badTile, closed});
        QCOMPARE(result.out, closed + ": no open road ends\n" + closed + ": no open road ends\n");
        QCOMPARE(result.err, missing + ": Cannot open file " + missing + ".\n" + badTile
                                 + ": Cannot open file " + m_tiles + "/QQ.bmp.\n");
        QCOMPARE(result.status, 1);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");  // a pattern
        QTest::newRow("nothing") << QStringList() << 2 << "";
        QTest::newRow("options only") << QStringList{"--quiet"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"--fix", "a.kwf"} << 2 << "";
        QTest::newRow("value missing") << QStringList{"a.kwf", "--tiles"} << 2 << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "^Usage: kerbwright-check .*Exit status";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "^kerbwright-check \\d+\\.\\d+\\.\\d+\\n$";
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        const Result result = run(arguments);
        QCOMPARE(result.status, status);
        QVERIFY2(QRegularExpression(out, QRegularExpression::DotMatchesEverythingOption)
                     .match(result.out).hasMatch(), qPrintable(result.out));
        QCOMPARE(result.out.isEmpty(), status == 2);
        QCOMPARE(result.err.startsWith("kerbwright-check: ") && result.err.contains("Usage: "), status == 2);
    }
};

QTEST_GUILESS_MAIN(TestCheckCli)
#include "tst_checkcli.moc"
