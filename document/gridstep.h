// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/cellselection.h"
#include "document/trackgrid.h"

#include <QSize>
#include <QUndoCommand>
#include <QVector>

class TrackDocument;

// One step of the edit history: every cell the step changed (its code or
// whether it shows), before and after, and the grid size before and after.
// Undo and redo put those back into the document's grid, so cells outside
// the block and the size come back exactly, and so does the selection that
// went with each side. Whole grids would do the same,
// but each is 900 cells: a step of one placed piece would cost 56 kB.
//
// A step that marks makes the track modified (placing, inserting,
// deleting); a change of grid size does not, as it never did.
//
// The steps of one paint stroke carry the stroke's number and merge into
// its first step, so the stroke is undone as one.
class GridStep : public QUndoCommand
{
public:
    // The step from `before` to the document's grid as it is now; the
    // selection before it was `selected`, after it is the document's own.
    GridStep(TrackDocument &document, const QString &name, const TrackGrid &before,
             const CellSelection &selected, bool marks, int stroke = 0);

    bool marks() const { return m_marks; }
    // `grid` with this step's cells and size of one side: the grid before
    // or after the step, when `grid` shows the other.
    TrackGrid side(const TrackGrid &grid, bool after) const;

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    struct Change
    {
        int index;
        Cell before;
        Cell after;
    };
    // Either side of the step: the document's grid with this side's cells
    // and size, the document holding the other side.
    void apply(bool after);

    TrackDocument &m_document;
    QVector<Change> m_changes;
    QSize m_sizeBefore;
    QSize m_sizeAfter;
    CellSelection m_selectionBefore;
    CellSelection m_selectionAfter;
    bool m_marks;
    int m_stroke;
};
