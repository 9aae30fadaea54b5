#pragma once

#include <QByteArray>
#include <QString>

class Progress;
class TileStore;
class TrackGrid;

// The plan that goes to the hall, as a PDF: on A4 landscape pages, a heading
// with the track's name and size, the exported picture of the track with its
// column and row numbers, and the parts list with each piece's picture,
// continued on further pages when it is long. All text is real text.
//
// The same track gives the same bytes: the creation date, the one thing Qt
// writes that changes from run to run, is left out.
class PlanPdf
{
public:
    // title: the track file's name as the heading shows it ("oval.kwf").
    // Needs a QGuiApplication (fonts). Throws KwError when memory runs out.
    static QByteArray render(const TrackGrid &grid, const TileStore &tiles, const QString &title,
                             Progress &progress);

    // "15 × 7 cells"
    static QString sizeText(const TrackGrid &grid);
};
