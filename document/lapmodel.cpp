// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lapmodel.h"

#include "document/lappath.h"
#include "document/trackfacts.h"

#include <algorithm>
#include <cmath>
#include <limits>

QString LapTimes::text() const
{
    const QString low = QString::number(fastest, 'f', 1);
    const QString high = QString::number(slowest, 'f', 1);
    return (low == high ? low : low + QStringLiteral("–") + high) + QStringLiteral(" s");
}

QString LapSetup::lapText(const TrackGrid &grid, const Circuit &circuit) const
{
    const std::optional<LapTimes> times = LapModel::times(grid, circuit, car, cellSize);
    if (!times || !circuit.lap)
        return QString();
    return QStringLiteral("lap %1, %2 (%3)").arg(TrackFacts::metres(*circuit.lap, cellSize), times->text(), car.name);
}

LapModel::LapModel(const LapPath &path, double cellSize)
{
    if (path.isEmpty() || !(path.length() * cellSize > 0))
        return;
    constexpr double straight = std::numeric_limits<double>::infinity();
    m_points.append(0);
    m_radius.append(straight);
    for (const LapPath::Stretch &stretch : path.stretches()) {
        const double radius = stretch.segment.kind == RoadSegment::Straight ? straight : stretch.segment.radius * cellSize;
        m_radius.last() = std::min(m_radius.last(), radius);
        const double length = stretch.segment.length * cellSize;
        const int steps = int(std::ceil(length / maxStep));
        for (int k = 1; k <= steps; ++k) {
            m_points.append(m_metres + length * k / steps);
            m_radius.append(radius);
        }
        m_metres += length;
    }
    // The lap's end is its start.
    m_radius.first() = std::min(m_radius.first(), m_radius.last());
    m_points.removeLast();
    m_radius.removeLast();
}

// Forward from the slowest point the car accelerates as far as each point's
// limit lets it, backward from it the car brakes; the lower of the two is its
// speed. At the slowest point the car can always be at that point's limit,
// so starting there makes the lap's end meet its start: a flying lap.
LapDrive LapModel::drive(const Handling &handling) const
{
    const int n = int(m_radius.size());
    if (n == 0 || !(handling.topSpeed > 0 && handling.grip > 0 && handling.acceleration > 0 && handling.braking > 0))
        return {};
    QVector<double> limit(n);
    for (int k = 0; k < n; ++k)
        limit[k] = std::min(handling.topSpeed, std::sqrt(handling.grip * m_radius[k]));
    const int slowest = int(std::min_element(limit.cbegin(), limit.cend()) - limit.cbegin());
    const auto step = [this, n](int k) { return (k + 1 < n ? m_points[k + 1] : m_metres) - m_points[k]; };
    QVector<double> speed(n);
    double v = limit[slowest];
    speed[slowest] = v;
    for (int j = 1; j < n; ++j) {
        const int k = (slowest + j) % n;
        v = std::min(limit[k], std::sqrt(v * v + 2 * handling.acceleration * step((k + n - 1) % n)));
        speed[k] = v;
    }
    v = limit[slowest];
    for (int j = 1; j < n; ++j) {
        const int k = (slowest - j + n) % n;
        v = std::min(limit[k], std::sqrt(v * v + 2 * handling.braking * step(k)));
        speed[k] = std::min(speed[k], v);
    }
    return LapDrive(m_points, speed, m_metres);
}

LapTimes LapModel::times(const Car &car) const
{
    return {drive(car.onHighGrip()).seconds(), drive(car.onLowGrip()).seconds()};
}

std::optional<LapTimes> LapModel::times(const TrackGrid &grid, const Circuit &circuit, const Car &car,
                                        double cellSize)
{
    const LapModel model(LapPath::of(grid, circuit), cellSize);
    if (model.isEmpty())
        return std::nullopt;
    return model.times(car);
}
