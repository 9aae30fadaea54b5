// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/suggestmode.h"
#include "document/suggest/circuitgenerator.h"

#include <QString>

class QTextStream;

// kerbwright-suggest's generating mode, --size COLSxROWS: suggests circuits
// for a floor of COLS x ROWS cells (CircuitGenerator), writes them as
// suggestion-1.kwf, suggestion-2.kwf … into a folder and prints a line for
// each, as text or as JSON, then what was found.
class GenerateMode : public SuggestMode
{
public:
    QCommandLineOption selector() const override;
    QList<QCommandLineOption> options() const override;
    QString usage() const override;
    QString help() const override;
    QString missing() const override;
    int run(const QCommandLineParser &parser, SuggestCommand &command) override;

private:
    bool parse(const QCommandLineParser &parser);
    bool parseNumbers(const QString &size, const QString &lap, const QString &count, const QString &seed,
                      const QString &straight, const QString &cellSize);
    bool usageError(const QString &problem);
    bool trouble(const QString &problem);
    bool write(const CircuitGenerator::Outcome &outcome);
    QString line(const QString &file, const CircuitGenerator::Suggestion &suggestion) const;

    SuggestCommand *m_command = nullptr;
    CircuitGenerator::Request m_request;
    double m_lapMin = 0;
    double m_lapMax = 0;
    bool m_hasLap = false;
    QString m_inventoryFile;
    QString m_folder = QStringLiteral(".");
    bool m_json = false;
};
