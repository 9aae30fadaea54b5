// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/uilanguage.h"
#include "app/checkcommand.h"
#include "app/standardoutput.h"
#include "base/nativename.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

// No window and no display: reading tracks and their tiles needs only
// QImage, which works under a plain QCoreApplication.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    UiLanguage::install(app);
    QCoreApplication::setApplicationName(QStringLiteral("kerbwright-check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KW_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    CheckCommand command(out, err);
    // Not QCoreApplication::arguments(): it loses the bytes of a file name
    // that are no UTF-8.
    const int status = command.run(NativeName::arguments(argc, argv));
    return StandardOutput::finish(out, err, QStringLiteral("kerbwright-check"), status);
}
