// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/suggestmode.h"
#include "document/suggest/circuitgenerator.h"

#include <QString>

class QTextStream;

// kerbwright-suggest's generating mode, --size COLSxROWS: suggests circuits
// for a floor of COLS x ROWS cells (CircuitGenerator), for a lap length or a
// lap time, writes them as suggestion-1.kwf, suggestion-2.kwf … into a
// folder and prints a line for each with its lap and lap time, as text or as
// JSON, then what was found.
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
    enum class Target { None, Length, Time };

    bool parse(const QCommandLineParser &parser);
    bool parseCar(const QCommandLineParser &parser);
    bool parseNumbers(const QCommandLineParser &parser);
    bool parseTarget(const QCommandLineParser &parser);
    bool usageError(const QString &problem);
    bool trouble(const QString &problem);
    bool write(const CircuitGenerator::Outcome &outcome);
    QString line(const QString &file, const CircuitGenerator::Suggestion &suggestion) const;

    SuggestCommand *m_command = nullptr;
    CircuitGenerator::Request m_request;
    Target m_target = Target::None;
    double m_targetMin = 0;  // metres or seconds
    double m_targetMax = 0;
    QString m_inventoryFile;
    QString m_folder = QStringLiteral(".");
    bool m_json = false;
};
