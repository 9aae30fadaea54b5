// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackdocument.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QByteArray>
#include <QMainWindow>
#include <QStringList>
#include <QVector>
#include <memory>

class CellEdits;
class EditCommands;
class FileCommands;
class FileDialogs;
class InventoryCommands;
class MainMenu;
class MainStatusBar;
class OutputCommands;
class Palette;
class PartsListCommand;
class PartsListWindow;
class SuggestCircuitsCommand;
class PictureButton;
class PiecePanel;
class Progress;
class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class Recovery;
class StartupGate;
class TAboutForm;
class ToolBox;
class TrackCanvas;
class TrackView;
class TSaveForm;
class TsizeForm;

// The editor's main window: the palette with the current piece on top, the
// track view below, the status bar with the cell and file field on its
// right, and the menus. It runs the start-up and
// the commands; the track lives in the TrackDocument, its pictures in the
// TileStore, and the track view shows the one with the other.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // tilesFolder holds <code>.bmp for every piece; arguments are the raw
    // command-line arguments after the program name.
    TMainForm(const QString &tilesFolder, const QStringList &arguments,
              QWidget *parent = nullptr);
    ~TMainForm() override;

    // Runs once after construction, before the window is first shown.
    void FormCreate();

    TrackDocument &document() { return m_document; }
    const TileStore &tiles() const { return m_store; }
    const QByteArray &currentCode() const;
    bool isReady() const;
    QString statusText() const;
    void setStatusText(const QString &text);
    QMenu *editMenu() const;
    QMenu *viewMenu() const;
    QMenu *trackMenu() const;
    QMenu *toolsMenu() const;
    // The name the Open dialog proposes next.
    const QString &openDialogName() const;
    FileCommands *fileCommands() const { return m_files; }
    // The parts list window, once it has been opened.
    PartsListWindow *partsList() const;

signals:
    // A circuit chosen in the parts list window became the selection.
    void circuitMarked(const QVector<int> &cells);

public:
    EditCommands *editCommands() const { return m_edits; }
    SuggestCircuitsCommand *suggestCircuits() const { return m_suggest; }
    OutputCommands *outputCommands() const { return m_output; }
    ToolBox *toolBox() const { return m_toolBox; }
    InventoryCommands *inventoryCommands() const { return m_inventory; }
    TrackView *trackView() const { return TrackBox; }
    TrackCanvas *canvas() const;
    QLabel *cellInfo() const;
    Palette *palette() const { return PageControl; }
    PictureButton *currentPiece() const { return CurPiece; }
    TsizeForm *sizeForm() const { return m_sizeForm; }
    TSaveForm *saveForm() const { return m_saveForm; }
    TAboutForm *aboutForm() const { return m_aboutForm; }
    // The recovery copy of unsaved work and the start-up offer of old ones.
    Recovery *recovery() const { return m_recovery; }

    // Replaces the file dialogs (tests answer them without a modal dialog).
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    // The start-up steps; runs once, right after the window first shows.
    void init();

    void PieceClick(PictureButton *sender);
    // A grid button's hint "XX-YY": characters 1-2 change the width, 4-5
    // the height, each a signed number.
    void EditGrid(const QByteArray &hint);
    void TabSheet1MouseDown();

    void New1Click();
    void Load1Click();
    void Save1Click();
    void Saveas1Click();
    void Exit1Click();
    void Modifygridsize1Click();
    void PrintClick(QAction *item);
    void About1Click();

signals:
    // Start-up has ended: completed, or stopped for good by a failure.
    void startupEnded(bool completed);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createPanels();
    void createStatusBar();
    void createMenu();
    void createCommands();
    void createTrackCommands(CellEdits &cells);
    void createOutput();

    void loadPalette();
    void openStartupInventory();
    void openStartupTrack();
    void finishStartup();

    void showMessage(const QString &text);

    TrackDocument m_document;
    TileFolder m_tiles;
    TileStore m_store;
    QStringList m_arguments;
    Progress *m_progress = nullptr;  // the status bar's
    StartupGate *m_startup = nullptr;
    FileCommands *m_files = nullptr;
    EditCommands *m_edits = nullptr;
    PartsListCommand *m_partsList = nullptr;
    SuggestCircuitsCommand *m_suggest = nullptr;
    OutputCommands *m_output = nullptr;
    ToolBox *m_toolBox = nullptr;
    InventoryCommands *m_inventory = nullptr;
    Recovery *m_recovery = nullptr;
    bool m_started = false;

    PiecePanel *Panel1 = nullptr;
    Palette *PageControl = nullptr;
    PictureButton *CurPiece = nullptr;
    TrackView *TrackBox = nullptr;
    QHBoxLayout *m_trackRow = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    QLabel *m_statusText = nullptr;  // the status bar's text
    std::unique_ptr<MainMenu> m_menu;

    TsizeForm *m_sizeForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
    TSaveForm *m_saveForm = nullptr;
};
