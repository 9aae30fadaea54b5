// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/suggestbench.h"

#include "document/suggest/circuitgenerator.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

CircuitGenerator::Request request(int columns, int rows, double lapMin, double lapMax)
{
    CircuitGenerator::Request request;
    request.columns = columns;
    request.rows = rows;
    request.crossings = true;
    request.count = 10;
    request.target = std::make_shared<LapLengthTarget>(lapMin, lapMax, request.cellSize);
    return request;
}

CircuitGenerator::Request timed(int columns, int rows, double secondsMin, double secondsMax)
{
    CircuitGenerator::Request asked = request(columns, rows, 0, 0);
    asked.target = std::make_shared<LapTimeTarget>(secondsMin, secondsMax, asked.car, asked.cellSize);
    return asked;
}

} // namespace

int SuggestBench::cores() const
{
    return QThread::idealThreadCount();
}

bool SuggestBench::runRound()
{
    struct Case
    {
        CircuitGenerator::Request request;
        Samples *samples;
        int found;
    };
    // 400 m is more road than 900 cells hold: no search finds a lap.
    const Case cases[] = {{request(20, 12, 20, 30), &m_figures.hall, 10},
                          {timed(20, 12, 8, 11), &m_figures.hallTime, 10},
                          {request(30, 30, 60, 90), &m_figures.largest, 10},
                          {request(30, 30, 400, 440), &m_figures.nothing, 0}};
    for (const Case &c : cases) {
        QElapsedTimer timer;
        timer.start();
        const CircuitGenerator::Outcome outcome = CircuitGenerator::generate(c.request);
        c.samples->add(double(timer.nsecsElapsed()) / 1e6);
        if (outcome.suggestions.size() != c.found || outcome.refused != 0) {
            m_error = QStringLiteral("suggestbench: %1").arg(outcome.summary);
            return false;
        }
        if (c.samples == &m_figures.hall)
            m_hallMoves = outcome.moves;
    }
    return true;
}
