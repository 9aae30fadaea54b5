// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

// Runs one piece of work per track on a few threads and hands each track's
// outcome back on the calling thread, in the order of the tracks, as soon as
// that track and every track before it are done. Workers take the tracks in
// order and work on one at a time, so no more than one picture per worker
// exists at once however many tracks there are; what waits for an earlier
// slow track is an outcome, a line of text.
class BatchExport
{
public:
    struct Outcome
    {
        bool written = false;
        QString text;  // the picture's path, or the message of the failure
    };
    // Runs on a worker thread: it may touch nothing that another track's
    // work changes.
    using Work = std::function<Outcome(int track)>;
    // Runs on the calling thread, once per track, in track order.
    using Report = std::function<void(int track, const Outcome &outcome)>;

    // waitFor[i]: how many of the first tracks must be done before track i
    // starts (0 for none), so that two tracks touching one file keep the
    // order of the command line. workers: at most this many threads; with 1
    // everything runs on the calling thread.
    BatchExport(int workers, const QVector<int> &waitFor);

    // True when every track's outcome was written.
    bool run(const Work &work, const Report &report);

private:
    bool runInTurn(const Work &work, const Report &report);
    void workerLoop(const Work &work);
    int takeTrack();
    void waitUntilDone(int count);
    void finish(int track, Outcome outcome);
    bool reportInOrder(const Report &report);

    int m_workers;
    QVector<int> m_waitFor;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_nextTrack = 0;   // the next track a worker takes
    int m_donePrefix = 0;  // tracks 0 .. m_donePrefix - 1 are all done
    std::vector<bool> m_done;
    std::vector<Outcome> m_outcomes;  // kept only until reported
};
