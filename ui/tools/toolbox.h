// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QVector>

class CellEdits;
class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class QWidget;
class SelectionOutline;
class TileStore;
class Tool;
class TrackCanvas;
class TrackDocument;

// The editing tools and which one has the track's left button: the Tools
// menu's exclusive items "Paint" (B, the default), "Select" (R), "Fill" (F)
// and "Route" (T), whose keys work while the track has the keyboard. The
// box hands the active tool the strokes of the canvas's mouse and the
// keyboard's Space and Enter, puts the tool's layer on the canvas, and
// keeps the selection's outline there whatever the tool.
//
// Esc stops what the active tool is doing (a drag) before anything else of
// the window sees it; otherwise, when no item of the window takes it, it
// clears the selection. A floating stamp filters the canvas's events after
// the box does, so it sees them first and Esc with a stamp is the stamp's.
class ToolBox : public QObject
{
    Q_OBJECT

public:
    enum Id { Paint, Select, Fill, Route };

    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;
        const TileStore &tiles;
        const QByteArray &currentCode;
        CellEdits &edits;
    };

    // Adds the items to menu; window is where failures are shown.
    ToolBox(const Parts &parts, QMenu &menu, QWidget *window);

    QVector<QAction *> actions() const { return m_actions; }
    // The tools beside the track, one click away, as most editors have
    // them: a vertical bar of their items, each named after its tool for
    // screen readers.
    QToolBar *makeBar(QWidget *parent) const;
    QAction *action(Id id) const { return m_actions[id]; }
    Tool *tool(Id id) const { return m_tools[id]; }
    Id activeId() const { return m_active; }
    Tool *active() const { return m_tools[m_active]; }
    void activate(Id id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addTool(Id id, Tool *tool, const char *name, const QString &text, const QString &key, QMenu &menu);
    void pressed(int index);
    void entered(int index);
    void released();
    void historyMoved();

    Parts m_parts;
    QVector<Tool *> m_tools;
    QVector<QAction *> m_actions;
    QActionGroup *m_group;
    SelectionOutline *m_outline;
    Id m_active = Paint;
    Tool *m_pressed = nullptr;  // the tool that has the button down, if still active
};
