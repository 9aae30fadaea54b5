// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How a piece is named to the user wherever the window shows one: the
// track's and the palette's tooltips and the status bar's cell field.
class PieceText
{
public:
    // The code, and the piece's name where the piece table has one:
    // "04 \u2014 Straight, west\u2013east".
    static QString describe(const QByteArray &code);
};
