#pragma once

#include <QByteArray>
#include <QHash>
#include <QTabWidget>
#include <QVector>

class PictureButton;
class Progress;
class TileSource;

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

    // Loads every piece button's tile, page by page and control by control,
    // reporting "Loading Tiles - page-control". The grid buttons are passed
    // over. A failure stops at that button and is thrown.
    void loadTiles(const TileSource &tiles, Progress &progress);

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
    PictureButton *addPieceButton(QWidget *page, const QByteArray &code, int left, int top);

    QHash<QByteArray, PictureButton *> m_pieces;
    QVector<QVector<PictureButton *>> m_pageControls;
};
