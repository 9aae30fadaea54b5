// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the program takes from its raw command line. The arguments are copied
// before QApplication sees them, since Qt removes its own options.
class CommandLine
{
public:
    CommandLine(int argc, char *argv[]);

    const QByteArray &program() const { return m_program; }
    // The arguments after the program, as file names that keep every byte
    // (NativeName).
    const QStringList &arguments() const { return m_arguments; }

    // The executable's file name up to its first ".", first letter upper
    // case and the rest lower case: "kerbwright.bin" gives "Kerbwright".
    static QString applicationTitle(const QByteArray &program);

    // The track to open at start-up: the arguments joined with single spaces
    // up to the first empty one, which rejoins a path with a space that
    // reached the program in two pieces. "--inventory FILE" before them is
    // not part of it.
    static QString startupFileName(const QStringList &arguments);
    // The FILE of "--inventory FILE" as the first two arguments: the club's
    // inventory to start with; empty when the option has no file, none
    // without the option.
    static std::optional<QString> inventoryFileName(const QStringList &arguments);

private:
    QByteArray m_program;
    QStringList m_arguments;
};
