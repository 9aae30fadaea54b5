// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/edge.h"

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QRect>

class QPainter;
class TileStore;

// Where the track's cells and their pictures lie, and how a cell's picture
// is drawn: the one place that knows. The canvas, the tools' previews, the
// floating stamp, the rulers and the cells as screen readers see them all
// ask it, so a preview lies on the very pixels of the piece it shows.
//
// At zoom 1 a cell is the 54 x 54 square at 2 + 54 x column, 2 + 54 x row,
// its picture centred in the 50 x 50 face inside it (its left edge at
// (face - picture + 1) / 2, rounded toward zero, and its top likewise) with
// the pixels of the picture's bottom-left colour left undrawn, just as a
// flat button draws it. Other zooms scale every length at zoom 1, each edge
// rounded on its own, so neighbouring cells always touch; the pictures are
// scaled smoothly, once per picture and zoom.
//
// A cell that asks to be looked at (an open road end, a piece a turn kept,
// a piece beyond what the club owns) is marked in one way: a red band with
// a light edge inside the face, along one edge of it or all round.
class TrackRenderer
{
public:
    static constexpr int cellSize = 54;
    static constexpr int cellMargin = 2;  // the block starts 2 pixels into the area
    static constexpr int faceEdge = 2;    // between a cell's edge and its face
    static constexpr int faceSize = cellSize - 2 * faceEdge;
    static constexpr double minimumZoom = 0.25;
    static constexpr double maximumZoom = 4.0;
    // Thick enough to see at a glance, thin enough to leave the road of the
    // tile visible; the band lies inside its own cell, so that the two ends
    // of one seam stay apart.
    static constexpr int markWidth = 6;
    // Pure red reads on grass, dark foam and blue carpet alike; the light
    // edge keeps it apart from the red of kerbs.
    static const QColor markColour;
    static const QColor markEdgeColour;

    explicit TrackRenderer(const TileStore &tiles);

    double zoom() const { return m_zoom; }
    // Clamped into minimumZoom..maximumZoom; false when it stays as it was.
    bool setZoom(double zoom);
    // A length at zoom 1, at this zoom.
    int scaled(int length) const;

    // Where the span of column n begins across the track (of row n, down
    // it); column n ends where column n + 1 begins.
    int lineAt(int n) const { return scaled(cellMargin + cellSize * n); }
    // The column (row) whose span holds a coordinate; may lie outside 0..29.
    int columnAt(int x) const;
    // Cells are (column, row).
    QRect cellRect(QPoint cell) const;
    QRect cellRect(int index) const;
    // How long count columns (or rows) are with the margins on both sides;
    // 0 for none.
    int length(int count) const { return lengthAt(m_zoom, count); }
    static int lengthAt(double zoom, int count);

    // Where a point of the road's centre lines lies, given in cell sides
    // from the block's top-left corner as laps have it: a cell's middle on
    // its middle, a seam between two cells on the seam.
    QPointF roadPoint(const QPointF &sides) const
    {
        return (QPointF(cellMargin, cellMargin) + sides * cellSize) * m_zoom;
    }
    // One cell side in pixels at this zoom.
    double sideLength() const { return cellSize * m_zoom; }

    // Where a picture of that size is drawn on the cell at rest.
    QRect pictureRect(QPoint cell, QSize picture) const;
    // Where the code's picture is drawn; the face for a code without one.
    QRect pictureRect(QPoint cell, const QByteArray &code) const;
    // The face: where a picture as large as the face lies.
    QRect faceRect(QPoint cell) const;

    // The code's picture as drawn at this zoom: masked and scaled. The
    // pixmaps live in the shared cache keyed by the picture and the size,
    // so the cells of a code share one and a zoom's pixmaps are made once.
    QPixmap pixmap(const QByteArray &code) const;
    // Draws the code's picture on the cell, cut to the cell; pressed, it
    // lies one pixel (at zoom 1) further right and down, as on a button.
    void drawPiece(QPainter &painter, QPoint cell, const QByteArray &code, bool pressed = false) const;

    // The band along one edge of the face.
    QRect markRect(QPoint cell, Edge edge) const;
    void drawEdgeMark(QPainter &painter, QPoint cell, Edge edge) const;
    // The band all round the face.
    void drawCellMark(QPainter &painter, QPoint cell) const;

private:
    const TileStore &m_tiles;
    double m_zoom = 1.0;
};
