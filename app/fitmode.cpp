// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fitmode.h"

#include "app/suggestcommand.h"
#include "app/trackreader.h"
#include "base/kwerror.h"
#include "base/safefile.h"
#include "base/shownbytes.h"
#include "base/uilanguage.h"
#include "document/ownedpieces.h"
#include "document/trackfile.h"
#include "pieces/piecetable.h"
#include "pieces/tilesource.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

// Whether writing output would replace the track: the same file, also
// through a link. SafeFile puts a new file in place of the name it writes,
// so a second hard link to the track is written without touching it.
bool sameFile(const QString &track, const QString &output)
{
    const QString a = QFileInfo(track).canonicalFilePath(), b = QFileInfo(output).canonicalFilePath();
    return !a.isEmpty() && a == b;
}

QString code(const QByteArray &bytes)
{
    return TileFolder::shownCode(bytes);
}

} // namespace

QCommandLineOption FitMode::selector() const
{
    return QCommandLineOption(QStringLiteral("fit"), QString(), QStringLiteral("TRACK"));
}

QString FitMode::usage() const
{
    return QStringLiteral("--fit TRACK --inventory FILE -o OUT.kwf");
}

QString FitMode::help() const
{
    return QCoreApplication::translate("FitMode",
        "--fit TRACK writes the track to OUT.kwf with the pieces the club owns used\n"
        "where it needs more of a piece than the club owns, as the editor's Use owned\n"
        "pieces does: a piece with the same edges and road takes its place (a plain\n"
        "straight for a start line, a paved corner for a kerbed one), so every\n"
        "connection, circuit and lap stays. Prints a line FROM -> TO: N (names) for\n"
        "each change, CODE short by N (need A, own B) for what stays short, and a\n"
        "summary. The track itself is never written over. Exit status 0 when every\n"
        "piece is owned, 1 when some stay short.\n");
}

QString FitMode::missing() const
{
    return QCoreApplication::translate("FitMode", "no track given (--fit TRACK)");
}

int FitMode::run(const QCommandLineParser &parser, SuggestCommand &command)
{
    const QString track = parser.value(selector());
    const QString inventoryFile = parser.value(SuggestCommand::inventoryOption());
    const QString output = parser.value(SuggestCommand::outputOption());
    if (track.isEmpty())
        return command.usageError(QCoreApplication::translate("FitMode", "no track file given"));
    if (inventoryFile.isEmpty())
        return command.usageError(QCoreApplication::translate("FitMode", "--fit needs --inventory FILE"));
    if (output.isEmpty())
        return command.usageError(QCoreApplication::translate("FitMode", "--fit needs -o OUT.kwf, the file to write"));
    if (sameFile(track, output))
        return command.usageError(QCoreApplication::translate("FitMode", "%1 is the track itself: name another file to write")
                                        .arg(ShownBytes::fileName(output)));

    const std::optional<Inventory> inventory = command.readInventory(inventoryFile);
    if (!inventory)
        return SuggestCommand::Trouble;
    OwnedPieces::Result result;
    try {
        result = OwnedPieces::fit(TrackReader::readCodes(track), *inventory);
    } catch (const KwError &error) {
        return command.trouble(TrackReader::failureLine(track, error));
    }
    try {
        SafeFile::write(output, TrackFile::write(result.grid).text());
    } catch (const KwError &error) {
        return command.trouble(error.shownText());
    }

    const UiLanguage::Plain forScripts;
    QTextStream &out = command.out();
    for (const OwnedPieces::Swap &swap : result.swaps())
        out << code(swap.from) << " -> " << code(swap.to) << ": " << swap.count << " (" << PieceTable::name(swap.from)
            << " -> " << PieceTable::name(swap.to) << ")\n";
    for (const Inventory::Shortage &shortage : result.stillShort)
        out << code(shortage.code) << " short by " << shortage.missing() << " (need " << shortage.need << ", own "
            << shortage.own << ")\n";
    out << result.text() << '\n';
    return result.stillShort.isEmpty() ? SuggestCommand::AllDone : SuggestCommand::Partly;
}
