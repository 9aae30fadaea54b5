// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The lock beside a recovery copy that says an editor still runs for it.
// It is the system's own lock on the file (flock), held while the editor
// runs and let go by the system however the editor ends, so whether a lock
// is held is asked of the system, never read from the file: an empty file
// (its write lost in a power cut), one that cannot be read, and editors
// that share a process id (containers, sandboxes: pid 1) all come out right.
class RecoveryLock
{
public:
    enum State {
        Taken,   // ours now
        Held,    // a running editor holds it
        Failed,  // the file cannot be made or opened (the folder is not writable)
    };

    explicit RecoveryLock(const QString &path);
    // Lets the lock go and removes its file when it was ours.
    ~RecoveryLock();
    RecoveryLock(const RecoveryLock &) = delete;
    RecoveryLock &operator=(const RecoveryLock &) = delete;

    // Takes the lock without waiting, making its file when there is none.
    State take();

private:
    QByteArray m_path;
    int m_fd = -1;
};
