// SPDX-License-Identifier: GPL-3.0-or-later
#include "maptiles.h"
#include "recordingprogress.h"
#include "pieces/builtinpictures.h"
#include "pieces/cachedtiles.h"
#include "pieces/catalogue.h"
#include "pieces/tilestore.h"

#include <QtTest>

class TestTileStore : public QObject
{
    Q_OBJECT

private slots:
    void loadCatalogue_data();
    void loadCatalogue();
    void insertKeepsAnIdenticalPicture();
    void copiesAreIndependent();
    void cachedTilesLoadEachCodeOnce();
};

void TestTileStore::loadCatalogue_data()
{
    QTest::addColumn<QByteArray>("missing");   // a code without a tile, or none
    QTest::addColumn<int>("texts");
    QTest::addColumn<QString>("lastText");
    QTest::addColumn<int>("loaded");

    // 163 pieces and the four grid buttons, each a text after a pump.
    QTest::newRow("all there") << QByteArray() << 167 << "Loading Tiles - 11-3" << 163;
    QTest::newRow("first missing") << QByteArray("00") << 1 << "Loading Tiles - 0-0" << 0;
    QTest::newRow("before the default piece") << QByteArray("05") << 6 << "Loading Tiles - 0-5" << 5;
    QTest::newRow("last missing") << QByteArray("79") << 163 << "Loading Tiles - 10-9" << 162;
}

void TestTileStore::loadCatalogue()
{
    QFETCH(QByteArray, missing);
    QFETCH(int, texts);
    QFETCH(QString, lastText);
    QFETCH(int, loaded);

    QVector<QByteArray> codes = Catalogue::codes();
    codes.removeAll(missing);
    const MapTiles tiles(codes);
    TileStore store;
    RecordingProgress progress;
    try {
        store.loadCatalogue(tiles, progress);
        QVERIFY(missing.isEmpty());
    } catch (const KwError &error) {
        QCOMPARE(error.kind(), KwError::Kind::CannotOpen);
        QCOMPARE(error.path(), QStringLiteral("/tiles/") + QString::fromLatin1(missing) + ".bmp");
    }
    QCOMPARE(progress.texts.size(), texts);
    QCOMPARE(progress.texts.last(), lastText);
    QCOMPARE(progress.pumps, texts);
    // The codes before the failure have their tiles; the rest none, but the
    // default piece, which keeps the blank picture until its tile comes.
    int have = 0;
    for (const QByteArray &code : Catalogue::codes()) {
        if (store.picture(code) == tiles.picture(code) && !tiles.picture(code).isNull())
            ++have;
        else if (code == Catalogue::defaultCode())
            QCOMPARE(store.picture(code), BuiltinPictures::blank());
        else
            QVERIFY(!store.contains(code));
    }
    QCOMPARE(have, loaded);
}

void TestTileStore::insertKeepsAnIdenticalPicture()
{
    // A new read that gives the same pixels keeps the picture held, so the
    // cells that show it need no repaint; other pixels replace it.
    TileStore store;
    const QImage first = BmpBuilder::patterned(3);
    store.insert("03", first);
    store.insert("03", first.copy());
    QCOMPARE(store.picture("03").cacheKey(), first.cacheKey());
    const QImage other = BmpBuilder::patterned(4);
    store.insert(TilePictures{{"03", other}, {"ZZ", QImage()}});
    QCOMPARE(store.picture("03").cacheKey(), other.cacheKey());
    // A zero-byte tile is a picture too: the code is known, and empty.
    QVERIFY(store.contains("ZZ"));
    QVERIFY(store.picture("ZZ").isNull());
    store.insert("ZZ", QImage());
    QVERIFY(!store.contains("YY"));
}

void TestTileStore::copiesAreIndependent()
{
    TileStore shared;
    shared.insert("07", BmpBuilder::patterned(7));
    TileStore worker = shared;
    worker.insert("07", BmpBuilder::patterned(8));
    worker.insert("A1", BmpBuilder::patterned(1));
    QCOMPARE(shared.picture("07"), BmpBuilder::patterned(7));
    QVERIFY(!shared.contains("A1"));
    QCOMPARE(worker.defaultPicture(), BmpBuilder::patterned(8));
}

// Each code is loaded from the source once; a code that fails fails again.
void TestTileStore::cachedTilesLoadEachCodeOnce()
{
    const MapTiles source({"00", "01"});
    const CachedTiles cached(source);
    for (const QByteArray code : {"00", "01", "00", "01"})
        QCOMPARE(cached.load(code), source.picture(code));
    QVERIFY_THROWS_EXCEPTION(KwError, cached.load("QQ"));
    QVERIFY_THROWS_EXCEPTION(KwError, cached.load("QQ"));
    QCOMPARE(source.loads, 4);
}

QTEST_GUILESS_MAIN(TestTileStore)
#include "tst_tilestore.moc"
