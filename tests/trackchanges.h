// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QList>
#include <QRegularExpression>
#include <QString>

// A track file's text from rows of codes, with "column,row=code" changes
// (counted from 0) made first: the window tests' way of writing a track.
inline QByteArray trackWithChanges(QList<QByteArrayList> rows, const QString &changes)
{
    for (const QString &change : changes.split(' ', Qt::SkipEmptyParts)) {
        const QStringList part = change.split(QRegularExpression("[,=]"));
        rows[part[1].toInt()][part[0].toInt()] = part[2].toLatin1();
    }
    QByteArray text;
    for (const QByteArrayList &row : std::as_const(rows))
        text += row.join(',') + "\r\n";
    return text;
}
