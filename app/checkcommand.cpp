#include "app/checkcommand.h"

#include "app/trackreader.h"
#include "base/kwerror.h"
#include "pieces/connectioncheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char usage[] =
    "Usage: kerbwright-check [--tiles DIR] [--quiet] TRACK...\n"
    "       kerbwright-check --help | --version\n";

const char help[] =
    "\n"
    "Lists the open road ends of each track file, as the editor's Check\n"
    "connections marks them: one line TRACK:COLUMN:ROW: EDGE for each (columns\n"
    "and rows count from 1, EDGE is north, east, south or west), then a line\n"
    "TRACK: N open road ends.\n"
    "\n"
    "  --tiles DIR           tile folder (default: tiles beside the program)\n"
    "  -q, --quiet           print the open ends only, no summary lines\n"
    "  -h, --help            show this text\n"
    "  --version             show the version\n"
    "\n"
    "Exit status: 0 no track has an open road end, 1 some track has one or\n"
    "could not be read, 2 usage error.\n";

} // namespace

CheckCommand::CheckCommand(QTextStream &out, QTextStream &err)
    : m_out(out), m_err(err)
{
}

int CheckCommand::run(const QStringList &arguments)
{
    if (!parse(arguments))
        return UsageError;
    if (m_done)
        return AllClosed;
    TrackReader reader(m_tilesFolder);
    return checkAll(reader);
}

bool CheckCommand::usageError(const QString &problem)
{
    m_err << "kerbwright-check: " << problem << '\n' << usage;
    m_err.flush();
    return false;
}

bool CheckCommand::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption tiles = TrackReader::tilesOption();
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")}, QString());
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    parser.addOptions({tiles, quiet, helpOption, version});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    if (parser.isSet(helpOption) || parser.isSet(version)) {
        if (parser.isSet(helpOption))
            m_out << usage << help;
        else
            m_out << "kerbwright-check " << QCoreApplication::applicationVersion() << '\n';
        m_out.flush();
        m_done = true;
        return true;
    }

    m_tilesFolder = parser.value(tiles);
    m_quiet = parser.isSet(quiet);
    m_tracks = parser.positionalArguments();
    if (m_tracks.isEmpty())
        return usageError(QStringLiteral("no track file given"));
    return true;
}

int CheckCommand::checkAll(TrackReader &reader)
{
    // Without the default piece's tile no track can be read, as in the
    // editor: every track fails with that message.
    try {
        reader.loadDefault();
    } catch (const KwError &error) {
        for (const QString &track : std::as_const(m_tracks))
            reportFailure(TrackReader::failureLine(track, error));
        return SomeOpen;
    }
    bool allClosed = true;
    for (const QString &track : std::as_const(m_tracks))
        allClosed = checkTrack(track, reader) && allClosed;
    return allClosed ? AllClosed : SomeOpen;
}

bool CheckCommand::checkTrack(const QString &track, const TrackReader &reader)
{
    QVector<OpenEnd> ends;
    try {
        const TrackGrid grid = reader.read(track).grid;
        ends = ConnectionCheck::openEnds(grid.width(), grid.height(), [&grid](int column, int row) {
            return grid.cell(column, row).code;
        });
    } catch (const KwError &error) {
        reportFailure(TrackReader::failureLine(track, error));
        return false;
    }
    for (const OpenEnd &end : std::as_const(ends))
        printEnd(track, end);
    if (!m_quiet)
        m_out << track << ": " << ConnectionCheck::countText(int(ends.size())) << '\n';
    m_out.flush();
    return ends.isEmpty();
}

void CheckCommand::printEnd(const QString &track, const OpenEnd &end)
{
    m_out << track << ':' << end.column + 1 << ':' << end.row + 1 << ": " << Edges::name(end.edge) << '\n';
}

void CheckCommand::reportFailure(const QString &line)
{
    // Standard output first, so a terminal shows both streams in order.
    m_out.flush();
    m_err << line << '\n';
    m_err.flush();
}
