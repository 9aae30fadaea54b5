// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/statusprogress.h"

#include <QCoreApplication>
#include <QLabel>

StatusProgress::StatusProgress(QLabel *label)
    : m_label(label)
{
}

void StatusProgress::setText(const QString &text)
{
    m_label->setText(text);
}

void StatusProgress::pump()
{
    if (m_sincePump.isValid() && m_sincePump.elapsed() < pumpInterval)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sincePump.start();
}
