// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/generatemode.h"

#include "app/suggestcommand.h"

#include "base/kwerror.h"
#include "base/safefile.h"
#include "base/shownbytes.h"
#include "base/uilanguage.h"
#include "document/trackfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>

namespace {

const char usageText[] =
    "--size COLSxROWS [--family NAME] [--inventory FILE]\n"
    "                          [--lap MIN-MAX | --lap-time MIN-MAX]\n"
    "                          [--car NAME | --car-file FILE] [--cell-size METRES]\n"
    "                          [--min-straight N] [--crossings] [-n N] [--seed S]\n"
    "                          [-o DIR] [--json]";

const char helpText[] =
    QT_TRANSLATE_NOOP("GenerateMode",
    "--size suggests closed circuits for a floor of COLS x ROWS cells (1 to 30 each)\n"
    "and writes them as suggestion-1.kwf, suggestion-2.kwf ... into DIR, best first,\n"
    "with a line for each: the file, the lap in metres and its time for the car (on\n"
    "a grippy to a slippery floor), its pieces, corners, hairpins, chicanes and\n"
    "crossings, and its score (out of 100: 60 for a lap near the middle of --lap or\n"
    "--lap-time, 40 for the share of the floor the lap spans). Then a line says what\n"
    "was found, and what held it back when fewer than N were. Each circuit has a\n"
    "start line in the middle of its longest straight. With --inventory no\n"
    "suggestion needs more than the club owns, a plain straight standing in for a\n"
    "start line it lacks; the plain surface counts only when the file lists it. -o\n"
    "names the folder (default the current folder). Exit status 0 when N circuits\n"
    "were found, 1 when fewer.\n"
    "\n"
    "  --size COLSxROWS      the floor, in cells\n"
    "  --family NAME         circuit (default), foam or carpet: the road to lay\n"
    "  --lap MIN-MAX         the lap in metres (default any length)\n"
    "  --lap-time MIN-MAX    the lap time in seconds instead: the middle of the\n"
    "                        car's time between a grippy and a slippery floor\n"
    "  --car NAME            the car of the lap times, one of the classes\n"
    "                        %1 (default %2)\n"
    "  --car-file FILE       the car's own figures instead, as kerbwright-check\n"
    "                        reads them\n"
    "  --cell-size METRES    the side of a cell in metres (default 0.5)\n"
    "  --min-straight N      at least N straight cells between corners (default 0)\n"
    "  --crossings           figures of eight too, crossing on a crossroads\n"
    "  -n, --count N         how many suggestions, 1 to 100 (default 5)\n"
    "  --seed S              another seed, other suggestions (default 1); the same\n"
    "                        seed always gives the same suggestions\n"
    "  --json                one JSON object a suggestion, then one for the outcome\n");

// The mode's own options, besides the selector and the shared ones.
const QCommandLineOption family(QStringLiteral("family"), QString(), QStringLiteral("NAME"));
const QCommandLineOption lap(QStringLiteral("lap"), QString(), QStringLiteral("MIN-MAX"));
const QCommandLineOption lapTime(QStringLiteral("lap-time"), QString(), QStringLiteral("MIN-MAX"));
const QCommandLineOption car(QStringLiteral("car"), QString(), QStringLiteral("NAME"));
const QCommandLineOption carFile(QStringLiteral("car-file"), QString(), QStringLiteral("FILE"));
const QCommandLineOption cellSize(QStringLiteral("cell-size"), QString(), QStringLiteral("METRES"));
const QCommandLineOption straightOption(QStringLiteral("min-straight"), QString(), QStringLiteral("N"));
const QCommandLineOption crossings(QStringLiteral("crossings"), QString());
const QCommandLineOption countOption({QStringLiteral("n"), QStringLiteral("count")}, QString(), QStringLiteral("N"));
const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("S"));
const QCommandLineOption json(QStringLiteral("json"), QString());

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// "3 corners", "1 hairpin"; nothing for none unless always.
QString counted(int count, const char *what, bool always = false)
{
    if (count == 0 && !always)
        return QString();
    return QStringLiteral(", %1 %2%3").arg(count).arg(QLatin1String(what)).arg(count == 1 ? "" : "s");
}

bool wholeNumber(const QString &text, int low, int high, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

} // namespace

QCommandLineOption GenerateMode::selector() const
{
    return QCommandLineOption(QStringLiteral("size"), QString(), QStringLiteral("COLSxROWS"));
}

QList<QCommandLineOption> GenerateMode::options() const
{
    return {family, lap, lapTime, car, carFile, cellSize, straightOption, crossings, countOption, seedOption, json};
}

QString GenerateMode::usage() const
{
    return QLatin1String(usageText);
}

QString GenerateMode::help() const
{
    return QCoreApplication::translate("GenerateMode", helpText).arg(Car::classNames(), Car::classes().first().name);
}

QString GenerateMode::missing() const
{
    return QCoreApplication::translate("GenerateMode", "no floor size given (--size COLSxROWS)");
}

bool GenerateMode::usageError(const QString &problem)
{
    m_command->usageError(problem);
    return false;
}

bool GenerateMode::trouble(const QString &problem)
{
    m_command->trouble(problem);
    return false;
}

int GenerateMode::run(const QCommandLineParser &parser, SuggestCommand &command)
{
    m_command = &command;
    if (!parse(parser))
        return SuggestCommand::Trouble;
    if (!m_inventoryFile.isEmpty()) {
        std::optional<Inventory> inventory = command.readInventory(m_inventoryFile);
        if (!inventory)
            return SuggestCommand::Trouble;
        m_request.inventory = std::move(*inventory);
    }
    if (m_target == Target::Length)
        m_request.target = std::make_shared<LapLengthTarget>(m_targetMin, m_targetMax, m_request.cellSize);
    else if (m_target == Target::Time)
        m_request.target = std::make_shared<LapTimeTarget>(m_targetMin, m_targetMax, m_request.car,
                                                           m_request.cellSize, m_request.family);
    // Its summary ends up in the output for scripts.
    const CircuitGenerator::Outcome outcome = [&] {
        const UiLanguage::Plain forScripts;
        return CircuitGenerator::generate(m_request);
    }();
    if (!write(outcome))
        return SuggestCommand::Trouble;
    return outcome.suggestions.size() == outcome.wanted ? SuggestCommand::AllDone : SuggestCommand::Partly;
}

bool GenerateMode::parse(const QCommandLineParser &parser)
{
    const QCommandLineOption inventory = SuggestCommand::inventoryOption();
    const QCommandLineOption output = SuggestCommand::outputOption();
    if (parser.isSet(family) && !RoadPieces::fromName(parser.value(family), m_request.family))
        return usageError(
            QCoreApplication::translate("GenerateMode", "the family must be circuit, foam or carpet, not \"%1\"").arg(parser.value(family)));
    m_inventoryFile = parser.value(inventory);
    if (parser.isSet(inventory) && m_inventoryFile.isEmpty())
        return usageError(QCoreApplication::translate("GenerateMode", "no inventory file given"));
    m_request.crossings = parser.isSet(crossings);
    m_json = parser.isSet(json);
    if (parser.isSet(output))
        m_folder = parser.value(output);
    if (m_folder.isEmpty())
        return usageError(QCoreApplication::translate("GenerateMode", "no output folder given"));
    if (parser.isSet(lap) && parser.isSet(lapTime))
        return usageError(QCoreApplication::translate("GenerateMode", "give --lap or --lap-time, not both"));
    if (!parseCar(parser))
        return false;
    return parseNumbers(parser) && parseTarget(parser);
}

bool GenerateMode::parseCar(const QCommandLineParser &parser)
{
    if (parser.isSet(car) && parser.isSet(carFile))
        return usageError(QCoreApplication::translate("GenerateMode", "give --car or --car-file, not both"));
    if (parser.isSet(car)) {
        const std::optional<Car> chosen = Car::named(parser.value(car));
        if (!chosen)
            return usageError(QCoreApplication::translate("GenerateMode", "no car class \"%1\"; the classes are %2")
                                  .arg(parser.value(car), Car::classNames()));
        m_request.car = *chosen;
    }
    if (!parser.isSet(carFile))
        return true;
    if (parser.value(carFile).isEmpty())
        return usageError(QCoreApplication::translate("GenerateMode", "no car file given"));
    try {
        m_request.car = Car::read(parser.value(carFile));
        return true;
    } catch (const KwError &error) {
        // Figures that are no car's are a usage error; a file that cannot
        // be read is trouble, as an inventory's is.
        return error.kind() == KwError::Kind::Other ? usageError(error.shownText()) : trouble(error.shownText());
    }
}

bool GenerateMode::parseNumbers(const QCommandLineParser &parser)
{
    const QString size = parser.value(selector()), count = parser.value(countOption),
                  seed = parser.value(seedOption), straight = parser.value(straightOption),
                  cell = parser.value(cellSize);
    const QRegularExpressionMatch floor =
        QRegularExpression(QStringLiteral("^(\\d{1,2})[xX×](\\d{1,2})$")).match(size);
    if (!floor.hasMatch() || !wholeNumber(floor.captured(1), 1, TrackGrid::side, m_request.columns)
        || !wholeNumber(floor.captured(2), 1, TrackGrid::side, m_request.rows))
        return usageError(QCoreApplication::translate("GenerateMode", "the size must be COLSxROWS, each from 1 to 30, not \"%1\"").arg(size));
    if (!count.isEmpty() && !wholeNumber(count, 1, CircuitGenerator::maxCount, m_request.count))
        return usageError(QCoreApplication::translate("GenerateMode", "the count must be a whole number from 1 to %1, not \"%2\"")
                              .arg(CircuitGenerator::maxCount)
                              .arg(count));
    if (!straight.isEmpty() && !wholeNumber(straight, 0, TrackGrid::side - 2, m_request.minStraight))
        return usageError(
            QCoreApplication::translate("GenerateMode", "the straight between corners must be 0 to 28 cells, not \"%1\"").arg(straight));
    bool ok = true;
    if (!seed.isEmpty())
        m_request.seed = seed.toULongLong(&ok);
    if (!ok)
        return usageError(QCoreApplication::translate("GenerateMode", "the seed must be a whole number from 0 up, not \"%1\"").arg(seed));
    if (!cell.isEmpty()) {
        m_request.cellSize = cell.toDouble(&ok);
        if (!ok || !std::isfinite(m_request.cellSize) || m_request.cellSize <= 0)
            return usageError(
                QCoreApplication::translate("GenerateMode", "the cell size must be a positive number of metres, not \"%1\"").arg(cell));
    }
    return true;
}

bool GenerateMode::parseTarget(const QCommandLineParser &parser)
{
    const bool time = parser.isSet(lapTime);
    if (!time && !parser.isSet(lap))
        return true;
    m_target = time ? Target::Time : Target::Length;
    const QString text = parser.value(time ? lapTime : lap);
    const QRegularExpressionMatch range =
        QRegularExpression(QStringLiteral("^(\\d+(?:\\.\\d+)?)-(\\d+(?:\\.\\d+)?)$")).match(text);
    m_targetMin = range.captured(1).toDouble();
    m_targetMax = range.captured(2).toDouble();
    if (!range.hasMatch() || m_targetMax <= 0 || m_targetMin > m_targetMax || !std::isfinite(m_targetMax))
        return usageError((time ? QCoreApplication::translate("GenerateMode", "the lap time must be MIN-MAX in seconds, MIN no more than MAX, not \"%1\"")
                                   : QCoreApplication::translate("GenerateMode", "the lap must be MIN-MAX in metres, MIN no more than MAX, not \"%1\"")).arg(text));
    return true;
}

QString GenerateMode::line(const QString &file, const CircuitGenerator::Suggestion &suggestion) const
{
    // A line for scripts: English, numbers as in C.
    const UiLanguage::Plain forScripts;
    const LoopShape::Features &f = suggestion.features;
    const double metres = suggestion.lap * m_request.cellSize;
    if (m_json)
        return QStringLiteral("{\"file\": %1, \"lap_m\": %2, \"lap_s\": {\"min\": %3, \"max\": %4}, \"pieces\": %5, "
                              "\"corners\": %6, \"hairpins\": %7, \"chicanes\": %8, \"crossings\": %9, \"score\": %10}")
            .arg(jsonString(file), QString::number(metres, 'f', 3),
                 QString::number(suggestion.times.fastest, 'f', 2), QString::number(suggestion.times.slowest, 'f', 2))
            .arg(suggestion.pieces)
            .arg(f.corners)
            .arg(f.hairpins)
            .arg(f.chicanes)
            .arg(f.crossings)
            .arg(suggestion.score, 0, 'f', 1);
    return file + QStringLiteral(": lap ") + TrackFacts::metres(suggestion.lap, m_request.cellSize)
           + QStringLiteral(", %1 (%2)").arg(suggestion.times.text(), m_request.car.name)
           + counted(suggestion.pieces, "piece", true) + counted(f.corners, "corner", true)
           + counted(f.hairpins, "hairpin") + counted(f.chicanes, "chicane") + counted(f.crossings, "crossing")
           + QStringLiteral(", score %1").arg(suggestion.score, 0, 'f', 1);
}

bool GenerateMode::write(const CircuitGenerator::Outcome &outcome)
{
    const QDir folder(m_folder);
    if (!outcome.suggestions.isEmpty() && !QDir().mkpath(m_folder))
        return trouble(QCoreApplication::translate("GenerateMode", "Cannot create folder %1").arg(ShownBytes::fileName(m_folder)));
    for (int k = 0; k < outcome.suggestions.size(); ++k) {
        const QString file = folder.filePath(QStringLiteral("suggestion-%1.kwf").arg(k + 1));
        try {
            SafeFile::write(file, TrackFile::write(outcome.suggestions[k].grid).text());
        } catch (const KwError &error) {
            return trouble(error.shownText());
        }
        m_command->out() << line(ShownBytes::fileName(file), outcome.suggestions[k]) << '\n';
    }
    QTextStream &out = m_command->out();
    if (m_json)
        out << "{\"found\": " << outcome.suggestions.size() << ", \"wanted\": " << outcome.wanted
              << ", \"summary\": " << jsonString(outcome.summary) << "}\n";
    else
        out << outcome.summary << '\n';
    out.flush();
    return true;
}
