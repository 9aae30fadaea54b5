#include "ui/editcommands.h"

#include "document/trackdocument.h"
#include "ui/errorbox.h"
#include "ui/filecommands.h"
#include "ui/gridstep.h"
#include "ui/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QScopedValueRollback>

EditCommands::EditCommands(TrackDocument &document, FileCommands &files, QMenu &menu,
                           QWidget *window)
    : QObject(window), m_document(document), m_window(window)
{
    m_undo = addAction(menu, "Undo1", {QKeySequence(QStringLiteral("Ctrl+Z"))});
    m_redo = addAction(menu, "Redo1", {QKeySequence(QStringLiteral("Ctrl+Y")),
                                       QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(m_undo, &QAction::triggered, this, &EditCommands::undo);
    connect(m_redo, &QAction::triggered, this, &EditCommands::redo);
    connect(&m_history, &QUndoStack::indexChanged, this, &EditCommands::followHistory);
    connect(&m_history, &QUndoStack::indexChanged, this, &EditCommands::updateActions);
    connect(&files, &FileCommands::trackReplaced, this, &EditCommands::restart);
    connect(&files, &FileCommands::trackSaved, &m_history, &QUndoStack::setClean);
    updateActions();
}

// The history empties itself as it goes and says so; by then the window
// and its document are being torn down, so nothing may answer.
EditCommands::~EditCommands()
{
    disconnect(&m_history, nullptr, this, nullptr);
}

QAction *EditCommands::addAction(QMenu &menu, const char *name,
                                 const QList<QKeySequence> &shortcuts)
{
    // The caption names the step, so it is set as the history moves.
    QAction *action = MainMenu::addCommand(&menu, name, QString());
    action->setShortcuts(shortcuts);
    return action;
}

void EditCommands::record(const QString &name, bool marks, const std::function<void()> &change)
{
    const TrackGrid before = m_document.grid();
    auto keep = [&] {
        if (marks || m_document.grid() != before)
            push(new GridStep(m_document, name, before, marks));
    };
    try {
        change();
    } catch (...) {
        keep();
        throw;
    }
    keep();
}

void EditCommands::push(GridStep *step)
{
    const bool marks = step->marks();
    {
        // Doing a step sets the flag its own way (below), not by the rule
        // for undo and redo.
        QScopedValueRollback<bool> pushing(m_pushing, true);
        m_history.push(step);
    }
    if (marks)
        m_document.setModified(true);
}

void EditCommands::setReady(bool ready)
{
    m_ready = ready;
    updateActions();
}

void EditCommands::undo()
{
    ErrorBox::guard(m_window, [this] {
        emit interrupted();
        m_history.undo();
    });
}

void EditCommands::redo()
{
    ErrorBox::guard(m_window, [this] {
        emit interrupted();
        m_history.redo();
    });
}

void EditCommands::restart()
{
    emit interrupted();
    m_history.clear();
}

void EditCommands::updateActions()
{
    // The items name the step they act on: "Undo Place piece".
    auto show = [](QAction *action, const QString &verb, bool can, const QString &step) {
        action->setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
        action->setEnabled(can);
    };
    show(m_undo, QStringLiteral("Undo"), m_ready && m_history.canUndo(), m_history.undoText());
    show(m_redo, QStringLiteral("Redo"), m_ready && m_history.canRedo(), m_history.redoText());
}

void EditCommands::followHistory()
{
    if (m_pushing)
        return;
    const int clean = m_history.cleanIndex();
    m_document.setModified(clean < 0 || marksBetween(clean, m_history.index()));
}

bool EditCommands::marksBetween(int from, int to) const
{
    // The state at index i is the one after the first i steps.
    for (int i = std::min(from, to); i < std::max(from, to); ++i) {
        if (static_cast<const GridStep *>(m_history.command(i))->marks())
            return true;
    }
    return false;
}
