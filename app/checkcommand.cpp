// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/checkcommand.h"

#include "app/trackreader.h"
#include "base/kwerror.h"
#include "base/nativename.h"
#include "base/shownbytes.h"
#include "base/uilanguage.h"
#include "document/lapmodel.h"
#include "document/partslist.h"
#include "document/trackfacts.h"
#include "document/trackgrid.h"
#include "pieces/tilesource.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cmath>

namespace {

const char usage[] =
    QT_TRANSLATE_NOOP("CheckCommand",
    "Usage: kerbwright-check [--json] [--cell-size METRES] [--car NAME | --car-file FILE]\n"
    "                        [--inventory FILE] [--quiet] TRACK...\n"
    "       kerbwright-check --help | --version\n");

const char help[] =
    QT_TRANSLATE_NOOP("CheckCommand",
    "\n"
    "Lists the open road ends of each track file, as the editor's Check\n"
    "connections marks them: one line TRACK:COLUMN:ROW: EDGE for each (columns\n"
    "and rows count from 1, EDGE is north, east, south or west), a line\n"
    "TRACK:COLUMN:ROW: unknown piece CODE for each code that no piece has, then\n"
    "a line TRACK: circuit N: lap 26.9 m, 9.2–10.4 s (CAR) for each circuit\n"
    "with a lap, and a line TRACK: N open road ends. The check reads codes\n"
    "only, no tiles.\n"
    "\n"
    "  --json                one JSON object a track: its size, open ends,\n"
    "                        circuits with lap and road lengths and lap times,\n"
    "                        unknown codes, the car\n"
    "  --cell-size METRES    the side of a cell in metres (default 0.5)\n"
    "  --car NAME            the car of the lap times, one of the classes\n"
    "                        %1 (default %2)\n"
    "  --car-file FILE       the car's own figures instead, as lines\n"
    "                        top_speed = 25 km/h, grip = 1.1 g,\n"
    "                        acceleration = 4 m/s2, braking = 6 m/s2, and an\n"
    "                        optional name = ...; m/s and m/s2 without a unit\n"
    "  --inventory FILE      the pieces the club owns, as a CSV file of code,count\n"
    "                        lines; lists what each track needs more of\n"
    "  -q, --quiet           print the findings only, no summary lines\n"
    "  --tiles DIR           accepted and ignored: the check reads no tiles\n"
    "  -h, --help            show this text\n"
    "  --version             show the version\n"
    "\n"
    "Exit status: 0 every track is fine, 1 some track has open road ends,\n"
    "unknown codes or pieces short, 2 some file could not be read, the output\n"
    "could not be written, or a usage error.\n");

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        // The line and paragraph separators end a line in JavaScript.
        else if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString jsonMetres(double sides, double cellSize)
{
    return QString::number(sides * cellSize, 'f', 3);
}

QString code(const QByteArray &bytes)
{
    return TileFolder::shownCode(bytes);
}

// A track's name in JSON: exact, escaped as JSON escapes, unless it holds
// bytes that are no text, which no JSON string can hold: then as shown.
QString jsonName(const QString &track)
{
    return jsonString(NativeName::isText(track) ? track : ShownBytes::fileName(track));
}

QString helpText()
{
    return QCoreApplication::translate("CheckCommand", help).arg(Car::classNames(), Car::classes().first().name);
}

QString jsonSeconds(const std::optional<LapTimes> &times)
{
    if (!times)
        return QStringLiteral("null");
    return QStringLiteral("{\"min\": %1, \"max\": %2}")
        .arg(QString::number(times->fastest, 'f', 2), QString::number(times->slowest, 'f', 2));
}

} // namespace

CheckCommand::CheckCommand(QTextStream &out, QTextStream &err)
    : m_out(out), m_err(err)
{
}

int CheckCommand::run(const QStringList &arguments)
{
    if (!parse(arguments))
        return Trouble;
    if (m_done)
        return AllFine;
    if (!m_inventoryFile.isEmpty()) {
        try {
            m_inventory = Inventory::read(m_inventoryFile);
        } catch (const KwError &error) {
            m_err << "kerbwright-check: " << error.shownText() << '\n';
            m_err.flush();
            return Trouble;
        }
    }
    bool allFine = true;
    for (const QString &track : std::as_const(m_tracks))
        allFine = checkTrack(track) && allFine;
    return m_trouble ? Trouble : allFine ? AllFine : Findings;
}

bool CheckCommand::usageError(const QString &problem)
{
    m_err << "kerbwright-check: " << problem << '\n' << QCoreApplication::translate("CheckCommand", usage);
    m_err.flush();
    return false;
}

bool CheckCommand::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption tiles = TrackReader::tilesOption();
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")}, QString());
    const QCommandLineOption json(QStringLiteral("json"), QString());
    const QCommandLineOption cellSize(QStringLiteral("cell-size"), QString(), QStringLiteral("METRES"));
    const QCommandLineOption inventory(QStringLiteral("inventory"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption car(QStringLiteral("car"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption carFile(QStringLiteral("car-file"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    parser.addOptions({tiles, quiet, json, cellSize, inventory, car, carFile, helpOption, version});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    if (parser.isSet(helpOption) || parser.isSet(version)) {
        if (parser.isSet(helpOption))
            m_out << QCoreApplication::translate("CheckCommand", usage) << helpText();
        else
            m_out << "kerbwright-check " << QCoreApplication::applicationVersion() << '\n';
        m_out.flush();
        m_done = true;
        return true;
    }

    m_quiet = parser.isSet(quiet);
    m_json = parser.isSet(json);
    if (parser.isSet(cellSize)) {
        bool ok = false;
        m_cellSize = parser.value(cellSize).toDouble(&ok);
        if (!ok || !std::isfinite(m_cellSize) || m_cellSize <= 0)
            return usageError(QCoreApplication::translate("CheckCommand", "the cell size must be a positive number of metres, not \"%1\"")
                                  .arg(parser.value(cellSize)));
    }
    if (parser.isSet(car) && parser.isSet(carFile))
        return usageError(QCoreApplication::translate("CheckCommand", "give --car or --car-file, not both"));
    if (parser.isSet(carFile) && parser.value(carFile).isEmpty())
        return usageError(QCoreApplication::translate("CheckCommand", "no car file given"));
    if (parser.isSet(car) && !chooseCar(parser.value(car)))
        return false;
    if (parser.isSet(carFile) && !readCar(parser.value(carFile)))
        return false;
    m_inventoryFile = parser.value(inventory);
    if (parser.isSet(inventory) && m_inventoryFile.isEmpty())
        return usageError(QCoreApplication::translate("CheckCommand", "no inventory file given"));
    m_tracks = parser.positionalArguments();
    if (m_tracks.isEmpty())
        return usageError(QCoreApplication::translate("CheckCommand", "no track file given"));
    return true;
}

bool CheckCommand::chooseCar(const QString &name)
{
    const std::optional<Car> chosen = Car::named(name);
    if (!chosen)
        return usageError(QCoreApplication::translate("CheckCommand", "no car class \"%1\"; the classes are %2").arg(name, Car::classNames()));
    m_car = *chosen;
    return true;
}

bool CheckCommand::readCar(const QString &file)
{
    try {
        m_car = Car::read(file);
        return true;
    } catch (const KwError &error) {
        // Figures that are no car's are a usage error; a file that cannot
        // be read is reported as an inventory's is.
        if (error.kind() == KwError::Kind::Other)
            return usageError(error.shownText());
        m_err << "kerbwright-check: " << error.shownText() << '\n';
        m_err.flush();
        return false;
    }
}

bool CheckCommand::checkTrack(const QString &track)
{
    TrackGrid grid;
    try {
        grid = TrackReader::readCodes(track);
    } catch (const KwError &error) {
        reportFailure(track, error.shownText());
        return false;
    }
    const TrackFacts facts(grid);
    const UiLanguage::Plain forScripts;
    const bool fine = m_json ? printJson(track, grid, facts)
                             : printText(ShownBytes::fileName(track), grid, facts);
    m_out.flush();
    return fine;
}

bool CheckCommand::printText(const QString &shownTrack, const TrackGrid &grid, const TrackFacts &facts)
{
    for (const OpenEnd &end : facts.openEnds())
        m_out << shownTrack << ':' << end.column + 1 << ':' << end.row + 1 << ": " << Edges::name(end.edge) << '\n';
    for (const UnknownPiece &piece : facts.unknown())
        m_out << shownTrack << ':' << piece.column + 1 << ':' << piece.row + 1 << ": unknown piece " << code(piece.code)
              << '\n';
    QVector<Inventory::Shortage> shortages;
    if (m_inventory) {
        shortages = m_inventory->shortages(PartsList(grid));
        for (const Inventory::Shortage &shortage : std::as_const(shortages))
            m_out << shownTrack << ": " << code(shortage.code) << " short by " << shortage.missing() << " (need "
                  << shortage.need << ", own " << shortage.own << ")\n";
    }
    if (!m_quiet) {
        const LapSetup setup{m_car, m_cellSize};
        for (int k = 0; k < facts.circuits().size(); ++k)
            if (const QString lap = setup.lapText(grid, facts.circuits()[k]); !lap.isEmpty())
                m_out << shownTrack << ": circuit " << k + 1 << ": " << lap << '\n';
        m_out << shownTrack << ": " << ConnectionCheck::plainCountText(int(facts.openEnds().size())) << '\n';
        if (m_inventory) {
            QString text = Inventory::shortText(shortages);
            text[0] = text[0].toLower();
            m_out << shownTrack << ": " << text << '\n';
        }
    }
    return facts.openEnds().isEmpty() && facts.unknown().isEmpty() && shortages.isEmpty();
}

bool CheckCommand::printJson(const QString &track, const TrackGrid &grid, const TrackFacts &facts)
{
    QStringList ends;
    for (const OpenEnd &end : facts.openEnds())
        ends << QStringLiteral("{\"column\": %1, \"row\": %2, \"edge\": \"%3\"}")
                    .arg(end.column + 1)
                    .arg(end.row + 1)
                    .arg(Edges::name(end.edge));
    QStringList circuits;
    for (const Circuit &circuit : facts.circuits())
        circuits << QStringLiteral("{\"pieces\": %1, \"closed\": %2, \"lap_m\": %3, \"road_m\": %4, \"lap_s\": %5}")
                        .arg(circuit.cells.size())
                        .arg(circuit.closed ? "true" : "false")
                        .arg(circuit.lap ? jsonMetres(*circuit.lap, m_cellSize) : QStringLiteral("null"))
                        .arg(jsonMetres(circuit.road, m_cellSize))
                        .arg(jsonSeconds(LapModel::times(grid, circuit, m_car, m_cellSize)));
    QStringList unknown;
    for (const UnknownPiece &piece : facts.unknown())
        unknown << QStringLiteral("{\"column\": %1, \"row\": %2, \"code\": %3}")
                       .arg(piece.column + 1)
                       .arg(piece.row + 1)
                       .arg(jsonString(code(piece.code)));
    m_out << "{\"track\": " << jsonName(track) << ", \"width\": " << facts.width() << ", \"height\": "
          << facts.height() << ", \"open_ends\": [" << ends.join(", ") << "], \"circuits\": ["
          << circuits.join(", ") << "], \"unknown\": [" << unknown.join(", ") << ']';
    QVector<Inventory::Shortage> shortages;
    if (m_inventory) {
        shortages = m_inventory->shortages(PartsList(grid));
        QStringList shorts;
        for (const Inventory::Shortage &shortage : std::as_const(shortages))
            shorts << QStringLiteral("{\"code\": %1, \"need\": %2, \"own\": %3}")
                          .arg(jsonString(code(shortage.code)))
                          .arg(shortage.need)
                          .arg(shortage.own);
        m_out << ", \"short\": [" << shorts.join(", ") << ']';
    }
    m_out << ", \"car\": " << jsonString(m_car.name) << "}\n";
    return facts.openEnds().isEmpty() && facts.unknown().isEmpty() && shortages.isEmpty();
}

void CheckCommand::reportFailure(const QString &track, const QString &message)
{
    m_trouble = true;
    if (m_json) {
        m_out << "{\"track\": " << jsonName(track) << ", \"error\": " << jsonString(message) << "}\n";
        m_out.flush();
        return;
    }
    // Standard output first, so a terminal shows both streams in order.
    m_out.flush();
    m_err << ShownBytes::fileName(track) << ": " << message << '\n';
    m_err.flush();
}
