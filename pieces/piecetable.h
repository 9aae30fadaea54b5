// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/pieceedges.h"
#include "pieces/pieceroad.h"
#include "pieces/turn.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// A piece's place on its palette page, counted in buttons rather than
// pixels: the column from the left and the row, 0 on top and 1 below. The
// palette's drawing (ui/palette/palettelayout) turns it into pixels.
struct PaletteSlot
{
    int column = 0;
    int row = 0;

    friend bool operator==(const PaletteSlot &a, const PaletteSlot &b)
    {
        return a.column == b.column && a.row == b.row;
    }
};

// One palette page: its caption and the series character that starts its
// codes (0 for "Utilities", which offers no pieces).
struct PiecePage
{
    QString caption;
    char series = 0;
};

// Everything the program knows about one piece code. Further facts are
// further members here and further columns of the table in piecetable.cpp.
struct Piece
{
    QByteArray code;    // the series character, then the index character 0-9, A-L
    int page = 0;       // index into PieceTable::pages()
    PaletteSlot slot;   // where its button sits on that page
    QString name;       // what a hobbyist calls it: "Corner, east to south"
    PieceEdges edges;   // what crosses each of its four edges
    // The piece whose picture is this one's turned a quarter clockwise,
    // mirrored left to right, mirrored top to bottom; empty where the
    // catalogue has none. A cell of a large corner block names the cell of
    // the turned block that it lands on.
    QByteArray clockwise;
    QByteArray mirroredLeftRight;
    QByteArray mirroredTopBottom;
    PieceRoad road;     // its road's centre lines: the ways a lap drives, and the rest
};

// The one list of track pieces: a row per code, 163 of them, in palette
// order (page by page, each page in its button order, which is the order of
// the index characters). The catalogue, the connection check, the tile
// generator, the parts list and the tests all take their codes from here.
class PieceTable
{
public:
    static const QVector<Piece> &pieces();
    // The twelve palette pages, "Utilities" last.
    static const QVector<PiecePage> &pages();
    // The row of a code, or nullptr for a code outside the table.
    static const Piece *find(const QByteArray &code);
    // The piece's name, or an empty string for a code outside the table.
    static QString name(const QByteArray &code);
    // The same in the user's language, for what people read; files and
    // machine output keep name().
    static QString shownName(const QByteArray &code);
    // A name or a page caption from the table in the user's language.
    static QString shown(const QString &text);
    // The piece that a cell holding `code` becomes when the track turns:
    // the counterpart from the table (anticlockwise: the piece whose
    // clockwise counterpart `code` is). Empty when the catalogue has none,
    // and for a code outside the table.
    static QByteArray counterpart(const QByteArray &code, Turn turn);
};
