// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/checkcommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

// No window and no display: reading tracks and their tiles needs only
// QImage, which works under a plain QCoreApplication.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    CheckCommand command(out, err);
    return command.run(QCoreApplication::arguments());
}
