// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/edgeprofile.h"

#include <QStringList>

#include <algorithm>

EdgeProfile::EdgeProfile(EdgeSpan span)
    : m_spans{span}
{
    Q_ASSERT(0 <= span.from && span.from < span.to && span.to <= length);
}

EdgeProfile EdgeProfile::road(int from, int to)
{
    return EdgeProfile({EdgeSpan::Road, from, to});
}

EdgeProfile EdgeProfile::paved(int from, int to)
{
    return EdgeProfile({EdgeSpan::Paved, from, to});
}

EdgeProfile EdgeProfile::operator+(const EdgeProfile &other) const
{
    // Kept in order so that equal edges have equal span lists, however the
    // table happens to write them.
    EdgeProfile sum = *this;
    sum.m_spans += other.m_spans;
    std::sort(sum.m_spans.begin(), sum.m_spans.end(),
              [](const EdgeSpan &a, const EdgeSpan &b) { return a.from < b.from; });
    return sum;
}

EdgeProfile EdgeProfile::reversed() const
{
    EdgeProfile result;
    for (auto it = m_spans.crbegin(); it != m_spans.crend(); ++it)
        result.m_spans.append({it->kind, length - it->to, length - it->from});
    return result;
}

QString EdgeProfile::toString() const
{
    if (m_spans.isEmpty())
        return QStringLiteral("nothing");
    QStringList parts;
    for (const EdgeSpan &span : m_spans)
        parts << QStringLiteral("%1 %2-%3")
                     .arg(span.kind == EdgeSpan::Road ? QStringLiteral("road") : QStringLiteral("paved"))
                     .arg(span.from)
                     .arg(span.to);
    return parts.join(QStringLiteral(" + "));
}
