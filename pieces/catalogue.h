// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/piecetable.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// A piece button's place on its palette page.
struct PiecePlace
{
    QByteArray code;
    PaletteSlot slot;
};

struct CataloguePage
{
    QString caption;
    char series = 0;             // 0 for "Utilities", which offers no pieces
    QVector<PiecePlace> pieces;  // in the page's button order (series index order)
};

// The fixed vocabulary of track pieces as the palette offers it: twelve
// pages, 163 codes, all taken from the piece table (PieceTable).
// A code is the series character followed by the index character 0-9, A-L.
class Catalogue
{
public:
    static const QVector<CataloguePage> &pages();
    static QVector<QByteArray> codes();  // all 163, page by page
    static bool contains(const QByteArray &code) { return PieceTable::find(code) != nullptr; }
    static QByteArray defaultCode() { return QByteArrayLiteral("07"); }

    static constexpr int pageCount = 12;
    static constexpr int codeCount = 163;
    static constexpr int utilitiesPage = 11;
    static constexpr int gridButtonCount = 4;  // the controls of "Utilities"
};
