#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>

class FileCommands;
class GridStep;
class QAction;
class QMenu;
class QWidget;
class TrackDocument;

// The edit history and the Edit menu's "Undo" and "Redo". Every change of
// the track is one GridStep on the history; New and Open start it afresh,
// a save marks where the file stands.
//
// The modified flag follows the history: after an undo or a redo the track
// is modified exactly when a marking step lies between where the history
// stands and where it stood at the last save or open. Size changes do not
// mark, so undoing one never makes a saved track modified, and doing one
// leaves the flag as it was. Once the saved state has been cut out of the
// history (undone and replaced by a new step) every undo and redo leaves
// the track modified.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    // Adds "Undo" and "Redo" to menu; window is where failures are shown.
    EditCommands(TrackDocument &document, FileCommands &files, QMenu &menu, QWidget *window);
    ~EditCommands() override;

    QUndoStack &history() { return m_history; }

    // Runs change, which alters the document, and keeps what it did as one
    // step called name: always when marks, otherwise only when the grid
    // changed. What a failing change did is kept before it is rethrown.
    void record(const QString &name, bool marks, const std::function<void()> &change);
    // Keeps a step that the document already shows (the history owns it).
    void push(GridStep *step);
    // Undo and Redo stay disabled until start-up has completed.
    void setReady(bool ready);

signals:
    // An undo, a redo or a replaced track: a step still growing (a paint
    // stroke) must stop growing here.
    void interrupted();

private:
    QAction *addAction(QMenu &menu, const char *name, const QList<QKeySequence> &shortcuts);
    void undo();
    void redo();
    void restart();
    void updateActions();
    void followHistory();
    bool marksBetween(int from, int to) const;

    TrackDocument &m_document;
    QWidget *m_window;
    QUndoStack m_history;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    bool m_ready = false;
    bool m_pushing = false;
};
