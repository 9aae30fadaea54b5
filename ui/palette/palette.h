// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QPoint>
#include <QTabWidget>
#include <QVector>

class PictureButton;
class TileStore;

// The tabbed palette (PageControl): eleven pages of piece buttons in
// exclusive groups per page, and the page "Utilities" with the four grid
// buttons. Every button keeps its piece code or grid change in its "hint"
// property.
class Palette : public QTabWidget
{
    Q_OBJECT

public:
    explicit Palette(QWidget *parent = nullptr);

    PictureButton *pieceButton(const QByteArray &code) const { return m_pieces.value(code); }
    QWidget *normalPage() const { return widget(0); }
    // Presses the code's button as a user would, on its page brought to
    // front. A code without a button (a tile from outside the catalogue)
    // leaves the page shown with no button down; returns false then.
    bool pressPiece(const QByteArray &code);

    // Gives every piece button its code's picture from the store (a code
    // the store has no picture for yet keeps an empty one). The grid
    // buttons keep their built-in pictures.
    void showPictures(const TileStore &tiles);


signals:
    void pieceClicked(PictureButton *button);
    void gridClicked(const QByteArray &hint);
    // A press of any mouse button on the bare background of "Normal".
    void normalPagePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *addPiecePage(int index);
    QWidget *addUtilitiesPage();
    PictureButton *addPieceButton(QWidget *page, const QByteArray &code, QPoint topLeft);
    static void releaseButtons(QWidget *page);

    QHash<QByteArray, PictureButton *> m_pieces;
};
