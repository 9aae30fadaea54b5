// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/uilanguage.h"
#include "pieces/tilesource.h"
#include "ui/recovery/recovery.h"
#include "ui/recovery/sessionend.h"
#include "ui/window/appicon.h"
#include "ui/window/commandline.h"
#include "ui/window/tmainform.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    // Taken before QApplication removes its own options from argv.
    const CommandLine commandLine(argc, argv);

    QApplication app(argc, argv);
    UiLanguage::install(app);
    // The title of every message box. Not the display name: Qt would append
    // that to every window caption.
    QCoreApplication::setApplicationName(CommandLine::applicationTitle(commandLine.program()));
    QApplication::setWindowIcon(AppIcon::icon());

    // The main window owns the size, About and save-changes dialogs and
    // creates them in that order.
    TMainForm window(TileFolder::besideExecutable(), commandLine.arguments());
    // A signal or a log-out keeps the unsaved track as a recovery copy; one
    // that comes while FormCreate's message is up ends the program there.
    const SessionEnd sessionEnd(window.recovery()->keeper());
    window.FormCreate();
    if (sessionEnd.hasEnded())
        return 0;
    // Fill the work area also where no window manager maximizes windows.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
