#include "ui/editcommands.h"

#include "document/trackdocument.h"

#include <QAction>
#include <QMenu>

EditCommands::EditCommands(TrackDocument &document, QMenu &menu, QObject *parent)
    : QObject(parent), m_document(document)
{
    QUndoStack &stack = document.history();
    QAction *undo = stack.createUndoAction(&menu, QStringLiteral("Undo"));
    undo->setObjectName(QStringLiteral("Undo1"));
    undo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
    QAction *redo = stack.createRedoAction(&menu, QStringLiteral("Redo"));
    redo->setObjectName(QStringLiteral("Redo1"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")),
                        QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    menu.addAction(undo);
    menu.addAction(redo);
}

QUndoStack &EditCommands::history()
{
    return m_document.history();
}
