// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"

#include <QString>
#include <QStringList>

// A club's folder exported in one call: kerbwright-export over twenty
// 30 x 30 tracks, as it runs by default (one track per processor at a time)
// and with --jobs 1, beside the yardstick of cjpeg -quality 65 run over the
// same twenty pictures as BMP files, one process each, one after another,
// each writing its own file. Every figure is a whole command or loop of
// commands, from the first spawn to the last exit. Beside them, the
// thumbnail a file manager asks the exporter for: the 30 x 30 showcase
// example at 256 pixels.
class BatchBench
{
public:
    static constexpr int trackCount = 20;

    struct Figures
    {
        Samples batch;       // kerbwright-export TRACK x 20
        Samples oneAtATime;  // the same with --jobs 1
        Samples cjpegLoop;   // cjpeg once per picture, in turn
        Samples thumbnail;   // kerbwright-export --thumbnail 256 of the showcase
        // Each round's ratio of two figures taken one right after the other.
        Samples batchOverCjpeg;
        Samples oneAtATimeOverCjpeg;
        Samples batchOverOneAtATime;
    };

    BatchBench(const QString &exporter, const QString &cjpeg, const QString &workDir,
               const QString &errorLog);

    // Writes the tracks and, through the exporter, their pictures as BMP
    // files for cjpeg. False, with error(), when it cannot.
    bool prepare();
    bool runRound();

    bool hasCjpeg() const { return !m_cjpeg.isEmpty(); }
    const Figures &figures() const { return m_figures; }
    QString error() const { return m_error; }

private:
    bool fail(const QString &message);
    bool timeExport(const QStringList &options, Samples &samples, double &ms);
    bool timeCjpegLoop(double &ms);
    bool timeThumbnail();

    QString m_exporter;
    QString m_cjpeg;
    QString m_folder;
    QString m_errorLog;
    QString m_error;
    QStringList m_tracks;
    QStringList m_bitmaps;
    Figures m_figures;
};
