// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchrunner.h"

#include "bench/batchbench.h"
#include "bench/benchtrack.h"
#include "bench/editbench.h"
#include "bench/launchbench.h"
#include "bench/procinfo.h"
#include "bench/resulttable.h"
#include "bench/roadbench.h"
#include "bench/sheetsbench.h"
#include "bench/suggestbench.h"
#include "bench/windowbench.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

// The targets the editor is held to on this kind of machine.
constexpr double readyAfterShowMs = 150;
constexpr double launchToReadyMs = 400;
constexpr double plainOverFloor = 3;
constexpr double trackOverFloor = 4;
constexpr double repaintMs = 5;
constexpr double openTrackMs = 80;
constexpr double factsMs = 1;
constexpr double jpegOverCjpeg = 1.5;
constexpr double peakWhenReadyMiB = 80;
constexpr double batchOverCjpegLoop = 0.7;
constexpr double thumbnailMs = 50;
constexpr double blockCommandMs = 1;
// A counted placement keeps well inside a frame, painting and all.
constexpr double countedPlacementMs = 1;
constexpr double routeStepMs = 1;
constexpr double closeGapsMs = 20;
constexpr double buildSheetsMs = 1000;
constexpr double buildSheetsMiB = 4;
constexpr double suggestHallMs = 1000;
constexpr double suggestLargestMs = 3000;
constexpr double lapTimeMs = 2;
// Above this load average the figures say more about the other work.
constexpr double calmLoad = 1.5;

void print(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void progress(const QString &text)
{
    // On stderr, so that stdout is the report alone.
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

void addLaunchRows(ResultTable &table, const LaunchBench &launches)
{
    const LaunchBench::Start &plain = launches.plain();
    const LaunchBench::Start &track = launches.withTrack();
    table.addTime(QStringLiteral("Start-up: window first shown → palette shown and painted"),
                  plain.shownToReady, readyAfterShowMs);
    table.addTime(QStringLiteral("  … → palette shown (before its paint)"), plain.shownToPalette);
    table.addTime(QStringLiteral("Launch → ready (fork/exec → exit on ready)"), plain.launchToReady,
                  launchToReadyMs);
    table.addTime(QStringLiteral("  launch → main()"), plain.spawnToMain);
    table.addTime(QStringLiteral("  launch → QApplication and icon"), plain.spawnToApp);
    table.addTime(QStringLiteral("  launch → window first shown"), plain.spawnToShown);
    table.addTime(QStringLiteral("  beside: launch → exit after QApplication (Qt's floor)"),
                  launches.applicationOnly());
    table.addRatio(QStringLiteral("  launch → ready / Qt's floor (ratio run by run)"),
                   launches.plainOverFloor(), plainOverFloor);
    table.addTime(QStringLiteral("Launch → ready with the 30 × 30 track on the command line"),
                  track.launchToReady);
    table.addRatio(QStringLiteral("  with the track / Qt's floor (ratio run by run)"),
                   launches.trackOverFloor(), trackOverFloor);
    table.addTime(QStringLiteral("  window first shown → ready, with that track"), track.shownToReady);
    table.addFact(QStringLiteral("Waiting panel painted before ready (runs)"),
                  QStringLiteral("%1 of %2 / %3 of %4 with track")
                      .arg(plain.waitingPanelPainted).arg(plain.launchToReady.count())
                      .arg(track.waitingPanelPainted).arg(track.launchToReady.count()));
}

void addWindowRows(ResultTable &table, const WindowBench &window, int texts, int reads)
{
    const WindowBench::Figures &f = window.figures();
    table.addTime(QStringLiteral("Open a 30 × 30 track into the window, repaint included"), f.open,
                  openTrackMs);
    table.addFact(QStringLiteral("  progress texts / tile reads of that open (counted)"),
                  QStringLiteral("%1 / %2").arg(texts).arg(reads));
    table.addTime(QStringLiteral("  beside: plain loop, BmpReader::readFile × 900"), f.plainReads);
    table.addTime(QStringLiteral("  beside: its 2,670 progress texts built and set alone"),
                  f.statusTexts);
    table.addTime(QStringLiteral("New: DrawGrid with reset, 30 × 30 → 15 × 7"), f.newGrid);
    table.addTime(QStringLiteral("Resize 15 × 7 → 30 × 30: DrawGrid without reset"), f.resize);
    table.addTime(QStringLiteral("JPEG export of 30 × 30 (%1): compose + encode + write")
                      .arg(window.pictureSize()),
                  f.jpegExport);
    if (!f.cjpeg.isEmpty()) {
        table.addTime(QStringLiteral("  beside: cjpeg -quality 65, same picture as PPM (subprocess)"),
                      f.cjpeg);
        table.addRatio(QStringLiteral("  JPEG export / cjpeg"), f.jpegExport.median() / f.cjpeg.median(),
                       jpegOverCjpeg);
    } else {
        table.addFact(QStringLiteral("  beside: cjpeg"), QStringLiteral("not installed"));
    }
    table.addTime(QStringLiteral("  step: PictureComposer::compose"), f.compose);
    table.addTime(QStringLiteral("  step: JpegWriter::encode"), f.jpegEncode);
    table.addTime(QStringLiteral("  step: SafeFile::write of the JPEG (write, fdatasync, rename)"),
                  f.jpegWrite);
    table.addTime(QStringLiteral("BMP export of 30 × 30: compose + encode + write"), f.bmpExport);
    table.addTime(QStringLiteral("  step: BmpWriter::encode"), f.bmpEncode);
    table.addTime(QStringLiteral("  step: SafeFile::write of the BMP (write, fdatasync, rename)"),
                  f.bmpWrite);
    table.addTime(QStringLiteral("PDF export of 30 × 30 (%1 pages): compose + lay out + write")
                      .arg(window.pdfPages()),
                  f.pdfExport);
    table.addTime(QStringLiteral("  step: PlanPdf::render (compose, lay out, Qt's PDF writer)"),
                  f.pdfRender);
    table.addTime(QStringLiteral("  step: SafeFile::write of the PDF (write, fdatasync, rename)"),
                  f.pdfWrite);
    table.addTime(QStringLiteral("Cell click on 30 × 30, parts list window open, repaint included"),
                  f.clickListOpen);
    table.addTime(QStringLiteral("  beside: the same click with the parts list closed"),
                  f.clickListClosed);
    table.addTime(QStringLiteral("  the same click with an inventory: the palette's counts follow"),
                  f.clickInventory);
    for (int z = 0; z < WindowBench::repaintZooms; ++z) {
        table.addTime(QStringLiteral("Full repaint of the 30 × 30 track in the window at %1 %")
                          .arg(WindowBench::repaintZoom(z) * 100),
                      f.repaint[size_t(z)], repaintMs);
    }
    table.addFact(QStringLiteral("  cells repainted by a stroke over 3 cells (counted)"),
                  QStringLiteral("%1 of 900").arg(window.strokeRepaintedCells()));
    table.addFact(QStringLiteral("  widgets in the main window when ready (counted)"),
                  QString::number(window.widgetCount()));
    table.addTime(QStringLiteral("Track facts of the 30 × 30 track: open ends, circuits, laps"), f.facts,
                  factsMs);
    table.addTime(QStringLiteral("  beside: 30 × 30 crossroads, one circuit of 900 pieces"), f.factsCrossroads,
                  factsMs);
    table.addTime(QStringLiteral("Decode one tile (50 × 50, 24 bpp): BmpReader::decode"), f.decodeTile);
    table.addTime(QStringLiteral("Read one tile: BmpReader::readFile"), f.readTile);
}

void addRoadRows(ResultTable &table, const RoadBench &roads)
{
    const RoadBench::Figures &f = roads.figures();
    table.addTime(QStringLiteral("Route preview, per cell entered (30 × 30 serpentine, %1 cells)")
                      .arg(roads.dragCells()),
                  f.routeStep, routeStepMs);
    table.addTime(QStringLiteral("  the slowest cell of that drag"), f.slowestStep);
    table.addTime(QStringLiteral("Close gaps: 30 × 30 track, 10 gaps"), f.closeGaps, closeGapsMs);
    table.addTime(QStringLiteral("Lap time of that serpentine: circuits, path, drives on both grips"), f.lapTime,
                  lapTimeMs);
    table.addFact(QStringLiteral("  its lap at 0.5 m cells, 1:28 stock"), roads.lapText());
}

void addSheetsRows(ResultTable &table, const SheetsBench &sheets)
{
    const SheetsBench::Figures &f = sheets.figures();
    table.addTime(QStringLiteral("Build sheets of the 30 × 30 showcase (%1 pages, A4): BuildSheets::render")
                      .arg(sheets.pages()),
                  f.render, buildSheetsMs);
    table.addTime(QStringLiteral("  step: SafeFile::write of the PDF (write, fdatasync, rename)"), f.write);
    const double mib = sheets.bytes() / 1048576.0;
    table.addFact(QStringLiteral("  PDF size, images stored (one per piece code)"),
                  QStringLiteral("%1 MiB (target ≤ %2 MiB: %3), %4 images")
                      .arg(mib, 0, 'f', 2)
                      .arg(buildSheetsMiB)
                      .arg(mib <= buildSheetsMiB ? QStringLiteral("met") : QStringLiteral("missed"))
                      .arg(sheets.images()));
}

void addSuggestRows(ResultTable &table, const SuggestBench &suggestions)
{
    const SuggestBench::Figures &f = suggestions.figures();
    table.addTime(QStringLiteral("Suggest 10 circuits, 20 × 12, lap 20–30 m (%1 cores)").arg(suggestions.cores()),
                  f.hall, suggestHallMs);
    table.addFact(QStringLiteral("  moves tried by its 16 searches (counted)"), QString::number(suggestions.hallMoves()));
    table.addTime(QStringLiteral("Suggest 10 circuits, 20 × 12, lap time 8–11 s (1:28 stock)"), f.hallTime,
                  suggestHallMs);
    table.addTime(QStringLiteral("Suggest 10 circuits, 30 × 30, lap 60–90 m"), f.largest, suggestLargestMs);
    table.addTime(QStringLiteral("  30 × 30, a lap no floor holds: every search's whole budget"), f.nothing);
}

void addBatchRows(ResultTable &table, const BatchBench &batch)
{
    const BatchBench::Figures &f = batch.figures();
    table.addTime(QStringLiteral("Batch: kerbwright-export of twenty 30 × 30 tracks (one call)"),
                  f.batch);
    table.addTime(QStringLiteral("  the same with --jobs 1"), f.oneAtATime);
    if (batch.hasCjpeg()) {
        table.addTime(QStringLiteral("  beside: cjpeg -quality 65 on the 20 pictures as BMP, in turn"),
                      f.cjpegLoop);
        table.addRatio(QStringLiteral("  batch / cjpeg loop (ratio run by run)"), f.batchOverCjpeg,
                       batchOverCjpegLoop);
        table.addRatio(QStringLiteral("  --jobs 1 / cjpeg loop (ratio run by run)"),
                       f.oneAtATimeOverCjpeg);
    } else {
        table.addFact(QStringLiteral("  beside: cjpeg"), QStringLiteral("not installed"));
    }
    table.addRatio(QStringLiteral("  batch / --jobs 1 (ratio run by run)"), f.batchOverOneAtATime);
    table.addTime(QStringLiteral("Thumbnail: kerbwright-export --thumbnail 256 of the 30 × 30 showcase"),
                  f.thumbnail, thumbnailMs);
}

void addEditRows(ResultTable &table, const EditBench &edits)
{
    const EditBench::Figures &f = edits.figures();
    table.addTime(QStringLiteral("Rotate the 30 × 30 track clockwise: GridTransform::turnTrack"), f.rotate,
                  blockCommandMs);
    table.addTime(QStringLiteral("  the same, mirrored left to right"), f.mirror);
    table.addTime(QStringLiteral("Fill a 30 × 30 track of one piece: FloodFill::fill, 900 cells"), f.fill,
                  blockCommandMs);
    table.addTime(QStringLiteral("Use owned pieces on the 30 × 30 track: OwnedPieces::fit"), f.fit, blockCommandMs);
    table.addTime(QStringLiteral("A placement as one step, inventory loaded: counts and over-count"), f.counted,
                  countedPlacementMs);
    table.addTime(QStringLiteral("  beside: the same placement without an inventory"), f.uncounted);
}

} // namespace

BenchRunner::BenchRunner(int rounds, const QString &workDir, Only only)
    : m_rounds(rounds), m_workDir(workDir), m_only(only)
{
}

QString BenchRunner::header(double loadBefore) const
{
    return QStringLiteral("Machine: %1 CPUs, %2; Qt %3, %4 build, QT_QPA_PLATFORM=offscreen "
                          "(1920 × 1080 screen); %5 rounds; load average %6 before\n")
        .arg(ProcInfo::cpuCount())
        .arg(ProcInfo::cpuModel(), QString::fromLatin1(qVersion()),
             QStringLiteral(KWBENCH_BUILD_TYPE))
        .arg(m_rounds)
        .arg(loadBefore, 0, 'f', 2);
}

QString BenchRunner::footer(double loadBefore, double loadAfter) const
{
    QString text = QStringLiteral("Load average (1 min): %1 before, %2 after.\n")
                       .arg(loadBefore, 0, 'f', 2)
                       .arg(loadAfter, 0, 'f', 2);
    if (std::max(loadBefore, loadAfter) > calmLoad)
        text += QStringLiteral("The machine was busy: other work slowed these figures.\n");
    return text;
}

int BenchRunner::run()
{
    const double loadBefore = ProcInfo::loadAverage();
    ResultTable table;
    if (runAll(table) != 0)
        return 1;
    print(header(loadBefore) + QLatin1Char('\n') + table.toMarkdown() + QLatin1Char('\n')
          + footer(loadBefore, ProcInfo::loadAverage()));
    return 0;
}

bool BenchRunner::runBatch(BatchBench &batch)
{
    if (!batch.runRound()) {
        progress(batch.error());
        return false;
    }
    return true;
}

int BenchRunner::runAll(ResultTable &table)
{
    if (m_only == Only::Suggest) {
        SuggestBench suggestions;
        for (int round = 1; round <= m_rounds; ++round) {
            if (!suggestions.runRound()) {
                progress(suggestions.error());
                return 1;
            }
        }
        addSuggestRows(table, suggestions);
        return 0;
    }
    if (m_only == Only::Edits) {
        EditBench edits(BenchTrack().codes());
        for (int round = 1; round <= m_rounds; ++round)
            edits.runRound();
        addEditRows(table, edits);
        return 0;
    }
    if (m_only == Only::Roads) {
        RoadBench roads;
        for (int round = 1; round <= m_rounds; ++round) {
            if (!roads.runRound()) {
                progress(roads.error());
                return 1;
            }
        }
        addRoadRows(table, roads);
        return 0;
    }
    const QString binDir = QCoreApplication::applicationDirPath();
    SheetsBench sheets;
    if (!sheets.prepare(binDir, m_workDir)) {
        progress(sheets.error());
        return 1;
    }
    if (m_only == Only::Sheets) {
        for (int round = 1; round <= m_rounds; ++round)
            if (!sheets.runRound()) {
                progress(sheets.error());
                return 1;
            }
        addSheetsRows(table, sheets);
        return 0;
    }
    const QString errorLog = m_workDir + QStringLiteral("/stderr.log");
    const QString trackPath = m_workDir + QStringLiteral("/track30.kwf");
    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    BatchBench batch(binDir + QStringLiteral("/kerbwright-export"), cjpeg, m_workDir, errorLog);
    if (!batch.prepare()) {
        progress(batch.error());
        return 1;
    }
    if (m_only == Only::Batch) {
        for (int round = 1; round <= m_rounds; ++round) {
            progress(QStringLiteral("round %1 of %2").arg(round).arg(m_rounds));
            if (!runBatch(batch))
                return 1;
        }
        addBatchRows(table, batch);
        return 0;
    }

    const BenchTrack track;
    if (!track.write(trackPath)) {
        progress(QStringLiteral("cannot write %1").arg(trackPath));
        return 1;
    }
    LaunchBench launches(binDir + QStringLiteral("/kwbench-start"), trackPath, errorLog);
    WindowBench window(trackPath, track.codes(), m_workDir, cjpeg, errorLog);
    EditBench edits(track.codes());
    RoadBench roads;
    SuggestBench suggestions;
    int texts = 0, reads = 0;
    if (!window.countOpen(texts, reads) || !window.start()) {
        progress(window.error());
        return 1;
    }
    for (int round = 1; round <= m_rounds; ++round) {
        progress(QStringLiteral("round %1 of %2").arg(round).arg(m_rounds));
        if (!launches.runRound()) {
            progress(launches.error());
            return 1;
        }
        if (!window.runRound()) {
            progress(window.error());
            return 1;
        }
        if (!runBatch(batch))
            return 1;
        edits.runRound();
        if (!roads.runRound()) {
            progress(roads.error());
            return 1;
        }
        if (!sheets.runRound()) {
            progress(sheets.error());
            return 1;
        }
        if (!suggestions.runRound()) {
            progress(suggestions.error());
            return 1;
        }
    }

    addLaunchRows(table, launches);
    addWindowRows(table, window, texts, reads);
    addRoadRows(table, roads);
    addSheetsRows(table, sheets);
    addSuggestRows(table, suggestions);
    addBatchRows(table, batch);
    addEditRows(table, edits);
    table.addMemory(QStringLiteral("Peak memory (VmHWM) when ready"), launches.plain().peakKiB,
                    peakWhenReadyMiB);
    table.addMemory(QStringLiteral("Peak memory (VmHWM) ready with the 30 × 30 track opened"),
                    launches.withTrack().peakKiB);
    return 0;
}
