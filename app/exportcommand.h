// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/batchexport.h"
#include "app/trackreader.h"
#include "document/inventory.h"
#include "export/buildsheets.h"
#include "export/trackexport.h"

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineOption;
class QCommandLineParser;
class QTextStream;

// kerbwright-export: writes the picture, the plan, the build sheets or the
// parts list of each track named on the command line, exactly as the editor
// exports it right after opening that track.
class ExportCommand
{
public:
    enum Status { AllExported = 0, SomeFailed = 1, UsageError = 2 };

    ExportCommand(QTextStream &out, QTextStream &err);

    // The command line, program first, its file names as NativeName keeps
    // them.
    int run(const QStringList &arguments);

private:
    bool parse(const QStringList &arguments);
    bool usageError(const QString &problem);
    bool parseSheetOptions(const QCommandLineParser &parser, const QCommandLineOption &paper,
                           const QCommandLineOption &cellMm);
    bool parseThumbnail(const QString &size);
    int exportAll(TrackReader &reader);
    int writeThumbnail(TrackReader &reader);
    // Runs on a worker thread: reads only what parsing set.
    BatchExport::Outcome exportTrack(const QString &track, const TrackReader &reader) const;
    QString pictureOf(const QString &track) const;
    void report(const QString &track, const BatchExport::Outcome &outcome);

    QTextStream &m_out;
    QTextStream &m_err;
    TrackExport::Format m_format = TrackExport::Format::Jpeg;
    bool m_sheets = false;  // --format sheets: the build sheets, a PDF
    BuildSheets::Options m_sheetOptions;
    int m_depth = 24;
    QString m_tilesFolder;
    QString m_output;
    bool m_quiet = false;
    int m_jobs = 0;  // tracks exported at once; 0: one per core
    bool m_done = false;  // --help or --version answered
    int m_thumbnailSize = 0;  // --thumbnail SIZE; 0: none
    QStringList m_tracks;
    QString m_inventoryFile;
    std::optional<Inventory> m_inventory;  // read before any track, then only read
};
