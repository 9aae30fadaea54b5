// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"
#include "document/lapdrive.h"

#include <QString>
#include <QVector>

#include <optional>

struct Circuit;
class LapPath;
class TrackGrid;

// A lap's time on the grippy and on the slippery floor, in seconds.
struct LapTimes
{
    double fastest = 0;
    double slowest = 0;

    // "9.2–10.4 s", or "9.2 s" where both round alike.
    QString text() const;
};

// What lap times are estimated for: a car, and the side of a cell in metres.
struct LapSetup
{
    Car car = Car::classes().first();
    double cellSize = 0.5;

    // "lap 26.9 m, 9.2–10.4 s (1:28 stock)" for a circuit of the grid, or an
    // empty text for a circuit without a lap.
    QString lapText(const TrackGrid &grid, const Circuit &circuit) const;
};

// The lap time as a first estimate of lap-time simulation has it: the car is
// a point that drives the centre line, in each corner no faster than its
// grip holds (the speed v where v² / r is the grip, r the corner's radius),
// never faster than its top speed, and between corners as fast as it can
// accelerate out of the last one and still brake for the next. The lap is a
// flying one, as in a race: the car crosses the line at the speed it comes
// round with. Drivers, tyres, traffic and the weight shifting in a car are
// left out, so real laps differ; a club calibrates with one measured lap.
class LapModel
{
public:
    static constexpr double maxStep = 0.01;  // metres between points

    // The path's lengths are in cell sides of `cellSize` metres.
    LapModel(const LapPath &path, double cellSize);

    bool isEmpty() const { return m_radius.isEmpty(); }
    double metres() const { return m_metres; }
    // The lap driven with that handling; empty for an empty path.
    LapDrive drive(const Handling &handling) const;
    LapTimes times(const Car &car) const;

    // The lap times of a circuit of the grid, or none where it has no lap.
    static std::optional<LapTimes> times(const TrackGrid &grid, const Circuit &circuit, const Car &car,
                                         double cellSize);

private:
    // Each segment is cut into equal steps of at most maxStep; a point on a
    // join holds the tighter of the two segments, a kink its own radius.
    QVector<double> m_points;  // metres from the lap's start
    // The radius the car drives on at each point, in metres; infinite on a straight.
    QVector<double> m_radius;
    double m_metres = 0;
};
