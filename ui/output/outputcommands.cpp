// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/outputcommands.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "base/safefile.h"
#include "base/shownbytes.h"
#include "document/trackdocument.h"
#include "export/buildsheets.h"
#include "export/pictureexport.h"
#include "export/planpdf.h"
#include "ui/dialogs/sessioncellsize.h"
#include "ui/output/exportdialog.h"
#include "ui/output/printdialogs.h"
#include "ui/window/errorbox.h"
#include "ui/window/statusnotice.h"
#include "ui/dialogs/sessioncar.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPrinter>
#include <QScreen>

namespace {

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(ShownBytes::fileName(QFileInfo(path).absoluteFilePath()));
}

// What an unsaved track is offered under in the Export as dialog.
const char untitledName[] = QT_TRANSLATE_NOOP("OutputCommands", "Untitled");

// The plan's and the build sheets' laps are timed for the car and in the
// cell side the user set for this session.
LapSetup sessionLap()
{
    return SessionCar::lap();
}

} // namespace

OutputCommands::OutputCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts),
      m_exportDialog(std::make_unique<QtExportDialog>(&parts.window, QtExportDialog::exportAs())),
      m_sheetsDialog(std::make_unique<QtExportDialog>(&parts.window, QtExportDialog::buildSheets())),
      m_printDialogs(std::make_unique<QtPrintDialogs>(&parts.window))
{
}

OutputCommands::~OutputCommands() = default;

std::function<void()> OutputCommands::guarded(void (OutputCommands::*command)())
{
    return [this, command] { ErrorBox::guard(&m_parts.window, [&] { (this->*command)(); }); };
}

void OutputCommands::connectItems(QAction &exportAs, QAction &print, QAction &printPreview)
{
    connect(&exportAs, &QAction::triggered, this, guarded(&OutputCommands::exportAs));
    connect(&print, &QAction::triggered, this, guarded(&OutputCommands::print));
    connect(&printPreview, &QAction::triggered, this, guarded(&OutputCommands::printPreview));
}

void OutputCommands::connectSheetItems(QAction &print, QAction &exportPdf)
{
    connect(&print, &QAction::triggered, this, guarded(&OutputCommands::printBuildSheets));
    connect(&exportPdf, &QAction::triggered, this, guarded(&OutputCommands::exportBuildSheets));
}

void OutputCommands::setExportDialog(std::unique_ptr<ExportDialog> dialog)
{
    m_exportDialog = std::move(dialog);
}

void OutputCommands::setSheetsDialog(std::unique_ptr<ExportDialog> dialog)
{
    m_sheetsDialog = std::move(dialog);
}

void OutputCommands::setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs)
{
    m_printDialogs = std::move(dialogs);
}

QPrinter &OutputCommands::printer()
{
    // Made late: a printer asks the print system for its printers.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The dialog starts from the plan's own pages, so a print that
        // changes nothing gives the pages of Export to PDF.
        m_printer->setPageLayout(PlanPdf::pageLayout());
        m_printer->setDocName(planTitle());
    }
    return *m_printer;
}

QPrinter &OutputCommands::sheetsPrinter()
{
    // The sheets' own, so that neither document's pages, nor the file it
    // was last printed to, become the other's.
    if (!m_sheetsPrinter) {
        m_sheetsPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // A4, as kerbwright-export gives them; the sheets turn the pages
        // and set the margins themselves.
        m_sheetsPrinter->setPageSize(QPageSize(QPageSize::A4));
    }
    return *m_sheetsPrinter;
}

int OutputCommands::displayDepth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 0;
    return (depth == 16 || depth == 24 || depth == 32) ? depth : 24;
}

QString OutputCommands::planTitle() const
{
    const QString &fileName = m_parts.document.fileName();
    return fileName.isEmpty() ? QCoreApplication::translate("OutputCommands", untitledName) : ShownBytes::fileName(QFileInfo(fileName).fileName());
}

void OutputCommands::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, &m_parts.window);
    box.exec();
}

void OutputCommands::setInventory(std::function<const Inventory *()> inventory)
{
    m_inventory = std::move(inventory);
}

void OutputCommands::exportBeside(TrackExport::Format format)
{
    const QString &fileName = m_parts.document.fileName();
    if (fileName.isEmpty()) {
        showMessage(QCoreApplication::translate("OutputCommands", "Save your file first!"));
        m_parts.progress.clear();
        return;
    }
    const QString path = PictureExport::outputName(fileName, TrackExport::extension(format));
    // The name beside the track may be a link to the track itself.
    if (refusesTrackFile(path)) {
        m_parts.progress.clear();
        return;
    }
    TrackExport::write(m_parts.document.grid(), m_parts.store, fileName, path, format,
                       displayDepth(), m_parts.progress, m_inventory(), sessionLap());
    m_parts.progress.clear();
    m_parts.notice.tell(QCoreApplication::translate("OutputCommands", "Exported ") + shownPath(path));
}

bool OutputCommands::refusesTrackFile(const QString &path)
{
    if (!TrackExport::namesTrackFile(path, m_parts.document.fileName()))
        return false;
    showMessage(TrackExport::trackFileMessage(path));
    return true;
}

bool OutputCommands::acceptable(const QString &path, TrackExport::Format &format)
{
    if (!TrackExport::formatOfName(path, format)) {
        showMessage(QCoreApplication::translate("OutputCommands", "%1 cannot be exported: its extension chooses the format, one "
                                   "of %2.")
                        .arg(QFileInfo(path).fileName(), TrackExport::acceptedExtensions()));
        return false;
    }
    return !refusesTrackFile(path);
}

void OutputCommands::exportAs()
{
    const QString &fileName = m_parts.document.fileName();
    QString proposed = fileName.isEmpty() ? QCoreApplication::translate("OutputCommands", untitledName) + QStringLiteral(".png")
                                          : PictureExport::outputName(fileName, QStringLiteral(".png"));
    TrackExport::Format format;
    QString path;
    // A name that cannot be taken is asked for again, as typed.
    for (;;) {
        path = m_exportDialog->askExportName(proposed);
        if (path.isEmpty())
            return;
        if (acceptable(path, format))
            break;
        proposed = path;
    }
    const QString title = fileName.isEmpty() ? QCoreApplication::translate("OutputCommands", untitledName) : fileName;
    TrackExport::write(m_parts.document.grid(), m_parts.store, title, path, format, displayDepth(),
                       m_parts.progress, m_inventory(), sessionLap());
    m_parts.progress.clear();
    m_parts.notice.tell(QCoreApplication::translate("OutputCommands", "Exported ") + shownPath(path));
}

OutputCommands::Printout OutputCommands::plan()
{
    const QString title = planTitle();
    auto paint = [this, title](QPagedPaintDevice &device) {
        return PlanPdf::paint(device, m_parts.document.grid(), m_parts.store, title, m_parts.progress,
                              m_inventory(), sessionLap());
    };
    auto render = [this, title](const QPageLayout &layout) {
        return PlanPdf::render(m_parts.document.grid(), m_parts.store, title, layout, m_parts.progress,
                               m_inventory(), sessionLap());
    };
    return {PrintDialogs::Document::Plan, title, printer(), paint, render};
}

BuildSheets::Options OutputCommands::sheetOptions() const
{
    // The cell size is the sheets' own default, on A4 unless the printer
    // says otherwise: what kerbwright-export gives without options.
    BuildSheets::Options options;
    options.inventory = m_inventory();
    options.lap = sessionLap();
    return options;
}

QString OutputCommands::sheetsName() const
{
    const QString &fileName = m_parts.document.fileName();
    return fileName.isEmpty() ? QCoreApplication::translate("OutputCommands", untitledName) + QStringLiteral("-sheets.pdf")
                              : BuildSheets::outputName(fileName);
}

OutputCommands::Printout OutputCommands::sheets()
{
    const QString title = planTitle();
    auto paint = [this, title](QPagedPaintDevice &device) {
        return BuildSheets::paint(device, m_parts.document.grid(), m_parts.store, title, sheetOptions());
    };
    auto render = [this, title](const QPageLayout &layout) {
        BuildSheets::Options options = sheetOptions();
        options.paper = layout.pageSize();
        return BuildSheets::render(m_parts.document.grid(), m_parts.store, title, options);
    };
    // Named as the export is: the print dialog proposes the name for a file.
    return {PrintDialogs::Document::BuildSheets, QFileInfo(sheetsName()).completeBaseName(), sheetsPrinter(),
            paint, render};
}

void OutputCommands::print()
{
    print(plan());
}

void OutputCommands::print(const Printout &printout)
{
    QPrinter &printer = printout.printer;
    printer.setDocName(printout.name);
    if (m_printDialogs->askPrint(printer))
        printOn(printer, printout);
}

void OutputCommands::printOn(QPrinter &printer, const Printout &printout)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        printToFile(printer.outputFileName(), printout);
    else
        printOnPrinter(printer, printout);
}

void OutputCommands::printToFile(const QString &path, const Printout &printout)
{
    if (refusesTrackFile(path))
        return;
    // A file is written as Export to PDF writes one, on the paper chosen, so
    // an earlier file is replaced only by a complete new one.
    const QPageLayout layout = printout.printer.pageLayout();
    SafeFile::write(path, [&] { return printout.render(layout); });
    m_parts.progress.clear();
    m_parts.notice.tell(QCoreApplication::translate("OutputCommands", "Printed to ") + shownPath(path));
}

void OutputCommands::printOnPrinter(QPrinter &printer, const Printout &printout)
{
    const int pages = printout.paint(printer);
    m_parts.progress.clear();
    if (pages == 0)
        throw KwError(QCoreApplication::translate("OutputCommands", "The printer %1 would not start printing").arg(printer.printerName()));
    m_parts.notice.tell(QCoreApplication::translate("OutputCommands", "Printed %1 to %2")
                            .arg(pages == 1 ? QCoreApplication::translate("OutputCommands", "1 page") : QCoreApplication::translate("OutputCommands", "%n pages", nullptr, pages),
                                 printer.printerName()));
}

void OutputCommands::printPreview()
{
    preview(plan());
}

void OutputCommands::printBuildSheets()
{
    preview(sheets());
}

void OutputCommands::preview(const Printout &printout)
{
    QPrinter &printer = printout.printer;
    printer.setDocName(printout.name);
    m_printDialogs->preview(printer, [this, &printout](QPrinter *target) {
        // A failure is shown; the preview repaints as its settings change
        // and is left empty by one.
        ErrorBox::guard(&m_parts.window, [&] {
            // The preview's own pages are painted as a picture; anything
            // else is its Print button.
            if (target->paintEngine()->type() != QPaintEngine::Picture) {
                printOn(*target, printout);
                return;
            }
            printout.paint(*target);
            m_parts.progress.clear();
        });
    }, printout.document);
}

bool OutputCommands::takesSheets(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
        showMessage(QCoreApplication::translate("OutputCommands", "%1 cannot take the build sheets: they are a PDF, so its extension must be .pdf.")
                        .arg(QFileInfo(path).fileName()));
        return false;
    }
    return !refusesTrackFile(path);
}

void OutputCommands::exportBuildSheets()
{
    QString proposed = sheetsName();
    QString path;
    // A name that cannot be taken is asked for again, as typed.
    for (;;) {
        path = m_sheetsDialog->askExportName(proposed);
        if (path.isEmpty())
            return;
        if (takesSheets(path))
            break;
        proposed = path;
    }
    BuildSheets::write(path, m_parts.document.grid(), m_parts.store, planTitle(), sheetOptions());
    m_parts.notice.tell(QCoreApplication::translate("OutputCommands", "Exported ") + shownPath(path));
}
