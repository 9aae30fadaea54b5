// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/piecetable.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>

// Where the palette draws its buttons, in pixels from a page's top-left
// corner: the piece table gives each piece a slot (column, row) and this
// gives each slot its place. Columns of a page stand in groups, as the
// pieces that belong together (a loop of four corners, a pair of
// straights) do.
class PaletteLayout
{
public:
    static constexpr int buttonSize = 54;
    static constexpr int topRow = 4;      // the top of a page's upper row of buttons
    static constexpr int bottomRow = 59;  // ... and of its lower row
    static constexpr int gridButtonTop = 32;

    // The top-left corner of the button in the slot on the page; a slot the
    // page has no column for lands at the origin.
    static QPoint place(int page, PaletteSlot slot);
    // The button of a piece code, or a null rectangle outside the table.
    static QRect buttonRect(const QByteArray &code);
    // The four grid buttons of "Utilities", 0 to 3.
    static QPoint gridButton(int which);
};
