// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The small tracks drawn below the palette pages on the contact sheet. Each
// is laid out as a closed circuit, and tst_connectioncheck holds them to it.
struct SampleLayout
{
    QString title;
    QStringList rows;  // comma-separated codes, as in a track file

    static QList<SampleLayout> all();
};
