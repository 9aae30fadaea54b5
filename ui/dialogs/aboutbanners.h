// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The two banner pictures of the About dialog, drawn in code.
class AboutBanners
{
public:
    // "Kerbwright tracks": a stretch of track with kerbs and a start line.
    static QImage tracks(int width, int height);
    // "Share your layouts": a few track tiles passed between two grids.
    static QImage share(int width, int height);
};
