// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/palettelayout.h"

#include <array>
#include <vector>

namespace {

// The left edge of every column, page by page in palette order. Within a
// group the buttons stand 2 pixels apart (56), between groups 18 (72);
// a few pages close up the last gap to 10 (64).
const std::vector<std::vector<int>> &columnLefts()
{
    static const std::vector<std::vector<int>> lefts = {
        {8, 64, 136, 208, 280},                                   // Normal
        {8, 64, 136, 192, 264, 320, 392, 448, 520, 576},          // RCP 1
        {8, 64, 136, 192, 264, 320, 392, 448, 520, 576},          // RCP 2
        {8, 64, 136, 192, 264, 320, 392, 448, 520, 576, 640},     // Larger corners
        {8, 64, 136, 192, 264, 320},                              // Intersection
        {8, 64, 136, 208, 264, 336, 392, 464, 520},               // Diagonal
        {8, 64, 136, 192, 264},                                   // Pit lane
        {8, 80, 152, 224, 280},                                   // Bumps
        {8, 64, 136, 192, 264, 320, 392, 448, 520, 576},          // Open 1
        {8, 64, 136, 192, 256, 312},                              // Open 2
        {8, 64, 136, 208, 272},                                   // Extra's
        {},                                                       // Utilities
    };
    return lefts;
}

constexpr std::array<int, 4> gridButtonLefts = {8, 72, 136, 200};

} // namespace

QPoint PaletteLayout::place(int page, PaletteSlot slot)
{
    const auto &lefts = columnLefts();
    if (page < 0 || page >= int(lefts.size()) || slot.column < 0 || slot.column >= int(lefts[page].size()))
        return QPoint();
    return QPoint(lefts[page][slot.column], slot.row == 0 ? topRow : bottomRow);
}

QRect PaletteLayout::buttonRect(const QByteArray &code)
{
    const Piece *piece = PieceTable::find(code);
    if (!piece)
        return QRect();
    return QRect(place(piece->page, piece->slot), QSize(buttonSize, buttonSize));
}

QPoint PaletteLayout::gridButton(int which)
{
    return QPoint(gridButtonLefts.at(size_t(which)), gridButtonTop);
}
