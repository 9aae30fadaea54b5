// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/commandline.h"

#include "base/nativename.h"

#include <QFile>

CommandLine::CommandLine(int argc, char *argv[])
{
    if (argc > 0 && argv[0])
        m_program = argv[0];
    for (int i = 1; i < argc; ++i)
        m_arguments.append(NativeName::decode(argv[i]));
}

QString CommandLine::applicationTitle(const QByteArray &program)
{
    QByteArray name = program.mid(program.lastIndexOf('/') + 1);
    const int dot = int(name.indexOf('.'));
    if (dot >= 0)
        name.truncate(dot);
    const QString title = QFile::decodeName(name);
    if (title.isEmpty())
        return title;
    return title.left(1).toUpper() + title.mid(1).toLower();
}

namespace {

const QString inventoryOption = QStringLiteral("--inventory");

} // namespace

std::optional<QString> CommandLine::inventoryFileName(const QStringList &arguments)
{
    if (arguments.value(0) != inventoryOption)
        return std::nullopt;
    return arguments.value(1);
}

QString CommandLine::startupFileName(const QStringList &arguments)
{
    QStringList parts;
    const QStringList track = inventoryFileName(arguments) ? arguments.mid(2) : arguments;
    for (const QString &argument : track) {
        if (argument.isEmpty())
            break;
        parts.append(argument);
    }
    return parts.join(QLatin1Char(' '));
}
