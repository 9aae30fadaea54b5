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
    // Batch: the batch export alone, a quicker figure to repeat; Edits: the
    // block commands in the core alone, in a moment; Sheets: the build
    // sheets in the core alone; Suggest: suggesting circuits, in a few seconds; Roads: the
    // road tools and the lap time in the core alone.
    enum class Only { Nothing, Batch, Edits, Sheets, Suggest, Roads };
    BenchRunner(int rounds, const QString &workDir, Only only = Only::Nothing);

    // 0 when every figure was measured (targets met or not), else 1.
    int run();

private:
    int runAll(ResultTable &table);
    bool runBatch(BatchBench &batch);
    QString header(double loadBefore) const;
    QString footer(double loadBefore, double loadAfter) const;

    int m_rounds;
    QString m_workDir;
    Only m_only;
};
