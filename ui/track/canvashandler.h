// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <Qt>

class QKeyEvent;
class QWheelEvent;

// Something that takes the track's input from the canvas's dispatcher
// (CanvasInput): the active tool, or a passing mode above it. Cells are
// (column, row) of cells that show. Each call says whether it was taken;
// what a handler leaves goes on to the next one down, and at last to the
// window's commands.
class CanvasHandler
{
public:
    // What became of a press of the left button.
    enum class Press {
        Passed,  // not this handler's
        Taken,   // all there is to it; its release goes nowhere
        Stroke,  // a stroke: the cell shows pressed, every cell the pointer
                 // enters while the button stays down comes to drag, the
                 // release to release
    };

    virtual ~CanvasHandler() = default;

    // The left button on a cell (with Alt it is a pick, below).
    virtual Press press(QPoint cell, Qt::KeyboardModifiers keys)
    {
        Q_UNUSED(cell);
        Q_UNUSED(keys);
        return Press::Passed;
    }
    virtual void drag(QPoint cell) { Q_UNUSED(cell); }
    virtual void release() {}
    // Alt with the left button: left to the window, which picks the piece.
    virtual bool pick(QPoint cell)
    {
        Q_UNUSED(cell);
        return false;
    }
    // The pointer, with no button down, is over a cell, or the keyboard's
    // cursor came to one.
    virtual void point(QPoint cell) { Q_UNUSED(cell); }
    // Space or Enter on the keyboard's cell, or a screen reader pressing one.
    virtual bool keyed(QPoint cell)
    {
        Q_UNUSED(cell);
        return false;
    }
    // Esc: stops what is under way; false when nothing was.
    virtual bool escape() { return false; }
    // Any other key while the track has the keyboard.
    virtual bool key(QKeyEvent &event)
    {
        Q_UNUSED(event);
        return false;
    }
    virtual bool wheel(QWheelEvent &event)
    {
        Q_UNUSED(event);
        return false;
    }
    // The right button, Shift+F10 or the Menu key on a cell.
    virtual bool menu(QPoint cell, const QPoint &globalPos)
    {
        Q_UNUSED(cell);
        Q_UNUSED(globalPos);
        return false;
    }
};
