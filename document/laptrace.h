// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/lapdrive.h"
#include "document/lappath.h"

#include <QColor>
#include <QPointF>
#include <QVector>

// One driven lap as a window shows it: the lap's line in short steps, each
// point with the car's speed there (a trace coloured by speed, a chart of
// speed over distance), where the car is at a time, and the corners where
// it is slowest. Points are in cell sides as the LapPath has them; metres,
// seconds and m/s as the LapDrive has them.
class LapTrace
{
public:
    // Short enough for a smooth curve at the largest zoom, long enough that
    // a lap round a full grid stays a few thousand points.
    static constexpr double sampleStep = 0.05;  // cell sides

    struct Sample
    {
        double metres = 0;  // from the lap's start
        QPointF point;      // cell sides
        double speed = 0;   // m/s
    };
    // A place where the car is slower than just before and just after it:
    // the middle of that stretch.
    struct Corner
    {
        double metres = 0;
        double speed = 0;
    };

    LapTrace() = default;
    // The drive's metres are the path's cell sides times cellSize.
    LapTrace(const LapPath &path, const LapDrive &drive, double cellSize);

    bool isEmpty() const { return m_samples.isEmpty(); }
    const QVector<Sample> &samples() const { return m_samples; }
    const LapDrive &drive() const { return m_drive; }
    double slowest() const { return m_slowest; }
    double fastest() const { return m_fastest; }

    // Where the car is `seconds` after it crossed the start, round the lap
    // again and again, in cell sides, and how far along it is in metres.
    RoadPose poseAt(double seconds) const;
    double metresAt(double seconds) const { return m_drive.metresAt(seconds); }
    // The samples the car has passed at `metres` into its lap.
    int samplesBefore(double metres) const;

    // The slowest corners, slowest first, at most `count`; none on a lap
    // driven at one speed throughout.
    QVector<Corner> slowCorners(int count) const;

    // How fast a speed is on this lap: 0 at its slowest, 1 at its fastest.
    double share(double speed) const;
    // The trace's colour for a share: red, through yellow, to green.
    static QColor speedColour(double share);

private:
    LapPath m_path;
    LapDrive m_drive;
    double m_cellSize = 1;
    QVector<Sample> m_samples;
    double m_slowest = 0;
    double m_fastest = 0;
};
