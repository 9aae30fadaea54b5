// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The print dialog and the print preview behind a small interface, so that
// tests can set a printer up (or cancel) without a modal dialog.
class PrintDialogs
{
public:
    using Painter = std::function<void(QPrinter *)>;
    // What a preview shows: the plan, on the pages the user turns as they
    // like, or the build sheets, which turn theirs as the fewest sheets need.
    enum class Document { Plan, BuildSheets };

    virtual ~PrintDialogs() = default;

    // Lets the user choose the printer, the paper and its orientation for
    // printer. True when the user asked to print; on a cancel the printer
    // is left as it was.
    virtual bool askPrint(QPrinter &printer) = 0;
    // Shows the pages that paint draws on the preview's printer. True when
    // the user printed from the preview (paint then also ran on printer).
    virtual bool preview(QPrinter &printer, const Painter &paint, Document document) = 0;
};

// The system's print dialog and Qt's print preview, made for each showing:
// the printer they set up is what carries the choices from one to the next.
class QtPrintDialogs : public PrintDialogs
{
public:
    explicit QtPrintDialogs(QWidget *owner);

    bool askPrint(QPrinter &printer) override;
    bool preview(QPrinter &printer, const Painter &paint, Document document) override;

private:
    QWidget *m_owner;
};
