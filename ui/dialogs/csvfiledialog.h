// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The parts list's "Save as CSV…" and "Compare with inventory…" dialogs
// behind a small interface, so that tests can pick a name or cancel without
// a modal dialog.
class CsvFileDialog
{
public:
    virtual ~CsvFileDialog() = default;

    // Proposes the given name; returns the chosen file name, or an empty
    // string when the user cancelled.
    virtual QString askCsvName(const QString &proposed) = 0;
    // The inventory file to open, or an empty string when the user
    // cancelled. One that answers no such question cancels.
    virtual QString askInventoryName() { return QString(); }
};

// The real dialog, created when first asked for and kept, as a child of
// its owner (the parts list window, the main window). inventoryTitle is the
// inventory dialog's title; empty for the parts list's own.
class QtCsvFileDialog : public CsvFileDialog
{
public:
    explicit QtCsvFileDialog(QWidget *owner, const QString &inventoryTitle = QString());

    QString askCsvName(const QString &proposed) override;
    QString askInventoryName() override;

private:
    QWidget *m_owner;
    QString m_inventoryTitle;
    QFileDialog *m_dialog = nullptr;
    QFileDialog *m_openDialog = nullptr;
};
