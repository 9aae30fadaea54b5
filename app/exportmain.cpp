#include "app/exportcommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

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

} // namespace

// No window and no display: composing and writing pictures needs only
// QImage, which works under a plain QCoreApplication.
int main(int argc, char *argv[])
{
    keepPictureMemory();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ExportCommand command(out, err);
    return command.run(QCoreApplication::arguments());
}
