// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;
class RecoveryKeeper;

// The ways the editor ends without its close question: SIGTERM, SIGHUP and
// SIGINT, and the desktop's log-out or shutdown (commitDataRequest). No
// dialog can be answered then, so each writes the recovery copy at once and
// keeps it; a signal also ends the program, while a log-out leaves that to
// the session manager, which may yet cancel it. The signal handler only
// writes a byte to a socket pair; the work happens in the event loop that
// reads it.
class SessionEnd : public QObject
{
    Q_OBJECT

public:
    explicit SessionEnd(RecoveryKeeper &keeper, QObject *parent = nullptr);
    ~SessionEnd() override;

    // Writes and keeps the copy, then leaves every event loop, modal
    // dialogs' included (whose questions then answer Cancel), with status 0.
    void end();
    // The log-out's request to save: writes and keeps the copy, and ends
    // nothing.
    void commitData();
    // end() has run: an event loop started after it must not run.
    bool hasEnded() const { return m_ended; }

private:
    static void handle(int signal);
    void readSignal();

    RecoveryKeeper &m_keeper;
    QSocketNotifier *m_notifier = nullptr;
    bool m_ended = false;
};
