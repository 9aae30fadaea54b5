#pragma once

#include <QString>
#include <QStringList>

class QTextStream;
class TrackReader;
struct OpenEnd;

// kerbwright-check: lists the open road ends of each track named on the
// command line, as the editor's "Check connections" marks them right after
// opening that track.
class CheckCommand
{
public:
    enum Status { AllClosed = 0, SomeOpen = 1, UsageError = 2 };

    CheckCommand(QTextStream &out, QTextStream &err);

    // arguments as QCoreApplication::arguments() gives them, program first.
    int run(const QStringList &arguments);

private:
    bool parse(const QStringList &arguments);
    bool usageError(const QString &problem);
    int checkAll(TrackReader &reader);
    bool checkTrack(const QString &track, const TrackReader &reader);
    void printEnd(const QString &track, const OpenEnd &end);
    void reportFailure(const QString &line);

    QTextStream &m_out;
    QTextStream &m_err;
    QString m_tilesFolder;
    bool m_quiet = false;
    bool m_done = false;  // --help or --version answered
    QStringList m_tracks;
};
