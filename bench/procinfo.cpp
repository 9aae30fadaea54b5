// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/procinfo.h"

#include <QFile>
#include <QThread>

#include <cstdlib>
#include <ctime>

namespace {

QByteArray readProcFile(const char *path)
{
    // /proc files report a size of 0: read until the end, not to a size.
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// The value of the first "key: value" line; /proc/cpuinfo puts tabs
// between the key and its colon.
QByteArray fieldOf(const QByteArray &text, const QByteArray &key)
{
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == key)
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

} // namespace

qint64 ProcInfo::peakRssKiB()
{
    const QByteArray value = fieldOf(readProcFile("/proc/self/status"), "VmHWM");
    bool ok = false;
    const qint64 kib = value.split(' ').value(0).toLongLong(&ok);
    return ok ? kib : -1;
}

qint64 ProcInfo::monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

QString ProcInfo::cpuModel()
{
    const QByteArray model = fieldOf(readProcFile("/proc/cpuinfo"), "model name");
    return model.isEmpty() ? QStringLiteral("unknown CPU") : QString::fromUtf8(model);
}

int ProcInfo::cpuCount()
{
    return QThread::idealThreadCount();
}

double ProcInfo::loadAverage()
{
    const QByteArray text = readProcFile("/proc/loadavg");
    return text.split(' ').value(0).toDouble();
}
