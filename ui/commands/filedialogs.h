// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The two file dialogs of the main window behind a small interface, so that
// tests can pick a name or cancel without a modal dialog.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    // Each shows its dialog proposing the given name and returns the chosen
    // file name, or an empty string when the user cancelled.
    virtual QString askSaveName(const QString &proposed) = 0;
    virtual QString askOpenName(const QString &proposed) = 0;
};

// The real dialogs, created once and kept, as children of the main window.
// Each is created when it is first needed: Qt's file dialog is costly to
// build (icons, a file-system model and its thread), and the editor should
// be ready without waiting for dialogs the user may never open.
class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *owner);

    QString askSaveName(const QString &proposed) override;
    QString askOpenName(const QString &proposed) override;

private:
    static QString run(QFileDialog *dialog, const QString &proposed);
    QFileDialog *saveDialog();
    QFileDialog *openDialog();

    QWidget *m_owner;
    QFileDialog *m_save = nullptr;
    QFileDialog *m_open = nullptr;
};
