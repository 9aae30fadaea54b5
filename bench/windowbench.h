// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>
#include <array>
#include <memory>

class QAction;
class StatusProgress;
class TMainForm;

// The editor's own window in this process, started as the editor starts,
// and the commands a user waits for, each timed to the moment its result is
// painted. One round runs every measurement once, each beside what it is
// compared with, so that a burst of load from elsewhere hits both.
class WindowBench
{
public:
    // The zooms a full repaint is timed at.
    static constexpr int repaintZooms = 3;
    static double repaintZoom(int which)
    {
        return std::array<double, repaintZooms>{1.0, 0.25, 4.0}[size_t(which)];
    }

    struct Figures
    {
        Samples open;          // Open of the 30 x 30 track, through the command
        Samples plainReads;    // BmpReader::readFile of the same 900 tiles
        Samples statusTexts;   // the open's 2,670 progress texts set alone
        Samples newGrid;       // New's redraw with reset, 30 x 30 to 15 x 7
        Samples resize;        // DrawGrid without reset, 15 x 7 to 30 x 30
        Samples jpegExport;    // the JPEG command: compose, encode, write
        Samples cjpeg;         // cjpeg -quality 65 on the same picture as PPM
        Samples bmpExport;     // the BMP command
        Samples pdfExport;     // the PDF command: compose, lay out, write
        Samples pdfRender;     // PlanPdf::render alone
        Samples pdfWrite;      // SafeFile::write of the PDF bytes
        Samples clickListOpen;    // a cell click with the parts list shown
        Samples clickListClosed;  // the same click with it closed
        Samples clickInventory;   // the same click with an inventory loaded: the palette counts
        // The export's steps, timed one by one in the export's own order.
        Samples compose;       // PictureComposer::compose
        Samples jpegEncode;    // JpegWriter::encode
        Samples jpegWrite;     // SafeFile::write of the JPEG bytes
        Samples bmpEncode;     // BmpWriter::encode at the display's depth
        Samples bmpWrite;      // SafeFile::write of the BMP bytes
        Samples decodeTile;    // BmpReader::decode of one tile's bytes
        Samples readTile;      // BmpReader::readFile of one tile
        // The track canvas painting everything it shows, at each zoom.
        std::array<Samples, repaintZooms> repaint;
        Samples facts;         // TrackFacts of the open 30 x 30 track
        Samples factsCrossroads;  // TrackFacts of 30 x 30 crossroads, one circuit
    };

    // trackPath: the 30 x 30 track; codes: its codes in file order;
    // cjpeg: the program's path, or empty to leave that comparison out.
    WindowBench(const QString &trackPath, const QVector<QByteArray> &codes,
                const QString &workDir, const QString &cjpeg, const QString &errorLog);
    ~WindowBench();

    // Starts the window and waits until it is ready. False, with error().
    bool start();
    // Opens the track in a bare document, counting what the window's open
    // does: progress texts and tile reads.
    bool countOpen(int &progressTexts, int &tileReads);
    bool runRound();

    const Figures &figures() const { return m_figures; }
    QString error() const { return m_error; }
    QString pictureSize() const;
    int pdfPages() const { return m_pdfPages; }
    // How many cells the canvas repainted for a stroke over three.
    int strokeRepaintedCells() const { return m_strokeCells; }
    int widgetCount() const { return m_widgets; }

private:
    bool fail(const QString &message);
    bool prepareCjpeg();
    void timeOpen();
    void timePlainReads();
    void timeStatusTexts();
    void timeGridCommands();
    bool timeExports();
    void timeExportSteps();
    void timePdf();
    void timeClicks();
    void timeTileDecode();
    void timeRepaints();
    void countStrokeRepaint();
    void timeFacts();

    QString m_trackPath;
    QVector<QByteArray> m_codes;
    QString m_workDir;
    QString m_cjpeg;
    QString m_errorLog;
    QString m_ppmPath;
    QString m_error;
    QImage m_picture;
    QByteArray m_tileBytes;
    QString m_tilePath;
    std::unique_ptr<TMainForm> m_window;
    std::unique_ptr<StatusProgress> m_progress;
    QAction *m_jpegAction = nullptr;
    QAction *m_bmpAction = nullptr;
    QAction *m_pdfAction = nullptr;
    QWidget *m_partsList = nullptr;
    int m_pdfPages = 0;
    int m_strokeCells = 0;
    int m_widgets = 0;
    Figures m_figures;
};
