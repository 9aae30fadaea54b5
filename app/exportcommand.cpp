// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exportcommand.h"

#include "app/exportorder.h"
#include "base/kwerror.h"
#include "base/shownbytes.h"
#include "base/quietprogress.h"
#include "export/buildsheets.h"
#include "export/pictureexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <new>

namespace {

// A cell half as wide as A4 paper is as large as a crew could want.
constexpr double largestCellMm = 100;

const char usage[] =
    "Usage: kerbwright-export [--format jpg|bmp|png|pdf|csv|sheets] [--depth 16|24|32]\n"
    "                         [--paper a4|letter|a3] [--cell-mm N] [--tiles DIR]\n"
    "                         [--inventory FILE] [-o OUTPUT] [--jobs N] [--quiet] TRACK...\n"
    "       kerbwright-export --thumbnail SIZE [--tiles DIR] [--quiet] TRACK OUTPUT\n"
    "       kerbwright-export --help | --version\n";

const char help[] =
    "\n"
    "Writes the picture of each track file as the editor's export does, or its\n"
    "printable plan, build sheets or parts list: beside the track, named after it\n"
    "less its last four characters.\n"
    "\n"
    "  --format FORMAT       jpg, bmp or png: the track's picture (default jpg);\n"
    "                        pdf: the plan, picture and parts list on A4;\n"
    "                        csv: the parts list, lines of code,page,count;\n"
    "                        sheets: the build sheets, a PDF named TRACK-sheets.pdf\n"
    "  --depth 16|24|32      bits per pixel of a BMP picture (default 24)\n"
    "  --paper a4|letter|a3  the build sheets' paper (default a4)\n"
    "  --cell-mm N           the least side of a cell on the build sheets, in mm\n"
    "                        (10 to 100, default 18)\n"
    "  --tiles DIR           tile folder (default: tiles beside the program)\n"
    "  --inventory FILE      the pieces the club owns (CSV of code,count lines):\n"
    "                        the plan lists what is short, the build sheets mark it\n"
    "  -o, --output OUTPUT   output file for a single TRACK; its extension (.jpg,\n"
    "                        .jpeg, .bmp, .png, .pdf, .csv) chooses the format;\n"
    "                        with --format sheets it must be .pdf\n"
    "  -j, --jobs N          tracks exported at once (default: one per processor);\n"
    "                        lines and files are the same for every N\n"
    "  -q, --quiet           print nothing for files written\n"
    "  --thumbnail SIZE      write the track's picture scaled to fit SIZE x SIZE\n"
    "                        pixels as PNG to OUTPUT, as file managers show it\n"
    "  -h, --help            show this text\n"
    "  --version             show the version\n"
    "\n"
    "Exit status: 0 all files written, 1 some track failed, 2 usage error or\n"
    "standard output not written.\n";

} // namespace

ExportCommand::ExportCommand(QTextStream &out, QTextStream &err)
    : m_out(out), m_err(err)
{
}

int ExportCommand::run(const QStringList &arguments)
{
    if (!parse(arguments))
        return UsageError;
    if (m_done)
        return AllExported;
    if (!m_inventoryFile.isEmpty()) {
        try {
            m_inventory = Inventory::read(m_inventoryFile);
        } catch (const KwError &error) {
            m_err << "kerbwright-export: " << error.shownText() << '\n';
            m_err.flush();
            return UsageError;
        }
    }
    TrackReader reader(m_tilesFolder);
    return m_thumbnailSize > 0 ? writeThumbnail(reader) : exportAll(reader);
}

bool ExportCommand::usageError(const QString &problem)
{
    m_err << "kerbwright-export: " << problem << '\n' << usage;
    m_err.flush();
    return false;
}

bool ExportCommand::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption depth(QStringLiteral("depth"), QString(), QStringLiteral("BITS"));
    const QCommandLineOption tiles = TrackReader::tilesOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("OUTPUT"));
    const QCommandLineOption quiet({QStringLiteral("q"), QStringLiteral("quiet")}, QString());
    const QCommandLineOption jobs({QStringLiteral("j"), QStringLiteral("jobs")}, QString(),
                                  QStringLiteral("N"));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    const QCommandLineOption inventory(QStringLiteral("inventory"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption paper(QStringLiteral("paper"), QString(), QStringLiteral("PAPER"));
    const QCommandLineOption cellMm(QStringLiteral("cell-mm"), QString(), QStringLiteral("N"));
    const QCommandLineOption thumbnail(QStringLiteral("thumbnail"), QString(), QStringLiteral("SIZE"));
    parser.addOptions({format, depth, paper, cellMm, tiles, inventory, output, quiet, jobs, helpOption, version,
                       thumbnail});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());

    if (parser.isSet(helpOption) || parser.isSet(version)) {
        if (parser.isSet(helpOption))
            m_out << usage << help;
        else
            m_out << "kerbwright-export " << QCoreApplication::applicationVersion() << '\n';
        m_out.flush();
        m_done = true;
        return true;
    }

    m_sheets = parser.value(format).compare(QLatin1String("sheets"), Qt::CaseInsensitive) == 0;
    if (m_sheets)
        m_format = TrackExport::Format::Pdf;
    else if (parser.isSet(format) && !TrackExport::formatOfSuffix(parser.value(format), m_format))
        return usageError(QStringLiteral("unknown format \"%1\"").arg(parser.value(format)));
    if (!parseSheetOptions(parser, paper, cellMm))
        return false;
    if (parser.isSet(depth)) {
        m_depth = parser.value(depth).toInt();
        if (m_depth != 16 && m_depth != 24 && m_depth != 32)
            return usageError(QStringLiteral("--depth takes 16, 24 or 32"));
    }
    if (parser.isSet(jobs)) {
        bool number = false;
        m_jobs = parser.value(jobs).toInt(&number);
        if (!number || m_jobs < 1)
            return usageError(QStringLiteral("--jobs takes a whole number from 1 on"));
    }
    m_tilesFolder = parser.value(tiles);
    m_inventoryFile = parser.value(inventory);
    if (parser.isSet(inventory) && m_inventoryFile.isEmpty())
        return usageError(QStringLiteral("no inventory file given"));
    m_quiet = parser.isSet(quiet);
    m_tracks = parser.positionalArguments();
    if (parser.isSet(thumbnail)) {
        // A thumbnail has a size and a place of its own; the options of an
        // export would be taken in silence.
        for (const QCommandLineOption *other : {&format, &depth, &inventory, &output, &jobs}) {
            if (parser.isSet(*other))
                return usageError(QStringLiteral("--thumbnail takes no --%1").arg(other->names().constLast()));
        }
        return parseThumbnail(parser.value(thumbnail));
    }
    if (m_tracks.isEmpty())
        return usageError(QStringLiteral("no track file given"));

    if (parser.isSet(output)) {
        m_output = parser.value(output);
        if (m_tracks.size() != 1)
            return usageError(QStringLiteral("-o takes exactly one track file"));
        // The build sheets are a PDF of their own: the format option
        // decides, and the name must say PDF.
        if (m_sheets && QFileInfo(m_output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
            return usageError(QStringLiteral("the build sheets are a PDF: the extension of \"%1\" must be .pdf")
                                  .arg(m_output));
        TrackExport::Format byName;
        if (!TrackExport::formatOfName(m_output, byName))
            return usageError(QStringLiteral("the extension of \"%1\" is not %2")
                                  .arg(ShownBytes::fileName(m_output), TrackExport::acceptedExtensions()));
        // Two different formats asked for at once: neither can be right.
        if (parser.isSet(format) && byName != m_format)
            return usageError(QStringLiteral("--format and the extension of -o disagree"));
        // A picture never replaces the track it is made from.
        if (TrackExport::namesTrackFile(m_output, m_tracks.first()))
            return usageError(QStringLiteral("-o names the track file itself"));
        m_format = byName;
    }
    // Only a BMP file has a depth to choose; taking the option in silence
    // would let the user believe it did something.
    if (parser.isSet(depth) && m_format != TrackExport::Format::Bmp)
        return usageError(QStringLiteral("--depth applies to BMP only (--format bmp or -o with .bmp)"));
    return true;
}

bool ExportCommand::parseSheetOptions(const QCommandLineParser &parser, const QCommandLineOption &paper,
                                      const QCommandLineOption &cellMm)
{
    // As with --depth: an option that would do nothing is refused, not ignored.
    if (!m_sheets && (parser.isSet(paper) || parser.isSet(cellMm)))
        return usageError(QStringLiteral("--%1 applies to the build sheets only (--format sheets)")
                              .arg(parser.isSet(paper) ? QStringLiteral("paper") : QStringLiteral("cell-mm")));
    if (parser.isSet(paper)) {
        static const std::pair<const char *, QPageSize::PageSizeId> papers[] = {
            {"a4", QPageSize::A4}, {"letter", QPageSize::Letter}, {"a3", QPageSize::A3}};
        const auto known = std::find_if(std::begin(papers), std::end(papers), [&](const auto &named) {
            return parser.value(paper).compare(QLatin1String(named.first), Qt::CaseInsensitive) == 0;
        });
        if (known == std::end(papers))
            return usageError(QStringLiteral("unknown paper \"%1\": a4, letter or a3").arg(parser.value(paper)));
        m_sheetOptions.paper = QPageSize(known->second);
    }
    if (parser.isSet(cellMm)) {
        bool number = false;
        const double side = parser.value(cellMm).toDouble(&number);
        if (!number || !std::isfinite(side) || side < SheetLayout::leastCellMm || side > largestCellMm)
            return usageError(QStringLiteral("--cell-mm takes a number of millimetres from 10 to 100, not \"%1\"")
                                  .arg(parser.value(cellMm)));
        m_sheetOptions.cellMm = side;
    }
    return true;
}


bool ExportCommand::parseThumbnail(const QString &size)
{
    bool number = false;
    m_thumbnailSize = size.toInt(&number);
    if (!number || m_thumbnailSize < 1 || m_thumbnailSize > PictureExport::largestThumbnail)
        return usageError(QStringLiteral("--thumbnail takes a size from 1 to %1 pixels")
                              .arg(PictureExport::largestThumbnail));
    if (m_tracks.size() != 2)
        return usageError(QStringLiteral("--thumbnail takes a track file and an output file"));
    m_output = m_tracks.takeLast();
    if (TrackExport::namesTrackFile(m_output, m_tracks.first()))
        return usageError(QStringLiteral("the output names the track file itself"));
    return true;
}

// One track, read as quickly as it can be: a file manager asks for a whole
// folder's thumbnails at once.
int ExportCommand::writeThumbnail(TrackReader &reader)
{
    const QString &track = m_tracks.first();
    try {
        reader.loadDefault();
        const TrackReader::Track read = reader.readQuickly(track);
        PictureExport::writeThumbnail(read.grid, read.tiles, m_output, m_thumbnailSize);
    } catch (const KwError &error) {
        report(track, {false, error.shownText()});
        return SomeFailed;
    } catch (const std::bad_alloc &) {
        report(track, {false, KwError::outOfResources().shownText()});
        return SomeFailed;
    }
    report(track, {true, m_output});
    return AllExported;
}

int ExportCommand::exportAll(TrackReader &reader)
{
    // Fresh and cleared cells show the default piece, whose tile the editor
    // has from its start-up; a track cannot be shown without it. The other
    // tiles come with each track, so a tile folder needs only those.
    try {
        reader.loadDefault();
    } catch (const KwError &error) {
        for (const QString &track : qAsConst(m_tracks))
            report(track, {false, error.shownText()});
        return SomeFailed;
    }
    // The workers share the reader read-only: each track's pictures go into
    // a copy of its store.
    const TrackReader &shared = reader;
    QStringList pictures;
    for (const QString &track : qAsConst(m_tracks))
        pictures.append(pictureOf(track));
    const int jobs = m_jobs > 0 ? m_jobs : QThread::idealThreadCount();
    BatchExport batch(jobs, ExportOrder::waitCounts(m_tracks, pictures, reader.tiles().folder()));
    const bool allExported = batch.run(
        [&](int i) { return exportTrack(m_tracks.at(i), shared); },
        [&](int i, const BatchExport::Outcome &outcome) { report(m_tracks.at(i), outcome); });
    return allExported ? AllExported : SomeFailed;
}

QString ExportCommand::pictureOf(const QString &track) const
{
    if (!m_output.isEmpty())
        return m_output;
    return m_sheets ? BuildSheets::outputName(track)
                    : PictureExport::outputName(track, TrackExport::extension(m_format));
}

BatchExport::Outcome ExportCommand::exportTrack(const QString &track, const TrackReader &reader) const
{
    const QString picture = pictureOf(track);
    try {
        // Beside the track, a link of the picture's name may lead to the
        // track itself (-o is refused so while parsing).
        if (TrackExport::namesTrackFile(picture, track))
            return {false, TrackExport::trackFileMessage(picture)};
        const TrackReader::Track read = reader.read(track);
        const Inventory *inventory = m_inventory ? &*m_inventory : nullptr;
        if (m_sheets) {
            BuildSheets::Options options = m_sheetOptions;
            options.inventory = inventory;
            BuildSheets::write(picture, read.grid, read.tiles, ShownBytes::fileName(QFileInfo(track).fileName()),
                               options);
        } else {
            QuietProgress silent;
            TrackExport::write(read.grid, read.tiles, track, picture, m_format, m_depth, silent, inventory);
        }
    } catch (const KwError &error) {
        return {false, error.shownText()};
    } catch (const std::bad_alloc &) {
        return {false, KwError::outOfResources().shownText()};
    }
    return {true, picture};
}

void ExportCommand::report(const QString &track, const BatchExport::Outcome &outcome)
{
    // Names as a terminal may show them: the bytes of a name can be anything.
    const QString shownTrack = ShownBytes::fileName(track);
    if (!outcome.written) {
        m_err << shownTrack << ": " << outcome.text << '\n';
        m_err.flush();
    } else if (!m_quiet) {
        m_out << shownTrack << " -> " << ShownBytes::fileName(outcome.text) << '\n';
        m_out.flush();
    }
}

