// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's start, as app/main.cpp does it, ending the process the
// moment the editor is ready. KWBENCH_SPAWN_NS is the parent's monotonic
// clock when it started this process; KWBENCH_STOP=app ends it right after
// the application object exists (the floor that Qt itself costs).

#include "bench/procinfo.h"
#include "bench/readyprobe.h"
#include "pieces/tilesource.h"
#include "ui/window/appicon.h"
#include "ui/window/commandline.h"
#include "ui/window/tmainform.h"

#include <QApplication>
#include <QScreen>

#include <cstdlib>

namespace {

qint64 originNs()
{
    const char *spawn = std::getenv("KWBENCH_SPAWN_NS");
    return spawn ? std::strtoll(spawn, nullptr, 10) : ProcInfo::monotonicNs();
}

bool stopAfterApplication()
{
    const char *stop = std::getenv("KWBENCH_STOP");
    return stop && qstrcmp(stop, "app") == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    ReadyProbe probe(originNs());
    probe.note("main");
    const CommandLine commandLine(argc, argv);

    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(CommandLine::applicationTitle(commandLine.program()));
    QApplication::setWindowIcon(AppIcon::icon());
    probe.note("app");
    if (stopAfterApplication())
        probe.finish(0);

    TMainForm window(TileFolder::besideExecutable(), commandLine.arguments());
    probe.watch(&window);
    probe.note("window");
    window.FormCreate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
