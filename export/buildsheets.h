// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/lapmodel.h"
#include "export/sheetlayout.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>
#include <QStringList>

class BuildOrder;
class Inventory;
class QPagedPaintDevice;
class TileStore;
class TrackGrid;

// The build sheets: the plan a crew lays a track from on the hall floor,
// section by section. An overview page (the whole track with the sheet
// grid over it, the track's facts and its parts count), then one page per
// sheet as SheetLayout cuts the track: every cell's picture with its code
// on a small label in a corner its road leaves free, the road's build
// numbers, the track's column and row numbers along the edges, the
// neighbouring sheets' numbers, and the sheet's pick list. All text is real
// text; each piece's picture is stored once however often it is drawn.
//
// The same track gives the same bytes. The window's print, its preview and
// kerbwright-export all draw through here.
class BuildSheets
{
public:
    struct Options
    {
        QPageSize paper = QPageSize(QPageSize::A4);
        qreal cellMm = SheetLayout::defaultCellMm;  // the least side of a cell
        const Inventory *inventory = nullptr;       // marks what the club is short of
        LapSetup lap;  // the side of a cell in metres and the car, for the facts and lap times
    };

    // How the track is cut on the options' paper.
    static SheetLayout layout(const TrackGrid &grid, const Options &options);

    // The overview's facts, a line each: size and road, each circuit with
    // its lap timed for the options' car and its build numbers, the parts,
    // what is short, the sheets.
    static QStringList facts(const TrackGrid &grid, const BuildOrder &order, const SheetLayout &layout,
                             const Options &options);

    // Paints the overview and the sheets on a device (a printer, a preview,
    // a PDF writer) on its paper, whatever paper options names: the device's
    // page layout is set to the orientation and margins the sheets need.
    // Returns the number of pages, or 0 when the device would not start.
    // Needs a QGuiApplication (fonts).
    static int paint(QPagedPaintDevice &device, const TrackGrid &grid, const TileStore &tiles,
                     const QString &title, Options options);

    // The PDF, on the options' paper. title: the track file's name as the
    // pages show it ("oval.kwf"). Throws KwError when memory runs out.
    static QByteArray render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                             const Options &options);

    // Writes the PDF to path, replacing an earlier file only once the new
    // one is complete; a path that cannot be created fails before any work.
    static void write(const QString &path, const TrackGrid &grid, const TileStore &tiles,
                      const QString &title, const Options &options);

    // "oval-sheets.pdf" beside "oval.kwf".
    static QString outputName(const QString &trackFile);
};
