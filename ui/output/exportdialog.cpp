// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/exportdialog.h"

#include "ui/dialogs/nosettings.h"

#include <QFileDialog>

QtExportDialog::QtExportDialog(QWidget *owner)
    : m_owner(owner)
{
}

QString QtExportDialog::askExportName(const QString &proposed)
{
    if (!m_dialog) {
        NoSettings::apply();
        m_dialog = new QFileDialog(m_owner, QStringLiteral("Export as"));
        m_dialog->setObjectName(QStringLiteral("ExportDialog"));
        m_dialog->setAcceptMode(QFileDialog::AcceptSave);
        // The typed name's extension chooses the format; the filters only
        // narrow what the dialog lists.
        m_dialog->setNameFilters({
            QStringLiteral("Pictures, plans and parts lists (*.png *.jpg *.jpeg *.bmp *.pdf *.csv)"),
            QStringLiteral("PNG picture (*.png)"),
            QStringLiteral("JPEG picture (*.jpg *.jpeg)"),
            QStringLiteral("BMP picture (*.bmp)"),
            QStringLiteral("Plan (*.pdf)"),
            QStringLiteral("Parts list (*.csv)"),
        });
        // A name typed without any extension becomes a PNG picture.
        m_dialog->setDefaultSuffix(QStringLiteral("png"));
        // Any file can be picked here, so Qt's own question before
        // replacing a file stays on.
    }
    m_dialog->selectFile(proposed);
    if (m_dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = m_dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
