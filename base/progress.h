// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// Long loops (building cells, loading tiles, reading a track, composing a
// picture) report each step here. The window shows the text in its status
// bar and lets pump() repaint; the core and the tests use it as it is,
// which does nothing.
class Progress
{
public:
    virtual ~Progress() = default;

    virtual void setText(const QString &text) { (void)text; }
    virtual void pump() {}

    void clear() { setText(QString()); }

    // Whether setText() shows the text anywhere. One that does not is spared
    // building them: reading and composing a 30 x 30 track make 3,570.
    virtual bool showsText() const { return true; }
    // setText(text(prefix, outer, inner)), built only when it will be shown.
    void step(const char *prefix, int outer, int inner)
    {
        if (showsText())
            setText(text(prefix, outer, inner));
    }

    // "Loading Track - 3-17": a prefix, the outer counter, "-", the inner one.
    // The prefix, marked with QT_TRANSLATE_NOOP("Progress", ...) where it is
    // written, is shown in the user's language.
    static QString text(const char *prefix, int outer, int inner)
    {
        return QCoreApplication::translate("Progress", prefix) + QString::number(outer) + QLatin1Char('-')
               + QString::number(inner);
    }
};
