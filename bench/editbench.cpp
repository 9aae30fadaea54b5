// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/editbench.h"

#include "document/floodfill.h"
#include "document/gridtransform.h"
#include "document/ownedpieces.h"
#include "document/trackdocument.h"
#include "pieces/piecetable.h"
#include "pieces/substitutes.h"

#include <QElapsedTimer>

namespace {

// Each call takes microseconds; a sample is the mean of this many.
constexpr int callsPerSample = 200;

template<typename Call>
double msPerCall(Call call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < callsPerSample; ++i)
        call();
    return timer.nsecsElapsed() / 1e6 / callsPerSample;
}

// One of every piece, and plenty of the plain ones that stand in for the
// rest: every piece the bench track uses more than once is short, and most
// have a substitute to spare.
Inventory clubInventory()
{
    QByteArray text;
    for (const Piece &piece : PieceTable::pieces())
        text += piece.code + ',' + (Substitutes::of(piece.code).isEmpty() ? "1" : "0") + '\n';
    for (const char *plain : {"04", "05", "07", "34", "35", "42", "43", "50", "51", "52", "53", "54", "55", "56",
                              "57", "58", "59", "5A", "5B", "5G", "A4", "A5", "B4", "B5"})
        text.replace('\n' + QByteArray(plain) + ",1\n", '\n' + QByteArray(plain) + ",900\n");
    return Inventory::parse(text, QStringLiteral("bench.csv"));
}

} // namespace

EditBench::EditBench(const QVector<QByteArray> &codes)
{
    m_track.setSize(TrackGrid::side, TrackGrid::side);
    for (int i = 0; i < codes.size() && i < TrackGrid::cellCount; ++i)
        m_track.setCode(TrackGrid::index(i % TrackGrid::side, i / TrackGrid::side), codes[i]);
    m_track.showBlock();
}

void EditBench::runRound()
{
    int unmatched = 0;
    m_figures.rotate.add(msPerCall([&] { unmatched += GridTransform::turnTrack(m_track, Turn::Clockwise).unmatched.size(); }));
    m_figures.mirror.add(msPerCall([&] { unmatched += GridTransform::turnTrack(m_track, Turn::MirrorLeftRight).unmatched.size(); }));
    // A fresh grass track for every fill, copied outside the timing: a
    // copy costs about what the fill does.
    TrackGrid grass;
    grass.setSize(TrackGrid::side, TrackGrid::side);
    grass.showBlock();
    QVector<TrackGrid> tracks(callsPerSample, grass);
    int next = 0, filled = 0;
    m_figures.fill.add(msPerCall([&] { filled += FloodFill::fill(tracks[next++], 0, "09").size(); }));
    Q_ASSERT(filled == callsPerSample * TrackGrid::cellCount && unmatched > 0);
    Q_UNUSED(filled);
    Q_UNUSED(unmatched);

    const Inventory club = clubInventory();
    int changed = 0;
    m_figures.fit.add(msPerCall([&] { changed += OwnedPieces::fit(m_track, club).changes.size(); }));
    Q_ASSERT(changed > 0);
    m_figures.counted.add(placementMs(true));
    m_figures.uncounted.add(placementMs(false));
}

// Placements on the bench track, each one step of the history, alternating
// two pieces on one cell, so every step changes two counts.
double EditBench::placementMs(bool withInventory) const
{
    TrackDocument document;
    document.setGrid(m_track);
    if (withInventory)
        document.inventory().set(clubInventory(), QStringLiteral("bench.csv"));
    int k = 0;
    return msPerCall([&] {
        document.record(QStringLiteral("Place"), true, [&] {
            TrackGrid grid = document.grid();
            grid.setCode(TrackGrid::index(15, 15), ++k % 2 ? "04" : "05");
            document.setGrid(grid);
        });
    });
}
