// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <limits>

struct Circuit;
class TrackGrid;

// What a suggested circuit is to meet: a lap length now, a lap time once
// the track knows how fast it races. The search aims at window(), a range
// of lap lengths that can meet the target, and every suggestion is judged
// on its laid track by judge() before it is offered. Targets are used from
// several threads at once, so both must be safe to call concurrently.
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

    virtual ~CircuitTarget() = default;

    virtual Window window() const = 0;
    // The circuit is the laid track's one circuit, which has a lap.
    virtual Verdict judge(const TrackGrid &laid, const Circuit &circuit) const = 0;
    // judge()'s closeness for a lap of that length, while the search has no
    // track yet.
    virtual double closeness(double lapSides) const = 0;
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
    double closeness(double lapSides) const override;
    QString text() const override;

    double minMetres() const { return m_min; }
    double maxMetres() const { return m_max; }
    double cellSize() const { return m_cellSize; }

private:
    double m_min;
    double m_max;
    double m_cellSize;
};
