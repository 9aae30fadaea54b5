// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class CanvasLayer;

// An editing tool of the Tools menu: what the left button does on the track.
// The tool box hands the active tool the mouse in cell terms (x the column,
// y the row): a press on a cell, every cell the pointer then enters while
// the button stays down, the release. Picking (Alt+click) and the cell menu
// (right click) stay the canvas's own, whatever the tool.
//
// A tool may draw over the cells (its preview) through a layer, which the
// tool box puts on the canvas while the tool is active.
class Tool : public QObject
{
    Q_OBJECT

public:
    explicit Tool(QObject *parent) : QObject(parent) {}

    virtual void activate() {}
    // Another tool takes over: whatever this one had under way is dropped.
    virtual void deactivate() { cancel(); }

    virtual void press(QPoint cell, Qt::KeyboardModifiers keys) = 0;
    virtual void move(QPoint cell) { Q_UNUSED(cell); }
    virtual void release() {}
    // Space or Enter on the keyboard's cell.
    virtual void keyed(QPoint cell) { Q_UNUSED(cell); }

    // Whether the tool is in the middle of something that Esc stops (a
    // drag); then Esc is the tool's before any shortcut of the window.
    virtual bool busy() const { return false; }
    // Esc: stops what is under way; false when there was nothing to stop.
    virtual bool cancel() { return false; }

    virtual const CanvasLayer *layer() const { return nullptr; }
};
