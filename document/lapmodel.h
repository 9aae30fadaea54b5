// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"
#include "document/lapdrive.h"

#include <QString>
#include <QVector>

#include <optional>

struct Circuit;
class LapPath;
class TrackFacts;
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
    // What "Check connections" says of the grid's facts with `openEnds`
    // open road ends: the facts' own text, and for one circuit with a lap
    // its times too ("No open road ends: 1 circuit, lap 26.9 m, 9.2–10.4 s").
    QString checkText(const TrackGrid &grid, const TrackFacts &facts, int openEnds) const;
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
    // A lap longer than 20 km (cells of a kilometre) is cut into longer steps.
    static constexpr int maxPoints = 2000000;

    // The path's lengths are in cell sides of `cellSize` metres.
    LapModel(const LapPath &path, double cellSize);

    bool isEmpty() const { return m_count == 0; }
    double metres() const { return m_metres; }
    // The lap driven with that handling; empty for an empty path.
    LapDrive drive(const Handling &handling) const;
    LapTimes times(const Car &car) const;

    // The lap times of a circuit of the grid, or none where it has no lap.
    static std::optional<LapTimes> times(const TrackGrid &grid, const Circuit &circuit, const Car &car,
                                         double cellSize);

private:
    // A segment cut into equal steps of at most maxStep, a point at the start
    // of each. The radius the car drives on is infinite on a straight; the
    // point on a join holds the tighter of the two segments, and a kink
    // (no steps of its own) tightens the point it lies on.
    struct Run
    {
        int points = 0;
        int offset = 0;      // the points before it
        double step = 0;     // metres
        double radius = 0;   // metres
        double first = 0;    // the radius at its first point
    };
    // Fills in the speed at each point; returns the lap's seconds, or 0 for
    // an empty path or a handling that is no car's.
    double run(const Handling &handling, QVector<double> &speeds) const;

    QVector<Run> m_runs;
    int m_count = 0;  // points
    double m_metres = 0;
};
