// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// What Linux tells a process about itself and the machine: the peak
// resident set, a clock that parent and child processes share, the CPU and
// the load that other work puts on it.
class ProcInfo
{
public:
    // VmHWM of /proc/self/status in KiB, or -1 when it cannot be read.
    static qint64 peakRssKiB();

    // CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so a
    // child can time itself from the moment its parent started it.
    static qint64 monotonicNs();

    static QString cpuModel();
    static int cpuCount();
    // The 1-minute load average.
    static double loadAverage();
};
