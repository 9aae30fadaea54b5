// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/suggestcommand.h"

#include "app/fitmode.h"
#include "app/generatemode.h"
#include "base/kwerror.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char program[] = "kerbwright-suggest";

const char sharedHelp[] =
    QT_TRANSLATE_NOOP("SuggestCommand",
    "Options both modes take:\n"
    "  -o, --output PATH     where to write: the suggestions' folder (default the\n"
    "                        current folder), or the fitted track\n"
    "  --inventory FILE      the pieces the club owns, as a CSV file of code,count\n"
    "                        lines (or the parts list's code,page,count,name)\n"
    "  -h, --help            show this text\n"
    "  --version             show the version\n"
    "\n"
    "Exit status: 0 all that was asked was done, 1 only part of it, 2 some file\n"
    "could not be read or written (standard output too), or a usage error.\n");

QString optionName(const QCommandLineOption &option)
{
    const QString name = option.names().first();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

SuggestCommand::SuggestCommand(QTextStream &out, QTextStream &err)
    : m_out(out), m_err(err)
{
    m_modes.push_back(std::make_unique<GenerateMode>());
    m_modes.push_back(std::make_unique<FitMode>());
}

SuggestCommand::~SuggestCommand() = default;

QCommandLineOption SuggestCommand::outputOption()
{
    return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("PATH"));
}

QCommandLineOption SuggestCommand::inventoryOption()
{
    return QCommandLineOption(QStringLiteral("inventory"), QString(), QStringLiteral("FILE"));
}

int SuggestCommand::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    parser.addOptions({outputOption(), inventoryOption(), help, version});
    for (const auto &mode : m_modes) {
        parser.addOption(mode->selector());
        parser.addOptions(mode->options());
    }
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(version)) {
        if (parser.isSet(help))
            m_out << usageText() << helpText();
        else
            m_out << program << ' ' << QCoreApplication::applicationVersion() << '\n';
        m_out.flush();
        return AllDone;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("SuggestCommand", "unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    SuggestMode *chosen = nullptr;
    for (const auto &mode : m_modes) {
        if (!parser.isSet(mode->selector()))
            continue;
        if (chosen)
            return usageError(QCoreApplication::translate("SuggestCommand", "%1 and %2 cannot go together")
                                  .arg(optionName(chosen->selector()), optionName(mode->selector())));
        chosen = mode.get();
    }
    if (!chosen) {
        // The options given say which mode was meant.
        QStringList selectors;
        for (const auto &mode : m_modes) {
            for (const QCommandLineOption &option : mode->options())
                if (parser.isSet(option))
                    return usageError(mode->missing());
            selectors << optionName(mode->selector());
        }
        return usageError(QCoreApplication::translate("SuggestCommand", "no mode given: %1").arg(selectors.join(QLatin1String(" or "))));
    }
    // Another mode's option would silently do nothing.
    for (const auto &mode : m_modes)
        for (const QCommandLineOption &option : mode->options())
            if (mode.get() != chosen && parser.isSet(option))
                return usageError(QCoreApplication::translate("SuggestCommand", "%1 does not go with %2")
                                      .arg(optionName(option), optionName(chosen->selector())));
    const int status = chosen->run(parser, *this);
    m_out.flush();
    return status;
}

int SuggestCommand::usageError(const QString &problem)
{
    m_out.flush();
    m_err << program << ": " << problem << '\n' << usageText();
    m_err.flush();
    return Trouble;
}

int SuggestCommand::trouble(const QString &message)
{
    m_out.flush();
    m_err << program << ": " << message << '\n';
    m_err.flush();
    return Trouble;
}

std::optional<Inventory> SuggestCommand::readInventory(const QString &path)
{
    try {
        return Inventory::read(path);
    } catch (const KwError &error) {
        trouble(error.shownText());
        return std::nullopt;
    }
}

QString SuggestCommand::usageText() const
{
    // The lines after the first stand under its program name, whatever the
    // length of "Usage: " in the user's language.
    const QString first = QCoreApplication::translate("SuggestCommand", "Usage: ");
    const QString indent(first.size(), QLatin1Char(' '));
    QString text;
    for (const auto &mode : m_modes)
        text += (text.isEmpty() ? first : indent) + program + ' ' + mode->usage() + '\n';
    return text + indent + program + QStringLiteral(" --help | --version\n");
}

QString SuggestCommand::helpText() const
{
    QString text;
    for (const auto &mode : m_modes)
        text += '\n' + mode->help();
    return text + '\n' + QCoreApplication::translate("SuggestCommand", sharedHelp);
}
