// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// A save dialog for an export ("Export as", the build sheets) behind a small
// interface, so that tests can pick a name or cancel without a modal dialog.
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
    // What the dialog says and lists.
    struct Setup
    {
        QString title;
        QString objectName;
        QStringList filters;
        QString defaultSuffix;  // for a name typed without an extension
    };
    // "Export as": any format, chosen by the name's extension.
    static Setup exportAs();
    // "Export build sheets to PDF".
    static Setup buildSheets();

    QtExportDialog(QWidget *owner, const Setup &setup);

    QString askExportName(const QString &proposed) override;

private:
    QWidget *m_owner;
    Setup m_setup;
    QFileDialog *m_dialog = nullptr;
};
