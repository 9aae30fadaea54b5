// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/suggest/circuitgenerator.h"
#include "pieces/tilestore.h"

#include <QImage>
#include <QObject>
#include <QVector>

#include <atomic>

class QThread;

// One request to the generator, run on a thread of its own so that the
// window keeps painting and answering while the searches work (they spread
// over every core themselves). It says how far the searches are, can be
// cancelled, and ends with the outcome and each suggestion's picture,
// drawn with the real tiles and cut to a thumbnail.
class SuggestionRun : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        CircuitGenerator::Outcome outcome;
        QVector<QImage> pictures;  // one a suggestion, in their order
    };

    // Pictures at most thumbnail pixels wide and high.
    SuggestionRun(const TileStore &tiles, int thumbnail, QObject *parent);
    // Cancels a run still going and waits for it.
    ~SuggestionRun() override;

    bool isRunning() const { return m_thread != nullptr; }
    // Starts a run; false while one is still going.
    bool start(const CircuitGenerator::Request &request);
    // The searches stop at their next move; finished() follows with what
    // they had found.
    void cancel();
    // The last finished run's.
    const Result &result() const { return m_result; }

signals:
    void progressed(int done, int total);
    void finished();

private:
    void ended();

    const TileStore &m_tiles;
    int m_thumbnail;
    QThread *m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    Result m_running;  // written by the run's thread alone until it ends
    Result m_result;
};
