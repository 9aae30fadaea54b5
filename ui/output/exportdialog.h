// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The "Export as" dialog behind a small interface, so that tests can pick a
// name or cancel without a modal dialog.
class ExportDialog
{
public:
    virtual ~ExportDialog() = default;

    // Proposes the given name; returns the chosen file name, or an empty
    // string when the user cancelled.
    virtual QString askExportName(const QString &proposed) = 0;
};

// The real dialog, created when first asked for and kept, as a child of the
// main window.
class QtExportDialog : public ExportDialog
{
public:
    explicit QtExportDialog(QWidget *owner);

    QString askExportName(const QString &proposed) override;

private:
    QWidget *m_owner;
    QFileDialog *m_dialog = nullptr;
};
