// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class BatchBench;
class ResultTable;

// Runs every benchmark the given number of rounds, interleaving them, and
// prints the machine, the load and one table of medians.
class BenchRunner
{
public:
    // batchOnly: the batch export alone, a quicker figure to repeat;
    // editsOnly: the block commands in the core alone, in a moment;
    // roadsOnly: the road tools and the lap time in the core alone.
    BenchRunner(int rounds, const QString &workDir, bool batchOnly = false, bool editsOnly = false,
                bool roadsOnly = false);

    // 0 when every figure was measured (targets met or not), else 1.
    int run();

private:
    int runAll(ResultTable &table);
    bool runBatch(BatchBench &batch);
    QString header(double loadBefore) const;
    QString footer(double loadBefore, double loadAfter) const;

    int m_rounds;
    QString m_workDir;
    bool m_batchOnly;
    bool m_editsOnly;
    bool m_roadsOnly;
};
