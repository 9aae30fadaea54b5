// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The four ways to turn a piece, a block of cells or a whole track over:
// a quarter turn either way, or a mirror image about the vertical axis
// (left to right) or the horizontal one (top to bottom).
enum class Turn { Clockwise, Anticlockwise, MirrorLeftRight, MirrorTopBottom };

namespace Turns {

constexpr std::array<Turn, 4> all = {Turn::Clockwise, Turn::Anticlockwise, Turn::MirrorLeftRight,
                                     Turn::MirrorTopBottom};

// The turn that undoes this one: the other quarter turn; a mirror undoes itself.
constexpr Turn inverse(Turn turn)
{
    return turn == Turn::Clockwise ? Turn::Anticlockwise : turn == Turn::Anticlockwise ? Turn::Clockwise : turn;
}

// A quarter turn swaps a block's width and height; a mirror keeps them.
constexpr bool swapsSides(Turn turn)
{
    return turn == Turn::Clockwise || turn == Turn::Anticlockwise;
}

} // namespace Turns
