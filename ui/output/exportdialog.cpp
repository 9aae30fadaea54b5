// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/exportdialog.h"

#include "ui/dialogs/nosettings.h"

#include <QCoreApplication>
#include <QFileDialog>

QtExportDialog::Setup QtExportDialog::exportAs()
{
    // The typed name's extension chooses the format; the filters only
    // narrow what the dialog lists. A name typed without any extension
    // becomes a PNG picture.
    return {QCoreApplication::translate("ExportDialog", "Export as"),
            QStringLiteral("ExportDialog"),
            {
                QCoreApplication::translate("ExportDialog", "Pictures, plans and parts lists (*.png *.jpg *.jpeg *.bmp *.pdf *.csv)"),
                QCoreApplication::translate("ExportDialog", "PNG picture (*.png)"),
                QCoreApplication::translate("ExportDialog", "JPEG picture (*.jpg *.jpeg)"),
                QCoreApplication::translate("ExportDialog", "BMP picture (*.bmp)"),
                QCoreApplication::translate("ExportDialog", "Plan (*.pdf)"),
                QCoreApplication::translate("ExportDialog", "Parts list (*.csv)"),
            },
            QStringLiteral("png")};
}

QtExportDialog::Setup QtExportDialog::buildSheets()
{
    return {QCoreApplication::translate("ExportDialog", "Export build sheets to PDF"), QStringLiteral("SheetsDialog"),
            {QCoreApplication::translate("ExportDialog", "Build sheets (*.pdf)")}, QStringLiteral("pdf")};
}

QtExportDialog::QtExportDialog(QWidget *owner, const Setup &setup)
    : m_owner(owner), m_setup(setup)
{
}

QString QtExportDialog::askExportName(const QString &proposed)
{
    if (!m_dialog) {
        NoSettings::apply();
        m_dialog = new QFileDialog(m_owner, m_setup.title);
        m_dialog->setObjectName(m_setup.objectName);
        m_dialog->setAcceptMode(QFileDialog::AcceptSave);
        m_dialog->setNameFilters(m_setup.filters);
        m_dialog->setDefaultSuffix(m_setup.defaultSuffix);
        // Any file can be picked here, so Qt's own question before
        // replacing a file stays on.
    }
    m_dialog->selectFile(proposed);
    if (m_dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = m_dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
