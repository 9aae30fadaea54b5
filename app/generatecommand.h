// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/suggest/circuitgenerator.h"

#include <QString>
#include <QStringList>

class QTextStream;

// kerbwright-suggest's generating mode: suggests circuits for a floor of
// COLS x ROWS cells (CircuitGenerator), writes them as suggestion-1.kwf,
// suggestion-2.kwf … into a folder and prints a line for each, as text or
// as JSON, then what was found.
class GenerateCommand
{
public:
    // As diff and grep have it: all found, fewer, trouble.
    enum Status { AllFound = 0, FewerFound = 1, Trouble = 2 };

    GenerateCommand(QTextStream &out, QTextStream &err);

    // arguments as QCoreApplication::arguments() gives them, program first.
    int run(const QStringList &arguments);

private:
    bool parse(const QStringList &arguments);
    bool parseNumbers(const QString &size, const QString &lap, const QString &count, const QString &seed,
                      const QString &straight, const QString &cellSize);
    bool usageError(const QString &problem);
    bool trouble(const QString &problem);
    bool write(const CircuitGenerator::Outcome &outcome);
    QString line(const QString &file, const CircuitGenerator::Suggestion &suggestion) const;

    QTextStream &m_out;
    QTextStream &m_err;
    CircuitGenerator::Request m_request;
    double m_lapMin = 0;
    double m_lapMax = 0;
    bool m_hasLap = false;
    QString m_inventoryFile;
    QString m_folder = QStringLiteral(".");
    bool m_json = false;
    bool m_done = false;  // --help or --version answered
};
