// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

// The application's icon, drawn in code so that it needs no artwork files:
// a rounded green square with a grey track loop, a red-and-white kerb on its
// outer edge and a white start line.
class AppIcon
{
public:
    // Renders one size x size picture with a transparent background. Uses
    // QtGui only, so a tool can render it without any widget.
    static QImage render(int size);
    // Every size a window manager or a launcher may ask for.
    static QIcon icon();
};
