// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/commands/filedialogs.h"
#include "ui/dialogs/csvfiledialog.h"

#include <QStringList>

// File dialogs that answer from a script: each question takes the next
// answer of its list ("" is a cancel; an empty list cancels too) and the
// names the window proposed are kept for the test to check.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QStringList saveAnswers;
    QStringList openAnswers;
    QStringList saveProposals;
    QStringList openProposals;

    QString askSaveName(const QString &proposed) override
    {
        saveProposals.append(proposed);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }

    QString askOpenName(const QString &proposed) override
    {
        openProposals.append(proposed);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
};

// The inventory's file dialog, answered the same way; it saves no CSV.
struct ScriptedInventoryDialog : CsvFileDialog
{
    QStringList answers;
    QString askCsvName(const QString &) override { return QString(); }
    QString askInventoryName() override { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};
