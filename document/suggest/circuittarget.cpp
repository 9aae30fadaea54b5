// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/circuittarget.h"

#include "document/circuitfinder.h"
#include "document/trackfacts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// A lap read to the millimetre is in range: sums of piece lengths taken in
// another order differ in the last bits.
constexpr double slack = 1e-6;

} // namespace

LapLengthTarget::LapLengthTarget(double minMetres, double maxMetres, double cellSize)
    : m_min(minMetres), m_max(maxMetres), m_cellSize(cellSize)
{
}

CircuitTarget::Window LapLengthTarget::window() const
{
    return {m_min / m_cellSize, m_max / m_cellSize};
}

CircuitTarget::Verdict LapLengthTarget::judge(const TrackGrid &, const Circuit &circuit) const
{
    const double metres = circuit.lap.value_or(0) * m_cellSize;
    Verdict verdict;
    verdict.distance = std::max({0.0, m_min - metres, metres - m_max});
    verdict.met = circuit.lap && verdict.distance <= slack;
    verdict.closeness = verdict.met ? closeness(*circuit.lap) : 0;
    return verdict;
}

double LapLengthTarget::closeness(double lapSides) const
{
    if (!std::isfinite(m_max))
        return 1;
    const double half = (m_max - m_min) / 2;
    if (half <= 0)
        return 1;
    const double off = std::abs(lapSides * m_cellSize - (m_min + m_max) / 2);
    return std::clamp(1 - off / half, 0.0, 1.0);
}

QString LapLengthTarget::text() const
{
    if (!std::isfinite(m_max))
        return m_min > 0 ? QCoreApplication::translate("CircuitTarget", "at least %1").arg(TrackFacts::metres(m_min, 1))
                         : QCoreApplication::translate("CircuitTarget", "any length");
    return QStringLiteral("%1–%2 m").arg(m_min, 0, 'f', 1).arg(m_max, 0, 'f', 1);
}
