// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/catalogue.h"
#include "ui/palette/palettelayout.h"

#include <QSet>
#include <QtTest>

#include <algorithm>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void everySeriesIsGapless();
    void pagesFollowTheTable();
    void places_data();
    void places();
    void noTwoButtonsShareAPlace();
    void gridButtons();
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
    QVERIFY2(Catalogue::contains(code), "code not in the catalogue");
    QCOMPARE(PaletteLayout::buttonRect(code), QRect(left, top, 54, 54));
}

void TestCatalogue::noTwoButtonsShareAPlace()
{
    const QVector<CataloguePage> &pages = Catalogue::pages();
    for (int p = 0; p < pages.size(); ++p) {
        QSet<QPair<int, int>> places;
        QSet<QPair<int, int>> takenSlots;
        for (const PiecePlace &place : pages[p].pieces) {
            const QPoint at = PaletteLayout::place(p, place.slot);
            QVERIFY(at.y() == PaletteLayout::topRow || at.y() == PaletteLayout::bottomRow);
            QVERIFY2(at.x() >= 8, place.code.constData());  // a column the page has
            QVERIFY2(!places.contains({at.x(), at.y()}), place.code.constData());
            QVERIFY2(!takenSlots.contains({place.slot.column, place.slot.row}), place.code.constData());
            places.insert({at.x(), at.y()});
            takenSlots.insert({place.slot.column, place.slot.row});
            // Buttons do not overlap: a column is at least a button wide.
            const QPoint next = PaletteLayout::place(p, {place.slot.column + 1, place.slot.row});
            QVERIFY(next.isNull() || next.x() >= at.x() + PaletteLayout::buttonSize);
        }
    }
}

void TestCatalogue::gridButtons()
{
    const int lefts[] = {8, 72, 136, 200};
    for (int i = 0; i < Catalogue::gridButtonCount; ++i)
        QCOMPARE(PaletteLayout::gridButton(i), QPoint(lefts[i], 32));
}

void TestCatalogue::pagesFollowTheTable()
{
    // The catalogue is a view of the piece table: its codes in the table's
    // order, each on the page and in the slot its row names.
    QVector<QByteArray> fromTable;
    for (const Piece &piece : PieceTable::pieces()) {
        fromTable.append(piece.code);
        QCOMPARE(piece.code.at(0), PieceTable::pages().at(piece.page).series);
        const QVector<PiecePlace> &places = Catalogue::pages().at(piece.page).pieces;
        const auto it = std::find_if(places.cbegin(), places.cend(),
                                     [&](const PiecePlace &p) { return p.code == piece.code; });
        QVERIFY2(it != places.cend(), piece.code.constData());
        QCOMPARE(it->slot, piece.slot);
    }
    QCOMPARE(Catalogue::codes(), fromTable);
    QCOMPARE(int(PieceTable::pages().size()), Catalogue::pageCount);
    QCOMPARE(PieceTable::pages().at(Catalogue::utilitiesPage).series, char(0));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
