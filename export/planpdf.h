// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/lapmodel.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class Inventory;
class Progress;
class QPagedPaintDevice;
class TileStore;
class TrackGrid;

// The plan that goes to the hall, as a PDF or on a printer: by default on A4
// landscape pages (any paper and orientation will do), a heading
// with the track's name and size and each lap with its time for a car, the exported picture of the track with its
// column and row numbers, and the parts list with each piece's picture,
// continued on further pages when it is long; with an inventory, the
// pieces the club has too few of follow the total. All text is real text.
//
// The same track gives the same bytes: the creation date, the one thing Qt
// writes that changes from run to run, is left out.
class PlanPdf
{
public:
    // title: the track file's name as the heading shows it ("oval.kwf").
    // Needs a QGuiApplication (fonts). Throws KwError when memory runs out.
    static QByteArray render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                             Progress &progress, const Inventory *inventory = nullptr,
                             const LapSetup &lap = LapSetup());
    // The same on pages of the given layout.
    static QByteArray render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                             const QPageLayout &layout, Progress &progress,
                             const Inventory *inventory = nullptr, const LapSetup &lap = LapSetup());

    // Paints the plan's pages on a device as its page layout sets them (a
    // printer, a print preview, a PDF writer). Returns the number of pages,
    // or 0 when the device would not start painting (nothing is drawn).
    static int paint(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles,
                     const QString &title, Progress &progress, const Inventory *inventory = nullptr,
                     const LapSetup &lap = LapSetup());

    // The plan's own pages: A4 landscape with margins of 12 mm.
    static QPageLayout pageLayout();

    // "15 × 7 cells"
    static QString sizeText(const TrackGrid &grid);
    // What the first page's heading says after the size: "lap 26.9 m,
    // 9.2–10.4 s (1:28 stock)" for each circuit that has a lap.
    static QString lapsText(const TrackGrid &grid, const LapSetup &lap);
};
