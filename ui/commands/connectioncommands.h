// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class StartupGate;
class TrackCanvas;
class TrackDocument;

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
    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;  // where the marks are drawn
        QMenu &menu;          // Track, which the items join
        QLabel &status;       // the status bar's text
        StartupGate &startup;
        QWidget &window;  // where failures are shown
    };

    // Appends the items to the Track menu, disabled until start-up has
    // completed.
    ConnectionCommands(const Parts &parts, QObject *parent);

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

    Parts m_parts;
    QAction *m_check;
    QAction *m_show;
    QAction *m_closeGaps;
    QTimer m_pending;  // a change not yet followed
    QString m_shown;   // the status text of the last check, while it shows
};
