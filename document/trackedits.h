// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/cellselection.h"
#include "document/ownedpieces.h"
#include "document/roads/gapcloser.h"
#include "document/trackblock.h"
#include "pieces/connectioncheck.h"
#include "pieces/turn.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVector>

#include <functional>

class Inventory;
class Progress;
class RouteSolver;
class TileStore;
class TrackDocument;

// Every edit a user makes to the track, one method each: the one way in
// which the track changes as a step of the document's history. Each method
// works out the new grid from the pure edits (GridEdits, RoadEdits,
// FloodFill, SelectionMove, GridTransform, GapCloser, OwnedPieces), makes
// the step with its name and the selection before and after it, and tells
// what it did, so a window only calls it and shows the outcome. An edit
// that would change nothing makes no step, unless noted.
//
// Each document has one (TrackDocument::edits()): a paint stroke in
// progress is its state.
class TrackEdits
{
public:
    TrackEdits(const TrackEdits &) = delete;
    TrackEdits &operator=(const TrackEdits &) = delete;

    // ---- Pieces ----
    // "Place piece": the cell takes the piece, a step even when it held it.
    // An empty code (nothing chosen yet) places nothing; nor does a call
    // while a stroke goes on.
    bool place(int index, const QByteArray &code);
    // A paint stroke: its first cell is a "Place piece" step, every cell
    // entered after it a "Paint stroke" step that merges into that one, so
    // the stroke is undone as one. An empty code begins no stroke. The
    // history moving other than by the stroke's own steps (an undo, New)
    // ends it, as endStroke() does.
    bool beginStroke(int index, const QByteArray &code);
    void continueStroke(int index, const QByteArray &code);
    void endStroke() { m_stroke = 0; }
    // "Fill": the cell and every cell joined to it through the same piece.
    // Returns how many cells changed.
    int fill(int index, const QByteArray &code);
    // "Draw route": the pieces the route lays on the track it began on.
    bool layRoute(const RouteSolver &route);
    // "Close gaps": the runs that join open ends over grass.
    GapCloser::Result closeGaps();
    // "Use owned pieces": owned substitutes for the pieces too few of.
    OwnedPieces::Result useOwnedPieces(const Inventory &inventory);
    // "Replace track": the grid becomes the track, size included; exactly
    // its width x height block shows.
    bool replaceTrack(const TrackGrid &grid);

    // ---- Columns, rows and size ----
    // "Insert column", "Delete column", "Insert row", "Delete row", carrying
    // a road across an inserted line. Return the road ends the edit left
    // open that were joined before. No step at the limits (30 lines, 1 line).
    QVector<OpenEnd> insertColumn(int column);
    QVector<OpenEnd> deleteColumn(int column);
    QVector<OpenEnd> insertRow(int row);
    QVector<OpenEnd> deleteRow(int row);
    // "Resize grid", which never marks the track modified: the grid buttons'
    // change of width and height, clamped, shown with "Drawing Grid" progress.
    void resizeBy(int widthChange, int heightChange, Progress &progress);
    // "Resize grid" around a visit that changes the size step by step (the
    // size dialog's sliders): however often it changes, one step.
    void resizeWith(const std::function<void()> &visit, Progress &progress);

    // ---- The selection ----
    // The selected cells within the block, as the block they span (a
    // selection that is no rectangle gives its bounds); empty when none.
    TrackBlock selectedBlock() const;
    QByteArray selectedText() const { return selectedBlock().toText(); }
    // "Cut" and "Delete": the selected cells within the block take the
    // default piece, a step even where they held it. Nothing selected,
    // nothing done: cut() then returns the empty block.
    TrackBlock cut();
    bool deleteSelected();
    // "Move selection": the selected pieces move by offset, the cells left
    // behind take the default piece and the selection goes with them; a
    // step whenever something is selected and the offset is not zero.
    bool moveSelection(QPoint offset);
    // "Paste": the block with its top-left cell on `at`, cut to the track's
    // block; the placed cells become the selection.
    bool placeBlock(const TrackBlock &block, QPoint at);
    // The block a text describes (TrackBlock::fromText), every code checked
    // for a picture in tiles. Throws KwError (kind NotTrackText, "No piece
    // has the code "ZZ" (row 1, column 2)", and the reader's).
    static TrackBlock blockFromText(const QByteArray &text, const TileStore &tiles);

    // ---- Turning ----
    struct Turned
    {
        QVector<int> unmatched;  // cells that kept their piece, column by column
        int cutOff = 0;          // cells of a turned selection lost beyond the block
        // "1 piece has no turned counterpart: 08; 2 cells fell beyond the
        // track and were cut off"; empty when every piece turned.
        QString text;
    };
    // The selection's bounds within the block, turned about its top-left
    // cell (the turned cells become the selection), or with nothing of the
    // block selected the whole track. Always a step, named turnName(turn).
    Turned turn(Turn turn);
    // "Rotate clockwise", "Rotate anticlockwise", "Mirror left to right",
    // "Mirror top to bottom".
    static QString turnName(Turn turn);

private:
    friend class TrackDocument;
    explicit TrackEdits(TrackDocument &document);

    void placeAt(int index, const QByteArray &code, const QString &name);
    void clearSelected(const QString &name);
    QVector<OpenEnd> reshape(const QString &name, const TrackGrid &grid, const QVector<OpenEnd> &opened);
    // One marking step: the grid, and the selection after it when given.
    void step(const QString &name, const TrackGrid &grid);
    void step(const QString &name, const TrackGrid &grid, const CellSelection &selection);

    TrackDocument &m_document;
    int m_stroke = 0;   // the stroke going on, 0 when none
    int m_strokes = 0;  // strokes so far, to tell them apart
    bool m_placing = false;
};
