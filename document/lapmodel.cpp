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
    const double lap = path.length() * cellSize;
    if (path.isEmpty() || !(lap > 0) || !std::isfinite(lap))
        return;
    // Steps of 1 cm, unless the lap is longer than a model car ever drives.
    const double most = std::max(maxStep, lap / maxPoints);
    constexpr double straight = std::numeric_limits<double>::infinity();
    double tighter = straight;
    for (const LapPath::Stretch &stretch : path.stretches()) {
        const RoadSegment &segment = stretch.segment;
        const double radius = segment.kind == RoadSegment::Straight ? straight : segment.radius * cellSize;
        tighter = std::min(tighter, radius);
        const double length = segment.length * cellSize;
        const int points = int(std::ceil(length / most));
        if (points == 0)
            continue;  // a kink
        m_runs.append({points, length / points, radius, tighter});
        m_count += points;
        m_metres += length;
        tighter = radius;
    }
    // The lap's end is its start.
    if (!m_runs.isEmpty())
        m_runs.first().first = std::min(m_runs.first().first, tighter);
}

double LapModel::radiusAt(const Place &place) const
{
    const Run &run = m_runs[place.run];
    return place.point == 0 ? run.first : run.radius;
}

void LapModel::next(Place &place) const
{
    ++place.index;
    if (++place.point == m_runs[place.run].points) {
        place.point = 0;
        if (++place.run == m_runs.size())
            place = Place();
    }
}

void LapModel::previous(Place &place) const
{
    if (place.index == 0)
        place = {int(m_runs.size()) - 1, m_runs.last().points, m_count};
    --place.index;
    if (--place.point < 0)
        place.point = m_runs[--place.run].points - 1;
}

// Forward from the slowest point the car accelerates as far as each point's
// limit lets it, backward from it the car brakes; the lower of the two is its
// speed. At the slowest point the car can always be at that point's limit,
// so starting there makes the lap's end meet its start: a flying lap. The
// passes work on the speed squared, which even acceleration changes by the
// same amount over each metre.
double LapModel::run(const Handling &handling, QVector<double> &speeds) const
{
    if (m_count == 0 || !(handling.topSpeed > 0 && handling.grip > 0 && handling.acceleration > 0 && handling.braking > 0))
        return 0;
    const double top = handling.topSpeed * handling.topSpeed;
    const auto limit = [top, &handling](double radius) { return std::min(top, handling.grip * radius); };
    Place slowest;
    double tightest = std::numeric_limits<double>::infinity();
    for (Place at; ; ) {
        if (radiusAt(at) < tightest) {
            tightest = radiusAt(at);
            slowest = at;
        }
        // Past its first point a run holds one radius.
        at = {at.run, m_runs[at.run].points - 1, at.index + m_runs[at.run].points - 1};
        next(at);
        if (at.index == 0)
            break;
    }
    speeds.resize(m_count);
    double *v = speeds.data();
    const double speedUp = 2 * handling.acceleration, slowDown = 2 * handling.braking;
    Place at = slowest;
    double v2 = v[at.index] = limit(tightest);
    for (int j = 1; j < m_count; ++j) {
        const double step = m_runs[at.run].step;
        next(at);
        v[at.index] = v2 = std::min(limit(radiusAt(at)), v2 + speedUp * step);
    }
    // Backward, each point's speed settles, and with the one after it the
    // time of the step between them.
    double seconds = 0;
    at = slowest;
    v2 = limit(tightest);
    double after = v[at.index] = std::sqrt(v2);
    for (int j = 1; j < m_count; ++j) {
        previous(at);
        const double step = m_runs[at.run].step;
        v2 = std::min(limit(radiusAt(at)), v2 + slowDown * step);
        const double speed = std::sqrt(std::min(v[at.index], v2));
        seconds += 2 * step / (speed + after);
        v[at.index] = after = speed;
    }
    // The step from the slowest point to the next is the one left.
    Place following = slowest;
    next(following);
    return seconds + 2 * m_runs[slowest.run].step / (v[slowest.index] + v[following.index]);
}

LapDrive LapModel::drive(const Handling &handling) const
{
    QVector<double> speeds;
    if (run(handling, speeds) == 0)
        return {};
    QVector<double> points;
    points.reserve(m_count);
    double start = 0;
    for (const Run &run : m_runs) {
        for (int k = 0; k < run.points; ++k)
            points.append(start + run.step * k);
        start += run.step * run.points;
    }
    return LapDrive(points, speeds, m_metres);
}

LapTimes LapModel::times(const Car &car) const
{
    QVector<double> speeds;
    const double fastest = run(car.onHighGrip(), speeds);
    return {fastest, run(car.onLowGrip(), speeds)};
}

std::optional<LapTimes> LapModel::times(const TrackGrid &grid, const Circuit &circuit, const Car &car,
                                        double cellSize)
{
    const LapModel model(LapPath::of(grid, circuit), cellSize);
    if (model.isEmpty())
        return std::nullopt;
    return model.times(car);
}
