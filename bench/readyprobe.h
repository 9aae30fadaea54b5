// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>
#include <QPair>

class TMainForm;

// Watches an editor starting up and notes when each step is reached: the
// window's first show, the first paint of its waiting panel, the palette
// shown (start-up ended) and the first paint after that. On the end of
// start-up it prints the notes as "name=value" lines and ends the process
// at once, so that the parent's clock stops on "ready", not on teardown.
class ReadyProbe : public QObject
{
public:
    // Times are milliseconds since originNs on the shared monotonic clock.
    explicit ReadyProbe(qint64 originNs);

    void watch(TMainForm *window);

    void note(const char *name);
    // Prints every note and the peak memory, then _exit()s.
    [[noreturn]] void finish(int exitCode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startupEnded(bool completed);

    TMainForm *m_window = nullptr;
    QObject *m_waitingPanel = nullptr;
    qint64 m_originNs;
    bool m_shown = false;
    bool m_panelPainted = false;
    QVector<QPair<QByteArray, double>> m_notes;
};
