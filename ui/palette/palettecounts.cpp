// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/palettecounts.h"

#include "document/sessioninventory.h"
#include "pieces/piecetable.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecetext.h"

PaletteCounts::PaletteCounts(Palette &palette, const SessionInventory &inventory, QObject *parent)
    : QObject(parent), m_palette(palette), m_inventory(inventory), m_shown(PieceTable::pieces().size())
{
    connect(&inventory, &SessionInventory::replaced, this, [this] { refresh(true); });
    connect(&inventory, &SessionInventory::changed, this, [this] { refresh(false); });
    refresh(true);
}

void PaletteCounts::refresh(bool all)
{
    const QVector<Piece> &pieces = PieceTable::pieces();
    for (int k = 0; k < pieces.size(); ++k) {
        const QByteArray &code = pieces[k].code;
        const std::optional<int> count =
            m_inventory.limits(code) ? std::optional<int>(m_inventory.left(code)) : std::nullopt;
        PictureButton *button = m_palette.pieceButton(code);
        if (!button || (!all && count == m_shown[k]))
            continue;
        m_shown[k] = count;
        button->setCount(count);
        QString tip = PieceText::describe(code);
        if (m_inventory.isLoaded())
            tip += QLatin1Char('\n') + m_inventory.countText(code);
        button->setToolTip(tip);
    }
}
