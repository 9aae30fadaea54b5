#include "ui/tmainform.h"

#include "document/kwerror.h"
#include "export/pictureexport.h"
#include "pieces/builtinpictures.h"
#include "pieces/catalogue.h"
#include "ui/commandline.h"
#include "ui/errorbox.h"
#include "ui/filedialogs.h"
#include "ui/palette.h"
#include "ui/picturebutton.h"
#include "ui/statusprogress.h"
#include "ui/taboutform.h"
#include "ui/tsaveform.h"
#include "ui/tsizeform.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int cellSize = 54;
constexpr int cellMargin = 2;   // the block starts 2 pixels into the track area
constexpr int panel1Height = 144;
constexpr int panel2Width = 88;
constexpr int minimumScreenWidth = 1024;

enum ExportTag { JpegTag = 2, BmpTag = 3 };

// The BMP export takes the display's depth where a BMP can hold it.
int displayDepth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 0;
    return (depth == 16 || depth == 24 || depth == 32) ? depth : 24;
}

} // namespace

TMainForm::TMainForm(const QString &tilesFolder, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_tiles(tilesFolder), m_arguments(arguments)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kerbwright"));
    createPanels();
    createTrackBox();
    createStatusBar();
    createMenu();
    m_fileDialogs = std::make_unique<QtFileDialogs>(this);
    m_sizeForm = new TsizeForm(&m_document, this);
    m_aboutForm = new TAboutForm(this);
    m_saveForm = new TSaveForm(this);
    connect(&m_document, &TrackDocument::cellChanged, this, &TMainForm::showCell);
}

TMainForm::~TMainForm() = default;

void TMainForm::createPanels()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(panel1Height);
    auto *row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    PageControl = new Palette(Panel1);
    PageControl->hide();
    connect(PageControl, &Palette::pieceClicked, this, &TMainForm::PieceClick);
    connect(PageControl, &Palette::gridClicked, this, &TMainForm::EditGrid);
    connect(PageControl, &Palette::normalPagePressed, this, &TMainForm::TabSheet1MouseDown);
    row->addWidget(PageControl, 1);

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(2);
    Panel2->setFixedWidth(panel2Width);
    Panel2->hide();
    row->addWidget(Panel2);

    // The current piece: a flat button alone in its group, so it always
    // shows pressed and clicking it changes nothing.
    CurPiece = new PictureButton(Panel2);
    CurPiece->setObjectName(QStringLiteral("CurPiece"));
    CurPiece->setGeometry(8, 32, 72, 72);
    CurPiece->setAutoRaise(true);
    CurPiece->setCheckable(true);
    auto *group = new QButtonGroup(Panel2);
    group->setExclusive(true);
    group->addButton(CurPiece);
    CurPiece->setChecked(true);
    CurPiece->setPicture(BuiltinPictures::blank());

    column->addWidget(Panel1);
    setCentralWidget(central);
}

void TMainForm::createTrackBox()
{
    TrackBox = new QScrollArea(centralWidget());
    TrackBox->setObjectName(QStringLiteral("TrackBox"));
    TrackBox->setWidgetResizable(false);
    m_trackArea = new QWidget;
    m_trackArea->setObjectName(QStringLiteral("TrackArea"));
    m_trackArea->resize(0, 0);
    TrackBox->setWidget(m_trackArea);
    TrackBox->installEventFilter(this);
    centralWidget()->layout()->addWidget(TrackBox);

    Panel3 = new QLabel(QStringLiteral("Initializing... please wait."), TrackBox);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3->setLineWidth(2);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setAutoFillBackground(true);
    QFont font = Panel3->font();
    font.setBold(true);
    font.setPixelSize(19);
    Panel3->setFont(font);
    Panel3->resize(385, 49);
    Panel3->raise();
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
}

QAction *TMainForm::addCommand(QMenu *menu, const char *name, const QString &text,
                               const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void TMainForm::createMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction *newTrack = addCommand(file, "New1", QStringLiteral("New"), QKeySequence(QStringLiteral("Ctrl+N")));
    QAction *open = addCommand(file, "Load1", QStringLiteral("Open"), QKeySequence(QStringLiteral("Ctrl+O")));
    QAction *save = addCommand(file, "Save1", QStringLiteral("Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    QAction *saveAs = addCommand(file, "Saveas1", QStringLiteral("Save &as"),
                                 QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();
    QAction *size = addCommand(file, "Modifygridsize1", QStringLiteral("Modify gridsize"));
    QAction *jpeg = addCommand(file, "ExporttoJPG1", QStringLiteral("Export to &JPG"));
    jpeg->setData(int(JpegTag));
    QAction *bmp = addCommand(file, "ExporttoBMP1", QStringLiteral("Export to &BMP"));
    bmp->setData(int(BmpTag));
    file->addSeparator();
    QAction *exit = addCommand(file, "Exit1", QStringLiteral("E&xit"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction *about = addCommand(help, "About1", QStringLiteral("About..."));

    connect(newTrack, &QAction::triggered, this, &TMainForm::New1Click);
    connect(open, &QAction::triggered, this, &TMainForm::Load1Click);
    connect(save, &QAction::triggered, this, &TMainForm::Save1Click);
    connect(saveAs, &QAction::triggered, this, &TMainForm::Saveas1Click);
    connect(size, &QAction::triggered, this, &TMainForm::Modifygridsize1Click);
    connect(jpeg, &QAction::triggered, this, [this, jpeg] { PrintClick(jpeg); });
    connect(bmp, &QAction::triggered, this, [this, bmp] { PrintClick(bmp); });
    connect(exit, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(about, &QAction::triggered, this, &TMainForm::About1Click);

    // These act on the cells, which exist only once start-up has completed.
    m_trackCommands = {newTrack, open, save, saveAs, size, jpeg, bmp};
    for (QAction *action : std::as_const(m_trackCommands))
        action->setEnabled(false);
}

void TMainForm::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_fileDialogs = std::move(dialogs);
}

QString TMainForm::statusText() const
{
    return m_statusText->text();
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
    centrePanel3();
    PageControl->setCurrentIndex(0);
    // A zero-delay shot: the window and its waiting panel paint first, then
    // the slow work runs.
    QTimer::singleShot(0, this, &TMainForm::init);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // A maximized window gets its final size only after it shows; the
    // waiting panel follows so that it stays in the middle.
    if (watched == TrackBox && event->type() == QEvent::Resize && Panel3->isVisible())
        centrePanel3();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::centrePanel3()
{
    Panel3->move((TrackBox->width() - Panel3->width()) / 2,
                 (TrackBox->height() - Panel3->height()) / 2);
}

void TMainForm::init()
{
    if (m_started)
        return;
    m_started = true;
    const bool built = ErrorBox::guard(this, [this] {
        MakeCells();
        PageControl->loadTiles(m_tiles, *m_progress);
        m_document.setDefaultPicture(PageControl->pieceButton(Catalogue::defaultCode())->picture());
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

void TMainForm::MakeCells()
{
    for (int c = 1; c <= TrackDocument::side; ++c) {
        for (int r = 1; r <= TrackDocument::side; ++r) {
            m_progress->setText(Progress::text("Initialising Array - ", c, r));
            m_progress->pump();
            m_cells[size_t(TrackDocument::index(c - 1, r - 1))] = makeCell(c - 1, r - 1);
        }
    }
}

PictureButton *TMainForm::makeCell(int column, int row)
{
    const int index = TrackDocument::index(column, row);
    auto *cell = new PictureButton(m_trackArea);
    cell->setObjectName(TrackDocument::cellName(index));
    cell->setAutoRaise(true);
    cell->setGeometry(cellMargin + cellSize * column, cellMargin + cellSize * row, cellSize, cellSize);
    cell->hide();
    cell->setPicture(m_document.cell(index).picture);
    connect(cell, &PictureButton::clicked, this, [this, index] { TrackClick(index); });
    return cell;
}

void TMainForm::openStartupTrack()
{
    const QString name = CommandLine::startupFileName(m_arguments);
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return;
    // A track that cannot be read is reported, but the editor still starts
    // with the default grid: the palette is fine, only the file is not.
    ErrorBox::guard(this, [this, &name] {
        m_document.open(name, m_tiles, *m_progress);
        m_openDialogName = name;
    });
}

void TMainForm::finishStartup()
{
    m_progress->clear();
    PageControl->show();
    Panel2->show();
    Panel3->hide();
    for (QAction *action : std::as_const(m_trackCommands))
        action->setEnabled(true);
    m_ready = true;
    emit startupEnded(true);
}

// ---- The cells --------------------------------------------------------

void TMainForm::showCell(int index)
{
    PictureButton *button = m_cells[size_t(index)];
    if (!button)
        return;
    const Cell &cell = m_document.cell(index);
    button->setPicture(cell.picture);
    if (button->isHidden() == cell.visible) {
        button->setVisible(cell.visible);
        countVisible(index, cell.visible);
    }
}

void TMainForm::countVisible(int index, bool visible)
{
    const int step = visible ? 1 : -1;
    m_visibleInColumn[size_t(TrackDocument::columnOf(index))] += step;
    m_visibleInRow[size_t(TrackDocument::rowOf(index))] += step;
    resizeTrackArea();
}

void TMainForm::resizeTrackArea()
{
    // The area covers the visible cells, so the scroll box scrolls exactly
    // when they do not fit.
    auto extent = [](const std::array<int, TrackDocument::side> &counts) {
        int n = int(counts.size());
        while (n > 0 && counts[size_t(n - 1)] == 0)
            --n;
        return n;
    };
    const QSize size(2 * cellMargin + cellSize * extent(m_visibleInColumn),
                     2 * cellMargin + cellSize * extent(m_visibleInRow));
    if (m_trackArea->size() != size)
        m_trackArea->resize(size);
}

void TMainForm::PieceClick(PictureButton *sender)
{
    m_currentCode = sender->property("hint").toByteArray();
    CurPiece->setPicture(sender->picture());
}

void TMainForm::TrackClick(int index)
{
    ErrorBox::guard(this, [&] { m_document.TrackClick(index, m_currentCode, CurPiece->picture()); });
}

void TMainForm::EditGrid(const QByteArray &hint)
{
    ErrorBox::guard(this, [&] { m_document.EditGrid(hint, *m_progress); });
}

void TMainForm::TabSheet1MouseDown()
{
    // The number of components the page owns; its buttons belong to the
    // window, so there are none.
    showMessage(QStringLiteral("0"));
}

// ---- The commands -----------------------------------------------------

int TMainForm::askSaveChanges()
{
    m_saveForm->setAnswer(TSaveForm::No);
    int answer = TSaveForm::No;
    if (m_document.isModified())
        answer = m_saveForm->ask();
    // A save that was cancelled stops the command like a failed one does.
    if (answer == TSaveForm::Yes && !saveTrack())
        return TSaveForm::Cancel;
    return answer;
}

bool TMainForm::saveTrack()
{
    if (m_document.fileName().isEmpty())
        return saveTrackAs();
    m_document.save(m_document.fileName());
    m_openDialogName = m_document.fileName();
    return true;
}

bool TMainForm::saveTrackAs()
{
    const QString name = m_fileDialogs->askSaveName(m_document.fileName());
    if (name.isEmpty())
        return false;
    m_document.save(name);
    m_openDialogName = name;
    return true;
}

void TMainForm::New1Click()
{
    ErrorBox::guard(this, [this] {
        if (askSaveChanges() == TSaveForm::Cancel)
            return;
        // The size dialog's sliders are the new size whichever button
        // closed it.
        m_sizeForm->exec();
        m_document.DrawGrid(true, *m_progress);
        m_document.setModified(false);
        m_document.setFileName(QString());
    });
}

void TMainForm::Load1Click()
{
    ErrorBox::guard(this, [this] {
        if (askSaveChanges() == TSaveForm::Cancel)
            return;
        const QString name = m_fileDialogs->askOpenName(m_openDialogName);
        if (name.isEmpty())
            return;
        m_openDialogName = name;
        m_document.open(name, m_tiles, *m_progress);
    });
}

void TMainForm::Save1Click()
{
    ErrorBox::guard(this, [this] { saveTrack(); });
}

void TMainForm::Saveas1Click()
{
    ErrorBox::guard(this, [this] { saveTrackAs(); });
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    int answer = TSaveForm::Cancel;
    ErrorBox::guard(this, [&] { answer = askSaveChanges(); });
    if (answer == TSaveForm::Cancel)
        event->ignore();
    else
        event->accept();
}

void TMainForm::Modifygridsize1Click()
{
    ErrorBox::guard(this, [this] {
        m_sizeForm->exec();
        m_document.DrawGrid(false, *m_progress);
    });
}

void TMainForm::PrintClick(QAction *item)
{
    ErrorBox::guard(this, [this, item] {
        const QString &fileName = m_document.fileName();
        if (fileName.isEmpty()) {
            showMessage(QStringLiteral("Save your file first!"));
            m_progress->clear();
            return;
        }
        const auto format = item->data().toInt() == JpegTag ? PictureExport::Format::Jpeg
                                                            : PictureExport::Format::Bmp;
        const QString path = PictureExport::outputName(fileName, PictureExport::extension(format));
        PictureExport::write(m_document, path, format, displayDepth(), *m_progress);
        m_progress->clear();
    });
}

void TMainForm::About1Click()
{
    m_aboutForm->exec();
}
