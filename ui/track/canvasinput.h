// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/track/canvashandler.h"

#include <QObject>
#include <QPoint>
#include <QVector>

class QContextMenuEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class TrackCanvas;

// The one way the track's mouse, wheel and keys go. The canvas hands every
// event here; a passing mode (the latest first) has it first, then the
// active tool, then the window's commands, which hear of what is left
// through the signals: Alt+click picks the cell's piece, the right button
// opens the cell menu, an Esc that stopped nothing clears the selection.
// What none takes the canvas keeps: the arrows move its cursor, the wheel
// scrolls and Ctrl+wheel zooms the view.
//
// A press of the left button on a cell starts a stroke when a handler
// takes it as one: every cell the pointer then enters while the button
// stays down goes to that handler, also off the block and with quick moves
// (the way from one move to the next is walked pixel by pixel, so no cell
// is left out), and the release ends it. A stroke whose handler is no
// longer there (another tool was chosen) goes on to its release unheard.
//
// Esc, Space and Enter each have one handler here (escape, keyed), which
// the menu's "Select none" and a screen reader's press of a cell use too.
//
// A passing mode (a lap being driven, say) draws through a layer of its own
// on the canvas, starts itself here, and ends itself when its Esc comes or
// when the track changes; meanwhile it sees everything first and passes on
// what it leaves.
class CanvasInput : public QObject
{
    Q_OBJECT

public:
    explicit CanvasInput(TrackCanvas &canvas);

    // The tool that has the input below the modes; none at first.
    void setTool(CanvasHandler *tool);
    CanvasHandler *tool() const { return m_tool; }
    // A passing mode has the input before the tool until it ends itself.
    void startMode(CanvasHandler *mode);
    void endMode(CanvasHandler *mode);
    bool isStroking() const { return m_stroking; }

    // Esc: the modes and the tool stop what they have under way; when none
    // did, the window clears the selection (escaped). True when something
    // was stopped.
    bool escape();
    // Space, Enter or a screen reader's press on a cell that shows.
    void keyed(int index);
    // The cell menu of a cell that shows, at globalPos.
    void menu(int index, const QPoint &globalPos);

    // The canvas's events, in its coordinates. A press answers what became
    // of it; the others whether they were taken.
    CanvasHandler::Press mousePress(const QMouseEvent &event);
    void mouseMove(const QMouseEvent &event);
    void mouseRelease(const QMouseEvent &event);
    void contextMenu(const QContextMenuEvent &event);
    bool wheel(QWheelEvent &event);
    bool keyPress(QKeyEvent &event);
    // Esc, Space and Enter are the track's while it has the keyboard, before
    // any shortcut of the window.
    static bool isTrackKey(const QKeyEvent &event);

signals:
    void pickRequested(int index);
    void menuRequested(int index, const QPoint &globalPos);
    void escaped();

private:
    // The modes, the latest first, then the tool.
    QVector<CanvasHandler *> handlers() const;
    template <typename Ask>
    bool anyTakes(Ask ask) const;
    void strokeTo(const QPoint &point);
    void endStroke();
    void pointTo(int index);
    // The shown cell under a point that shows in the scroll box, or -1: a
    // stroke off the box reaches no cell out of sight.
    int shownCellAt(const QPoint &point) const;

    TrackCanvas &m_canvas;
    QVector<CanvasHandler *> m_modes;
    CanvasHandler *m_tool = nullptr;
    CanvasHandler *m_stroke = nullptr;  // whose stroke goes on, while it is there
    bool m_stroking = false;
    QPoint m_last;        // where the pointer was, in the canvas
    int m_lastCell = -1;  // the cell it was in, or -1
};
