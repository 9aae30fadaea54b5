#pragma once

#include "document/trackgrid.h"

#include <QUndoCommand>

class TrackDocument;

// One step of the edit history: the whole grid before and after it. Grids
// share their codes, so two snapshots a step cost little. Undo and redo
// hand the document the snapshot, so cells outside the block and the size
// come back exactly.
//
// A step that marks makes the track modified (placing, inserting,
// deleting); a change of grid size does not, as it never did.
//
// The steps of one paint stroke carry the stroke's number and merge into
// its first step, so the stroke is undone as one.
class GridStep : public QUndoCommand
{
public:
    // The step from `before` to the document's grid as it is now.
    GridStep(TrackDocument &document, const QString &name, const TrackGrid &before, bool marks,
             int stroke = 0);

    bool marks() const { return m_marks; }
    bool changesGrid() const { return m_before != m_after; }

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    TrackDocument &m_document;
    TrackGrid m_before;
    TrackGrid m_after;
    bool m_marks;
    int m_stroke;
};
