// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"
#include "document/trackgrid.h"
#include "pieces/roadfamily.h"

#include <QString>

#include <array>
#include <limits>

struct Circuit;
struct LapTimes;

// A lap as the search knows it before it is laid: its length, and for each
// corner how many straight cells follow it before the next corner (a
// crossroads driven straight over counts as a straight). A lap of the
// family's pieces is driven corner to corner at the same corner speed, so
// its time is the sum of the times of those stretches.
struct LapOutline
{
    static constexpr int longest = TrackGrid::side - 2;  // straight cells a floor holds in a row

    double sides = 0;                   // the lap's length in cell sides
    std::array<int, longest + 1> runs{};  // runs[n]: the corners followed by n straight cells
};

// What a suggested circuit is to meet: a lap length, or a lap time for a
// car. window() bounds the lap lengths that can meet it, for what a floor
// and the pieces owned rule out at once; the search walks towards laps that
// estimate() puts inside, which must agree with judge(); and every
// suggestion is judged on its laid track by judge() before it is offered. Targets are used from several threads at
// once, so every member must be safe to call concurrently.
class CircuitTarget
{
public:
    // Lap lengths in cell sides.
    struct Window
    {
        double low = 0;
        double high = std::numeric_limits<double>::infinity();
    };

    struct Verdict
    {
        bool met = false;
        // How far outside the target, in its own unit (metres, seconds); 0 inside.
        double distance = 0;
        // 1 in the middle of the target, falling to 0 at its ends; 1 for a
        // target without ends.
        double closeness = 0;
    };

    // judge()'s reading of a lap from its outline, while the search has no
    // track yet.
    struct Estimate
    {
        double off = 0;  // outside the target, in cell sides of lap; 0 inside
        double closeness = 0;
    };

    virtual ~CircuitTarget() = default;

    virtual Window window() const = 0;
    // The circuit is the laid track's one circuit, which has a lap.
    virtual Verdict judge(const TrackGrid &laid, const Circuit &circuit) const = 0;
    virtual Estimate estimate(const LapOutline &lap) const = 0;
    // "20.0–30.0 m", for the outcome's texts.
    virtual QString text() const = 0;
};

// A lap between two lengths in metres, for cells of cellSize metres; a
// maximum of infinity has no upper end.
class LapLengthTarget final : public CircuitTarget
{
public:
    LapLengthTarget(double minMetres, double maxMetres, double cellSize);

    Window window() const override;
    Verdict judge(const TrackGrid &laid, const Circuit &circuit) const override;
    Estimate estimate(const LapOutline &lap) const override;
    QString text() const override;

    double minMetres() const { return m_min; }
    double maxMetres() const { return m_max; }
    double cellSize() const { return m_cellSize; }

private:
    double closeness(double lapSides) const;

    double m_min;
    double m_max;
    double m_cellSize;
};

// A lap time between two figures in seconds for a car: met when the middle
// of the car's estimate (LapModel: the mean of its times on the grippy and
// on the slippery floor) lies within them. The middle rather than the whole
// estimate: the estimate spreads by about a tenth between the floors, so a
// range as narrow as a club asks for ("9 to 10 seconds") could otherwise
// hold no lap at all, and a club's floor lies somewhere between the two.
class LapTimeTarget final : public CircuitTarget
{
public:
    // Cells of cellSize metres laid with the family's pieces.
    LapTimeTarget(double minSeconds, double maxSeconds, const Car &car, double cellSize,
                  RoadFamily family = RoadFamily::Circuit);

    // From the slowest lap a metre can be driven in (corner after corner)
    // to the fastest (straights as long as the largest floor holds): every
    // lap that meets the target has a length within.
    Window window() const override;
    Verdict judge(const TrackGrid &laid, const Circuit &circuit) const override;
    // The lap's time as the sum of its stretches from corner to corner,
    // each timed once on a square lap; outside the target it counts the
    // seconds as the cell sides a lap of average speed drives in them.
    Estimate estimate(const LapOutline &lap) const override;
    // "9.0–12.0 s (1:28 stock)"
    QString text() const override;

    double minSeconds() const { return m_min; }
    double maxSeconds() const { return m_max; }
    const Car &car() const { return m_car; }
    double cellSize() const { return m_cellSize; }
    // The middle of an estimate, as the target reads it.
    static double middle(const LapTimes &times);

private:
    double m_min;
    double m_max;
    Car m_car;
    double m_cellSize;
    // For each number of straight cells, the seconds (the middle of the
    // estimate) from a corner's start over those cells to the next corner.
    std::array<double, LapOutline::longest + 1> m_stretch{};
    // The laps' average speeds in metres a second, the middle of the estimate.
    double m_slowest = 0;
    double m_fastest = 0;
};
