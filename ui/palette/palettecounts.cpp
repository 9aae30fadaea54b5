// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/palettecounts.h"

#include "document/sessioninventory.h"
#include "pieces/piecetable.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecetext.h"

PaletteCounts::PaletteCounts(Palette &palette, const SessionInventory &inventory, QObject *parent)
    : QObject(parent), m_palette(palette), m_inventory(inventory)
{
    connect(&inventory, &SessionInventory::changed, this, &PaletteCounts::refresh);
    refresh();
}

void PaletteCounts::refresh()
{
    for (const Piece &piece : PieceTable::pieces()) {
        PictureButton *button = m_palette.pieceButton(piece.code);
        if (!button)
            continue;
        const bool counted = m_inventory.limits(piece.code);
        button->setCount(counted ? std::optional<int>(m_inventory.left(piece.code)) : std::nullopt);
        QString tip = PieceText::describe(piece.code);
        if (m_inventory.isLoaded())
            tip += QLatin1Char('\n') + m_inventory.countText(piece.code);
        // Set only when it differs: a tooltip showing is not disturbed.
        if (button->toolTip() != tip)
            button->setToolTip(tip);
    }
}
