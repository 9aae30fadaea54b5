// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/printdialogs.h"

#include "ui/dialogs/nosettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace {

// The preview's own button for an orientation, found by its caption as Qt
// gives it in the user's language; none if Qt names it otherwise.
QAction *orientationButton(const QPrintPreviewDialog &dialog, const char *caption)
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", caption);
    for (QAction *action : dialog.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The build sheets lie as the fewest sheets need, whatever the printer says:
// the preview's orientation buttons show how they lie and cannot turn them.
void showSheetsOrientation(QPrintPreviewDialog &dialog, const QPrinter &printer)
{
    QAction *portrait = orientationButton(dialog, "Portrait");
    QAction *landscape = orientationButton(dialog, "Landscape");
    auto *widget = dialog.findChild<QPrintPreviewWidget *>();
    if (!portrait || !landscape || !widget)
        return;
    for (QAction *action : {portrait, landscape}) {
        action->setEnabled(false);
        action->setToolTip(QStringLiteral("The build sheets stand or lie as the fewest sheets need"));
    }
    QObject::connect(widget, &QPrintPreviewWidget::previewChanged, &dialog, [portrait, landscape, &printer] {
        const bool standing = printer.pageLayout().orientation() == QPageLayout::Portrait;
        portrait->setChecked(standing);
        landscape->setChecked(!standing);
    });
}

} // namespace

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

bool QtPrintDialogs::preview(QPrinter &printer, const Painter &paint, Document document)
{
    NoSettings::apply();
    QPrintPreviewDialog dialog(&printer, m_owner);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    const bool sheets = document == Document::BuildSheets;
    dialog.setWindowTitle(sheets ? QStringLiteral("Print build sheets") : QStringLiteral("Print preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    if (sheets)
        showSheetsOrientation(dialog, printer);
    // Large enough to read a page of the plan.
    dialog.resize(1000, 760);
    return dialog.exec() == QDialog::Accepted;
}
