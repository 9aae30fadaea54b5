// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class CellMarks;
class CsvFileDialog;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class StartupGate;
class TrackCanvas;
class TrackDocument;

// The Track menu's "Inventory…", "Forget inventory" and "Use owned pieces":
// the session's inventory of the club's pieces (TrackDocument::inventory()),
// which the palette, the parts list, the plan and the build sheets all
// show, read from a CSV file and never stored. While one is loaded, an edit
// that takes a piece over what is owned still happens, but the status bar
// says so once for that edit and the canvas marks the cells over the count
// until the next edit. "Use owned pieces" puts owned substitutes in place
// of the pieces too few of, as one step, and says what it changed.
class InventoryCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;  // where the pieces over the count are marked
        QMenu &menu;          // Track, which the items join
        QLabel &status;       // the status bar's text
        StartupGate &startup;
        QWidget &window;  // where failures are shown, the file dialog's owner
    };

    InventoryCommands(const Parts &parts, QObject *parent);
    ~InventoryCommands() override;

    // Replaces the file dialog (tests answer it without a modal dialog).
    void setCsvDialog(std::unique_ptr<CsvFileDialog> dialog);

    QAction *openAction() const { return m_open; }
    QAction *forgetAction() const { return m_forget; }
    QAction *useOwnedAction() const { return m_useOwned; }
    // The cells marked as over the count by the last edit.
    const CellMarks &marks() const { return *m_marks; }

    // "Inventory…": asks for the file and reads it; a file that cannot be
    // read is reported and leaves the inventory loaded before.
    void open();
    // Reads the file; throws KwError as Inventory::read does.
    void load(const QString &path);
    void forget();
    void useOwnedPieces();

private:
    void followInventory();
    void followHistory();
    void tellOver();
    void say(const QString &text);

    Parts m_parts;
    std::unique_ptr<CsvFileDialog> m_dialog;
    QAction *m_open;
    QAction *m_forget;
    QAction *m_useOwned;
    CellMarks *m_marks;
    QTimer m_pending;  // the warning of an edit, told once the edit's command has ended
    QString m_said;    // what this said last, while the status bar shows it
};
