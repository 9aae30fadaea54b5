// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/windowbench.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "base/safefile.h"
#include "bench/benchtrack.h"
#include "bench/childprocess.h"
#include "document/trackdocument.h"
#include "document/trackfacts.h"
#include "document/trackgrid.h"
#include "export/bmpwriter.h"
#include "export/jpegwriter.h"
#include "export/picturecomposer.h"
#include "export/planpdf.h"
#include "pieces/bmpreader.h"
#include "pieces/catalogue.h"
#include "pieces/piecetable.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"
#include "ui/commands/filedialogs.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"
#include "ui/window/statusprogress.h"
#include "ui/window/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QPaintEvent>
#include <QTimer>

namespace {

constexpr int decodesPerSample = 500;
constexpr int startTimeoutMs = 60000;

template <typename Work>
double timeMs(Work &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Delivers what the command left queued, its repaints above all, so a
// timing ends when the user would see the result.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The Open dialog, answered with the bench's track.
class TrackDialogs : public FileDialogs
{
public:
    explicit TrackDialogs(const QString &track) : m_track(track) {}
    QString askSaveName(const QString &) override { return QString(); }
    QString askOpenName(const QString &) override { return m_track; }

private:
    QString m_track;
};

class CountingProgress : public Progress
{
public:
    int texts = 0;
    void setText(const QString &text) override { texts += text.isEmpty() ? 0 : 1; }
};

class CountingTiles : public TileSource
{
public:
    explicit CountingTiles(const QString &folder) : m_folder(folder) {}
    mutable int reads = 0;
    QImage load(const QByteArray &code) const override
    {
        ++reads;
        return m_folder.load(code);
    }

private:
    TileFolder m_folder;
};

// The cells a canvas is asked to repaint.
class PaintedCells : public QObject
{
public:
    explicit PaintedCells(const TrackCanvas &canvas) : m_canvas(canvas) {}
    int count() const
    {
        int n = 0;
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            n += m_painted.intersects(m_canvas.cellRect(i).adjusted(1, 1, -1, -1)) ? 1 : 0;
        return n;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    const TrackCanvas &m_canvas;
    QRegion m_painted;
};

QByteArray ppmOf(const QImage &picture)
{
    QByteArray ppm = "P6\n" + QByteArray::number(picture.width()) + ' '
                     + QByteArray::number(picture.height()) + "\n255\n";
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            ppm += char(qRed(line[x]));
            ppm += char(qGreen(line[x]));
            ppm += char(qBlue(line[x]));
        }
    }
    return ppm;
}

} // namespace

WindowBench::WindowBench(const QString &trackPath, const QVector<QByteArray> &codes,
                         const QString &workDir, const QString &cjpeg, const QString &errorLog)
    : m_trackPath(trackPath), m_codes(codes), m_workDir(workDir), m_cjpeg(cjpeg),
      m_errorLog(errorLog)
{
}

WindowBench::~WindowBench() = default;

bool WindowBench::fail(const QString &message)
{
    m_error = message;
    return false;
}

bool WindowBench::start()
{
    const QString tiles = TileFolder::besideExecutable();
    m_tilePath = TileFolder(tiles).pathFor(Catalogue::defaultCode());
    QFile tile(m_tilePath);
    if (!tile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("no tile %1: build the tiles target").arg(m_tilePath));
    m_tileBytes = tile.readAll();

    // As the editor's entry does it.
    m_window = std::make_unique<TMainForm>(tiles, QStringList());
    m_window->setFileDialogs(std::make_unique<TrackDialogs>(m_trackPath));
    m_window->FormCreate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_window->setGeometry(screen->availableGeometry());
    QEventLoop loop;
    bool completed = false;
    QObject::connect(m_window.get(), &TMainForm::startupEnded, &loop, [&](bool ok) {
        completed = ok;
        loop.quit();
    });
    QTimer::singleShot(startTimeoutMs, &loop, &QEventLoop::quit);
    m_window->showMaximized();
    loop.exec();
    if (!completed)
        return fail(QStringLiteral("the window did not finish starting"));

    m_progress = std::make_unique<StatusProgress>(
        m_window->findChild<QLabel *>(QStringLiteral("StatusText")));
    m_jpegAction = m_window->findChild<QAction *>(QStringLiteral("ExporttoJPG1"));
    m_bmpAction = m_window->findChild<QAction *>(QStringLiteral("ExporttoBMP1"));
    m_pdfAction = m_window->findChild<QAction *>(QStringLiteral("ExporttoPDF1"));
    // The list window is made the first time it is asked for.
    if (auto *parts = m_window->findChild<QAction *>(QStringLiteral("Partslist1")))
        parts->trigger();
    m_partsList = m_window->findChild<QWidget *>(QStringLiteral("PartsListWindow"));
    if (m_partsList)
        m_partsList->hide();
    if (!m_jpegAction || !m_bmpAction || !m_pdfAction || !m_partsList)
        return fail(QStringLiteral("the export commands or the parts list were not found"));
    m_widgets = int(m_window->findChildren<QWidget *>().size());
    if (!prepareCjpeg())
        return false;
    countStrokeRepaint();
    return true;
}

bool WindowBench::prepareCjpeg()
{
    // The picture the export makes of the track, once, for cjpeg and for
    // the encoder timed alone.
    m_window->Load1Click();
    Progress quiet;
    m_picture = PictureComposer::compose(m_window->document().grid(), m_window->tiles(), quiet);
    if (m_picture.width() != 49 * 30 + 1 || m_picture.height() != 49 * 30 + 1)
        return fail(QStringLiteral("the track did not open as 30 x 30"));
    m_ppmPath = m_workDir + QStringLiteral("/picture.ppm");
    QFile ppm(m_ppmPath);
    const QByteArray bytes = ppmOf(m_picture);
    if (!ppm.open(QIODevice::WriteOnly) || ppm.write(bytes) != bytes.size())
        return fail(QStringLiteral("cannot write %1").arg(m_ppmPath));
    return true;
}

QString WindowBench::pictureSize() const
{
    return QStringLiteral("%1 × %2").arg(m_picture.width()).arg(m_picture.height());
}

bool WindowBench::countOpen(int &progressTexts, int &tileReads)
{
    TrackDocument document;
    TileStore store;
    CountingProgress progress;
    CountingTiles tiles(TileFolder::besideExecutable());
    try {
        document.open(m_trackPath, tiles, store, progress);
    } catch (const KwError &error) {
        return fail(error.message());
    }
    progressTexts = progress.texts;
    tileReads = tiles.reads;
    return true;
}

bool WindowBench::runRound()
{
    timeOpen();
    timeFacts();
    timePlainReads();
    timeStatusTexts();
    timeGridCommands();
    if (!timeExports())
        return false;
    timePdf();
    timeClicks();
    timeRepaints();
    timeTileDecode();
    return true;
}

void WindowBench::timeRepaints()
{
    TrackView *view = m_window->trackView();
    TrackCanvas *canvas = view->canvas();
    for (int z = 0; z < repaintZooms; ++z) {
        view->zoomAt(repaintZoom(z), QPoint(0, 0));
        settle();
        // The middle of the track, where every cell in sight holds a piece.
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum() / 2);
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
        settle();
        m_figures.repaint[size_t(z)].add(timeMs([&] { canvas->repaint(); }));
    }
    view->actualSize();
    settle();
}

void WindowBench::countStrokeRepaint()
{
    TrackCanvas *canvas = m_window->trackView()->canvas();
    settle();
    PaintedCells painted(*canvas);
    canvas->installEventFilter(&painted);
    for (int column : {5, 6, 7}) {
        const int index = TrackGrid::index(column, 4);
        const bool a3 = m_window->document().cell(index).code == "A3";
        m_window->document().TrackClick(index, a3 ? QByteArrayLiteral("07") : QByteArrayLiteral("A3"));
    }
    settle();
    canvas->removeEventFilter(&painted);
    m_strokeCells = painted.count();
    m_window->document().setModified(false);
}

void WindowBench::timeOpen()
{
    // The grid is at its default before each open, as after New.
    m_window->document().setSize(TrackGrid::defaultWidth, TrackGrid::defaultHeight);
    m_window->document().DrawGrid(true, *m_progress);
    settle();
    m_figures.open.add(timeMs([&] {
        m_window->Load1Click();
        settle();
    }));
}

void WindowBench::timePlainReads()
{
    const TileFolder folder(TileFolder::besideExecutable());
    QVector<QString> paths;
    for (const QByteArray &code : std::as_const(m_codes))
        paths.append(folder.pathFor(code));
    qint64 pixels = 0;
    m_figures.plainReads.add(timeMs([&] {
        for (const QString &path : std::as_const(paths))
            pixels += BmpReader::readFile(path).width();
    }));
    Q_ASSERT(pixels > 0);
}

void WindowBench::timeStatusTexts()
{
    // What the reader writes into the status bar for a 30 x 30 track, one
    // text per character, built and set the same way, without the reading.
    const QByteArray line = BenchTrack::lineOf(m_codes, 0);
    m_figures.statusTexts.add(timeMs([&] {
        for (int r = 0; r < BenchTrack::side; ++r) {
            for (int p = 1; p <= line.size(); ++p)
                m_progress->setText(Progress::text("Loading Track - ", r, p));
        }
        m_progress->clear();
        settle();
    }));
}

void WindowBench::timeGridCommands()
{
    TrackDocument &document = m_window->document();
    // New, with the size dialog left at the default size.
    document.setSize(TrackGrid::defaultWidth, TrackGrid::defaultHeight);
    m_figures.newGrid.add(timeMs([&] {
        document.DrawGrid(true, *m_progress);
        settle();
    }));
    // The size dialog moved to 30 x 30.
    document.setSize(TrackGrid::side, TrackGrid::side);
    m_figures.resize.add(timeMs([&] {
        document.DrawGrid(false, *m_progress);
        settle();
    }));
}

bool WindowBench::timeExports()
{
    m_window->Load1Click();
    settle();
    m_figures.jpegExport.add(timeMs([&] {
        m_window->PrintClick(m_jpegAction);
        settle();
    }));
    if (!m_cjpeg.isEmpty()) {
        const QString out = m_workDir + QStringLiteral("/cjpeg.jpg");
        const auto result = ChildProcess::run(
            m_cjpeg, {QStringLiteral("-quality"), QStringLiteral("65"), QStringLiteral("-outfile"),
                      out, m_ppmPath},
            {}, m_errorLog);
        if (result.exitCode != 0)
            return fail(QStringLiteral("cjpeg failed; see %1").arg(m_errorLog));
        m_figures.cjpeg.add(result.ms);
    }
    m_figures.bmpExport.add(timeMs([&] {
        m_window->PrintClick(m_bmpAction);
        settle();
    }));
    timeExportSteps();
    return true;
}

void WindowBench::timeExportSteps()
{
    Progress quiet;
    QImage picture;
    m_figures.compose.add(timeMs([&] { picture = PictureComposer::compose(m_window->document().grid(), m_window->tiles(), quiet); }));
    QByteArray bytes;
    m_figures.jpegEncode.add(timeMs([&] { bytes = JpegWriter::encode(picture); }));
    const QString jpeg = m_workDir + QStringLiteral("/steps.jpg");
    m_figures.jpegWrite.add(timeMs([&] { SafeFile::write(jpeg, bytes); }));
    const int depth = QGuiApplication::primaryScreen()->depth();
    m_figures.bmpEncode.add(timeMs([&] { bytes = BmpWriter::encode(picture, depth); }));
    const QString bmp = m_workDir + QStringLiteral("/steps.bmp");
    m_figures.bmpWrite.add(timeMs([&] { SafeFile::write(bmp, bytes); }));
}

void WindowBench::timePdf()
{
    m_figures.pdfExport.add(timeMs([&] {
        m_window->PrintClick(m_pdfAction);
        settle();
    }));
    Progress quiet;
    QByteArray bytes;
    m_figures.pdfRender.add(timeMs([&] {
        bytes = PlanPdf::render(m_window->document().grid(), m_window->tiles(),
                                QStringLiteral("track30.kwf"), quiet);
    }));
    m_pdfPages = int(bytes.count("/Type /Page\n"));
    const QString pdf = m_workDir + QStringLiteral("/steps.pdf");
    m_figures.pdfWrite.add(timeMs([&] { SafeFile::write(pdf, bytes); }));
}

void WindowBench::timeClicks()
{
    // Each click changes the cell, so the track changes every time.
    const QByteArray codes[] = {QByteArrayLiteral("A3"), QByteArrayLiteral("07")};
    auto click = [&](Samples &samples) {
        for (const QByteArray &code : codes) {
            samples.add(timeMs([&] {
                m_window->document().TrackClick(TrackGrid::index(3, 3), code);
                settle();
            }));
        }
    };
    m_partsList->show();
    settle();
    click(m_figures.clickListOpen);
    m_partsList->hide();
    settle();
    click(m_figures.clickListClosed);
    // With an inventory that limits every piece, all 163 buttons' counts
    // and tooltips follow each click.
    QByteArray owned;
    for (const Piece &piece : PieceTable::pieces())
        owned += piece.code + ",5\n";
    SessionInventory &inventory = m_window->document().inventory();
    inventory.set(Inventory::parse(owned, QStringLiteral("bench.csv")), QStringLiteral("bench.csv"));
    settle();
    click(m_figures.clickInventory);
    inventory.forget();
    settle();
    // The next open must not stop to ask about saving.
    m_window->document().setModified(false);
}

void WindowBench::timeTileDecode()
{
    int width = 0;
    m_figures.decodeTile.add(timeMs([&] {
        for (int i = 0; i < decodesPerSample; ++i)
            width += BmpReader::decode(m_tileBytes).width();
    }) / decodesPerSample);
    m_figures.readTile.add(timeMs([&] {
        for (int i = 0; i < decodesPerSample; ++i)
            width += BmpReader::readFile(m_tilePath).width();
    }) / decodesPerSample);
    Q_ASSERT(width > 0);
}

void WindowBench::timeFacts()
{
    // Many facts a sample: one takes well under the timer's resolution.
    constexpr int perSample = 50;
    const TrackGrid &grid = m_window->document().grid();
    int circuits = 0;
    m_figures.facts.add(timeMs([&] {
        for (int k = 0; k < perSample; ++k)
            circuits += int(TrackFacts(grid).circuits().size());
    }) / perSample);
    // The longest drive there is: every cell a crossroads, one circuit whose
    // lap fails only at the border after passing the whole grid.
    TrackGrid crossroads;
    crossroads.setSize(TrackGrid::side, TrackGrid::side);
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        crossroads.setCode(i, QByteArrayLiteral("28"));
    m_figures.factsCrossroads.add(timeMs([&] {
        for (int k = 0; k < perSample; ++k)
            circuits += int(TrackFacts(crossroads).circuits().size());
    }) / perSample);
    Q_ASSERT(circuits > 0);
}
