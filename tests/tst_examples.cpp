// SPDX-License-Identifier: GPL-3.0-or-later
// The example tracks that come with the program: each opens, is a closed
// circuit, exports and saves back to the same bytes, and shows the palette
// pages it is there for; together they show every page.
#include "testfiles.h"

#include "base/progress.h"
#include "document/trackdocument.h"
#include "export/pictureexport.h"
#include "pieces/catalogue.h"
#include "pieces/connectioncheck.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QDir>
#include <QProcess>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Example
{
    const char *file;
    int width;
    int height;
    QStringList pages;  // palette pages it must use
};

const QVector<Example> &examples()
{
    static const QVector<Example> table = {
        {"club.kwf", 18, 12, {"Normal", "Pit lane", "Extra's"}},
        {"oval.kwf", 12, 7, {"Normal"}},
        {"sweepers.kwf", 15, 11, {"Larger corners"}},
        {"diagonal.kwf", 15, 11, {"Diagonal"}},
        {"foam.kwf", 12, 9, {"RCP 1"}},
        {"carpet.kwf", 14, 9, {"RCP 2"}},
        {"paddock.kwf", 16, 12, {"Open 1", "Open 2"}},
        {"showcase.kwf", 30, 30, {"Intersection", "Bumps", "Pit lane", "Larger corners", "Diagonal"}},
    };
    return table;
}

QString pageOf(const QByteArray &code)
{
    for (const CataloguePage &page : Catalogue::pages())
        for (const PiecePlace &place : page.pieces)
            if (place.code == code)
                return page.caption;
    return QStringLiteral("no page: ") + QString::fromLatin1(code);
}

QSet<QString> pagesUsed(const TrackDocument &document)
{
    QSet<QString> pages;
    for (int row = 0; row < document.height(); ++row)
        for (int column = 0; column < document.width(); ++column)
            pages.insert(pageOf(document.cell(column, row).code));
    return pages;
}

// "3:7 south, ..." as users read open ends, 1-based; empty for a closed circuit.
QString openEnds(const TrackDocument &document)
{
    const QVector<OpenEnd> ends = ConnectionCheck::openEnds(
        document.width(), document.height(),
        [&](int column, int row) { return document.cell(column, row).code; });
    QStringList text;
    for (const OpenEnd &end : ends)
        text << QStringLiteral("%1:%2 %3").arg(end.column + 1).arg(end.row + 1).arg(Edges::name(end.edge));
    return text.join(QStringLiteral(", "));
}

} // namespace

class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_store.loadDefault(m_tiles);
    }

    void example_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < examples().size(); ++i)
            QTest::newRow(examples()[i].file) << i;
    }

    void example()
    {
        QFETCH(int, index);
        const Example &example = examples()[index];
        const QString path = QStringLiteral(KW_EXAMPLES_DIR "/") + QLatin1String(example.file);
        // The copy beside the program is the one in the source tree.
        const QByteArray bytes = readBytes(path);
        QCOMPARE(bytes, readBytes(QStringLiteral(KW_EXAMPLES_SOURCE_DIR "/") + QLatin1String(example.file)));

        TrackDocument document;
        TileStore store = m_store;
        Progress quiet;
        document.open(path, m_tiles, store, quiet);
        QCOMPARE(document.width(), example.width);
        QCOMPARE(document.height(), example.height);
        QCOMPARE(openEnds(document), QString());
        const QSet<QString> used = pagesUsed(document);
        for (const QString &page : example.pages)
            QVERIFY2(used.contains(page), qPrintable(page));

        // 48-pixel cells with a one-pixel line between them and around the track.
        const QString picture = m_dir.filePath(QLatin1String(example.file) + QStringLiteral(".png"));
        PictureExport::write(document.grid(), store, picture, PictureExport::Format::Png, 24, quiet);
        QCOMPARE(QImage(picture).size(), QSize(49 * example.width + 1, 49 * example.height + 1));

        const QString saved = m_dir.filePath(QLatin1String(example.file));
        document.save(saved);
        QCOMPARE(readBytes(saved), bytes);
    }

    void everyPageUsed()
    {
        QSet<QString> used;
        for (const Example &example : examples()) {
            TrackDocument document;
            TileStore store = m_store;
            Progress quiet;
            document.open(QStringLiteral(KW_EXAMPLES_DIR "/") + QLatin1String(example.file), m_tiles, store, quiet);
            used += pagesUsed(document);
        }
        for (const CataloguePage &page : Catalogue::pages())
            QVERIFY2(page.pieces.isEmpty() || used.contains(page.caption), qPrintable(page.caption));
    }

    // What a club runs before it packs the pieces: the checker on every
    // example at once, as users call it.
    void checkerFindsEveryExampleClosed()
    {
        QStringList tracks, expected;
        for (const Example &example : examples()) {
            tracks << QStringLiteral(KW_EXAMPLES_DIR "/") + QLatin1String(example.file);
            expected << tracks.last() + QStringLiteral(": no open road ends");
        }
        QProcess check;
        check.start(QStringLiteral(KW_CHECK_EXE), QStringList{"--tiles", KW_TILES_DIR} + tracks);
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(check.readAllStandardError()), QString());
        // Each lap's line comes right before its track's summary.
        const QRegularExpression lap(QStringLiteral("^(.*): circuit 1: lap [0-9.]+ m, [0-9.]+–[0-9.]+ s \\(1:28 stock\\)$"));
        const QStringList lines = QString::fromUtf8(check.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QStringList summaries;
        int laps = 0;
        for (int k = 0; k < lines.size(); ++k) {
            const QRegularExpressionMatch match = lap.match(lines[k]);
            if (!match.hasMatch()) {
                summaries << lines[k];
                continue;
            }
            ++laps;
            QVERIFY(k + 1 < lines.size() && lines[k + 1].startsWith(match.captured(1) + QStringLiteral(": ")));
        }
        QCOMPARE(laps, int(tracks.size()) - 1);  // the paddock has none
        QCOMPARE(summaries, expected);
        QCOMPARE(check.exitCode(), 0);
    }

    // A new example gets a row above, so that it is held to the same checks.
    void everyExampleListed()
    {
        QStringList listed;
        for (const Example &example : examples())
            listed << QLatin1String(example.file);
        listed.sort();
        QCOMPARE(QDir(QStringLiteral(KW_EXAMPLES_SOURCE_DIR)).entryList({QStringLiteral("*.kwf")}, QDir::Files, QDir::Name),
                 listed);
    }

private:
    QTemporaryDir m_dir;
    TileFolder m_tiles{QStringLiteral(KW_TILES_DIR)};
    TileStore m_store;
};

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
