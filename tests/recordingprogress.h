// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/progress.h"

#include <QStringList>

// Records what a long loop reports: every text (empty ones too), the text
// left standing at the end, and how often it pumped.
class RecordingProgress : public Progress
{
public:
    void setText(const QString &text) override
    {
        texts.append(text);
        last = text;
    }
    void pump() override { ++pumps; }

    QStringList texts;
    QString last;
    int pumps = 0;
};
