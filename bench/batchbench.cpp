// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/batchbench.h"

#include "bench/benchtrack.h"
#include "bench/childprocess.h"
#include "bench/procinfo.h"

#include <QDir>
#include <QFileInfo>

BatchBench::BatchBench(const QString &exporter, const QString &cjpeg, const QString &workDir,
                       const QString &errorLog)
    : m_exporter(exporter), m_cjpeg(cjpeg), m_folder(workDir + QStringLiteral("/batch")),
      m_errorLog(errorLog)
{
}

bool BatchBench::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool BatchBench::prepare()
{
    if (!QDir().mkpath(m_folder + QStringLiteral("/cjpeg")))
        return fail(QStringLiteral("cannot make %1/cjpeg").arg(m_folder));
    for (int i = 0; i < trackCount; ++i) {
        // Twenty different mixes, the same ones in every run of the bench.
        const BenchTrack track(BenchTrack::defaultSeed + unsigned(i));
        const QString name = m_folder + QStringLiteral("/track%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        if (!track.write(name + QStringLiteral(".kwf")))
            return fail(QStringLiteral("cannot write %1.kwf").arg(name));
        m_tracks.append(name + QStringLiteral(".kwf"));
        m_bitmaps.append(name + QStringLiteral(".bmp"));
    }
    const auto result = ChildProcess::run(
        m_exporter, QStringList{QStringLiteral("--quiet"), QStringLiteral("--format"),
                                QStringLiteral("bmp")} + m_tracks,
        {}, m_errorLog);
    if (result.exitCode != 0)
        return fail(QStringLiteral("%1 could not write the BMP pictures; see %2")
                        .arg(m_exporter, m_errorLog));
    return true;
}

bool BatchBench::timeExport(const QStringList &options, Samples &samples, double &ms)
{
    const auto result = ChildProcess::run(m_exporter, options + m_tracks, {}, m_errorLog);
    if (result.exitCode != 0)
        return fail(QStringLiteral("%1 failed; see %2").arg(m_exporter, m_errorLog));
    ms = result.ms;
    samples.add(ms);
    return true;
}

bool BatchBench::timeCjpegLoop(double &ms)
{
    const qint64 start = ProcInfo::monotonicNs();
    for (int i = 0; i < trackCount; ++i) {
        const QString out = m_folder + QStringLiteral("/cjpeg/track%1.jpg").arg(i + 1);
        const auto result = ChildProcess::run(
            m_cjpeg, {QStringLiteral("-quality"), QStringLiteral("65"), QStringLiteral("-outfile"),
                      out, m_bitmaps.at(i)},
            {}, m_errorLog);
        if (result.exitCode != 0)
            return fail(QStringLiteral("cjpeg failed; see %1").arg(m_errorLog));
    }
    ms = double(ProcInfo::monotonicNs() - start) / 1e6;
    m_figures.cjpegLoop.add(ms);
    return true;
}

bool BatchBench::timeThumbnail()
{
    const QString showcase = QFileInfo(m_exporter).absolutePath() + QStringLiteral("/examples/showcase.kwf");
    const auto result = ChildProcess::run(
        m_exporter, {QStringLiteral("--thumbnail"), QStringLiteral("256"), showcase,
                     m_folder + QStringLiteral("/showcase-thumbnail.png")},
        {}, m_errorLog);
    if (result.exitCode != 0)
        return fail(QStringLiteral("%1 --thumbnail failed; see %2").arg(m_exporter, m_errorLog));
    m_figures.thumbnail.add(result.ms);
    return true;
}

bool BatchBench::runRound()
{
    double batch = 0, cjpeg = 0, oneAtATime = 0;
    if (!timeExport({}, m_figures.batch, batch))
        return false;
    if (hasCjpeg() && !timeCjpegLoop(cjpeg))
        return false;
    if (!timeExport({QStringLiteral("--jobs"), QStringLiteral("1")}, m_figures.oneAtATime, oneAtATime))
        return false;
    if (!timeThumbnail())
        return false;
    m_figures.batchOverOneAtATime.add(batch / oneAtATime);
    if (hasCjpeg()) {
        m_figures.batchOverCjpeg.add(batch / cjpeg);
        m_figures.oneAtATimeOverCjpeg.add(oneAtATime / cjpeg);
    }
    return true;
}
