// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/tmainform.h"

#include "base/kwerror.h"
#include "export/trackexport.h"
#include "ui/commands/connectioncommands.h"
#include "ui/commands/editcommands.h"
#include "ui/commands/filecommands.h"
#include "ui/commands/filedialogs.h"
#include "ui/commands/viewcommands.h"
#include "ui/dialogs/partslistwindow.h"
#include "ui/dialogs/taboutform.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/dialogs/tsizeform.h"
#include "ui/output/outputcommands.h"
#include "ui/palette/palette.h"
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
#include "ui/window/statusnotice.h"
#include "ui/window/statusprogress.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int minimumScreenWidth = 1024;

TrackExport::Format exportFormat(int tag)
{
    switch (tag) {
    case MainMenu::JpegTag:
        return TrackExport::Format::Jpeg;
    case MainMenu::BmpTag:
        return TrackExport::Format::Bmp;
    case MainMenu::PngTag:
        return TrackExport::Format::Png;
    default:
        return TrackExport::Format::Pdf;
    }
}

} // namespace

TMainForm::TMainForm(const QString &tilesFolder, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_tiles(tilesFolder), m_arguments(arguments)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kerbwright"));
    createPanels();
    createStatusBar();
    createMenu();
    createPartsList();
    m_sizeForm = new TsizeForm(&m_document, this);
    m_aboutForm = new TAboutForm(this);
    m_saveForm = new TSaveForm(this);
    m_files = new FileCommands({m_document, m_tiles, m_store, *m_progress, *m_sizeForm, *m_saveForm},
                               std::make_unique<QtFileDialogs>(this), this);
    m_edits = new EditCommands(*this);
    new ViewCommands(*TrackBox, *m_menu->view, this);
    auto *cells = new CellEdits({m_document, *TrackBox->canvas(), m_currentCode}, this);
    connect(cells, &CellEdits::pieceWanted, this, &TMainForm::PickPiece);
    createTools(*cells);
    for (QAction *action : (new PaletteKeys(*PageControl, *this))->actions())
        addTrackCommand(action);
    // Owned by the window; adds its items to the Track menu.
    auto *connections = new ConnectionCommands(*this);
    connect(cells, &CellEdits::openEndsMade, connections, &ConnectionCommands::check);
    createOutput();
    m_recovery = new Recovery(*this, RecoveryFolder::path());
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

    // The track, with the tools' bar beside it (createTools); the palette
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
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // A label of our own: the status bar's message would be wiped by the
    // status tips that menus send while the pointer moves over them.
    m_statusText = new QLabel(statusBar());
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    statusBar()->addWidget(m_statusText, 1);
    m_progress = std::make_unique<StatusProgress>(m_statusText);
    // Where the last export or print went, apart from the progress text.
    m_notice = new StatusNotice(statusBar());
    statusBar()->addPermanentWidget(m_notice);
    m_cellInfo = new CellInfoLabel(m_document, *TrackBox->canvas(), statusBar());
    statusBar()->addPermanentWidget(m_cellInfo);
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
        addTrackCommand(action);
}

void TMainForm::addTrackCommand(QAction *action)
{
    action->setEnabled(m_ready);
    m_trackCommands.append(action);
}

void TMainForm::createPartsList()
{
    QAction *parts = MainMenu::addCommand(m_menu->track, "Partslist1", QStringLiteral("Parts list…"),
                                          QKeySequence(QStringLiteral("Ctrl+L")));
    // Made when first asked for: most sessions never open it, and a table
    // window costs start-up time.
    connect(parts, &QAction::triggered, this, [this] {
        if (!m_partsList) {
            m_partsList = new PartsListWindow(m_document, m_store, this);
            connect(m_partsList, &PartsListWindow::circuitChosen, this, &TMainForm::markCircuit);
        }
        m_partsList->showAndRaise();
    });
    addTrackCommand(parts);
}

void TMainForm::markCircuit(const QVector<int> &cells)
{
    if (cells.isEmpty())
        return;
    // The circuit's cells become the selection, which the canvas outlines:
    // the user sees them and can copy, move or turn them at once.
    CellSelection selection;
    for (int index : cells)
        selection.add(index);
    const QRect bounds = selection.bounds();
    setStatusText(QStringLiteral("Circuit of %1 piece%2 in columns %3–%4, rows %5–%6")
                      .arg(cells.size())
                      .arg(cells.size() == 1 ? "" : "s")
                      .arg(bounds.left() + 1)
                      .arg(bounds.right() + 1)
                      .arg(bounds.top() + 1)
                      .arg(bounds.bottom() + 1));
    m_document.setSelection(selection);
    emit circuitMarked(cells);
}

void TMainForm::createOutput()
{
    m_output = new OutputCommands({m_document, m_store, *m_progress, *m_notice, *this}, this);
    // The plan lists what is short while the parts list compares with an inventory.
    m_output->setInventory([this] { return m_partsList ? m_partsList->inventory() : nullptr; });
    connect(m_menu->exportAs, &QAction::triggered, this,
            [this] { ErrorBox::guard(this, [this] { m_output->exportAs(); }); });
    connect(m_menu->print, &QAction::triggered, this,
            [this] { ErrorBox::guard(this, [this] { m_output->print(); }); });
    connect(m_menu->printPreview, &QAction::triggered, this,
            [this] { ErrorBox::guard(this, [this] { m_output->printPreview(); }); });
    // A notice about the track before is no news about this one.
    connect(m_files, &FileCommands::trackReplaced, m_notice, &StatusNotice::forget);
}

void TMainForm::createTools(CellEdits &cells)
{
    m_toolBox = new ToolBox({m_document, *TrackBox->canvas(), m_store, m_currentCode, cells}, *m_menu->tools, this);
    // The tools beside the track, one click away, as most editors have them.
    auto *bar = new QToolBar(QStringLiteral("Tools"), centralWidget());
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setOrientation(Qt::Vertical);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setFocusPolicy(Qt::NoFocus);
    for (QAction *action : m_toolBox->actions())
        bar->addAction(action);
    m_trackRow->insertWidget(0, bar);
}

void TMainForm::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_files->setFileDialogs(std::move(dialogs));
}

const QString &TMainForm::openDialogName() const
{
    return m_files->openDialogName();
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
        showMessage(QStringLiteral("You should consider changing to a larger screen-resolution."));
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
        emit startupEnded(false);
        return;
    }
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

void TMainForm::openStartupTrack()
{
    const QString name = CommandLine::startupFileName(m_arguments);
    if (name.isEmpty() || !QFileInfo(name).isFile())
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
    for (QAction *action : std::as_const(m_trackCommands))
        action->setEnabled(true);
    m_ready = true;
    emit startupEnded(true);
}

// ---- Pieces and cells ------------------------------------------------

TrackCanvas *TMainForm::canvas() const
{
    return TrackBox->canvas();
}

QLabel *TMainForm::cellInfo() const
{
    return m_cellInfo;
}

void TMainForm::PieceClick(PictureButton *sender)
{
    m_currentCode = sender->property("hint").toByteArray();
    CurPiece->setPicture(sender->picture());
}

void TMainForm::PickPiece(const QByteArray &code)
{
    if (PageControl->pressPiece(code))
        return;
    m_currentCode = code;
    CurPiece->setPicture(m_store.picture(code));
}

void TMainForm::EditGrid(const QByteArray &hint)
{
    const int widthChange = hint.mid(0, 2).toInt();
    const int heightChange = hint.mid(3, 2).toInt();
    ErrorBox::guard(this, [&] {
        m_document.record(QStringLiteral("Resize grid"), false,
                          [&] { m_document.EditGrid(widthChange, heightChange, *m_progress); });
    });
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
    ErrorBox::guard(this, [this] {
        m_document.record(QStringLiteral("Resize grid"), false, [this] {
            m_sizeForm->exec();
            m_document.DrawGrid(false, *m_progress);
        });
    });
}

void TMainForm::PrintClick(QAction *item)
{
    ErrorBox::guard(this, [this, item] {
        m_output->exportBeside(exportFormat(item->data().toInt()));
    });
}

void TMainForm::About1Click()
{
    m_aboutForm->exec();
}
