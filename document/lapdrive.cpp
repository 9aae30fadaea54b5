// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/lapdrive.h"

#include <algorithm>
#include <cmath>

// Between two points the car brakes, accelerates or holds its speed evenly,
// so a step takes its length over the mean of the speeds at its ends.
LapDrive::LapDrive(const QVector<double> &points, const QVector<double> &speeds, double metres)
    : m_points(points), m_speeds(speeds), m_metres(metres)
{
    const int n = int(m_speeds.size());
    m_times.resize(n + 1);
    m_times[0] = 0;
    if (n == 0)
        return;
    const double *at = m_points.constData();
    const double *v = m_speeds.constData();
    for (int k = 0; k + 1 < n; ++k)
        m_times[k + 1] = m_times[k] + 2 * (at[k + 1] - at[k]) / (v[k] + v[k + 1]);
    m_times[n] = m_times[n - 1] + 2 * (m_metres - at[n - 1]) / (v[n - 1] + v[0]);
}

double LapDrive::stepLength(int k) const
{
    return (k + 1 < m_points.size() ? m_points[k + 1] : m_metres) - m_points[k];
}

int LapDrive::stepAt(double metres, double &into) const
{
    double along = std::fmod(metres, m_metres);
    if (along < 0)
        along += m_metres;
    const int k = int(std::upper_bound(m_points.cbegin(), m_points.cend(), along) - m_points.cbegin()) - 1;
    const int at = std::clamp(k, 0, int(m_points.size()) - 1);
    into = std::min(along - m_points[at], stepLength(at));
    return at;
}

double LapDrive::speedAt(double metres) const
{
    if (isEmpty())
        return 0;
    double into = 0;
    const int k = stepAt(metres, into);
    const double v0 = m_speeds[k], v1 = speedAfter(k);
    // v² changes evenly along a step of even acceleration.
    return std::sqrt(v0 * v0 + (v1 * v1 - v0 * v0) * into / stepLength(k));
}

double LapDrive::timeAt(double metres) const
{
    if (isEmpty())
        return 0;
    double into = 0;
    const int k = stepAt(metres, into);
    return m_times[k] + 2 * into / (m_speeds[k] + speedAt(metres));
}

double LapDrive::metresAt(double seconds) const
{
    if (isEmpty())
        return 0;
    double t = std::fmod(seconds, this->seconds());
    if (t < 0)
        t += this->seconds();
    const int k = int(std::upper_bound(m_times.cbegin(), m_times.cend(), t) - m_times.cbegin()) - 1;
    const int at = std::clamp(k, 0, int(m_speeds.size()) - 1);
    // Within the step the speed changes evenly in time: s = v0 t + a t² / 2.
    const double v0 = m_speeds[at], v1 = speedAfter(at);
    const double dt = t - m_times[at];
    const double a = (v1 - v0) / (m_times[at + 1] - m_times[at]);
    return m_points[at] + std::min(stepLength(at), v0 * dt + a * dt * dt / 2);
}
