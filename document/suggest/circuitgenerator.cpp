// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/suggest/circuitgenerator.h"

#include "document/suggest/laidcircuit.h"
#include "document/suggest/loopsearch.h"
#include "document/suggest/piecesupply.h"
#include "pieces/piecetable.h"

#include <QCoreApplication>
#include <QHash>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>

namespace {

using Generator = CircuitGenerator;

const EdgeSet cornerSets[] = {
    EdgeSets::of(Edge::East) | EdgeSets::of(Edge::South), EdgeSets::of(Edge::South) | EdgeSets::of(Edge::West),
    EdgeSets::of(Edge::North) | EdgeSets::of(Edge::East), EdgeSets::of(Edge::West) | EdgeSets::of(Edge::North)};

QString metres(double sides, double cellSize)
{
    return TrackFacts::metres(sides, cellSize);
}

QString targetText(const Generator::Request &request)
{
    return request.target ? request.target->text() : QCoreApplication::translate("CircuitGenerator", "any length");
}

struct Finding
{
    Generator::Limit limit = Generator::Limit::None;
    QString text;
};

// What rules out every circuit before any search: the floor, the straights
// asked for, the corners owned, a target no lap on the floor can meet.
Finding provableLimit(const Generator::Request &request, const PieceSupply &supply)
{
    using Limit = Generator::Limit;
    if (request.columns > TrackGrid::side || request.rows > TrackGrid::side)
        return {Limit::Floor, QCoreApplication::translate("CircuitGenerator", "a floor has at most 30 × 30 cells")};
    if (request.columns < 2 || request.rows < 2)
        return {Limit::Floor, QCoreApplication::translate("CircuitGenerator", "a circuit needs a floor of at least 2 × 2 cells")};
    const int side = request.minStraight + 2;
    if (request.columns < side || request.rows < side)
        return {Limit::Straights, QCoreApplication::translate("CircuitGenerator", "with %1 straight cells or more between corners a circuit needs a "
                                                 "floor of at least %2 × %2 cells")
                                      .arg(request.minStraight)
                                      .arg(side)};
    const RoadPieces &roads = RoadPieces::of(request.family);
    // Every lap has each of the four corners: where it is furthest north-west,
    // north-east, south-west and south-east.
    for (EdgeSet corner : cornerSets)
        if (supply.road(corner) == 0)
            return {Limit::Corners,
                    QCoreApplication::translate("CircuitGenerator", "a circuit needs each of the four corners, and no %1 (%2) is owned")
                        .arg(PieceTable::shownName(roads.piece(corner)), QString::fromLatin1(roads.piece(corner)))};
    const CircuitTarget::Window window = request.target ? request.target->window() : CircuitTarget::Window();
    const double corner = LoopShape::driven(request.family, cornerSets[0]);
    const double straight = LoopShape::driven(request.family, EdgeSets::westEast);
    const double smallest = 4 * corner + 4 * request.minStraight * straight;
    if (smallest > window.high)
        return {Limit::Target, QCoreApplication::translate("CircuitGenerator", "no circuit laps as little as %1: the smallest laps %2")
                                   .arg(targetText(request), metres(smallest, request.cellSize))};
    // No cell carries more than a straight's road, a crossing twice that.
    const double floorRoad = double(request.columns) * request.rows * straight * (request.crossings ? 2 : 1);
    if (floorRoad < window.low)
        return {Limit::Target, QCoreApplication::translate("CircuitGenerator", "no lap of %1 fits a floor of %2 × %3 cells")
                                   .arg(targetText(request))
                                   .arg(request.columns)
                                   .arg(request.rows)};
    if (supply.isLimited()) {
        double owned = 0;
        for (EdgeSet edges = 1; edges < EdgeSets::all; ++edges)
            owned += double(supply.road(edges)) * LoopShape::driven(request.family, edges);
        if (request.crossings)
            owned += 2.0 * supply.road(EdgeSets::all) * LoopShape::driven(request.family, EdgeSets::all);
        if (owned < window.low)
            return {Limit::Pieces, QCoreApplication::translate("CircuitGenerator", "the pieces owned make at most %1 of road, short of a lap of %2")
                                       .arg(metres(owned, request.cellSize), targetText(request))};
    }
    return {};
}

qint64 defaultMoves(const Generator::Request &request)
{
    return 3000 + 30 * qint64(request.columns) * request.rows;
}

quint64 seedOf(quint64 seed, int search)
{
    // splitmix64: neighbouring seeds give unrelated searches.
    quint64 z = seed * Generator::searches + quint64(search) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The lap laid in the middle of the floor, on the family's plain surface.
std::optional<Generator::Suggestion> lay(const Generator::Request &request, const LoopSearch::Candidate &candidate)
{
    const QPoint offset((request.columns - candidate.shape.width()) / 2,
                        (request.rows - candidate.shape.height()) / 2);
    std::optional<TrackGrid> laid =
        LaidCircuit::lay(candidate.shape, request.family, QSize(request.columns, request.rows), offset);
    if (!laid)
        return std::nullopt;
    Generator::Suggestion suggestion;
    suggestion.grid = std::move(*laid);
    suggestion.cells = QRect(offset, QSize(candidate.shape.width(), candidate.shape.height()));
    suggestion.features = candidate.features;
    return suggestion;
}

// Everything a suggestion promises, checked on the laid track alone.
bool check(const Generator::Request &request, Generator::Suggestion &suggestion)
{
    const TrackFacts facts(suggestion.grid);
    if (!facts.openEnds().isEmpty() || !facts.unknown().isEmpty() || facts.circuits().size() != 1)
        return false;
    const Circuit &circuit = facts.circuits().first();
    if (!circuit.closed || !circuit.lap)
        return false;
    CircuitTarget::Verdict verdict;
    verdict.met = true;
    verdict.closeness = 1;
    if (request.target)
        verdict = request.target->judge(suggestion.grid, circuit);
    if (!verdict.met)
        return false;
    if (request.inventory) {
        const OwnedPieces::Result fitted = PieceSupply::fit(suggestion.grid, request.family, *request.inventory);
        if (!fitted.stillShort.isEmpty())
            return false;
        // Pieces that stand in change no connection, circuit or lap.
        suggestion.grid = fitted.grid;
        suggestion.standIns = int(fitted.changes.size());
    }
    const QByteArray &plain = RoadPieces::of(request.family).plain();
    for (int column = 0; column < request.columns; ++column)
        for (int row = 0; row < request.rows; ++row)
            if (!std::binary_search(circuit.cells.cbegin(), circuit.cells.cend(), TrackGrid::index(column, row))
                && suggestion.grid.cell(column, row).code != plain)
                return false;
    suggestion.lap = *circuit.lap;
    suggestion.times = LapModel::times(suggestion.grid, circuit, request.car, request.cellSize).value_or(LapTimes());
    suggestion.pieces = int(circuit.cells.size());
    suggestion.closeness = verdict.closeness;
    suggestion.floorUse =
        double(suggestion.cells.width() * suggestion.cells.height()) / (request.columns * request.rows);
    suggestion.score = LoopSearch::score(suggestion.closeness, suggestion.floorUse);
    return true;
}

bool ranksBefore(const LoopSearch::Candidate &a, const LoopSearch::Candidate &b)
{
    return a.score != b.score ? a.score > b.score : a.key < b.key;
}

// The searches' finds, each lap once with its best score, by kind, best first.
std::array<QVector<LoopSearch::Candidate>, LoopShape::kinds> merged(const std::vector<LoopSearch> &searches)
{
    QHash<QByteArray, std::pair<int, int>> placeOf;  // key: kind, index
    std::array<QVector<LoopSearch::Candidate>, LoopShape::kinds> byKind;
    for (const LoopSearch &search : searches) {
        for (const LoopSearch::Candidate &candidate : search.candidates()) {
            const auto known = placeOf.constFind(candidate.key);
            if (known != placeOf.constEnd()) {
                LoopSearch::Candidate &earlier = byKind[size_t(known->first)][known->second];
                if (ranksBefore(candidate, earlier))
                    earlier = candidate;
                continue;
            }
            QVector<LoopSearch::Candidate> &kind = byKind[size_t(candidate.features.kind())];
            placeOf.insert(candidate.key, {int(candidate.features.kind()), int(kind.size())});
            kind.append(candidate);
        }
    }
    for (QVector<LoopSearch::Candidate> &kind : byKind)
        std::sort(kind.begin(), kind.end(), ranksBefore);
    return byKind;
}

// In rounds, the best left of every kind that has one, the kinds in the
// order of those bests, each checked on its laid track. A rectangle is the
// lap with most floor for its length, so it would win every round: one is
// enough while laps of other kinds are left.
QVector<Generator::Suggestion> choose(const Generator::Request &request,
                                      std::array<QVector<LoopSearch::Candidate>, LoopShape::kinds> byKind,
                                      int &refused)
{
    QVector<Generator::Suggestion> chosen;
    std::array<int, LoopShape::kinds> next{};
    const int rectangle = int(LapKind::Rectangle);
    auto left = [&](int kind) { return next[size_t(kind)] < byKind[size_t(kind)].size(); };
    while (chosen.size() < request.count) {
        QVector<int> kinds;
        for (int kind = 0; kind < LoopShape::kinds; ++kind)
            if (left(kind) && kind != rectangle)
                kinds.append(kind);
        if (left(rectangle) && (next[size_t(rectangle)] == 0 || kinds.isEmpty()))
            kinds.append(rectangle);
        if (kinds.isEmpty())
            break;
        std::stable_sort(kinds.begin(), kinds.end(), [&](int a, int b) {
            return ranksBefore(byKind[size_t(a)][next[size_t(a)]], byKind[size_t(b)][next[size_t(b)]]);
        });
        for (int kind : std::as_const(kinds)) {
            const QVector<LoopSearch::Candidate> &list = byKind[size_t(kind)];
            for (; next[size_t(kind)] < list.size(); ++next[size_t(kind)]) {
                std::optional<Generator::Suggestion> suggestion = lay(request, list[next[size_t(kind)]]);
                if (suggestion && check(request, *suggestion)) {
                    chosen.append(*suggestion);
                    ++next[size_t(kind)];
                    break;
                }
                ++refused;
            }
            if (chosen.size() == request.count)
                break;
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), [](const Generator::Suggestion &a, const Generator::Suggestion &b) {
        return a.score > b.score;
    });
    return chosen;
}

QString circuits(int count)
{
    return count == 1 ? QCoreApplication::translate("CircuitGenerator", "1 circuit")
                      : QCoreApplication::translate("CircuitGenerator", "%n circuits", nullptr, count);
}

int ownedOf(const PieceSupply &supply, int group)
{
    const EdgeSet straights[] = {EdgeSets::westEast, EdgeSets::northSouth};
    int owned = 0;
    if (group == 0)
        for (EdgeSet corner : cornerSets)
            owned += supply.road(corner);
    else if (group == 1)
        for (EdgeSet straight : straights)
            owned += supply.road(straight);
    else
        owned = supply.road(EdgeSets::all);
    return owned;
}

// What the searches met most: pieces short of laps that met the target, or
// laps within the pieces that missed it.
Finding searchLimit(const Generator::Request &request, const PieceSupply &supply,
                    const std::vector<LoopSearch> &searches, bool found)
{
    LoopSearch::Tally total;
    for (const LoopSearch &search : searches) {
        total.offTarget += search.tally().offTarget;
        total.shortOfPieces += search.tally().shortOfPieces;
        for (size_t group = 0; group < total.shortOf.size(); ++group)
            total.shortOf[group] += search.tally().shortOf[group];
    }
    const QString rest = found ? QCoreApplication::translate("CircuitGenerator", "no other layout was found that closes on this floor")
                               : QCoreApplication::translate("CircuitGenerator", "no layout was found that closes on this floor");
    if (total.shortOfPieces > total.offTarget) {
        const auto most = std::max_element(total.shortOf.cbegin(), total.shortOf.cend());
        const int group = int(most - total.shortOf.cbegin());
        const int owned = ownedOf(supply, group);
        static const char *const one[] = {QT_TRANSLATE_NOOP("CircuitGenerator", "with 1 corner owned, %1"),
                                          QT_TRANSLATE_NOOP("CircuitGenerator", "with 1 straight owned, %1"),
                                          QT_TRANSLATE_NOOP("CircuitGenerator", "with 1 crossroads owned, %1")};
        static const char *const many[] = {QT_TRANSLATE_NOOP("CircuitGenerator", "with %2 corners owned, %1"),
                                           QT_TRANSLATE_NOOP("CircuitGenerator", "with %2 straights owned, %1"),
                                           QT_TRANSLATE_NOOP("CircuitGenerator", "with %2 crossroads owned, %1")};
        if (owned == 1)
            return {Generator::Limit::Pieces, QCoreApplication::translate("CircuitGenerator", one[group]).arg(rest)};
        return {Generator::Limit::Pieces,
                QCoreApplication::translate("CircuitGenerator", many[group]).arg(rest).arg(owned)};
    }
    if (total.offTarget > 0 && request.target)
        return {Generator::Limit::Target, QCoreApplication::translate("CircuitGenerator", "for a lap of %1, %2").arg(targetText(request), rest)};
    return {Generator::Limit::Search, rest};
}

void finish(Generator::Outcome &outcome, const Finding &finding)
{
    const int found = int(outcome.suggestions.size());
    if (finding.limit == Generator::Limit::None) {
        outcome.summary = QCoreApplication::translate("CircuitGenerator", "Found %1").arg(circuits(found));
        return;
    }
    outcome.limit = finding.limit;
    outcome.summary = QCoreApplication::translate("CircuitGenerator", "Found %1 of %2: %3").arg(circuits(found)).arg(outcome.wanted).arg(finding.text);
}

// The searches, each on a thread of its own; they are kept in their fixed
// order, whichever ends first, so that the merge does not depend on timing.
std::vector<LoopSearch> search(const Generator::Request &request, const PieceSupply &supply,
                               const Generator::Control &control)
{
    LoopSearch::Settings settings;
    settings.columns = request.columns;
    settings.rows = request.rows;
    settings.family = request.family;
    settings.window = request.target ? request.target->window() : CircuitTarget::Window();
    settings.target = request.target.get();
    settings.supply = supply;
    settings.minStraight = request.minStraight;
    settings.crossings = request.crossings;
    settings.keep = request.count + 2;
    settings.enough = 8 + 3 * request.count;
    settings.moves = request.moves > 0 ? request.moves : defaultMoves(request);
    std::vector<LoopSearch> searches;
    searches.reserve(size_t(Generator::searches));
    for (int k = 0; k < Generator::searches; ++k)
        searches.emplace_back(settings, seedOf(request.seed, k));
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    QSemaphore ended;
    for (LoopSearch &one : searches) {
        pool.start([&one, &ended, cancel = control.cancel] {
            one.run(cancel);
            ended.release();
        });
    }
    for (int done = 1; done <= Generator::searches; ++done) {
        ended.acquire();
        if (control.progress)
            control.progress(done, Generator::searches);
    }
    pool.waitForDone();
    return searches;
}

} // namespace

CircuitGenerator::Outcome CircuitGenerator::generate(const Request &request)
{
    return generate(request, Control());
}

CircuitGenerator::Outcome CircuitGenerator::generate(const Request &asked, const Control &control)
{
    Request request = asked;
    request.count = std::min(request.count, maxCount);
    request.minStraight = std::max(0, request.minStraight);
    Outcome outcome;
    outcome.wanted = request.count;
    const PieceSupply supply = request.inventory ? PieceSupply(request.family, *request.inventory) : PieceSupply();
    if (request.count <= 0) {
        finish(outcome, {});
        return outcome;
    }
    if (const Finding limit = provableLimit(request, supply); limit.limit != Limit::None) {
        finish(outcome, limit);
        return outcome;
    }
    const std::vector<LoopSearch> searches = search(request, supply, control);
    for (const LoopSearch &one : searches)
        outcome.moves += one.tally().moves;
    outcome.suggestions = choose(request, merged(searches), outcome.refused);
    const int found = int(outcome.suggestions.size());
    if (control.cancel && control.cancel->load()) {
        outcome.limit = Limit::Cancelled;
        outcome.summary = QCoreApplication::translate("CircuitGenerator", "Cancelled: found %1 of %2").arg(circuits(found)).arg(request.count);
        return outcome;
    }
    finish(outcome, found < request.count ? searchLimit(request, supply, searches, found > 0) : Finding());
    return outcome;
}
