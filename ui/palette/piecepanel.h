// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QWidget>

class Palette;
class PictureButton;
class QFrame;
class QImage;
class TileStore;

// The top band of the main window (Panel1): the palette (PageControl) and,
// on its right, the raised pane (Panel2) with the current piece (CurPiece).
// Both stay hidden until start-up has finished. CurPiece holds the current
// piece: its code (empty until the first piece is chosen) and its picture;
// screen readers hear its code and name.
class PiecePanel : public QWidget
{
    Q_OBJECT

public:
    explicit PiecePanel(QWidget *parent = nullptr);

    Palette *palette() const { return m_palette; }
    PictureButton *currentPiece() const { return m_currentPiece; }
    const QByteArray &currentCode() const { return m_currentCode; }
    // The code becomes the current piece, and then its picture.
    void setCurrentPiece(const QByteArray &code, const QImage &picture);
    // A piece picked from a cell: its button is pressed as a user would,
    // which makes it current; a code without a button becomes current with
    // the store's picture.
    void pickPiece(const QByteArray &code, const TileStore &tiles);
    void reveal();

private:
    Palette *m_palette = nullptr;
    QFrame *m_pane = nullptr;
    PictureButton *m_currentPiece = nullptr;
    QByteArray m_currentCode;
};
