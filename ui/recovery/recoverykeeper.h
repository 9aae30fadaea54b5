// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class RecoveryLock;
class TrackDocument;

// Keeps this editor's recovery copy while the track is modified: written
// at most delay milliseconds after a change, through the safe write, into
// a file of its own in the recovery folder, beside a lock that says the
// copy's editor still runs. The copy goes when the track becomes clean
// (Save, New, Open, an undo back to the saved state) and when the keeper
// goes with the window at a normal end; it stays when the program ends
// through keepAndStop() or after keep(). Nothing is made on disk before the
// first write, and a failed write never stops the editing: it is reported
// once, as is a run without a recovery folder (no home).
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int delay = 5000;

    RecoveryKeeper(TrackDocument &document, const QString &folder, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    const QString &folder() const { return m_folder; }
    // The copy's path, empty while this editor holds no slot.
    QString copyPath() const;
    bool isPending() const { return m_timer.isActive(); }

    // Writes the copy now when the track is modified. Returns false when it
    // had to be written and could not be (also once stopped).
    bool writeNow();
    // The program ends without its close question (a signal): the copy is
    // written now and kept, and nothing after this writes or removes it.
    void keepAndStop();
    // The session is ending (a log-out), but the program is left for the
    // session to end: the copy is written now and nothing removes it, unless
    // the track changes after this (the log-out was cancelled and the work
    // goes on): then it is kept as ever.
    void keep();
    bool isStopped() const { return m_stopped; }
    // Removes the copy and its lock, unless the copy is kept.
    void discard();
    // The user answered the close question and the window goes: the copy
    // (unless kept for the session's end) and its lock go, and nothing after
    // this makes a new one.
    void end();

signals:
    // The first failed write of this run; message says where.
    void cannotWrite(const QString &message);

private:
    void follow();
    bool takeSlot();
    void report();

    TrackDocument &m_document;
    QString m_folder;
    QTimer m_timer;
    std::unique_ptr<RecoveryLock> m_lock;
    QString m_copyPath;
    bool m_stopped = false;
    bool m_kept = false;
    bool m_reported = false;
};
