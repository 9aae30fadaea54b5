// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exportcommand.h"
#include "app/standardoutput.h"
#include "base/nativename.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Each track's picture (8.6 MB for 30 x 30) is freed just before the same
// worker asks for the next one. glibc hands blocks that large straight back
// to the system and maps the next one afresh, which the system must fill with
// zeros page by page: about 7 % of a batch's processor time. Kept in the heap
// instead, a worker's next picture reuses the memory of its last; at most
// one spare picture per worker stays mapped, and only while we run.
void keepPictureMemory()
{
#ifdef __GLIBC__
    constexpr int largestPicture = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, largestPicture);
    mallopt(M_TRIM_THRESHOLD, 2 * largestPicture);
#endif
}

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

// A thumbnail is a picture alone, which needs no fonts: without the platform
// and its fonts the program starts in a fraction of the time, which a file
// manager asking for a folder's thumbnails notices.
bool thumbnailOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--thumbnail") == 0 || std::strncmp(argv[i], "--thumbnail=", 12) == 0)
            return true;
    }
    return false;
}

} // namespace

// No window and no display: pictures need only QImage, but the plan's text
// needs fonts, and Qt has fonts only under a QGuiApplication. The offscreen
// platform gives it one on any machine, with or without a display.
int main(int argc, char *argv[])
{
    keepPictureMemory();
    std::unique_ptr<QCoreApplication> app;
    if (thumbnailOnly(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        // Qt's own PNG writer does it; looking for image format plugins
        // first would load every one installed.
        QCoreApplication::setLibraryPaths({});
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(startupMessage);
        app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(qtHandler);
    }
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ExportCommand command(out, err);
    // argv as QGuiApplication left it, without its own options; not
    // QCoreApplication::arguments(), which loses the bytes of a file name
    // that are no UTF-8.
    const int status = command.run(NativeName::arguments(argc, argv));
    return StandardOutput::finish(out, err, QStringLiteral("kerbwright-export"), status);
}
