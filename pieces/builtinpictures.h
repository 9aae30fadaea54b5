// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The pictures that are part of the program itself, all 50 x 50.
class BuiltinPictures
{
public:
    // A white 48 x 48 square in a one-pixel frame of (255, 31, 0).
    static QImage blank();

    // The four grid buttons of "Utilities": 0 add a column, 1 remove a
    // column, 2 add a row, 3 remove a row.
    static QImage gridButton(int which);
};
