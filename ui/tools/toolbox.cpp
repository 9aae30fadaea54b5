// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/toolbox.h"

#include "document/trackdocument.h"
#include "ui/tools/filltool.h"
#include "ui/tools/painttool.h"
#include "ui/tools/routetool.h"
#include "ui/tools/selectionoutline.h"
#include "ui/tools/selecttool.h"
#include "ui/track/cellmouse.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/mainmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QToolBar>

namespace {

QPoint cellOf(int index)
{
    return QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index));
}

bool isEscape(const QEvent *event)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

ToolBox::ToolBox(const Parts &parts, QMenu &menu, QWidget *window)
    : QObject(window), m_parts(parts), m_group(new QActionGroup(this))
{
    m_tools.resize(4);
    m_actions.resize(4);
    addTool(Paint, new PaintTool(parts.edits, this), "PaintTool1", QStringLiteral("Paint"), QStringLiteral("B"), menu);
    addTool(Select, new SelectTool(parts.document, parts.canvas, parts.tiles, this), "SelectTool1",
            QStringLiteral("Select"), QStringLiteral("R"), menu);
    addTool(Fill, new FillTool(parts.document, parts.currentCode, window, this), "FillTool1", QStringLiteral("Fill"),
            QStringLiteral("F"), menu);
    addTool(Route, new RouteTool(parts.document, parts.canvas, parts.tiles, parts.currentCode, this), "RouteTool1",
            QStringLiteral("Route"), QStringLiteral("T"), menu);
    m_group->setExclusive(true);
    m_actions[Paint]->setChecked(true);
    m_outline = new SelectionOutline(parts.document, parts.canvas, this);

    const CellMouse *mouse = parts.canvas.mouse();
    connect(mouse, &CellMouse::strokeStarted, this, &ToolBox::pressed);
    connect(mouse, &CellMouse::strokeEntered, this, &ToolBox::entered);
    connect(mouse, &CellMouse::strokeEnded, this, &ToolBox::released);
    connect(&parts.canvas, &TrackCanvas::placeRequested, this,
            [this](int index) { active()->keyed(cellOf(index)); });
    connect(&parts.document.history(), &QUndoStack::indexChanged, this, &ToolBox::historyMoved);
    parts.canvas.installEventFilter(this);
}

void ToolBox::addTool(Id id, Tool *tool, const char *name, const QString &text, const QString &key, QMenu &menu)
{
    QAction *action = MainMenu::addCommand(&menu, name, text, QKeySequence(key));
    action->setCheckable(true);
    action->setActionGroup(m_group);
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
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setFocusPolicy(Qt::NoFocus);
    for (QAction *action : m_actions) {
        bar->addAction(action);
        bar->widgetForAction(action)->setAccessibleName(action->text());
    }
    return bar;
}

void ToolBox::activate(Id id)
{
    if (id != m_active) {
        Tool *was = active();
        was->deactivate();
        if (was->layer())
            m_parts.canvas.removeLayer(was->layer());
        m_pressed = nullptr;
        m_active = id;
        active()->activate();
        if (active()->layer())
            m_parts.canvas.addLayer(active()->layer());
    }
    m_actions[id]->setChecked(true);
}

void ToolBox::pressed(int index)
{
    m_pressed = active();
    m_pressed->press(cellOf(index), m_parts.canvas.mouse()->pressModifiers());
}

void ToolBox::entered(int index)
{
    if (m_pressed == active())
        m_pressed->move(cellOf(index));
}

void ToolBox::released()
{
    Tool *tool = m_pressed;
    m_pressed = nullptr;
    if (tool == active())
        tool->release();
}

// A drag laid over the track as it was would undo an undo, or bring back
// a track that New or Open replaced: the history moving ends it.
void ToolBox::historyMoved()
{
    if (active()->busy())
        active()->cancel();
}

bool ToolBox::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && isEscape(event) && active()->busy()) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isEscape(event)) {
        if (active()->cancel())
            return true;
        if (!m_parts.document.selection().isEmpty()) {
            m_parts.document.setSelection(CellSelection());
            return true;
        }
    }
    return false;
}
