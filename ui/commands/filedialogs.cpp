// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/filedialogs.h"

#include "ui/dialogs/nosettings.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>

namespace {

QFileDialog *makeDialog(QWidget *owner, const char *name, const QString &title,
                        QFileDialog::AcceptMode mode)
{
    NoSettings::apply();
    auto *dialog = new QFileDialog(owner, title);
    dialog->setObjectName(QLatin1String(name));
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(QCoreApplication::translate("FileDialogs", "Kerbwright File (*.kwf)"));
    // Only a name to save gets ".kwf" added; the Open dialog takes a typed
    // name as it stands, so a track called "oval" can be opened by name.
    if (mode == QFileDialog::AcceptSave)
        dialog->setDefaultSuffix(QStringLiteral("kwf"));
    // Save never asks before replacing a track, and Open lets a typed name
    // that does not exist through to the reader, which reports it.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setFileMode(QFileDialog::AnyFile);
    return dialog;
}

} // namespace

QtFileDialogs::QtFileDialogs(QWidget *owner)
    : m_owner(owner)
{
}

QFileDialog *QtFileDialogs::saveDialog()
{
    if (!m_save)
        m_save = makeDialog(m_owner, "SaveDialog", QCoreApplication::translate("FileDialogs", "Save DizedidedeVida"),
                            QFileDialog::AcceptSave);
    return m_save;
}

QFileDialog *QtFileDialogs::openDialog()
{
    if (!m_open)
        m_open = makeDialog(m_owner, "OpenDialog", QCoreApplication::translate("FileDialogs", "Open Kerbwright File"),
                            QFileDialog::AcceptOpen);
    return m_open;
}

QString QtFileDialogs::askSaveName(const QString &proposed)
{
    return run(saveDialog(), proposed);
}

QString QtFileDialogs::askOpenName(const QString &proposed)
{
    return run(openDialog(), proposed);
}

QString QtFileDialogs::run(QFileDialog *dialog, const QString &proposed)
{
    // selectFile() ignores an empty name, yet after New the Save dialog is
    // to propose none: the name box of Qt's own dialog is cleared instead.
    if (!proposed.isEmpty())
        dialog->selectFile(proposed);
    else if (auto *nameBox = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        nameBox->clear();
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
