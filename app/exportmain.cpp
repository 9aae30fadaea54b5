#include "app/exportcommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

// No window and no display: composing and writing pictures needs only
// QImage, which works under a plain QCoreApplication.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    ExportCommand command(out, err);
    return command.run(QCoreApplication::arguments());
}
