// SPDX-License-Identifier: GPL-3.0-or-later
// kwbench [--batch | --edits | --sheets | --suggest | --roads] [ROUNDS]: every benchmark of the
// editor, ROUNDS times (default 11), printed as one table; with --batch only
// the batch export of twenty tracks, with --edits only the block commands
// (turning a track, the bucket fill), with --sheets only the build sheets, with --suggest
// only suggesting circuits, with --roads only the road tools and the lap time.
// Headless: the offscreen platform with a 1920 x 1080 screen, set here for
// this process and the launches it times.

#include "bench/benchrunner.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr int defaultRounds = 11;

// A desktop-sized screen: on the offscreen platform's default one the
// editor would first ask for a larger screen resolution.
bool useOffscreenScreen(const QString &folder)
{
    const QString path = folder + QStringLiteral("/offscreen.json");
    QFile file(path);
    const QByteArray json = R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920,
        "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return false;
    const QByteArray platform = "offscreen:configfile=" + QFile::encodeName(path);
    return setenv("QT_QPA_PLATFORM", platform.constData(), 1) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    using Only = BenchRunner::Only;
    Only only = Only::Nothing;
    for (auto [option, part] : {std::pair("--batch", Only::Batch), std::pair("--edits", Only::Edits),
                                std::pair("--sheets", Only::Sheets), std::pair("--suggest", Only::Suggest),
                                std::pair("--roads", Only::Roads)})
        if (argc > 1 && std::strcmp(argv[1], option) == 0)
            only = part;
    const int roundsAt = only == Only::Nothing ? 1 : 2;
    const int rounds = argc > roundsAt ? std::atoi(argv[roundsAt]) : defaultRounds;
    if (rounds < 1 || argc > roundsAt + 1) {
        std::fputs("usage: kwbench [--batch | --edits | --sheets | --suggest | --roads] [ROUNDS]\n", stderr);
        return 2;
    }
    QTemporaryDir work;
    if (!work.isValid() || !useOffscreenScreen(work.path())) {
        std::fputs("kwbench: cannot prepare a work folder\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    return BenchRunner(rounds, work.path(), only).run();
}
