#include "app/exportcommand.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's start-up remarks when XDG_RUNTIME_DIR is unset (a cron job, a
// container, sudo), which says nothing about the export and would make
// stderr, where failures go, unclean. Everything else passes through.
void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    qtHandler(type, context, text);
}

} // namespace

// No window and no display: pictures need only QImage, but the plan's text
// needs fonts, and Qt has fonts only under a QGuiApplication. The offscreen
// platform gives it one on any machine, with or without a display.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(startupMessage);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ExportCommand command(out, err);
    return command.run(QCoreApplication::arguments());
}
