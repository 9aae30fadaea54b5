// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/startupgate.h"

#include <QAction>

void StartupGate::holdBack(QAction *action)
{
    action->setEnabled(m_ready);
    m_held.append(action);
}

void StartupGate::end(bool completed)
{
    if (completed) {
        for (QAction *action : std::as_const(m_held))
            action->setEnabled(true);
        m_ready = true;
    }
    emit ended(completed);
}
