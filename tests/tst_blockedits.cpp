// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks of cells: the clipboard's text both ways, pasting, turning and
// mirroring blocks and tracks, and the bucket fill. Grids and blocks are
// written as their track text, rows separated by "/".
#include "base/kwerror.h"
#include "document/floodfill.h"
#include "document/gridtransform.h"
#include "document/selectionmove.h"
#include "document/trackblock.h"
#include "pieces/piecetable.h"

#include <QtTest>

namespace {

QByteArray crlfRows(const QByteArray &slashed)
{
    return slashed.isEmpty() ? QByteArray() : QByteArray(slashed).replace('/', "\r\n") + "\r\n";
}

TrackBlock block(const QByteArray &slashed)
{
    return TrackBlock::fromText(crlfRows(slashed));
}

QByteArray slashed(const TrackBlock &b)
{
    QByteArray text = b.toText();
    text.chop(2);
    return text.replace("\r\n", "/");
}

TrackGrid grid(const QByteArray &slashed)
{
    const TrackBlock b = block(slashed);
    TrackGrid g;
    g.setSize(b.width(), b.height());
    b.pasteInto(g, 0, 0);
    g.showBlock();
    return g;
}

QByteArray slashed(const TrackGrid &g)
{
    return slashed(TrackBlock::whole(g));
}

QByteArray codes(const QVector<QByteArray> &list)
{
    return list.toList().join(',');
}

} // namespace

class TestBlockEdits : public QObject
{
    Q_OBJECT

private slots:
    void textIsTheTrackFilesText()
    {
        QCOMPARE(block("00,04/02,03").toText(), QByteArray("00,04\r\n02,03\r\n"));
        QCOMPARE(TrackBlock().toText(), QByteArray());
    }

    void readsText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("track file") << QByteArray("00,04\r\n02,03\r\n") << QByteArray("00,04/02,03");
        QTest::newRow("no final break") << QByteArray("00,04\r\n02,03") << QByteArray("00,04/02,03");
        QTest::newRow("lone LF and CR") << QByteArray("00\n04\r05") << QByteArray("00/04/05");
        QTest::newRow("spreadsheet tabs") << QByteArray("00\t04\r\n02\t03\r\n") << QByteArray("00,04/02,03");
        QTest::newRow("semicolons, quotes, spaces") << QByteArray("\"00\"; \"04\"\n 02 ;03 \n") << QByteArray("00,04/02,03");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "00,04\r\n") << QByteArray("00,04");
        QTest::newRow("short row filled with grass") << QByteArray("00,04,01\r\n02\r\n") << QByteArray("00,04,01/02,07,07");
        QTest::newRow("empty field is grass") << QByteArray("00,,01\r\n") << QByteArray("00,07,01");
        QTest::newRow("trailing empty cells dropped") << QByteArray("00,04,,,\r\n02,03,,,\r\n") << QByteArray("00,04/02,03");
        QTest::newRow("blank lines after the block") << QByteArray("00\r\n\r\n\r\n") << QByteArray("00");
        QTest::newRow("blank line inside is a row of grass") << QByteArray("00,04\r\n\r\n02\r\n") << QByteArray("00,04/07,07/02,07");
        QTest::newRow("one-character code") << QByteArray("5\r\n") << QByteArray("5");
        QTest::newRow("code outside the catalogue") << QByteArray("ZZ,04\r\n") << QByteArray("ZZ,04");
        QTest::newRow("30 x 30") << QByteArray(30, 'x') << QByteArray();  // built in the test
    }

    void readsText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        if (text == QByteArray(30, 'x')) {
            const QByteArray row = QByteArray("04,").repeated(29) + "04\r\n";
            const TrackBlock b = TrackBlock::fromText(row.repeated(30));
            QCOMPARE(b.size(), QSize(30, 30));
            return;
        }
        QCOMPARE(slashed(TrackBlock::fromText(text)), expected);
    }

    void refusesText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<KwError::Kind>("kind");
        QTest::addColumn<QString>("message");
        const QString noCodes = QStringLiteral("The text holds no piece codes");
        const QString notText = QStringLiteral("The text is not plain text");
        const QString tooLarge = QStringLiteral("Track too large: at most 30 columns and 30 rows");
        QTest::newRow("empty") << QByteArray() << KwError::Kind::NotTrackText << noCodes;
        QTest::newRow("line breaks only") << QByteArray("\r\n\r\n") << KwError::Kind::NotTrackText << noCodes;
        QTest::newRow("separators and spaces") << QByteArray(" , ;\t\r\n") << KwError::Kind::NotTrackText << noCodes;
        QTest::newRow("NUL byte") << QByteArray("00,04\0,01", 9) << KwError::Kind::NotTrackText << notText;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n") << KwError::Kind::NotTrackText << notText;
        QTest::newRow("escape") << QByteArray("00\x1b[1m") << KwError::Kind::NotTrackText << notText;
        QTest::newRow("31 columns") << QByteArray("04,").repeated(30) + "04" << KwError::Kind::TrackTooLarge << tooLarge;
        QTest::newRow("31 rows") << QByteArray("04\r\n").repeated(31) << KwError::Kind::TrackTooLarge << tooLarge;
        QTest::newRow("prose") << QByteArray("Dear club,\r\n") << KwError::Kind::NotTrackText
                               << QStringLiteral("Not a piece code: \"Dear club\" (row 1, column 1)");
        QTest::newRow("long code") << QByteArray("00,04\r\n02,041\r\n") << KwError::Kind::NotTrackText
                                   << QStringLiteral("Not a piece code: \"041\" (row 2, column 2)");
        QTest::newRow("small letters") << QByteArray("0a\r\n") << KwError::Kind::NotTrackText
                                       << QStringLiteral("Not a piece code: \"0a\" (row 1, column 1)");
        QTest::newRow("over 1 MiB") << QByteArray((1 << 20) + 1, ' ') << KwError::Kind::MemoCapacity
                                    << QStringLiteral("Text exceeds memo capacity");
    }

    void refusesText()
    {
        QFETCH(QByteArray, text);
        QFETCH(KwError::Kind, kind);
        QFETCH(QString, message);
        try {
            TrackBlock::fromText(text);
            QFAIL("read");
        } catch (const KwError &error) {
            QCOMPARE(error.kind(), kind);
            QCOMPARE(error.message(), message);
        }
    }

    void copyClipsToTheBlock()
    {
        const TrackGrid g = grid("00,04,01/05,07,05/02,04,03");
        QCOMPARE(slashed(TrackBlock::copy(g, QRect(1, 1, 5, 5))), QByteArray("07,05/04,03"));
        QVERIFY(TrackBlock::copy(g, QRect(3, 0, 2, 2)).isEmpty());
    }

    void pasteCutsOffAndListsChanges_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("changed");
        QTest::newRow("inside") << QPoint(0, 0) << QByteArray("00,04,07/01,07,07/07,07,07") << 3;  // its 07 was 07
        QTest::newRow("cut at the right and bottom") << QPoint(2, 2) << QByteArray("07,07,07/07,07,07/07,07,00") << 1;
        QTest::newRow("cut at the left and top") << QPoint(-1, -1) << QByteArray("07,07,07/07,07,07/07,07,07") << 0;
        QTest::newRow("beyond") << QPoint(3, 0) << QByteArray("07,07,07/07,07,07/07,07,07") << 0;
    }

    void pasteCutsOffAndListsChanges()
    {
        QFETCH(QPoint, at);
        QFETCH(QByteArray, expected);
        QFETCH(int, changed);
        TrackGrid g = grid("07,07,07/07,07,07/07,07,07");
        QCOMPARE(block("00,04/01,07").pasteInto(g, at.x(), at.y()).size(), changed);
        QCOMPARE(slashed(g), expected);
    }

    void turnsBlocks_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Turn>("turn");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QByteArray>("unmatched");
        // A hairpin: in from the west along the top, round, and back along the bottom.
        const QByteArray hairpin = "04,01/04,03";
        QTest::newRow("hairpin clockwise") << hairpin << Turn::Clockwise << QByteArray("05,05/02,03") << QByteArray();
        QTest::newRow("hairpin anticlockwise") << hairpin << Turn::Anticlockwise << QByteArray("00,01/05,05") << QByteArray();
        QTest::newRow("hairpin left-right") << hairpin << Turn::MirrorLeftRight << QByteArray("00,04/02,04") << QByteArray();
        QTest::newRow("hairpin top-bottom") << hairpin << Turn::MirrorTopBottom << QByteArray("04,01/04,03") << QByteArray();
        QTest::newRow("wide block clockwise") << QByteArray("10,11/12,13") << Turn::Clockwise << QByteArray("14,15/16,17") << QByteArray();
        QTest::newRow("wide block top-bottom") << QByteArray("10,11/12,13") << Turn::MirrorTopBottom << QByteArray("18,19/1A,1B") << QByteArray();
        QTest::newRow("row turns into a column") << QByteArray("04,06,04") << Turn::Clockwise << QByteArray("05/08/05") << QByteArray();
        QTest::newRow("start line the wrong way") << QByteArray("05/08/05") << Turn::Clockwise << QByteArray("04,08,04") << QByteArray("08");
        QTest::newRow("no counterparts, listed once each") << QByteArray("44,ZZ/76,44") << Turn::MirrorTopBottom
                                                           << QByteArray("76,44/44,ZZ") << QByteArray("76,44,ZZ");
        QTest::newRow("scenery stays") << QByteArray("07,73/09,78") << Turn::Clockwise << QByteArray("09,07/78,73") << QByteArray();
    }

    void turnsBlocks()
    {
        QFETCH(QByteArray, before);
        QFETCH(Turn, turn);
        QFETCH(QByteArray, after);
        QFETCH(QByteArray, unmatched);
        const GridTransform::TurnedBlock result = GridTransform::turnBlock(block(before), turn);
        QCOMPARE(slashed(result.block), after);
        QCOMPARE(codes(GridTransform::codesOf(result.block, result.unmatched)), unmatched);
        // Where every piece has a counterpart, the opposite turn brings the block back.
        if (unmatched.isEmpty())
            QCOMPARE(slashed(GridTransform::turnBlock(result.block, Turns::inverse(turn)).block), before);
    }

    void turnsTheWholeTrack()
    {
        TrackGrid g = grid("00,04,01/02,04,03");
        g.setCode(TrackGrid::index(5, 5), "73");  // hidden beyond the block
        const GridTransform::TurnedGrid result = GridTransform::turnTrack(g, Turn::Clockwise);
        QCOMPARE(result.grid.width(), 2);
        QCOMPARE(result.grid.height(), 3);
        QCOMPARE(slashed(result.grid), QByteArray("00,01/05,05/02,03"));
        QCOMPARE(result.cells, QRect(0, 0, 2, 3));
        QCOMPARE(result.grid.cell(5, 5).code, QByteArray("07"));
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            QCOMPARE(result.grid.cell(i).visible, result.grid.inBlock(i));
        QVERIFY(result.unmatched.isEmpty());

        const GridTransform::TurnedGrid mirrored = GridTransform::turnTrack(grid("06,44"), Turn::MirrorLeftRight);
        QCOMPARE(slashed(mirrored.grid), QByteArray("45,06"));
        QCOMPARE(mirrored.unmatched, QVector<int>{TrackGrid::index(1, 0)});
        QCOMPARE(codes(GridTransform::codesOf(mirrored.grid, mirrored.unmatched)), QByteArray("06"));
    }

    void turnsARegionInPlace_data()
    {
        QTest::addColumn<QRect>("cells");
        QTest::addColumn<Turn>("turn");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QRect>("landed");
        QTest::addColumn<int>("cutOff");
        QTest::newRow("row into a column") << QRect(0, 0, 3, 1) << Turn::Clockwise
                                           << QByteArray("05,07,07,04/05,07,07,07/05,07,07,07") << QRect(0, 0, 1, 3) << 0;
        QTest::newRow("cut at the bottom") << QRect(1, 1, 3, 1) << Turn::Clockwise
                                           << QByteArray("04,04,04,04/07,07,07,07/07,07,07,07") << QRect(1, 1, 1, 2) << 1;
        QTest::newRow("mirror in place") << QRect(0, 0, 2, 2) << Turn::MirrorTopBottom
                                         << QByteArray("07,07,04,04/04,04,07,07/07,07,07,07") << QRect(0, 0, 2, 2) << 0;
    }

    void turnsARegionInPlace()
    {
        QFETCH(QRect, cells);
        QFETCH(Turn, turn);
        QFETCH(QByteArray, after);
        QFETCH(QRect, landed);
        QFETCH(int, cutOff);
        const GridTransform::TurnedGrid result = GridTransform::turnRegion(grid("04,04,04,04/07,07,07,07/07,07,07,07"), cells, turn);
        QCOMPARE(slashed(result.grid), after);
        QCOMPARE(result.cells, landed);
        QCOMPARE(result.cutOff, cutOff);
    }

    void fills_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("changed");
        const QByteArray ring = "07,07,07,07/07,04,04,07/07,04,07,07/07,07,07,09";
        QTest::newRow("grass around a ring") << ring << QPoint(0, 0) << QByteArray("09")
                                             << QByteArray("09,09,09,09/09,04,04,09/09,04,09,09/09,09,09,09") << 12;
        QTest::newRow("only through edges, not corners") << QByteArray("07,04/04,07") << QPoint(0, 0) << QByteArray("09")
                                                         << QByteArray("09,04/04,07") << 1;
        QTest::newRow("the straight only") << ring << QPoint(1, 1) << QByteArray("05")
                                           << QByteArray("07,07,07,07/07,05,05,07/07,05,07,07/07,07,07,09") << 3;
        QTest::newRow("same code changes nothing") << ring << QPoint(0, 0) << QByteArray("07") << ring << 0;
        QTest::newRow("outside the block") << ring << QPoint(4, 0) << QByteArray("09") << ring << 0;
    }

    void fills()
    {
        QFETCH(QByteArray, before);
        QFETCH(QPoint, start);
        QFETCH(QByteArray, code);
        QFETCH(QByteArray, after);
        QFETCH(int, changed);
        TrackGrid g = grid(before);
        const QVector<int> cells = FloodFill::fill(g, TrackGrid::index(start.x(), start.y()), code);
        QCOMPARE(slashed(g), after);
        QCOMPARE(cells.size(), changed);
        for (int index : cells)
            QCOMPARE(g.cell(index).code, code);
    }

    // Grass hidden beyond the block is not the block's.
    void fillStaysInsideTheBlock()
    {
        TrackGrid g = grid("07,07/07,07");
        QCOMPARE(FloodFill::fill(g, 0, "09").size(), 4);
        QCOMPARE(g.cell(2, 0).code, QByteArray("07"));
        QCOMPARE(g.cell(0, 2).code, QByteArray("07"));
    }

    void moves_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QRect>("selected");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QRect>("selectedAfter");  // an empty rectangle: nothing stays selected
        const QByteArray track = "00,01,07,07/02,03,07,07/07,07,07,73";
        QTest::newRow("right by two") << track << QRect(0, 0, 2, 2) << QPoint(2, 0)
                                      << QByteArray("07,07,00,01/07,07,02,03/07,07,07,73") << QRect(2, 0, 2, 2);
        QTest::newRow("onto its own cells") << track << QRect(0, 0, 2, 2) << QPoint(1, 1)
                                            << QByteArray("07,07,07,07/07,00,01,07/07,02,03,73") << QRect(1, 1, 2, 2);
        QTest::newRow("over another piece") << track << QRect(0, 0, 2, 2) << QPoint(2, 1)
                                            << QByteArray("07,07,07,07/07,07,00,01/07,07,02,03") << QRect(2, 1, 2, 2);
        QTest::newRow("cut off at the edge") << track << QRect(0, 0, 2, 2) << QPoint(3, 2)
                                             << QByteArray("07,07,07,07/07,07,07,07/07,07,07,00") << QRect(3, 2, 1, 1);
        QTest::newRow("all off the block") << track << QRect(0, 0, 2, 2) << QPoint(0, -2)
                                           << QByteArray("07,07,07,07/07,07,07,07/07,07,07,73") << QRect();
        QTest::newRow("left and up") << track << QRect(3, 2, 1, 1) << QPoint(-3, -2)
                                     << QByteArray("73,01,07,07/02,03,07,07/07,07,07,07") << QRect(0, 0, 1, 1);
    }

    void moves()
    {
        QFETCH(QByteArray, before);
        QFETCH(QRect, selected);
        QFETCH(QPoint, offset);
        QFETCH(QByteArray, after);
        QFETCH(QRect, selectedAfter);
        const SelectionMove::Result moved = SelectionMove::moved(grid(before), CellSelection::of(selected), offset);
        QCOMPARE(slashed(moved.grid), after);
        QCOMPARE(moved.selection.bounds(), selectedAfter);
        QCOMPARE(moved.selection.count(), selectedAfter.width() * selectedAfter.height());
    }

    // Only the block's cells move: a piece hidden beyond it stays where it is.
    void moveLeavesHiddenCells()
    {
        TrackGrid g = grid("00,07/07,07");
        g.setCode(TrackGrid::index(2, 0), "73");  // hidden, right of the block
        CellSelection all = CellSelection::of(QRect(0, 0, 3, 1));
        const SelectionMove::Result moved = SelectionMove::moved(g, all, QPoint(1, 0));
        QCOMPARE(moved.grid.cell(2, 0).code, QByteArray("73"));
        QCOMPARE(moved.grid.cell(1, 0).code, QByteArray("00"));
        QCOMPARE(moved.grid.cell(0, 0).code, QByteArray("07"));
    }
};

QTEST_GUILESS_MAIN(TestBlockEdits)
#include "tst_blockedits.moc"
