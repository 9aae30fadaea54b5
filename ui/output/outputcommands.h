// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/trackexport.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class ExportDialog;
class Inventory;
class PrintDialogs;
class Progress;
class QAction;
class QPrinter;
class QWidget;
class StatusNotice;
class TileStore;
class TrackDocument;

// What leaves the editor: the exports beside the track, "Export as…" to a
// place of the user's choosing, and the plan printed or previewed. Each
// tells the status bar's notice where it went; failures are thrown
// (KwError), the window's command slots catch them.
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
    void setPrintDialogs(std::unique_ptr<PrintDialogs> dialogs);
    // The printer that the dialogs set up; it keeps the user's choices for
    // the session (no settings are stored). Made when first asked for.
    QPrinter &printer();
    // Where the plan finds the inventory to list what is short against;
    // none by default, and whenever it gives nullptr.
    void setInventory(std::function<const Inventory *()> inventory);

    // Runs the File menu's "Export as…", "Print…" and "Print preview…",
    // each showing its failure in the error box.
    void connectItems(QAction &exportAs, QAction &print, QAction &printPreview);

    // The export commands of the File menu: beside the track file, named
    // after it. A track never saved gets "Save your file first!".
    void exportBeside(TrackExport::Format format);
    // Asks for a name; its extension chooses the format.
    void exportAs();
    void print();
    void printPreview();

    // The BMP export's bits per pixel: the display's, where a BMP holds it.
    static int displayDepth();

private:
    // The chosen name's format, or false after telling the user why the
    // name cannot be taken.
    bool acceptable(const QString &path, TrackExport::Format &format);
    // True, after telling the user, when path is the track file itself.
    bool refusesTrackFile(const QString &path);
    void printToFile(const QString &path);
    void printOnPrinter(QPrinter &printer);
    // The plan's heading: the track file's name, or "Untitled".
    QString planTitle() const;
    void showMessage(const QString &text);

    Parts m_parts;
    std::unique_ptr<ExportDialog> m_exportDialog;
    std::unique_ptr<PrintDialogs> m_printDialogs;
    std::unique_ptr<QPrinter> m_printer;
    std::function<const Inventory *()> m_inventory = [] { return nullptr; };
};
