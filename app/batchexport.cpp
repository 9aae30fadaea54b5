// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batchexport.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <utility>

BatchExport::BatchExport(int workers, const QVector<int> &waitFor)
    : m_workers(std::max(1, std::min(workers, int(waitFor.size())))), m_waitFor(waitFor),
      m_done(size_t(waitFor.size()), false), m_outcomes(size_t(waitFor.size()))
{
}

bool BatchExport::run(const Work &work, const Report &report)
{
    if (m_workers == 1)
        return runInTurn(work, report);
    std::vector<std::thread> threads;
    threads.reserve(size_t(m_workers));
    for (int i = 0; i < m_workers; ++i) {
        try {
            threads.emplace_back([this, &work] { workerLoop(work); });
        } catch (const std::system_error &) {
            break;  // the system gives no more threads: the ones it gave do the work
        }
    }
    if (threads.empty())
        return runInTurn(work, report);
    const bool allWritten = reportInOrder(report);
    for (std::thread &thread : threads)
        thread.join();
    return allWritten;
}

bool BatchExport::runInTurn(const Work &work, const Report &report)
{
    // One at a time needs no thread: every track is done before the next
    // starts, which also satisfies every wait.
    bool allWritten = true;
    for (int track = 0; track < m_waitFor.size(); ++track) {
        const Outcome outcome = work(track);
        report(track, outcome);
        allWritten = outcome.written && allWritten;
    }
    return allWritten;
}

void BatchExport::workerLoop(const Work &work)
{
    for (;;) {
        const int track = takeTrack();
        if (track < 0)
            return;
        // Every track before this one has already been taken, so the ones it
        // waits for are being worked on and the wait always ends.
        waitUntilDone(m_waitFor.at(track));
        finish(track, work(track));
    }
}

int BatchExport::takeTrack()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nextTrack >= m_waitFor.size())
        return -1;
    return m_nextTrack++;
}

void BatchExport::waitUntilDone(int count)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return m_donePrefix >= count; });
}

void BatchExport::finish(int track, Outcome outcome)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_outcomes[size_t(track)] = std::move(outcome);
        m_done[size_t(track)] = true;
        while (m_donePrefix < m_waitFor.size() && m_done[size_t(m_donePrefix)])
            ++m_donePrefix;
    }
    m_changed.notify_all();
}

bool BatchExport::reportInOrder(const Report &report)
{
    bool allWritten = true;
    for (int track = 0; track < m_waitFor.size(); ++track) {
        Outcome outcome;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [&] { return m_donePrefix > track; });
            outcome = std::move(m_outcomes[size_t(track)]);
        }
        // Printed outside the lock: a slow terminal must not hold up the
        // workers.
        report(track, outcome);
        allWritten = outcome.written && allWritten;
    }
    return allWritten;
}
