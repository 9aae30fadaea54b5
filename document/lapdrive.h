// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVector>

// One car's flying lap as the lap model drives it: its speed at points along
// the lap at most 1 cm apart (the first at the lap's start, one on every
// join of two segments) and the time it passes each. Metres and seconds
// throughout. A window that shows the lap asks where the car is at a time
// (metresAt, then the LapPath's pose at those metres over the cell side) and
// how fast it goes at a place (speedAt); speeds() and points() draw a chart
// and mark its slowest corners.
class LapDrive
{
public:
    LapDrive() = default;
    // The points' distances from the lap's start, rising from 0 and all
    // short of `metres`, and the car's speed at each, all positive. The lap
    // closes: after the last point comes the first again.
    LapDrive(const QVector<double> &points, const QVector<double> &speeds, double metres);

    bool isEmpty() const { return m_speeds.isEmpty(); }
    double seconds() const { return m_times.isEmpty() ? 0 : m_times.last(); }
    double metres() const { return m_metres; }
    double averageSpeed() const { return isEmpty() ? 0 : m_metres / seconds(); }
    const QVector<double> &points() const { return m_points; }
    const QVector<double> &speeds() const { return m_speeds; }

    // At `metres` from the lap's start, round it again past its end.
    double speedAt(double metres) const;
    double timeAt(double metres) const;
    // Where the car is `seconds` after it crossed the lap's start, round it again.
    double metresAt(double seconds) const;

private:
    // The step from point k to the next: its length and its end's speed.
    double stepLength(int k) const;
    double speedAfter(int k) const { return m_speeds[(k + 1) % m_speeds.size()]; }
    // The step a distance falls in, and how far into it.
    int stepAt(double metres, double &into) const;

    QVector<double> m_points;
    QVector<double> m_speeds;
    QVector<double> m_times;  // at each point, and the lap's time last
    double m_metres = 0;
};
