// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/readyprobe.h"

#include "bench/procinfo.h"
#include "ui/window/tmainform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

ReadyProbe::ReadyProbe(qint64 originNs)
    : m_originNs(originNs)
{
}

void ReadyProbe::watch(TMainForm *window)
{
    m_window = window;
    m_waitingPanel = window->findChild<QWidget *>(QStringLiteral("Panel3"));
    window->installEventFilter(this);
    if (m_waitingPanel)
        m_waitingPanel->installEventFilter(this);
    connect(window, &TMainForm::startupEnded, this, &ReadyProbe::startupEnded);
}

void ReadyProbe::note(const char *name)
{
    m_notes.append({QByteArray(name), double(ProcInfo::monotonicNs() - m_originNs) / 1e6});
}

bool ReadyProbe::eventFilter(QObject *watched, QEvent *event)
{
    // A filter sees the event before the window's own handler does, so
    // "shown" is taken before showEvent arms the start-up work.
    if (watched == m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        note("shown");
    }
    if (watched == m_waitingPanel && event->type() == QEvent::Paint && !m_panelPainted) {
        m_panelPainted = true;
        note("waitpanel");
    }
    return QObject::eventFilter(watched, event);
}

void ReadyProbe::startupEnded(bool completed)
{
    note("ready");
    // The palette was shown; what the user sees is its first paint, which
    // waits in the queue as an update request. Deliver it now.
    QCoreApplication::sendPostedEvents();
    note("painted");
    finish(completed ? 0 : 3);
}

void ReadyProbe::finish(int exitCode)
{
    QByteArray out;
    for (const auto &n : std::as_const(m_notes))
        out += n.first + '=' + QByteArray::number(n.second, 'f', 3) + '\n';
    out += "hwm_kib=" + QByteArray::number(ProcInfo::peakRssKiB()) + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
    // No teardown: 900 widgets take a while to destroy, and the user does
    // not wait for that at start-up.
    _exit(exitCode);
}
