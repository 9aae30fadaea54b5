// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QAction;
class TMainForm;
class TrackCanvas;

// The Track menu's "Check connections", "Show open ends" and "Close gaps":
// the open road ends of the block's visible cells, marked on the track canvas
// and counted in the status bar; with none, the status bar tells the circuits
// and the lap ("No open road ends: 1 circuit, lap 14.3 m"). A check's marks
// stay until the track changes; with "Show open ends" on, every change checks
// again. Closing the gaps joins what grass can join, as one step, and marks
// the ends left.
class ConnectionCommands : public QObject
{
    Q_OBJECT

public:
    // Appends both items to the window's Track menu, disabled until its
    // start-up has completed.
    explicit ConnectionCommands(TMainForm &window);

    QAction *checkAction() const { return m_check; }
    QAction *showAction() const { return m_show; }
    QAction *closeGapsAction() const { return m_closeGaps; }

    // Marks the open ends now and says how many there are.
    void check();
    // Lays the runs that close the gaps, one step of the history, says how
    // many gaps and pieces it took, and marks the ends still open.
    void closeGaps();

private:
    // Marks the open ends now; the status bar says status, or their count.
    void mark(const QString &status);
    void trackChanged();
    void followTrack();
    void clearMarks();

    TMainForm &m_window;
    TrackCanvas &m_canvas;  // where the marks are drawn
    QAction *m_check;
    QAction *m_show;
    QAction *m_closeGaps;
    QTimer m_pending;  // a change not yet followed
    QString m_shown;   // the status text of the last check, while it shows
};
