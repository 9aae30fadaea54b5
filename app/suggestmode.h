// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;
class SuggestCommand;

// One thing kerbwright-suggest does, chosen by an option of its own (--fit
// TRACK uses the pieces a club owns). A mode names its options, says how it
// is used, and runs with the parsed command line; SuggestCommand parses,
// answers --help and --version, and refuses a command line that mixes
// modes, so each mode stays in a file of its own.
class SuggestMode
{
public:
    virtual ~SuggestMode() = default;

    // The option that chooses the mode.
    virtual QCommandLineOption selector() const = 0;
    // Its own further options; those all modes share are SuggestCommand's.
    virtual QList<QCommandLineOption> options() const { return {}; }
    // The synopsis, after the program's name: "--fit TRACK --inventory FILE -o OUT.kwf".
    virtual QString usage() const = 0;
    // What the mode does and prints, and its exit statuses, for --help.
    virtual QString help() const = 0;
    // The usage error when the mode's options come without its selector.
    virtual QString missing() const = 0;
    // Runs: the exit status (SuggestCommand::Status).
    virtual int run(const QCommandLineParser &parser, SuggestCommand &command) = 0;
};
