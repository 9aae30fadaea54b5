// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tools/toolicon.h"
#include "ui/track/canvashandler.h"

#include <QIcon>
#include <QKeySequence>
#include <QObject>
#include <QString>

class CanvasLayer;

// An editing tool: what the left button, Space and Enter do on the track.
// While it is active the canvas's dispatcher hands it the track's input in
// cell terms (CanvasHandler): a tool of the Tools menu takes a press as a
// stroke (each cell the pointer then enters, the release), Space or Enter
// on the keyboard's cell, and Esc while it has something under way; it
// leaves picking (Alt+click) and the cell menu to the window.
//
// A tool describes itself: its name, its key, its icon, the hint the status
// bar shows for it and the pointer's shape over the track. The tool box
// makes the menu items and the tool bar's buttons from that, and puts the
// tool's layer (its preview over the cells) on the canvas while the tool is
// active.
class Tool : public QObject, public CanvasHandler
{
    Q_OBJECT

public:
    struct Description
    {
        const char *item;  // the menu item's object name ("PaintTool1"); none without an item
        const char *name;  // "Paint"
        const char *key;   // its key alone ("B"), while the track has the keyboard
        ToolIcon::Picture icon;
        const char *hint;  // what a press and a drag do, for the status bar
        Qt::CursorShape cursor;  // the pointer over the track
    };

    Tool(const Description &description, QObject *parent) : QObject(parent), m_description(description) {}

    const char *itemName() const { return m_description.item; }
    QString name() const { return QString::fromUtf8(m_description.name); }
    QKeySequence key() const { return QKeySequence(QString::fromUtf8(m_description.key)); }
    QIcon icon() const { return ToolIcon::icon(m_description.icon); }
    virtual QString hint() const { return QString::fromUtf8(m_description.hint); }
    Qt::CursorShape cursor() const { return m_description.cursor; }

    virtual void activate() {}
    // Another tool takes over: whatever this one had under way is dropped.
    virtual void deactivate() { cancel(); }
    // Whether the tool is in the middle of a drag, which an undo, a redo or
    // a new track ends: it would be laid over a track that is gone.
    virtual bool busy() const { return false; }
    // Stops what is under way; false when there was nothing to stop.
    virtual bool cancel() { return false; }
    bool escape() override { return cancel(); }

    virtual const CanvasLayer *layer() const { return nullptr; }

private:
    Description m_description;
};
