// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"

#include <QString>
#include <QVector>

// The one table the benchmarks print, in Markdown so that it can go into
// the README as it is. A row has a median with its range over the runs and,
// where there is one, the target it is held against.
class ResultTable
{
public:
    // Milliseconds. limit <= 0: no target.
    void addTime(const QString &label, const Samples &ms, double limitMs = 0);
    // KiB samples, shown in MiB.
    void addMemory(const QString &label, const Samples &kib, double limitMiB = 0);
    // A ratio of two medians measured side by side.
    void addRatio(const QString &label, double ratio, double limit = 0);
    // Ratios taken run by run, each of two measurements made one after the
    // other: the median of those, with their range.
    void addRatio(const QString &label, const Samples &ratios, double limit = 0);
    // A row that only states a fact (a count that was checked).
    void addFact(const QString &label, const QString &value);

    QString toMarkdown() const;
    int missedTargets() const;

private:
    struct Row
    {
        QString label;
        QString median;
        QString range;
        QString runs;
        QString target;
        QString verdict;
    };
    static QString verdict(double value, double limit);

    QVector<Row> m_rows;
};
