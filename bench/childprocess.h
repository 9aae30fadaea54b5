// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Runs a program as a child and times it from just before the spawn to the
// moment it has been reaped, on the monotonic clock. posix_spawn, not
// QProcess: the measurement should hold no more of our own machinery than a
// shell starting the program would.
class ChildProcess
{
public:
    struct Result
    {
        bool started = false;
        int exitCode = -1;      // -1 when it did not exit normally
        double ms = 0;          // spawn to reaped
        QByteArray output;      // its standard output
    };

    // extraEnvironment is added to ours; KWBENCH_SPAWN_NS is always set to
    // the spawn time, for children that time themselves from it. Standard
    // error goes to errorLog (appended), so noise stays out of the table.
    static Result run(const QString &program, const QStringList &arguments,
                      const QMap<QByteArray, QByteArray> &extraEnvironment,
                      const QString &errorLog);
};
