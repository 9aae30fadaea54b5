#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class ConnectionOverlay;
class QAction;
class TMainForm;

// The Track menu's "Check connections" and "Show open ends": the open road
// ends of the block's visible cells, marked on the track view and counted in
// the status bar; with none, the status bar tells the circuits and the lap
// ("No open road ends: 1 circuit, lap 14.3 m"). A check's marks stay until the track changes; with "Show
// open ends" on, every change checks again.
class ConnectionCommands : public QObject
{
    Q_OBJECT

public:
    // Appends both items to the window's Track menu, disabled until its
    // start-up has completed.
    explicit ConnectionCommands(TMainForm &window);

    QAction *checkAction() const { return m_check; }
    QAction *showAction() const { return m_show; }
    ConnectionOverlay *overlay() const { return m_overlay; }

    // Marks the open ends now and says how many there are.
    void check();

private:
    void trackChanged();
    void followTrack();
    void clearMarks();

    TMainForm &m_window;
    ConnectionOverlay *m_overlay;
    QAction *m_check;
    QAction *m_show;
    QTimer m_pending;  // a change not yet followed
    QString m_shown;   // the status text of the last check, while it shows
};
