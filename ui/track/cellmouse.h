// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class TrackCanvas;

// Reads the mouse on the track canvas. A left press starts a stroke on its
// cell; while the button stays down every cell the pointer enters continues
// it, and the release ends it. Alt with the left button asks to pick the
// cell's piece instead; a right click (the context menu event) asks for the
// cell menu.
//
// The canvas has the mouse to itself while a button is down, so every move
// of a stroke arrives here, also off the block; the way from one move to
// the next is walked pixel by pixel, so a quick drag leaves no cell out.
class CellMouse : public QObject
{
    Q_OBJECT

public:
    CellMouse(TrackCanvas &canvas, QObject *parent);

    // The keys held when the stroke going on (or the last) began.
    Qt::KeyboardModifiers pressModifiers() const { return m_pressKeys; }

signals:
    void strokeStarted(int index);
    void strokeEntered(int index);
    void strokeEnded();
    void pickRequested(int index);
    void menuRequested(int index, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressed(const QMouseEvent &event);
    void moved(const QMouseEvent &event);
    void released();
    void enter(int index);
    // The shown cell under a point that shows in the scroll box, or -1: a
    // stroke off the box paints no cell out of sight.
    int shownCellAt(const QPoint &point) const;

    TrackCanvas &m_canvas;
    bool m_stroking = false;
    QPoint m_last;        // where the pointer was, in the canvas
    int m_lastCell = -1;  // the cell it was in, or -1
    Qt::KeyboardModifiers m_pressKeys;
};
