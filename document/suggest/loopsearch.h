// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/suggest/circuittarget.h"
#include "document/suggest/facelattice.h"
#include "document/suggest/loopshape.h"
#include "document/suggest/piecesupply.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QRect>
#include <QVector>

#include <array>
#include <atomic>

// One seeded search for closed laps on a floor, the generator's unit of
// work: a walk over regions of coarse lattices (FaceLattice). Each restart
// lays a new lattice over the floor, or two meeting corner to corner for a
// figure of eight whose lobes cross where they meet; then faces are added
// and taken away one at a time, a change kept when it brings the lap nearer
// the target (as the target estimates it from the lap's outline) and the
// pieces within the supply, and now and then when it does not, so the walk
// does not stick. Every lap that meets both is kept as a candidate, turned
// or mirrored to fit the pieces where needed; equal shapes count once. The work is counted in moves tried, not
// in time, so the same seed finds the same laps on any machine, and what is
// kept is bounded by the floor: a few candidates of each kind.
class LoopSearch
{
public:
    struct Settings
    {
        int columns = 0;
        int rows = 0;
        RoadFamily family = RoadFamily::Circuit;
        CircuitTarget::Window window;
        const CircuitTarget *target = nullptr;  // for closeness; none: every lap is as close
        PieceSupply supply;
        int minStraight = 0;   // straight cells between two corners, at least
        bool crossings = false;
        int keep = 8;          // candidates kept of each kind
        int enough = 12;       // distinct laps found after which the search ends
        qint64 moves = 20000;  // the work budget
    };

    struct Candidate
    {
        LoopShape shape;   // as it is to be laid
        QByteArray key;    // LoopShape::canonicalKey
        LoopShape::Features features;
        double lap = 0;    // cell sides
        double score = 0;
    };

    // What the search met, for saying what held it back.
    struct Tally
    {
        qint64 moves = 0;
        int found = 0;          // distinct laps kept when found
        int repeats = 0;        // laps found again
        int offTarget = 0;      // laps within the supply that miss the target
        int shortOfPieces = 0;  // laps that meet the target but are beyond the supply
        // Of those, what was short most: corners, straights, crossroads.
        std::array<int, 3> shortOf{};
    };

    // The score of a lap: 60 for closeness to the target (1 in the middle of
    // its range, 0 at the ends) and 40 for the share of the floor inside the
    // lap's bounding box, out of 100.
    static double score(double closeness, double floorUse);

    LoopSearch(const Settings &settings, quint64 seed);

    // Stops early, with what it has, when cancel becomes true.
    void run(const std::atomic<bool> *cancel = nullptr);

    // Of each kind the best first (score, then key), the kinds in LapKind's order.
    QVector<Candidate> candidates() const;
    const Tally &tally() const { return m_tally; }

private:
    // The pieces and the length of one lattice's lap, or of both together.
    struct Measure
    {
        std::array<int, 16> counts{};
        int cells = 0;
        LapOutline lap;
        QRect box;
        // A lobe's straight cells beside the crossing corner, along its
        // north-south side and its west-east side, which the crossroads joins
        // with the other lobe's.
        int crossingNorthSouth = 0;
        int crossingWestEast = 0;
    };

    // How far a lap is from what it must meet, and the way to lay it that
    // needs fewest pieces beyond the supply.
    struct Fit
    {
        double off = 0;   // outside the target, in cell sides (CircuitTarget::Estimate)
        int excess = 0;   // pieces beyond the supply
        int symmetry = 0;
        double cost() const;
    };

    void restart();
    QVector<int> lines(int from, int to);
    void startRegion(int lattice, bool full);
    bool step();
    void measure(int lattice);
    void measureRuns(int lattice);
    Measure combined() const;
    Fit fit(const Measure &measure) const;
    void judge(const Measure &measure, const Fit &found);
    int mostShort(const Measure &measure, int symmetry) const;
    void keep(const Measure &measure, int symmetry);
    QVector<QPoint> route() const;
    int randomInt(int low, int high);  // low..high, both included

    Settings m_settings;
    QRandomGenerator m_random;
    std::array<double, 16> m_passLength{};
    int m_minSide = 2;  // cells a lap spans at least each way
    bool m_eightFits = false;

    bool m_eight = false;
    QPoint m_crossing;  // where the lobes of a figure of eight meet
    std::array<FaceLattice, 2> m_lattices;
    std::array<QPoint, 2> m_anchors;  // the faces at the crossing, never taken away
    std::array<QVector<QPoint>, 2> m_boundaries;
    std::array<Measure, 2> m_measures;
    double m_cost = 0;
    int m_sinceKept = 0;
    int m_keptHere = 0;

    std::array<QVector<Candidate>, LoopShape::kinds> m_kept;
    Tally m_tally;
};
