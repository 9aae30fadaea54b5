#include "pieces/tilesource.h"
#include "ui/appicon.h"
#include "ui/commandline.h"
#include "ui/tmainform.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    // Taken before QApplication removes its own options from argv.
    const CommandLine commandLine(argc, argv);

    QApplication app(argc, argv);
    // The title of every message box. Not the display name: Qt would append
    // that to every window caption.
    QCoreApplication::setApplicationName(CommandLine::applicationTitle(commandLine.program()));
    QApplication::setWindowIcon(AppIcon::icon());

    // The main window owns the size, About and save-changes dialogs and
    // creates them in that order.
    TMainForm window(TileFolder::besideExecutable(), commandLine.arguments());
    window.FormCreate();
    // Fill the work area also where no window manager maximizes windows.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
