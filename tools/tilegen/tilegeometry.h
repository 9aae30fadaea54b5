// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Measures shared by every piece. A tile file is 50 x 50 with a one-pixel
// frame; the artwork lives in the 48 x 48 cell inside it, and all drawing
// happens in cell coordinates (0..48). Roads are one width everywhere and
// their centre meets a cell edge at its midpoint, so any two road edges join.
namespace Tile {
constexpr int fileSize = 50;
constexpr int cell = 48;
constexpr qreal mid = 24;
constexpr qreal roadWidth = 20;
constexpr qreal roadHalf = roadWidth / 2;
constexpr qreal roadLow = mid - roadHalf;    // 14: where the road starts along an edge
constexpr qreal roadHigh = mid + roadHalf;   // 34: where it ends
constexpr qreal kerbWidth = 4;
}
