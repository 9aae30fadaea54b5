// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

class CellEdits;
class FloatingStamp;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;
class QWidget;
class SelectionOutline;
class Tool;
class TrackCanvas;
class TrackDocument;

// The editing tools and which one has the track: the Tools menu's exclusive
// items "Paint" (B, the default), "Select" (R), "Fill" (F) and "Route" (T),
// made from the tools' own descriptions, whose keys work while the track
// has the keyboard, and the tool bar's buttons for the same items. The
// active tool has the track's input (the canvas's dispatcher hands it
// over), its layer on the canvas and its pointer over the track; the
// selection's outline stays on the canvas whatever the tool.
//
// A paste makes the floating stamp the active tool until it is placed or
// dropped; its hint stands in the status bar meanwhile. Then the tool
// chosen before has the track again; choosing a tool drops the stamp.
class ToolBox : public QObject
{
    Q_OBJECT

public:
    enum Id { Paint, Select, Fill, Route };

    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;
        const QByteArray &currentCode;
        CellEdits &edits;
        FloatingStamp &stamp;
        QLabel &status;  // the status bar's text
    };

    // Adds the items to menu; window is where failures are shown.
    ToolBox(const Parts &parts, QMenu &menu, QWidget *window);

    QVector<QAction *> actions() const { return m_actions; }
    // The tools beside the track, one click away, as most editors have
    // them: a vertical bar of their items, each with its icon over its name.
    QToolBar *makeBar(QWidget *parent) const;
    QAction *action(Id id) const { return m_actions[id]; }
    Tool *tool(Id id) const { return m_tools[id]; }
    // The tool chosen in the menu, which the stamp gives the track back to.
    Id activeId() const { return m_chosen; }
    // The tool that has the track: the chosen one, or the stamp.
    Tool *active() const { return m_active; }
    void activate(Id id);

private:
    void addTool(Id id, Tool *tool, QMenu &menu);
    void setActive(Tool *tool);
    void stampFloating(bool floating);
    void historyMoved();

    Parts m_parts;
    QVector<Tool *> m_tools;
    QVector<QAction *> m_actions;
    QActionGroup *m_group;
    SelectionOutline *m_outline;
    Id m_chosen = Paint;
    Tool *m_active = nullptr;
    QString m_hint;  // the stamp's hint in the status bar, while it floats
};
