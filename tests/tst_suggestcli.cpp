// SPDX-License-Identifier: GPL-3.0-or-later
// kerbwright-suggest's generating mode, run as built: the files it writes
// and the lines it prints, as text and as JSON, and its exit statuses.
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

private slots:
    void writesWhatItPrints()
    {
        const Result result = suggest({"--size", "20x12", "--lap", "20-30", "-n", "3", "-o", "hall"});
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.lines.size(), 4);
        const QRegularExpression line(QStringLiteral(
            R"(^hall/suggestion-(\d)\.kwf: lap (\d+\.\d m), (\d+) pieces, \d+ corners(, \d+ (hairpin|chicane|crossing)s?)*, score \d+\.\d$)"));
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
            QCOMPARE(facts.checkText(0, 0.5), "No open road ends: 1 circuit, lap " + match.captured(2));
            QCOMPARE(facts.circuits().first().cells.size(), match.captured(3).toInt());
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
        QVERIFY(first.value("lap_s").isNull());
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
        QTest::newRow("unknown family") << QStringList{"--size", "9x9", "--family", "gravel"}
                                        << "the family must be circuit, foam or carpet, not \"gravel\"";
        QTest::newRow("no such inventory") << QStringList{"--size", "9x9", "--inventory", "club.csv"}
                                           << "Cannot open file club.csv.";
        QTest::newRow("count zero") << QStringList{"--size", "9x9", "-n", "0"}
                                    << "the count must be a whole number from 1 to 100, not \"0\"";
    }

    void troubles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Result result = suggest(arguments);
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err.section('\n', 0, 0), "kerbwright-suggest: " + message);
        QVERIFY(result.lines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSuggestCli)
#include "tst_suggestcli.moc"
