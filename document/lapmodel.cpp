// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lapmodel.h"

#include "document/lappath.h"
#include "document/trackfacts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QLocale>
#include <QCoreApplication>

QString LapTimes::text() const
{
    const QString low = QLocale().toString(fastest, 'f', 1);
    const QString high = QLocale().toString(slowest, 'f', 1);
    return (low == high ? low : low + QStringLiteral("–") + high) + QStringLiteral(" s");
}

QString LapSetup::lapText(const TrackGrid &grid, const Circuit &circuit) const
{
    const std::optional<LapTimes> times = LapModel::times(grid, circuit, car, cellSize);
    if (!times || !circuit.lap)
        return QString();
    return QCoreApplication::translate("LapModel", "lap %1, %2 (%3)").arg(TrackFacts::metres(*circuit.lap, cellSize), times->text(), car.name);
}

QString LapSetup::checkText(const TrackGrid &grid, const TrackFacts &facts, int openEnds) const
{
    QString text = facts.checkText(openEnds, cellSize);
    if (openEnds > 0 || facts.circuits().size() != 1)
        return text;
    if (const std::optional<LapTimes> times = LapModel::times(grid, facts.circuits().first(), car, cellSize))
        text += QStringLiteral(", ") + times->text();
    return text;
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
        m_runs.append({points, m_count, length / points, radius, tighter});
        m_count += points;
        m_metres += length;
        tighter = radius;
    }
    // The lap's end is its start.
    if (!m_runs.isEmpty())
        m_runs.first().first = std::min(m_runs.first().first, tighter);
}

// Forward from the slowest point the car accelerates as far as each point's
// limit lets it, backward from it the car brakes; the lower of the two is its
// speed. At the slowest point the car can always be at that point's limit,
// so starting there makes the lap's end meet its start: a flying lap. The
// passes work on the speed squared, which even acceleration changes by the
// same amount over each metre, and go run by run, round the lap from the
// slowest point and back to it.
double LapModel::run(const Handling &handling, QVector<double> &speeds) const
{
    if (m_count == 0 || !(handling.topSpeed > 0 && handling.grip > 0 && handling.acceleration > 0 && handling.braking > 0))
        return 0;
    const double top = handling.topSpeed * handling.topSpeed;
    const double grip = handling.grip;
    const auto limit = [top, grip](double radius) { return std::min(top, grip * radius); };
    // Past its first point a run holds one radius.
    const int runs = int(m_runs.size());
    int slowRun = 0, slowPoint = 0;
    double tightest = std::numeric_limits<double>::infinity();
    for (int r = 0; r < runs; ++r) {
        const Run &run = m_runs[r];
        for (int p = 0; p < std::min(run.points, 2); ++p) {
            const double radius = p == 0 ? run.first : run.radius;
            if (radius < tightest) {
                tightest = radius;
                slowRun = r;
                slowPoint = p;
            }
        }
    }
    speeds.resize(m_count);
    double *v = speeds.data();
    const int slowest = m_runs[slowRun].offset + slowPoint;

    const double speedUp = 2 * handling.acceleration;
    double v2 = v[slowest] = limit(tightest);
    double step = m_runs[slowRun].step;  // from the last point to this one
    const auto forward = [&](int r, int from, int to) {
        const Run &run = m_runs[r];
        for (int p = from; p < to; ++p) {
            v[run.offset + p] = v2 = std::min(limit(p == 0 ? run.first : run.radius), v2 + speedUp * step);
            step = run.step;
        }
    };
    forward(slowRun, slowPoint + 1, m_runs[slowRun].points);
    for (int r = slowRun + 1; r < runs; ++r)
        forward(r, 0, m_runs[r].points);
    for (int r = 0; r < slowRun; ++r)
        forward(r, 0, m_runs[r].points);
    forward(slowRun, 0, slowPoint);

    // Backward, each point's speed settles, and with the one after it the
    // time of the step between them.
    const double slowDown = 2 * handling.braking;
    double seconds = 0;
    v2 = limit(tightest);
    double after = v[slowest] = std::sqrt(v2);
    const auto backward = [&](int r, int from, int to) {
        const Run &run = m_runs[r];
        for (int p = to - 1; p >= from; --p) {
            v2 = std::min(limit(p == 0 ? run.first : run.radius), v2 + slowDown * run.step);
            const double speed = std::sqrt(std::min(v[run.offset + p], v2));
            seconds += 2 * run.step / (speed + after);
            v[run.offset + p] = after = speed;
        }
    };
    backward(slowRun, 0, slowPoint);
    for (int r = slowRun - 1; r >= 0; --r)
        backward(r, 0, m_runs[r].points);
    for (int r = runs - 1; r > slowRun; --r)
        backward(r, 0, m_runs[r].points);
    backward(slowRun, slowPoint + 1, m_runs[slowRun].points);
    // The step from the slowest point to the next is the one left.
    return seconds + 2 * m_runs[slowRun].step / (v[slowest] + v[(slowest + 1) % m_count]);
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
