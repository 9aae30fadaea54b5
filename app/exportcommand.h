#pragma once

#include "export/trackexport.h"

#include <QString>
#include <QStringList>

class KwError;
class QTextStream;
class TileSource;
class TileStore;

// kerbwright-export: writes the picture, the plan or the parts list of each
// track named on the command line, exactly as the editor exports it right
// after opening that track.
class ExportCommand
{
public:
    enum Status { AllExported = 0, SomeFailed = 1, UsageError = 2 };

    ExportCommand(QTextStream &out, QTextStream &err);

    // arguments as QCoreApplication::arguments() gives them, program first.
    int run(const QStringList &arguments);

private:
    bool parse(const QStringList &arguments);
    bool usageError(const QString &problem);
    int exportAll(const TileSource &tiles);
    bool exportTrack(const QString &track, const TileSource &tiles, const TileStore &store);
    void reportFailure(const QString &track, const KwError &error);

    QTextStream &m_out;
    QTextStream &m_err;
    TrackExport::Format m_format = TrackExport::Format::Jpeg;
    int m_depth = 24;
    QString m_tilesFolder;
    QString m_output;
    bool m_quiet = false;
    bool m_done = false;  // --help or --version answered
    QStringList m_tracks;
};
