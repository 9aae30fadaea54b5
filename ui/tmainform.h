#pragma once

#include "document/trackdocument.h"
#include "pieces/tilesource.h"

#include <QByteArray>
#include <QMainWindow>
#include <QStringList>
#include <QVector>
#include <array>
#include <memory>

class FileDialogs;
class Palette;
class PictureButton;
class QAction;
class QFrame;
class QLabel;
class QScrollArea;
class StatusProgress;
class TAboutForm;
class TSaveForm;
class TsizeForm;

// The editor's main window: the palette with the current piece on top, the
// 900 cells of the track below, the status bar, and the File and Help menus.
// The track itself lives in the TrackDocument; the window shows it and runs
// the commands on it.
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
    const QByteArray &currentCode() const { return m_currentCode; }
    bool isReady() const { return m_ready; }
    QString statusText() const;
    // The name the Open dialog proposes next.
    const QString &openDialogName() const { return m_openDialogName; }
    PictureButton *cellButton(int index) const { return m_cells[size_t(index)]; }
    Palette *palette() const { return PageControl; }
    TsizeForm *sizeForm() const { return m_sizeForm; }
    TSaveForm *saveForm() const { return m_saveForm; }
    TAboutForm *aboutForm() const { return m_aboutForm; }

    // Replaces the file dialogs (tests answer them without a modal dialog).
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    // The start-up steps; runs once, right after the window first shows.
    void init();

    void PieceClick(PictureButton *sender);
    void TrackClick(int index);
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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPanels();
    void createTrackBox();
    void createStatusBar();
    void createMenu();
    QAction *addCommand(QMenu *menu, const char *name, const QString &text,
                        const QKeySequence &shortcut = QKeySequence());
    void centrePanel3();

    void MakeCells();
    PictureButton *makeCell(int column, int row);
    void openStartupTrack();
    void finishStartup();

    void showCell(int index);
    void countVisible(int index, bool visible);
    void resizeTrackArea();

    int askSaveChanges();
    bool saveTrack();
    bool saveTrackAs();
    void showMessage(const QString &text);

    TrackDocument m_document;
    TileFolder m_tiles;
    QStringList m_arguments;
    std::unique_ptr<FileDialogs> m_fileDialogs;
    std::unique_ptr<StatusProgress> m_progress;
    QByteArray m_currentCode;
    QString m_openDialogName;
    bool m_started = false;
    bool m_ready = false;

    std::array<PictureButton *, TrackDocument::cellCount> m_cells{};
    std::array<int, TrackDocument::side> m_visibleInColumn{};
    std::array<int, TrackDocument::side> m_visibleInRow{};
    QVector<QAction *> m_trackCommands;  // enabled once start-up has completed

    QWidget *Panel1 = nullptr;
    Palette *PageControl = nullptr;
    QFrame *Panel2 = nullptr;
    PictureButton *CurPiece = nullptr;
    QScrollArea *TrackBox = nullptr;
    QWidget *m_trackArea = nullptr;
    QLabel *Panel3 = nullptr;
    QLabel *m_statusText = nullptr;

    TsizeForm *m_sizeForm = nullptr;
    TAboutForm *m_aboutForm = nullptr;
    TSaveForm *m_saveForm = nullptr;
};
