// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/resulttable.h"

#include <algorithm>

namespace {

QString number(double value)
{
    // Three significant figures are all that a noisy machine supports.
    if (value >= 100)
        return QString::number(value, 'f', 0);
    if (value >= 10)
        return QString::number(value, 'f', 1);
    return QString::number(value, 'f', 2);
}

QString pad(const QString &text, int width)
{
    return text + QString(std::max(0, width - int(text.size())), QLatin1Char(' '));
}

// Times under a millisecond in microseconds, so that they keep their digits.
QString duration(double ms)
{
    return ms < 1 ? number(ms * 1000) + QStringLiteral(" µs") : number(ms) + QStringLiteral(" ms");
}

QString durationRange(const Samples &ms)
{
    if (ms.median() < 1)
        return number(ms.min() * 1000) + QStringLiteral("–") + number(ms.max() * 1000);
    return number(ms.min()) + QStringLiteral("–") + number(ms.max());
}

} // namespace

QString ResultTable::verdict(double value, double limit)
{
    if (limit <= 0)
        return QString();
    return value <= limit ? QStringLiteral("met") : QStringLiteral("**missed**");
}

void ResultTable::addTime(const QString &label, const Samples &ms, double limitMs)
{
    m_rows.append({label, duration(ms.median()), durationRange(ms),
                   QString::number(ms.count()),
                   limitMs > 0 ? QStringLiteral("≤ %1 ms").arg(limitMs) : QString(),
                   verdict(ms.median(), limitMs)});
}

void ResultTable::addMemory(const QString &label, const Samples &kib, double limitMiB)
{
    const double mib = kib.median() / 1024;
    m_rows.append({label, number(mib) + QStringLiteral(" MiB"),
                   number(kib.min() / 1024) + QStringLiteral("–") + number(kib.max() / 1024),
                   QString::number(kib.count()),
                   limitMiB > 0 ? QStringLiteral("< %1 MiB").arg(limitMiB) : QString(),
                   verdict(mib, limitMiB)});
}

void ResultTable::addRatio(const QString &label, double ratio, double limit)
{
    m_rows.append({label, QStringLiteral("%1 ×").arg(QString::number(ratio, 'f', 2)), QString(),
                   QString(), limit > 0 ? QStringLiteral("≤ %1 ×").arg(limit) : QString(),
                   verdict(ratio, limit)});
}

void ResultTable::addRatio(const QString &label, const Samples &ratios, double limit)
{
    const auto times = [](double r) { return QString::number(r, 'f', 2); };
    m_rows.append({label, times(ratios.median()) + QStringLiteral(" ×"),
                   times(ratios.min()) + QStringLiteral("–") + times(ratios.max()),
                   QString::number(ratios.count()),
                   limit > 0 ? QStringLiteral("≤ %1 ×").arg(limit) : QString(),
                   verdict(ratios.median(), limit)});
}

void ResultTable::addFact(const QString &label, const QString &value)
{
    m_rows.append({label, value, QString(), QString(), QString(), QString()});
}

int ResultTable::missedTargets() const
{
    return int(std::count_if(m_rows.begin(), m_rows.end(),
                             [](const Row &row) { return row.verdict.contains(QLatin1String("missed")); }));
}

QString ResultTable::toMarkdown() const
{
    const QStringList head = {QStringLiteral("Measurement"), QStringLiteral("Median"),
                              QStringLiteral("Range"), QStringLiteral("Runs"),
                              QStringLiteral("Target"), QStringLiteral("")};
    int widths[6];
    for (int i = 0; i < 6; ++i)
        widths[i] = int(head[i].size());
    auto cells = [](const Row &r) {
        return QStringList{r.label, r.median, r.range, r.runs, r.target, r.verdict};
    };
    for (const Row &row : m_rows) {
        const QStringList c = cells(row);
        for (int i = 0; i < 6; ++i)
            widths[i] = std::max(widths[i], int(c[i].size()));
    }
    auto line = [&](const QStringList &c) {
        QString text = QStringLiteral("|");
        for (int i = 0; i < 6; ++i)
            text += QLatin1Char(' ') + pad(c[i], widths[i]) + QStringLiteral(" |");
        return text + QLatin1Char('\n');
    };
    QString out = line(head);
    QStringList rule;
    for (int i = 0; i < 6; ++i)
        rule.append(QString(widths[i], QLatin1Char('-')));
    out += line(rule);
    for (const Row &row : m_rows)
        out += line(cells(row));
    return out;
}
