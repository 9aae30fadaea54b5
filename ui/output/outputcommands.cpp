// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/outputcommands.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "base/safefile.h"
#include "base/shownbytes.h"
#include "document/trackdocument.h"
#include "export/pictureexport.h"
#include "export/planpdf.h"
#include "ui/output/exportdialog.h"
#include "ui/output/printdialogs.h"
#include "ui/window/errorbox.h"
#include "ui/window/statusnotice.h"
#include "ui/dialogs/sessioncellsize.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrinter>
#include <QScreen>

namespace {

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(ShownBytes::fileName(QFileInfo(path).absoluteFilePath()));
}

// What an unsaved track is offered under in the Export as dialog.
const char untitledName[] = "Untitled";

// The plan's laps are timed in the cell side the user set for this session.
LapSetup sessionLap()
{
    LapSetup lap;
    lap.cellSize = SessionCellSize::metres();
    return lap;
}

} // namespace

OutputCommands::OutputCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts),
      m_exportDialog(std::make_unique<QtExportDialog>(&parts.window)),
      m_printDialogs(std::make_unique<QtPrintDialogs>(&parts.window))
{
}

OutputCommands::~OutputCommands() = default;

void OutputCommands::connectItems(QAction &exportAs, QAction &print, QAction &printPreview)
{
    auto guarded = [this](void (OutputCommands::*command)()) {
        return [this, command] { ErrorBox::guard(&m_parts.window, [&] { (this->*command)(); }); };
    };
    connect(&exportAs, &QAction::triggered, this, guarded(&OutputCommands::exportAs));
    connect(&print, &QAction::triggered, this, guarded(&OutputCommands::print));
    connect(&printPreview, &QAction::triggered, this, guarded(&OutputCommands::printPreview));
}

void OutputCommands::setExportDialog(std::unique_ptr<ExportDialog> dialog)
{
    m_exportDialog = std::move(dialog);
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

int OutputCommands::displayDepth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 0;
    return (depth == 16 || depth == 24 || depth == 32) ? depth : 24;
}

QString OutputCommands::planTitle() const
{
    const QString &fileName = m_parts.document.fileName();
    return fileName.isEmpty() ? QLatin1String(untitledName) : ShownBytes::fileName(QFileInfo(fileName).fileName());
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
        showMessage(QStringLiteral("Save your file first!"));
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
    m_parts.notice.tell(QStringLiteral("Exported ") + shownPath(path));
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
        showMessage(QStringLiteral("%1 cannot be exported: its extension chooses the format, one "
                                   "of %2.")
                        .arg(QFileInfo(path).fileName(), TrackExport::acceptedExtensions()));
        return false;
    }
    return !refusesTrackFile(path);
}

void OutputCommands::exportAs()
{
    const QString &fileName = m_parts.document.fileName();
    QString proposed = fileName.isEmpty() ? QLatin1String(untitledName) + QStringLiteral(".png")
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
    const QString title = fileName.isEmpty() ? QLatin1String(untitledName) : fileName;
    TrackExport::write(m_parts.document.grid(), m_parts.store, title, path, format, displayDepth(),
                       m_parts.progress, m_inventory(), sessionLap());
    m_parts.progress.clear();
    m_parts.notice.tell(QStringLiteral("Exported ") + shownPath(path));
}

void OutputCommands::print()
{
    QPrinter &printer = this->printer();
    printer.setDocName(planTitle());
    if (!m_printDialogs->askPrint(printer))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        printToFile(printer.outputFileName());
    else
        printOnPrinter(printer);
}

void OutputCommands::printToFile(const QString &path)
{
    if (refusesTrackFile(path))
        return;
    // A file is written as Export to PDF writes one, on the paper chosen, so
    // an earlier file is replaced only by a complete new one.
    const QPageLayout layout = printer().pageLayout();
    SafeFile::write(path, [&] {
        return PlanPdf::render(m_parts.document.grid(), m_parts.store, planTitle(), layout,
                               m_parts.progress, m_inventory(), sessionLap());
    });
    m_parts.progress.clear();
    m_parts.notice.tell(QStringLiteral("Printed to ") + shownPath(path));
}

void OutputCommands::printOnPrinter(QPrinter &printer)
{
    const int pages = PlanPdf::paint(printer, m_parts.document.grid(), m_parts.store, planTitle(),
                                     m_parts.progress, m_inventory(), sessionLap());
    m_parts.progress.clear();
    if (pages == 0)
        throw KwError(QStringLiteral("The printer %1 would not start printing").arg(printer.printerName()));
    m_parts.notice.tell(QStringLiteral("Printed %1 to %2")
                            .arg(pages == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(pages),
                                 printer.printerName()));
}

void OutputCommands::printPreview()
{
    QPrinter &printer = this->printer();
    printer.setDocName(planTitle());
    const bool printed = m_printDialogs->preview(printer, [this](QPrinter *target) {
        // The preview's own pages are painted as a picture; anything else
        // is its Print button, which may print to a file.
        const bool shown = target->paintEngine()->type() == QPaintEngine::Picture;
        if (!shown && target->outputFormat() == QPrinter::PdfFormat &&
            refusesTrackFile(target->outputFileName()))
            return;
        // The preview repaints as its settings change; a failure is shown
        // and leaves the preview empty.
        ErrorBox::guard(&m_parts.window, [&] {
            PlanPdf::paint(*target, m_parts.document.grid(), m_parts.store, planTitle(),
                           m_parts.progress, m_inventory(), sessionLap());
            m_parts.progress.clear();
        });
    });
    if (!printed)
        return;
    const QString target = printer.outputFormat() == QPrinter::PdfFormat
                               ? shownPath(printer.outputFileName())
                               : printer.printerName();
    m_parts.notice.tell(QStringLiteral("Printed to ") + target);
}
