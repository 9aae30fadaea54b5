// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Palette;
class PictureButton;
class QFrame;

// The top band of the main window (Panel1): the palette (PageControl) and,
// on its right, the raised pane (Panel2) with the current piece (CurPiece).
// Both stay hidden until start-up has finished.
class PiecePanel : public QWidget
{
    Q_OBJECT

public:
    explicit PiecePanel(QWidget *parent = nullptr);

    Palette *palette() const { return m_palette; }
    PictureButton *currentPiece() const { return m_currentPiece; }
    void reveal();

private:
    Palette *m_palette = nullptr;
    QFrame *m_pane = nullptr;
    PictureButton *m_currentPiece = nullptr;
};
