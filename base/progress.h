#pragma once

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

    // "Loading Track - 3-17": a prefix, the outer counter, "-", the inner one.
    static QString text(const char *prefix, int outer, int inner)
    {
        return QLatin1String(prefix) + QString::number(outer) + QLatin1Char('-')
               + QString::number(inner);
    }
};
