// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// Launches of the editor as a user starts it: kwbench-start, which starts
// exactly like the editor and ends itself the moment it is ready, run as a
// child process. Each round launches it three ways, one after the other:
// stopped right after the application object exists (what Qt costs before
// any window), with no track, and with the 30 x 30 track on its command line.
class LaunchBench
{
public:
    struct Start
    {
        Samples launchToReady;   // spawn to exit-on-ready, timed by us
        Samples spawnToMain;     // the dynamic loader and static constructors
        Samples spawnToApp;      // ... and QApplication
        Samples spawnToShown;    // ... and building the windows
        Samples shownToPalette;  // the window's first show to the palette shown
        Samples shownToReady;    // ... and painted
        int waitingPanelPainted = 0;  // runs whose waiting panel was painted first
        Samples peakKiB;         // VmHWM at ready
    };

    LaunchBench(const QString &startProgram, const QString &trackPath, const QString &errorLog);

    // One round of the three launches. False, with error() set, when one of
    // them did not end ready.
    bool runRound();
    QString error() const { return m_error; }

    const Samples &applicationOnly() const { return m_applicationOnly; }
    // Launch to ready over Qt's floor, taken round by round.
    const Samples &plainOverFloor() const { return m_plainOverFloor; }
    const Samples &trackOverFloor() const { return m_trackOverFloor; }
    const Start &plain() const { return m_plain; }
    const Start &withTrack() const { return m_withTrack; }

private:
    using Notes = QMap<QByteArray, double>;
    bool launch(const QStringList &arguments, bool stopAtApplication, Notes &notes, double &ms);
    static Notes parse(const QByteArray &output);
    static void record(Start &start, const Notes &notes, double ms);

    QString m_program;
    QString m_track;
    QString m_errorLog;
    QString m_error;
    Samples m_applicationOnly;
    Samples m_plainOverFloor;
    Samples m_trackOverFloor;
    Start m_plain;
    Start m_withTrack;
};
