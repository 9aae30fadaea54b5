// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/piecepanel.h"

#include "pieces/builtinpictures.h"
#include "pieces/tilestore.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecetext.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>

namespace {

constexpr int panelHeight = 144;
constexpr int paneWidth = 88;

} // namespace

PiecePanel::PiecePanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(panelHeight);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_palette = new Palette(this);
    m_palette->hide();
    row->addWidget(m_palette, 1);

    m_pane = new QFrame(this);
    m_pane->setObjectName(QStringLiteral("Panel2"));
    m_pane->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pane->setLineWidth(2);
    m_pane->setFixedWidth(paneWidth);
    m_pane->hide();
    row->addWidget(m_pane);

    // The current piece: a flat button alone in its group, so it always
    // shows pressed and clicking it changes nothing.
    m_currentPiece = new PictureButton(m_pane);
    m_currentPiece->setObjectName(QStringLiteral("CurPiece"));
    m_currentPiece->setGeometry(8, 32, 72, 72);
    m_currentPiece->setAutoRaise(true);
    m_currentPiece->setCheckable(true);
    auto *group = new QButtonGroup(m_pane);
    group->setExclusive(true);
    group->addButton(m_currentPiece);
    m_currentPiece->setChecked(true);
    m_currentPiece->setAccessibleDescription(QCoreApplication::translate("PiecePanel", "Current piece"));
    setCurrentPiece(QByteArray(), BuiltinPictures::blank());
}

void PiecePanel::setCurrentPiece(const QByteArray &code, const QImage &picture)
{
    m_currentCode = code;
    m_currentPiece->setPicture(picture);
    m_currentPiece->setAccessibleName(code.isEmpty() ? QCoreApplication::translate("PiecePanel", "No piece chosen") : PieceText::describe(code));
}

void PiecePanel::pickPiece(const QByteArray &code, const TileStore &tiles)
{
    if (!m_palette->pressPiece(code))
        setCurrentPiece(code, tiles.picture(code));
}

void PiecePanel::reveal()
{
    m_palette->show();
    m_pane->show();
}
