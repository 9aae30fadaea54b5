// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/toolbox.h"

#include "document/trackdocument.h"
#include "ui/tools/filltool.h"
#include "ui/tools/floatingstamp.h"
#include "ui/tools/painttool.h"
#include "ui/tools/routetool.h"
#include "ui/tools/selectionoutline.h"
#include "ui/tools/selecttool.h"
#include "ui/track/canvasinput.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/mainmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QToolBar>

ToolBox::ToolBox(const Parts &parts, QMenu &menu, QWidget *window)
    : QObject(window), m_parts(parts), m_group(new QActionGroup(this))
{
    m_tools.resize(4);
    m_actions.resize(4);
    addTool(Paint, new PaintTool(parts.edits, this), menu);
    addTool(Select, new SelectTool(parts.document, parts.canvas, this), menu);
    addTool(Fill, new FillTool(parts.document, parts.currentCode, window, this), menu);
    addTool(Route, new RouteTool(parts.document, parts.canvas, parts.currentCode, this), menu);
    m_group->setExclusive(true);
    m_outline = new SelectionOutline(parts.document, parts.canvas, this);
    activate(Paint);

    connect(&parts.stamp, &FloatingStamp::floatingChanged, this, &ToolBox::stampFloating);
    connect(&parts.document.history(), &QUndoStack::indexChanged, this, &ToolBox::historyMoved);
}

void ToolBox::addTool(Id id, Tool *tool, QMenu &menu)
{
    QAction *action = MainMenu::addCommand(&menu, tool->itemName(), tool->name(), tool->key());
    action->setCheckable(true);
    action->setActionGroup(m_group);
    action->setIcon(tool->icon());
    action->setStatusTip(tool->hint());
    action->setToolTip(QStringLiteral("%1 (%2)").arg(tool->name(), tool->key().toString(QKeySequence::NativeText)));
    // A letter alone is a shortcut only while the track has the keyboard.
    action->setShortcutContext(Qt::WidgetShortcut);
    m_parts.canvas.addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { activate(id); });
    m_tools[id] = tool;
    m_actions[id] = action;
}

QToolBar *ToolBox::makeBar(QWidget *parent) const
{
    auto *bar = new QToolBar(QStringLiteral("Tools"), parent);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setOrientation(Qt::Vertical);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    bar->setFocusPolicy(Qt::NoFocus);
    for (QAction *action : m_actions) {
        bar->addAction(action);
        bar->widgetForAction(action)->setAccessibleName(action->text());
    }
    return bar;
}

void ToolBox::activate(Id id)
{
    m_chosen = id;
    m_actions[id]->setChecked(true);
    // A floating stamp is dropped; its end gives the track to the tool chosen.
    if (m_parts.stamp.isFloating())
        m_parts.stamp.drop();
    else
        setActive(m_tools[id]);
}

void ToolBox::setActive(Tool *tool)
{
    if (tool == m_active)
        return;
    TrackCanvas &canvas = m_parts.canvas;
    if (m_active) {
        m_active->deactivate();
        if (m_active->layer())
            canvas.removeLayer(m_active->layer());
    }
    m_active = tool;
    canvas.input().setTool(tool);
    tool->activate();
    if (tool->layer())
        canvas.addLayer(tool->layer());
    canvas.setCursor(tool->cursor());
}

// The stamp has the track while it floats, its hint in the status bar; the
// hint goes with it unless something else has been said since.
void ToolBox::stampFloating(bool floating)
{
    if (floating) {
        setActive(&m_parts.stamp);
        m_hint = m_parts.stamp.hint();
        m_parts.status.setText(m_hint);
        return;
    }
    setActive(m_tools[m_chosen]);
    if (!m_hint.isEmpty() && m_parts.status.text() == m_hint)
        m_parts.status.setText(QString());
    m_hint.clear();
}

// A drag laid over the track as it was would undo an undo, or bring back
// a track that New or Open replaced: the history moving ends it.
void ToolBox::historyMoved()
{
    if (m_active->busy())
        m_active->cancel();
}
