// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

// The tools' icons, drawn in code as the application's icon is, so that
// they need no artwork files: a brush laying a green stroke (Paint), a
// dashed frame with the pointer (Select), a tipped bucket pouring green
// (Fill) and a bending road with its centre line (Route).
class ToolIcon
{
public:
    enum Picture { None, Paint, Select, Fill, Route };

    // One size x size picture on a transparent ground; QtGui only, so a
    // tool can render it without any widget. None is empty.
    static QImage render(Picture picture, int size);
    // The sizes menus and tool bars ask for.
    static QIcon icon(Picture picture);
};
