// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"

#include <QString>

// Suggesting ten circuits for a floor, on every core: the club's hall of
// 20 x 12 cells with a lap of 20–30 m and with a lap time of 8–11 s for a
// 1:28 stock car, the largest floor with a lap of 60–90 m, all with figures
// of eight allowed; and a 30 x 30 request that no lap meets, which runs
// every search to the end of its budget.
class SuggestBench
{
public:
    struct Figures
    {
        Samples hall;      // ms, 20 x 12
        Samples hallTime;  // ms, 20 x 12, a lap time
        Samples largest;   // ms, 30 x 30
        Samples nothing;   // ms, 30 x 30, no lap found
    };

    // False, with error(), when a request did not find what it should.
    bool runRound();

    const Figures &figures() const { return m_figures; }
    QString error() const { return m_error; }
    // The cores the searches ran on, and the moves of the last hall request.
    int cores() const;
    qint64 hallMoves() const { return m_hallMoves; }

private:
    Figures m_figures;
    QString m_error;
    qint64 m_hallMoves = 0;
};
