// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/progress.h"

#include <QElapsedTimer>

class QLabel;

// Progress shown in the main window's status bar. Every text is set, but the
// event queue is pumped at most once every pumpInterval milliseconds: pumping
// per cell would cost more than the work it reports on. The pump repaints but
// takes no user input, so nothing can be clicked while a loop runs.
class StatusProgress : public Progress
{
public:
    static constexpr int pumpInterval = 15;

    explicit StatusProgress(QLabel *label);

    void setText(const QString &text) override;
    void pump() override;

private:
    QLabel *m_label;
    QElapsedTimer m_sincePump;
};
