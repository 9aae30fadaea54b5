// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/suggestcommand.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

// No window and no display: suggesting circuits and fitting tracks need the
// core alone.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-suggest"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    SuggestCommand command(out, err);
    return command.run(QCoreApplication::arguments());
}
