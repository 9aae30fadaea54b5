// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/circuittarget.h"

#include "document/circuitfinder.h"
#include "document/lapmodel.h"
#include "document/suggest/laidcircuit.h"
#include "document/trackfacts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// A lap read to the millimetre is in range: sums of piece lengths taken in
// another order differ in the last bits.
constexpr double slack = 1e-6;

// A square lap of side cells, four corners each followed by side - 2
// straight cells: its length in metres and the middle of its estimate.
struct SquareLap
{
    double metres = 0;
    double seconds = 0;
};

SquareLap squareLap(int side, const Car &car, double cellSize, RoadFamily family)
{
    QVector<QPoint> route;
    for (int k = 0; k < side - 1; ++k)
        route << QPoint(k, 0);
    for (int k = 0; k < side - 1; ++k)
        route << QPoint(side - 1, k);
    for (int k = side - 1; k > 0; --k)
        route << QPoint(k, side - 1);
    for (int k = side - 1; k >= 0; --k)
        route << QPoint(0, k);
    const std::optional<TrackGrid> laid =
        LaidCircuit::lay(LoopShape::fromRoute(route), family, QSize(side, side), QPoint(0, 0));
    if (!laid)
        return {};
    for (const Circuit &circuit : CircuitFinder::find(*laid))
        if (const std::optional<LapTimes> times = LapModel::times(*laid, circuit, car, cellSize))
            return {*circuit.lap * cellSize, LapTimeTarget::middle(*times)};
    return {};
}

// 1 in the middle of low..high, falling to 0 at its ends.
double closenessWithin(double value, double low, double high)
{
    const double half = (high - low) / 2;
    if (half <= 0)
        return 1;
    return std::clamp(1 - std::abs(value - (low + high) / 2) / half, 0.0, 1.0);
}

} // namespace

LapLengthTarget::LapLengthTarget(double minMetres, double maxMetres, double cellSize)
    : m_min(minMetres), m_max(maxMetres), m_cellSize(cellSize)
{
}

CircuitTarget::Window LapLengthTarget::window() const
{
    return {m_min / m_cellSize, m_max / m_cellSize};
}

CircuitTarget::Estimate LapLengthTarget::estimate(const LapOutline &lap) const
{
    const Window range = window();
    return {std::max({0.0, range.low - lap.sides, lap.sides - range.high}), closeness(lap.sides)};
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
    return closenessWithin(lapSides * m_cellSize, m_min, m_max);
}

QString LapLengthTarget::text() const
{
    if (!std::isfinite(m_max))
        return m_min > 0 ? QCoreApplication::translate("CircuitTarget", "at least %1").arg(TrackFacts::metres(m_min, 1))
                         : QCoreApplication::translate("CircuitTarget", "any length");
    return QStringLiteral("%1–%2 m").arg(m_min, 0, 'f', 1).arg(m_max, 0, 'f', 1);
}

LapTimeTarget::LapTimeTarget(double minSeconds, double maxSeconds, const Car &car, double cellSize,
                             RoadFamily family)
    : m_min(minSeconds), m_max(maxSeconds), m_car(car), m_cellSize(cellSize)
{
    for (int straights = 0; straights <= LapOutline::longest; ++straights) {
        const SquareLap square = squareLap(straights + 2, car, cellSize, family);
        m_stretch[size_t(straights)] = square.seconds / 4;
        // Every point of a lap is driven at least as fast as a corner,
        // which the smallest square drives throughout; and every stretch
        // from one corner to the next no faster on average than the longest
        // a floor holds, which the largest square drives four times.
        const double speed = square.seconds > 0 ? square.metres / square.seconds : 0;
        if (straights == 0)
            m_slowest = speed;
        m_fastest = speed;
    }
}

double LapTimeTarget::middle(const LapTimes &times)
{
    return (times.fastest + times.slowest) / 2;
}

CircuitTarget::Window LapTimeTarget::window() const
{
    // A little wider than the speeds say, for sums taken in another order.
    return {m_min * m_slowest / m_cellSize * (1 - slack), m_max * m_fastest / m_cellSize * (1 + slack)};
}

CircuitTarget::Verdict LapTimeTarget::judge(const TrackGrid &laid, const Circuit &circuit) const
{
    Verdict verdict;
    const std::optional<LapTimes> times = LapModel::times(laid, circuit, m_car, m_cellSize);
    if (!times) {
        verdict.distance = std::numeric_limits<double>::infinity();
        return verdict;
    }
    const double seconds = middle(*times);
    verdict.distance = std::max({0.0, m_min - seconds, seconds - m_max});
    verdict.met = verdict.distance <= slack;
    verdict.closeness = verdict.met ? closenessWithin(seconds, m_min, m_max) : 0;
    return verdict;
}

CircuitTarget::Estimate LapTimeTarget::estimate(const LapOutline &lap) const
{
    double seconds = 0;
    for (size_t straights = 0; straights < lap.runs.size(); ++straights)
        seconds += lap.runs[straights] * m_stretch[straights];
    if (!(seconds > 0))
        return {std::numeric_limits<double>::infinity(), 0};
    const double outside = std::max({0.0, m_min - seconds, seconds - m_max});
    const double sidesPerSecond = lap.sides / seconds;
    return {outside * sidesPerSecond, closenessWithin(seconds, m_min, m_max)};
}

QString LapTimeTarget::text() const
{
    return QStringLiteral("%1–%2 s (%3)").arg(m_min, 0, 'f', 1).arg(m_max, 0, 'f', 1).arg(m_car.name);
}
