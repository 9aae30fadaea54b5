#include "pieces/catalogue.h"

#include <QSet>
#include <QtTest>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void everySeriesIsGapless();
    void places_data();
    void places();
    void noTwoButtonsShareAPlace();
};

void TestCatalogue::pages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<char>("series");
    QTest::addColumn<int>("count");
    QTest::newRow("Normal") << 0 << "Normal" << '0' << 10;
    QTest::newRow("RCP 1") << 1 << "RCP 1" << 'A' << 20;
    QTest::newRow("RCP 2") << 2 << "RCP 2" << 'B' << 19;
    QTest::newRow("Larger corners") << 3 << "Larger corners" << '1' << 22;
    QTest::newRow("Intersection") << 4 << "Intersection" << '2' << 12;
    QTest::newRow("Diagonal") << 5 << "Diagonal" << '3' << 18;
    QTest::newRow("Pit lane") << 6 << "Pit lane" << '4' << 10;
    QTest::newRow("Bumps") << 7 << "Bumps" << '9' << 10;
    QTest::newRow("Open 1") << 8 << "Open 1" << '5' << 20;
    QTest::newRow("Open 2") << 9 << "Open 2" << '6' << 12;
    QTest::newRow("Extra's") << 10 << "Extra's" << '7' << 10;
    QTest::newRow("Utilities") << 11 << "Utilities" << char(0) << 0;
}

void TestCatalogue::pages()
{
    QFETCH(int, page);
    QFETCH(QString, caption);
    QFETCH(char, series);
    QFETCH(int, count);
    QCOMPARE(Catalogue::pages().size(), Catalogue::pageCount);
    const CataloguePage &p = Catalogue::pages().at(page);
    QCOMPARE(p.caption, caption);
    QCOMPARE(p.series, series);
    QCOMPARE(int(p.pieces.size()), count);
    for (const PiecePlace &place : p.pieces)
        QCOMPARE(place.code.at(0), series);
}

void TestCatalogue::everySeriesIsGapless()
{
    // A series of n pieces uses exactly the first n index characters, in
    // the page's button order; no code stands twice.
    const QByteArray order("0123456789ABCDEFGHIJKL");
    QSet<QByteArray> seen;
    for (const CataloguePage &page : Catalogue::pages()) {
        for (int i = 0; i < page.pieces.size(); ++i) {
            const QByteArray &code = page.pieces.at(i).code;
            QCOMPARE(code.size(), 2);
            QCOMPARE(code.at(1), order.at(i));
            QVERIFY2(!seen.contains(code), code.constData());
            seen.insert(code);
        }
    }
    QCOMPARE(seen.size(), Catalogue::codeCount);
    QCOMPARE(Catalogue::codes().size(), Catalogue::codeCount);
    QVERIFY(Catalogue::contains(Catalogue::defaultCode()));
    QVERIFY(!Catalogue::contains("80"));
    QVERIFY(!Catalogue::contains("0A"));
}

void TestCatalogue::places_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("first block") << QByteArray("00") << 8 << 4;
    QTest::newRow("block bottom right") << QByteArray("03") << 64 << 59;
    QTest::newRow("single column") << QByteArray("07") << 208 << 59;
    QTest::newRow("Normal last") << QByteArray("09") << 280 << 59;
    QTest::newRow("RCP 1 last") << QByteArray("AJ") << 576 << 59;
    QTest::newRow("RCP 2 lone top") << QByteArray("BH") << 576 << 4;
    QTest::newRow("RCP 2 last") << QByteArray("BI") << 520 << 59;
    QTest::newRow("corners eleventh column") << QByteArray("1L") << 640 << 59;
    QTest::newRow("diagonal single") << QByteArray("36") << 208 << 4;
    QTest::newRow("diagonal last") << QByteArray("3H") << 520 << 59;
    QTest::newRow("bumps") << QByteArray("96") << 224 << 4;
    QTest::newRow("bumps after single") << QByteArray("98") << 224 << 59;
    QTest::newRow("6B left of 6A") << QByteArray("6B") << 256 << 59;
    QTest::newRow("6A") << QByteArray("6A") << 312 << 59;
    QTest::newRow("extras") << QByteArray("78") << 272 << 4;
}

void TestCatalogue::places()
{
    QFETCH(QByteArray, code);
    QFETCH(int, left);
    QFETCH(int, top);
    for (const CataloguePage &page : Catalogue::pages()) {
        for (const PiecePlace &place : page.pieces) {
            if (place.code == code) {
                QCOMPARE(place.left, left);
                QCOMPARE(place.top, top);
                return;
            }
        }
    }
    QFAIL("code not in the catalogue");
}

void TestCatalogue::noTwoButtonsShareAPlace()
{
    for (const CataloguePage &page : Catalogue::pages()) {
        QSet<QPair<int, int>> places;
        for (const PiecePlace &place : page.pieces) {
            QVERIFY(place.top == Catalogue::topRow || place.top == Catalogue::bottomRow);
            QVERIFY2(!places.contains({place.left, place.top}), place.code.constData());
            places.insert({place.left, place.top});
        }
    }
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
