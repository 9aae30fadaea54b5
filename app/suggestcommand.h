// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/suggestmode.h"
#include "document/inventory.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTextStream;

// kerbwright-suggest: suggests tracks from what a club owns, in one of its
// modes (SuggestMode), each chosen by its own option. This part is the
// program around them: the options every mode shares (-o, --inventory),
// --help and --version, usage errors, and the exit statuses.
class SuggestCommand
{
public:
    // As diff and grep have it: 1 when only part of what was asked could be
    // done (pieces still short), 2 for trouble, which wins.
    enum Status { AllDone = 0, Partly = 1, Trouble = 2 };

    SuggestCommand(QTextStream &out, QTextStream &err);
    ~SuggestCommand();

    // arguments as QCoreApplication::arguments() gives them, program first.
    int run(const QStringList &arguments);

    // The options every mode shares.
    static QCommandLineOption outputOption();
    static QCommandLineOption inventoryOption();

    QTextStream &out() { return m_out; }
    // "kerbwright-suggest: problem", then the usage: the status to return.
    int usageError(const QString &problem);
    // "kerbwright-suggest: message" on standard error: the status to return.
    int trouble(const QString &message);
    // The inventory named by --inventory, read; none, after saying why on
    // standard error, when it cannot be read.
    std::optional<Inventory> readInventory(const QString &path);

private:
    QString usageText() const;
    QString helpText() const;

    QTextStream &m_out;
    QTextStream &m_err;
    std::vector<std::unique_ptr<SuggestMode>> m_modes;
};
