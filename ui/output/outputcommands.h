// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/buildsheets.h"
#include "export/trackexport.h"
#include "ui/output/printdialogs.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class ExportDialog;
class Inventory;
class Progress;
class QAction;
class QPageLayout;
class QPagedPaintDevice;
class QPrinter;
class QWidget;
class StatusNotice;
class TileStore;
class TrackDocument;

// What leaves the editor: the exports beside the track, "Export as…" to a
// place of the user's choosing, the plan printed or previewed, and the
// build sheets previewed, printed or exported. Each tells the status bar's
// notice where it went; failures are thrown (KwError), the window's command
// slots catch them.
class OutputCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        const TrackDocument &document;
        const TileStore &store;
        Progress &progress;
        StatusNotice &notice;
        QWidget &window;  // owns the dialogs and message boxes
    };

    explicit OutputCommands(const Parts &parts, QObject *parent = nullptr);
    ~OutputCommands() override;

    // Tests answer the dialogs without a modal dialog.
    void setExportDialog(std::unique_ptr<ExportDialog> dialog);
    void setSheetsDialog(std::unique_ptr<ExportDialog> dialog);
    void setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs);
    // The printer that the dialogs set up; it keeps the user's choices for
    // the session (no settings are stored). Made when first asked for.
    QPrinter &printer();
    // The same for the build sheets: A4 until the user chooses.
    QPrinter &sheetsPrinter();
    // Where the plan and the build sheets find the inventory to mark what
    // is short against; none by default, and whenever it gives nullptr.
    void setInventory(std::function<const Inventory *()> inventory);

    // Runs the File menu's "Export as…", "Print…" and "Print preview…",
    // each showing its failure in the error box.
    void connectItems(QAction &exportAs, QAction &print, QAction &printPreview);
    // The same for "Print build sheets…" and "Export build sheets to PDF…".
    void connectSheetItems(QAction &print, QAction &exportPdf);

    // The export commands of the File menu: beside the track file, named
    // after it. A track never saved gets "Save your file first!".
    void exportBeside(TrackExport::Format format);
    // Asks for a name; its extension chooses the format.
    void exportAs();
    void print();
    void printPreview();
    // The build sheets in the print preview, printed from there.
    void printBuildSheets();
    // Asks for a PDF's name, beside the track by default.
    void exportBuildSheets();

    // The BMP export's bits per pixel: the display's, where a BMP holds it.
    static int displayDepth();

private:
    // What the track is printed as: the plan or the build sheets.
    struct Printout
    {
        PrintDialogs::Document document;
        QString name;  // the print job's
        QPrinter &printer;  // keeps the user's choices for it
        // Paints on a printer or a preview as its paper is; returns the
        // pages, 0 when the device would not start.
        std::function<int(QPagedPaintDevice &)> paint;
        // The PDF on the paper of a layout.
        std::function<QByteArray(const QPageLayout &)> render;
    };
    // A command run from a menu item, its failure shown in the error box.
    std::function<void()> guarded(void (OutputCommands::*command)());
    Printout plan();
    Printout sheets();
    BuildSheets::Options sheetOptions() const;
    // "oval-sheets.pdf" beside the track, or "Untitled-sheets.pdf".
    QString sheetsName() const;

    // The chosen name's format, or false after telling the user why the
    // name cannot be taken.
    bool acceptable(const QString &path, TrackExport::Format &format);
    // True, after telling the user, when path is the track file itself.
    bool refusesTrackFile(const QString &path);
    // False, after telling the user, for a name that is no PDF's or is the
    // track file.
    bool takesSheets(const QString &path);
    void print(const Printout &printout);
    void preview(const Printout &printout);
    // Prints on what the print dialog set the printer up for (also the
    // preview's): a file as Export writes one, or a printer.
    void printOn(QPrinter &printer, const Printout &printout);
    void printToFile(const QString &path, const Printout &printout);
    void printOnPrinter(QPrinter &printer, const Printout &printout);
    // The plan's heading: the track file's name, or "Untitled".
    QString planTitle() const;
    void showMessage(const QString &text);

    Parts m_parts;
    std::unique_ptr<ExportDialog> m_exportDialog;
    std::unique_ptr<ExportDialog> m_sheetsDialog;
    std::unique_ptr<PrintDialogs> m_printDialogs;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrinter> m_sheetsPrinter;
    std::function<const Inventory *()> m_inventory = [] { return nullptr; };
};
