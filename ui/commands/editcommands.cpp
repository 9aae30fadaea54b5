// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/editcommands.h"

#include "base/kwerror.h"
#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/commands/turncommands.h"
#include "ui/tools/floatingstamp.h"
#include "ui/track/canvasinput.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"
#include "ui/window/mainmenu.h"
#include "ui/window/startupgate.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

EditCommands::EditCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_stamp(new FloatingStamp(parts.document, parts.canvas, this))
{
    addHistory();
    QMenu &menu = parts.menu;
    menu.addSeparator();
    m_cut = add("Cut1", QCoreApplication::translate("EditCommands", "Cut"), QKeySequence(QStringLiteral("Ctrl+X")));
    m_copy = add("Copy1", QCoreApplication::translate("EditCommands", "Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    m_paste = add("Paste1", QCoreApplication::translate("EditCommands", "Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
    m_delete = add("Delete1", QCoreApplication::translate("EditCommands", "Delete"), QKeySequence(Qt::Key_Delete));
    menu.addSeparator();
    m_selectAll = add("Selectall1", QCoreApplication::translate("EditCommands", "Select all"), QKeySequence(QStringLiteral("Ctrl+A")));
    m_selectNone = add("Selectnone1", QCoreApplication::translate("EditCommands", "Select none"), QKeySequence(Qt::Key_Escape));
    menu.addSeparator();
    m_turns = new TurnCommands({parts.document, parts.canvas, menu, parts.status, parts.window}, *m_stamp, this);
    connectActions();
    refresh();
}

void EditCommands::addHistory()
{
    QMenu &menu = m_parts.menu;
    QUndoStack &stack = document().history();
    QAction *undo = stack.createUndoAction(&menu, QCoreApplication::translate("EditCommands", "Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
    QAction *redo = stack.createRedoAction(&menu, QCoreApplication::translate("EditCommands", "Redo"));
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")),
                        QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    menu.addAction(undo);
    menu.addAction(redo);
}

QAction *EditCommands::add(const char *name, const QString &text, const QKeySequence &key)
{
    QAction *action = MainMenu::addCommand(&m_parts.menu, name, text, key);
    // The track has the keyboard nearly always; the window's shortcuts
    // reach it there (the canvas takes none of these keys for itself).
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void EditCommands::connectActions()
{
    auto guarded = [this](void (EditCommands::*command)()) {
        return [this, command] { ErrorBox::guard(&m_parts.window, [&] { (this->*command)(); }); };
    };
    connect(m_cut, &QAction::triggered, this, guarded(&EditCommands::cut));
    connect(m_copy, &QAction::triggered, this, guarded(&EditCommands::copy));
    connect(m_paste, &QAction::triggered, this, guarded(&EditCommands::paste));
    connect(m_delete, &QAction::triggered, this, guarded(&EditCommands::deleteCells));
    connect(m_selectAll, &QAction::triggered, this, guarded(&EditCommands::selectAll));
    connect(m_selectNone, &QAction::triggered, this, guarded(&EditCommands::selectNone));
    connect(&document(), &TrackDocument::selectionChanged, this, &EditCommands::refresh);
    connect(&document(), &TrackDocument::sizeChanged, this, &EditCommands::refresh);
    connect(&m_parts.startup, &StartupGate::ended, this, &EditCommands::refresh);
    connect(m_stamp, &FloatingStamp::floatingChanged, this, &EditCommands::refresh);
    // An Esc that stopped nothing on the track selects none.
    connect(&m_parts.canvas.input(), &CanvasInput::escaped, this,
            [this] { document().setSelection(CellSelection()); });
}

// Commands on the selection are there while there is one; none acts on the
// cells before start-up has completed.
void EditCommands::refresh()
{
    const bool ready = m_parts.startup.isReady();
    const bool selected = ready && !selectedBlock().isEmpty();
    m_cut->setEnabled(selected);
    m_copy->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_paste->setEnabled(ready);
    m_selectAll->setEnabled(ready);
    m_selectNone->setEnabled(ready && (!document().selection().isEmpty() || m_stamp->isFloating()));
    m_turns->setReady(ready);
}

QUndoStack &EditCommands::history()
{
    return document().history();
}

TrackBlock EditCommands::selectedBlock() const
{
    return document().edits().selectedBlock();
}

void EditCommands::copy()
{
    toClipboard(QCoreApplication::translate("EditCommands", "Copied"));
}

bool EditCommands::toClipboard(const QString &done)
{
    const TrackBlock block = selectedBlock();
    if (block.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(block.toText()));
    m_parts.status.setText(QCoreApplication::translate("EditCommands", "%1 %2 x %3 cells").arg(done).arg(block.width()).arg(block.height()));
    return true;
}

void EditCommands::cut()
{
    if (toClipboard(QCoreApplication::translate("EditCommands", "Cut")))
        document().edits().cut();
}

void EditCommands::deleteCells()
{
    if (document().edits().deleteSelected())
        m_parts.status.setText(QString());
}

TrackBlock EditCommands::clipboardBlock() const
{
    return TrackEdits::blockFromText(QGuiApplication::clipboard()->text().toUtf8(), m_parts.tiles);
}

void EditCommands::paste()
{
    TrackBlock block;
    try {
        block = clipboardBlock();
    } catch (const KwError &error) {
        // Nothing has changed, so a word in the status bar is enough.
        m_parts.status.setText(QCoreApplication::translate("EditCommands", "Cannot paste: ") + error.shownText());
        return;
    }
    floatBlock(block);
}

void EditCommands::floatBlock(const TrackBlock &block)
{
    const TrackCanvas &canvas = m_parts.canvas;
    const int at = canvas.hoverCell() >= 0 ? canvas.hoverCell() : canvas.cursorCell();
    m_stamp->lift(block, QPoint(TrackGrid::columnOf(at), TrackGrid::rowOf(at)));
}

void EditCommands::selectAll()
{
    document().setSelection(CellSelection::of(document().grid().block()));
}

// Esc's one handler, as the track's key: a floating stamp or a drag under
// way stops first, else the selection goes.
void EditCommands::selectNone()
{
    m_parts.canvas.input().escape();
}
