#pragma once

#include <QString>

class ResultTable;

// Runs every benchmark the given number of rounds, interleaving them, and
// prints the machine, the load and one table of medians.
class BenchRunner
{
public:
    BenchRunner(int rounds, const QString &workDir);

    // 0 when every figure was measured (targets met or not), else 1.
    int run();

private:
    QString header(double loadBefore) const;
    QString footer(double loadBefore, double loadAfter) const;

    int m_rounds;
    QString m_workDir;
};
