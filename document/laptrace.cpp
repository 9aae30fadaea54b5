// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/laptrace.h"

#include <algorithm>
#include <cmath>

namespace {

// Speeds that differ by less are one speed: a corner of one radius is
// driven at one speed, computed alike at every point of it.
constexpr double sameSpeed = 1e-6;

// A stretch of equal speeds: points first .. first + count - 1, round the lap.
struct Level
{
    int first = 0;
    int count = 0;
    double speed = 0;
};

// The drive's speeds as levels, starting at the fastest point so that no
// level wraps round the lap's end (unless all is one level).
QVector<Level> levels(const QVector<double> &speeds)
{
    const int n = int(speeds.size());
    const int top = int(std::max_element(speeds.cbegin(), speeds.cend()) - speeds.cbegin());
    int start = top;
    // Back to the first point of the fastest level.
    for (int k = 0; k < n && std::abs(speeds[(start + n - 1) % n] - speeds[top]) < sameSpeed; ++k)
        start = (start + n - 1) % n;
    QVector<Level> list;
    for (int k = 0; k < n; ++k) {
        const int at = (start + k) % n;
        if (list.isEmpty() || std::abs(speeds[at] - list.last().speed) >= sameSpeed)
            list.append({at, 0, speeds[at]});
        ++list.last().count;
    }
    return list;
}

} // namespace

LapTrace::LapTrace(const LapPath &path, const LapDrive &drive, double cellSize)
    : m_path(path), m_drive(drive), m_cellSize(cellSize)
{
    if (path.isEmpty() || drive.isEmpty() || !(cellSize > 0))
        return;
    const int count = std::max(1, int(std::ceil(path.length() / sampleStep)));
    m_samples.reserve(count);
    for (int k = 0; k < count; ++k) {
        const double sides = path.length() * k / count;
        const double metres = sides * cellSize;
        m_samples.append({metres, path.at(sides).point, drive.speedAt(metres)});
    }
    const auto [low, high] = std::minmax_element(drive.speeds().cbegin(), drive.speeds().cend());
    m_slowest = *low;
    m_fastest = *high;
}

RoadPose LapTrace::poseAt(double seconds) const
{
    if (isEmpty())
        return {};
    return m_path.at(m_drive.metresAt(seconds) / m_cellSize);
}

int LapTrace::samplesBefore(double metres) const
{
    const auto after = std::upper_bound(m_samples.cbegin(), m_samples.cend(), metres,
                                        [](double m, const Sample &sample) { return m < sample.metres; });
    return int(after - m_samples.cbegin());
}

QVector<LapTrace::Corner> LapTrace::slowCorners(int count) const
{
    if (isEmpty() || count <= 0)
        return {};
    const QVector<double> &speeds = m_drive.speeds();
    const QVector<double> &points = m_drive.points();
    const QVector<Level> list = levels(speeds);
    const int n = int(list.size());
    QVector<Corner> corners;
    for (int k = 0; n > 1 && k < n; ++k) {
        const Level &level = list[k];
        if (level.speed >= list[(k + n - 1) % n].speed || level.speed >= list[(k + 1) % n].speed)
            continue;
        // The middle of the level, which may run past the lap's end.
        const int last = (level.first + level.count - 1) % int(speeds.size());
        double from = points[level.first], to = points[last];
        if (to < from)
            to += m_drive.metres();
        corners.append({std::fmod((from + to) / 2, m_drive.metres()), level.speed});
    }
    std::stable_sort(corners.begin(), corners.end(),
                     [](const Corner &a, const Corner &b) { return a.speed < b.speed; });
    if (corners.size() > count)
        corners.resize(count);
    return corners;
}

double LapTrace::share(double speed) const
{
    const double range = m_fastest - m_slowest;
    if (!(range > sameSpeed))
        return 1;
    return std::clamp((speed - m_slowest) / range, 0.0, 1.0);
}

QColor LapTrace::speedColour(double share)
{
    // Hue 0 is red, 60 yellow, 120 green; full and a little dark so that the
    // yellow still reads on a light grey floor.
    return QColor::fromHsvF(std::clamp(share, 0.0, 1.0) / 3, 1.0, 0.9);
}
