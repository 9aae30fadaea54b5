// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/editbench.h"

#include "document/floodfill.h"
#include "document/gridtransform.h"

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
}
