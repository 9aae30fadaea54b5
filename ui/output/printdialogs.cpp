// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/printdialogs.h"

#include "ui/dialogs/nosettings.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

QtPrintDialogs::QtPrintDialogs(QWidget *owner)
    : m_owner(owner)
{
}

bool QtPrintDialogs::askPrint(QPrinter &printer)
{
    // The print dialog offers a file dialog for printing to a file.
    NoSettings::apply();
    QPrintDialog dialog(&printer, m_owner);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    dialog.setWindowTitle(QStringLiteral("Print"));
    // The plan is printed whole: a page range would print pages that the
    // plan does not skip.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintDialogs::preview(QPrinter &printer, const Painter &paint)
{
    NoSettings::apply();
    QPrintPreviewDialog dialog(&printer, m_owner);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    dialog.setWindowTitle(QStringLiteral("Print preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    // Large enough to read a page of the plan.
    dialog.resize(1000, 760);
    return dialog.exec() == QDialog::Accepted;
}
