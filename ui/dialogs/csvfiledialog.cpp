// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/csvfiledialog.h"

#include "ui/dialogs/nosettings.h"

#include <QCoreApplication>
#include <QFileDialog>

QtCsvFileDialog::QtCsvFileDialog(QWidget *owner, const QString &inventoryTitle)
    : m_owner(owner), m_inventoryTitle(inventoryTitle)
{
}

QString QtCsvFileDialog::askCsvName(const QString &proposed)
{
    if (!m_dialog) {
        NoSettings::apply();
        m_dialog = new QFileDialog(m_owner, QCoreApplication::translate("CsvFileDialog", "Save Parts List"));
        m_dialog->setObjectName(QStringLiteral("CsvDialog"));
        m_dialog->setAcceptMode(QFileDialog::AcceptSave);
        m_dialog->setNameFilter(QCoreApplication::translate("CsvFileDialog", "CSV File (*.csv)"));
        m_dialog->setDefaultSuffix(QStringLiteral("csv"));
        // Any file can be picked here, not just lists, so Qt's own question
        // before replacing a file stays on.
    }
    m_dialog->selectFile(proposed);
    if (m_dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = m_dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString QtCsvFileDialog::askInventoryName()
{
    if (!m_openDialog) {
        NoSettings::apply();
        m_openDialog = new QFileDialog(m_owner, m_inventoryTitle.isEmpty() ? QCoreApplication::translate("CsvFileDialog", "Compare with Inventory")
                                                                       : m_inventoryTitle);
        m_openDialog->setObjectName(QStringLiteral("InventoryDialog"));
        m_openDialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_openDialog->setFileMode(QFileDialog::ExistingFile);
        m_openDialog->setNameFilters({QCoreApplication::translate("CsvFileDialog", "Inventory (*.csv *.txt)"), QCoreApplication::translate("CsvFileDialog", "All files (*)")});
    }
    if (m_openDialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = m_openDialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
