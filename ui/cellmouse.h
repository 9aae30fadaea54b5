#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;
class TrackView;

// Reads the mouse on the track's cells. A left press starts a stroke on its
// cell; while the button stays down every cell the pointer enters continues
// it, and the release ends it. Alt with the left button asks to pick the
// cell's piece instead; a right click (the context menu event) asks for the
// cell menu.
//
// A tool button grabs the mouse when pressed, so no other cell sees the
// pointer during a stroke: the pressed cell's moves are mapped through the
// track area to the cell beneath, and the way from one move to the next is
// walked pixel by pixel, so a quick drag leaves no cell out.
class CellMouse : public QObject
{
    Q_OBJECT

public:
    CellMouse(const TrackView &view, QObject *parent);

    // Starts reading the mouse on one of the view's cells.
    void watch(QWidget *cell);

signals:
    void strokeStarted(int index);
    void strokeEntered(int index);
    void strokeEnded();
    void pickRequested(int index);
    void menuRequested(int index, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressed(QWidget *cell, const QMouseEvent &event);
    void moved(QWidget *cell, const QMouseEvent &event);
    void released();
    void enter(int index);
    QPoint areaPoint(QWidget *cell, const QPoint &cellPoint) const;
    // The visible cell under a point of the track area that shows in the
    // scroll box, or -1: a stroke off the box paints no cell out of sight.
    int shownCellAt(const QPoint &areaPoint) const;

    const TrackView &m_view;
    bool m_stroking = false;
    QPoint m_last;        // where the pointer was, in the track area
    int m_lastCell = -1;  // the cell it was in, or -1
};
