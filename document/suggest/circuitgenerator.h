// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"
#include "document/inventory.h"
#include "document/lapmodel.h"
#include "document/suggest/circuittarget.h"
#include "document/suggest/loopshape.h"
#include "document/trackfacts.h"
#include "document/trackgrid.h"
#include "pieces/roadfamily.h"

#include <QRect>
#include <QString>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

// Suggests circuits for a floor: closed laps of one road family that fit
// the floor, use no more pieces than the club owns and meet a target, the
// cells beside the road the family's plain surface.
//
// Sixteen seeded searches (LoopSearch) run side by side on every core;
// their finds are merged in a fixed order, so the same request gives the
// same suggestions on any machine. Equal laps after turning or mirroring
// count once. The suggestions mix the kinds of lap found (LapKind): in each
// round every kind that has one left gives its best, until enough are
// taken; then they are ranked by score (LoopSearch::score: 60 for closeness
// to the middle of the target, 40 for the share of the floor inside the
// lap's bounding box). Nothing is offered on the searches' word: each lap
// is laid on its floor (LaidCircuit: the route solver's pieces and a start
// line), fitted to the inventory as "Use owned pieces" fits a track, and
// must pass the connection check with no open end, make exactly one
// circuit with a lap, meet the target as judged on the laid track, and
// leave nothing short.
class CircuitGenerator
{
public:
    // What held the suggestions below the number asked for.
    enum class Limit { None, Floor, Straights, Corners, Target, Pieces, Search, Cancelled };

    struct Request
    {
        int columns = 20;
        int rows = 12;
        RoadFamily family = RoadFamily::Circuit;
        std::optional<Inventory> inventory;
        std::shared_ptr<const CircuitTarget> target;  // none: a lap of any length
        double cellSize = TrackFacts::defaultCellSize;  // for the outcome's texts and the lap times
        Car car = Car::classes().first();                 // whose lap times each suggestion has
        bool crossings = false;
        int minStraight = 0;  // straight cells between two corners, at least
        quint64 seed = 1;
        int count = 5;
        qint64 moves = 0;  // each search's budget of moves; 0 for one scaled to the floor
    };

    struct Suggestion
    {
        TrackGrid grid;    // the floor with the lap laid on it
        QRect cells;       // where the lap lies
        double lap = 0;    // in cell sides, as the track's facts measure it
        LapTimes times;    // the request's car's, in its cells
        int pieces = 0;    // the lap's road pieces
        int standIns = 0;  // owned pieces put in for ones the club lacks (a plain straight for the start line)
        LoopShape::Features features;
        double closeness = 0;  // to the target, as it judged the laid track
        double floorUse = 0;   // the share of the floor inside cells
        double score = 0;
    };

    struct Outcome
    {
        QVector<Suggestion> suggestions;  // best score first
        int wanted = 0;
        Limit limit = Limit::None;
        // "Found 5 circuits", "Found 3 circuits of 5: with 6 corners owned, no
        // other layout was found that closes on this floor".
        QString summary;
        int refused = 0;   // laps the checks refused; none unless a search is wrong
        qint64 moves = 0;  // the work done, all searches together
    };

    // For a caller that shows progress and offers to cancel. progress is
    // called on the calling thread as each search ends.
    struct Control
    {
        const std::atomic<bool> *cancel = nullptr;
        std::function<void(int done, int total)> progress;
    };

    static constexpr int searches = 16;
    static constexpr int maxCount = 100;

    static Outcome generate(const Request &request);
    static Outcome generate(const Request &request, const Control &control);
};
