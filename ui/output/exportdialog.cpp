// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/exportdialog.h"

#include "ui/dialogs/nosettings.h"

#include <QFileDialog>

QtExportDialog::Setup QtExportDialog::exportAs()
{
    // The typed name's extension chooses the format; the filters only
    // narrow what the dialog lists. A name typed without any extension
    // becomes a PNG picture.
    return {QStringLiteral("Export as"),
            QStringLiteral("ExportDialog"),
            {
                QStringLiteral("Pictures, plans and parts lists (*.png *.jpg *.jpeg *.bmp *.pdf *.csv)"),
                QStringLiteral("PNG picture (*.png)"),
                QStringLiteral("JPEG picture (*.jpg *.jpeg)"),
                QStringLiteral("BMP picture (*.bmp)"),
                QStringLiteral("Plan (*.pdf)"),
                QStringLiteral("Parts list (*.csv)"),
            },
            QStringLiteral("png")};
}

QtExportDialog::Setup QtExportDialog::buildSheets()
{
    return {QStringLiteral("Export build sheets to PDF"), QStringLiteral("SheetsDialog"),
            {QStringLiteral("Build sheets (*.pdf)")}, QStringLiteral("pdf")};
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
