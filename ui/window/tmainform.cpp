// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/tmainform.h"

#include "base/kwerror.h"
#include "base/nativename.h"
#include "base/progress.h"
#include "document/trackedits.h"
#include "ui/commands/connectioncommands.h"
#include "ui/commands/lapcommands.h"
#include "ui/commands/editcommands.h"
#include "ui/commands/filecommands.h"
#include "ui/commands/filedialogs.h"
#include "ui/commands/inventorycommands.h"
#include "ui/commands/partslistcommand.h"
#include "ui/commands/suggestcircuitscommand.h"
#include "ui/commands/viewcommands.h"
#include "ui/dialogs/taboutform.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/dialogs/tsizeform.h"
#include "ui/output/outputcommands.h"
#include "ui/palette/palette.h"
#include "ui/palette/palettecounts.h"
#include "ui/palette/palettekeys.h"
#include "ui/palette/picturebutton.h"
#include "ui/palette/piecepanel.h"
#include "ui/recovery/recovery.h"
#include "ui/recovery/recoveryfolder.h"
#include "ui/recovery/recoverykeeper.h"
#include "ui/tools/toolbox.h"
#include "ui/track/celledits.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"
#include "ui/window/cellinfolabel.h"
#include "ui/window/commandline.h"
#include "ui/window/errorbox.h"
#include "ui/window/examplesmenu.h"
#include "ui/window/mainmenu.h"
#include "ui/window/mainstatusbar.h"
#include "ui/window/startupgate.h"
#include "ui/window/statusnotice.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int minimumScreenWidth = 1024;

} // namespace

TMainForm::TMainForm(const QString &tilesFolder, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_tiles(tilesFolder), m_arguments(arguments)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kerbwright"));
    m_startup = new StartupGate(this);
    createPanels();
    createStatusBar();
    createMenu();
    m_partsList = new PartsListCommand({m_document, m_store, *m_menu->track, *m_statusText, *m_startup, *this}, this);
    connect(m_partsList, &PartsListCommand::circuitMarked, this, &TMainForm::circuitMarked);
    m_sizeForm = new TsizeForm(&m_document, this);
    m_aboutForm = new TAboutForm(this);
    m_saveForm = new TSaveForm(this);
    createCommands();
    createOutput();
    m_recovery = new Recovery({m_document, *m_files, *m_statusText, *m_startup, *this}, RecoveryFolder::path(), this);
    // Last, so that the commands have heard of the end before anyone who
    // watches the window.
    connect(m_startup, &StartupGate::ended, this, &TMainForm::startupEnded);
}

TMainForm::~TMainForm() = default;

void TMainForm::createPanels()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel1 = new PiecePanel(central);
    PageControl = Panel1->palette();
    CurPiece = Panel1->currentPiece();
    connect(PageControl, &Palette::pieceClicked, this, &TMainForm::PieceClick);
    connect(PageControl, &Palette::gridClicked, this, &TMainForm::EditGrid);
    connect(PageControl, &Palette::normalPagePressed, this, &TMainForm::TabSheet1MouseDown);
    column->addWidget(Panel1);

    // The track, with the tools' bar beside it (createTrackCommands); the palette
    // above keeps the window's whole width.
    m_trackRow = new QHBoxLayout;
    m_trackRow->setSpacing(0);
    column->addLayout(m_trackRow, 1);
    TrackBox = new TrackView(m_document, m_store, central);
    m_trackRow->addWidget(TrackBox);
    setCentralWidget(central);
    // The track has the keyboard from the start; the palette never takes it.
    TrackBox->canvas()->setFocus();
}

void TMainForm::createStatusBar()
{
    m_statusBar = new MainStatusBar(m_document, *TrackBox->canvas(), this);
    setStatusBar(m_statusBar);
    m_statusText = &m_statusBar->text();
    m_progress = &m_statusBar->progress();
}

void TMainForm::createMenu()
{
    m_menu = std::make_unique<MainMenu>(menuBar());
    connect(m_menu->newTrack, &QAction::triggered, this, &TMainForm::New1Click);
    connect(m_menu->open, &QAction::triggered, this, &TMainForm::Load1Click);
    connect(m_menu->save, &QAction::triggered, this, &TMainForm::Save1Click);
    connect(m_menu->saveAs, &QAction::triggered, this, &TMainForm::Saveas1Click);
    connect(m_menu->gridSize, &QAction::triggered, this, &TMainForm::Modifygridsize1Click);
    for (QAction *item : {m_menu->jpeg, m_menu->bmp, m_menu->png, m_menu->pdf})
        connect(item, &QAction::triggered, this, [this, item] { PrintClick(item); });
    connect(m_menu->exit, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(m_menu->about, &QAction::triggered, this, &TMainForm::About1Click);
    connect(m_menu->examples, &ExamplesMenu::exampleChosen, this, [this](const QString &path) {
        ErrorBox::guard(this, [&] { m_files->openNamed(path); });
    });
    for (QAction *action : m_menu->trackCommands())
        m_startup->holdBack(action);
}

void TMainForm::createCommands()
{
    m_files = new FileCommands({m_document, m_tiles, m_store, *m_progress, *m_sizeForm, *m_saveForm},
                               std::make_unique<QtFileDialogs>(this), this);
    m_edits = new EditCommands({m_document, *canvas(), m_store, *m_menu->edit, *m_statusText, *m_startup, *this}, this);
    new ViewCommands(*TrackBox, *m_menu->view, this);
    auto *cells = new CellEdits({m_document, *canvas(), Panel1->currentCode()}, this);
    connect(cells, &CellEdits::pieceWanted, this, [this](const QByteArray &code) { Panel1->pickPiece(code, m_store); });
    createTrackCommands(*cells);
}

void TMainForm::createTrackCommands(CellEdits &cells)
{
    m_toolBox = new ToolBox({m_document, *canvas(), Panel1->currentCode(), cells, m_edits->stamp(), *m_statusText},
                            *m_menu->tools, this);
    m_trackRow->insertWidget(0, m_toolBox->makeBar(centralWidget()));
    for (QAction *action : (new PaletteKeys(*PageControl, *this))->actions())
        m_startup->holdBack(action);
    auto *connections =
        new ConnectionCommands({m_document, *canvas(), *m_menu->track, *m_statusText, *m_startup, *this}, this);
    connect(&cells, &CellEdits::openEndsMade, connections, &ConnectionCommands::check);
    new LapCommands({m_document, *canvas(), *m_menu->track, *m_statusText, *m_startup, *this}, this);
    m_inventory = new InventoryCommands({m_document, *canvas(), *m_menu->track, *m_statusText, *m_startup, *this}, this);
    new PaletteCounts(*PageControl, m_document.inventory(), this);
    m_suggest = new SuggestCircuitsCommand({m_document, m_store, *m_edits, *m_inventory->openAction(), *m_menu->track,
                                            *m_statusText, *m_startup, *this},
                                           this);
}

void TMainForm::createOutput()
{
    m_output = new OutputCommands({m_document, m_store, *m_progress, m_statusBar->notice(), *this}, this);
    // The plan and the build sheets mark what is short while the session
    // has an inventory.
    m_output->setInventory([this] { return m_document.inventory().inventory(); });
    m_output->connectItems(*m_menu->exportAs, *m_menu->print, *m_menu->printPreview);
    m_output->connectSheetItems(*m_menu->printSheets, *m_menu->exportSheets);
    // A notice about the track before is no news about this one.
    connect(m_files, &FileCommands::trackReplaced, &m_statusBar->notice(), &StatusNotice::forget);
}

void TMainForm::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_files->setFileDialogs(std::move(dialogs));
}

const QString &TMainForm::openDialogName() const
{
    return m_files->openDialogName();
}

PartsListWindow *TMainForm::partsList() const
{
    return m_partsList->partsList();
}

bool TMainForm::isReady() const
{
    return m_startup->isReady();
}

QMenu *TMainForm::editMenu() const
{
    return m_menu->edit;
}

QMenu *TMainForm::viewMenu() const
{
    return m_menu->view;
}

QMenu *TMainForm::trackMenu() const
{
    return m_menu->track;
}

QMenu *TMainForm::toolsMenu() const
{
    return m_menu->tools;
}

QString TMainForm::statusText() const
{
    return m_statusText->text();
}

void TMainForm::setStatusText(const QString &text)
{
    m_statusText->setText(text);
}

void TMainForm::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, this);
    box.exec();
}

// ---- Start-up ---------------------------------------------------------

void TMainForm::FormCreate()
{
    m_document.setModified(false);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && screen->availableGeometry().width() < minimumScreenWidth)
        showMessage(QCoreApplication::translate("TMainForm", "You should consider changing to a larger screen-resolution."));
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_started)
        return;
    TrackBox->centreWaitingPanel();
    PageControl->setCurrentIndex(0);
    // A zero-delay shot: the window and its waiting panel paint first, then
    // the slow work runs.
    QTimer::singleShot(0, this, &TMainForm::init);
}

void TMainForm::init()
{
    if (m_started)
        return;
    m_started = true;
    const bool built = ErrorBox::guard(this, [this] {
        TrackBox->canvas()->MakeCells(*m_progress);
        loadPalette();
        m_progress->clear();
        m_document.DrawGrid(true, *m_progress);
    });
    // A palette without its pictures is of no use: start-up ends for good
    // and the waiting panel stays.
    if (!built) {
        m_startup->end(false);
        return;
    }
    openStartupInventory();
    openStartupTrack();
    finishStartup();
}

void TMainForm::loadPalette()
{
    // The buttons show what was loaded, also when a tile stops the loading.
    try {
        m_store.loadCatalogue(m_tiles, *m_progress);
    } catch (...) {
        PageControl->showPictures(m_store);
        throw;
    }
    PageControl->showPictures(m_store);
}

void TMainForm::openStartupInventory()
{
    // An inventory that cannot be read is reported; the editor starts
    // without one.
    if (const std::optional<QString> name = CommandLine::inventoryFileName(m_arguments))
        ErrorBox::guard(this, [&] {
            if (name->isEmpty())
                throw KwError(tr("--inventory needs the name of a CSV file"));
            m_inventory->load(*name);
        });
}

void TMainForm::openStartupTrack()
{
    const QString name = CommandLine::startupFileName(m_arguments);
    if (name.isEmpty() || !NativeName::isFile(name))
        return;
    // A track that cannot be read is reported, but the editor still starts
    // with the default grid: the palette is fine, only the file is not.
    ErrorBox::guard(this, [this, &name] { m_files->openAtStartup(name); });
}

void TMainForm::finishStartup()
{
    m_progress->clear();
    Panel1->reveal();
    TrackBox->endWaiting();
    TrackBox->canvas()->setFocus();
    m_startup->end(true);
}

// ---- Pieces and cells ------------------------------------------------

TrackCanvas *TMainForm::canvas() const
{
    return TrackBox->canvas();
}

QLabel *TMainForm::cellInfo() const
{
    return m_statusBar->cellInfo();
}

const QByteArray &TMainForm::currentCode() const
{
    return Panel1->currentCode();
}

void TMainForm::PieceClick(PictureButton *sender)
{
    Panel1->setCurrentPiece(sender->property("hint").toByteArray(), sender->picture());
}

void TMainForm::EditGrid(const QByteArray &hint)
{
    const int widthChange = hint.mid(0, 2).toInt();
    const int heightChange = hint.mid(3, 2).toInt();
    ErrorBox::guard(this, [&] { m_document.edits().resizeBy(widthChange, heightChange, *m_progress); });
}

void TMainForm::TabSheet1MouseDown()
{
    // The number of components the page owns; its buttons belong to the
    // window, so there are none.
    showMessage(QStringLiteral("0"));
}

// ---- The commands -----------------------------------------------------

void TMainForm::New1Click()
{
    ErrorBox::guard(this, [this] { m_files->newTrack(); });
}

void TMainForm::Load1Click()
{
    ErrorBox::guard(this, [this] { m_files->open(); });
}

void TMainForm::Save1Click()
{
    ErrorBox::guard(this, [this] { m_files->save(); });
}

void TMainForm::Saveas1Click()
{
    ErrorBox::guard(this, [this] { m_files->saveAs(); });
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    int answer = TSaveForm::Cancel;
    ErrorBox::guard(this, [&] { answer = m_files->askSaveChanges(); });
    if (answer == TSaveForm::Cancel) {
        event->ignore();
    } else {
        event->accept();
        m_recovery->keeper().end();
    }
}

void TMainForm::Modifygridsize1Click()
{
    // The whole visit of the dialog, however the sliders moved, is one step.
    ErrorBox::guard(this, [this] { m_document.edits().resizeWith([this] { m_sizeForm->exec(); }, *m_progress); });
}

void TMainForm::PrintClick(QAction *item)
{
    ErrorBox::guard(this, [this, item] { m_output->exportBeside(MainMenu::exportFormat(*item)); });
}

void TMainForm::About1Click()
{
    m_aboutForm->exec();
}
