#pragma once

#include <QObject>

class QAction;
class QMenu;
class QUndoStack;
class TrackDocument;

// The Edit menu's "Undo" and "Redo": the document's history shows itself
// there through the stack's own actions, which name the step they act on
// ("Undo Place piece") and are enabled exactly when there is one.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(TrackDocument &document, QMenu &menu, QObject *parent);

    QUndoStack &history();

private:
    TrackDocument &m_document;
};
