// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's language: which translation the programs take, and that
// what they write for files and scripts is the same byte for byte under
// German as under C, while their messages for people are German.
#include "testfiles.h"
#include "base/uilanguage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out, err;
};

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // The program in a folder of its own for the language, as the desktop starts it.
    Run run(const QString &program, const QStringList &arguments, const QString &language) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QLatin1String(name));
        if (language == QLatin1String("de")) {
            env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
            env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        } else {
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        }
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.filePath(language));
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

private slots:
    void initTestCase()
    {
        for (const char *language : {"C", "de"}) {
            QVERIFY(QDir(m_dir.path()).mkpath(QLatin1String(language)));
            const QDir dir(m_dir.filePath(QLatin1String(language)));
            QVERIFY(writeBytes(dir.filePath(QStringLiteral("ring.kwf")), "00,04,04,04,01\r\n05,07,07,07,05\r\n02,04,06,04,03\r\n"));
            QVERIFY(writeBytes(dir.filePath(QStringLiteral("owned.csv")), "code,count\n00,1\n01,1\n04,2\n"));
        }
    }

    void chosen_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Austrian") << QStringList{"de_AT"} << "de";
        QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("none of ours, then German") << QStringList{"fr-FR", "de"} << "de";
        QTest::newRow("none of ours") << QStringList{"ja-JP"} << "";
        QTest::newRow("none") << QStringList() << "";
    }

    void chosen()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(UiLanguage::chosen(uiLanguages), language);
    }

    // Each program's files and output for scripts, under C and under German.
    void sameData_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("written");  // the file it writes, if any
        const QString exporter = QStringLiteral(KW_EXPORT_EXE);
        const QString tiles = QStringLiteral(KW_TILES_DIR);
        for (const char *format : {"jpg", "bmp", "png", "csv"})
            QTest::newRow(format) << exporter
                                  << QStringList{"--tiles", tiles, "--inventory", "owned.csv", "-o",
                                                 QStringLiteral("ring.") + QLatin1String(format), "ring.kwf"}
                                  << QStringLiteral("ring.") + QLatin1String(format);
        const QString check = QStringLiteral(KW_CHECK_EXE);
        QTest::newRow("check") << check << QStringList{"--inventory", "owned.csv", "ring.kwf"} << "";
        QTest::newRow("check --json") << check << QStringList{"--json", "--inventory", "owned.csv", "ring.kwf"} << "";
        const QString suggest = QStringLiteral(KW_SUGGEST_EXE);
        QTest::newRow("suggest --fit") << suggest
                                       << QStringList{"--fit", "ring.kwf", "--inventory", "owned.csv", "-o", "fit.kwf"}
                                       << "fit.kwf";
        QTest::newRow("suggest --size") << suggest << QStringList{"--size", "4x3", "-n", "2", "-o", "s"}
                                        << "s/suggestion-1.kwf";
        QTest::newRow("suggest --json") << suggest
                                        << QStringList{"--size", "2x2", "--inventory", "owned.csv", "--json", "-o", "j"}
                                        << "";
    }

    void sameData()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, written);
        const Run plain = run(program, arguments, QStringLiteral("C"));
        const Run german = run(program, arguments, QStringLiteral("de"));
        QVERIFY2(plain.status >= 0 && plain.status < 2, plain.err.constData());
        QCOMPARE(german.status, plain.status);
        QCOMPARE(german.out, plain.out);
        if (!written.isEmpty()) {
            const QByteArray bytes = readBytes(m_dir.filePath(QStringLiteral("C/") + written));
            QVERIFY(!bytes.isEmpty());
            QVERIFY(bytes == readBytes(m_dir.filePath(QStringLiteral("de/") + written)));
        }
    }

    // Messages for people follow the language; the exit status does not.
    void messagesInGerman()
    {
        const QStringList arguments{"--depth", "7", "ring.kwf"};
        const Run plain = run(QStringLiteral(KW_EXPORT_EXE), arguments, QStringLiteral("C"));
        const Run german = run(QStringLiteral(KW_EXPORT_EXE), arguments, QStringLiteral("de"));
        QCOMPARE(german.status, 2);
        QCOMPARE(plain.status, 2);
        QVERIFY(plain.err.startsWith("kerbwright-export: --depth takes 16, 24 or 32\nUsage: "));
        QVERIFY(german.err.startsWith("kerbwright-export: --depth nimmt 16, 24 oder 32\nAufruf: "));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
