// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/gridstep.h"

#include "document/trackdocument.h"

#include <algorithm>

namespace {

constexpr int strokeId = 1;

QSize sizeOf(const TrackGrid &grid)
{
    return QSize(grid.width(), grid.height());
}

} // namespace

GridStep::GridStep(TrackDocument &document, const QString &name, const TrackGrid &before,
                   const CellSelection &selected, bool marks, int stroke)
    : QUndoCommand(name), m_document(document), m_sizeBefore(sizeOf(before)),
      m_sizeAfter(sizeOf(document.grid())), m_selectionBefore(selected),
      m_selectionAfter(document.selection()), m_marks(marks), m_stroke(stroke)
{
    const TrackGrid &after = document.grid();
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        if (before.cell(i) != after.cell(i))
            m_changes.append({i, before.cell(i), after.cell(i)});
    }
}

void GridStep::undo()
{
    apply(false);
}

// Also runs when the step is pushed: the document already holds the after
// side, so that changes nothing.
void GridStep::redo()
{
    apply(true);
}

void GridStep::apply(bool after)
{
    m_document.setGrid(side(m_document.grid(), after));
    m_document.setSelection(after ? m_selectionAfter : m_selectionBefore);
}

TrackGrid GridStep::side(const TrackGrid &grid, bool after) const
{
    TrackGrid result = grid;
    for (const Change &change : m_changes)
        result.setCell(change.index, after ? change.after : change.before);
    const QSize size = after ? m_sizeAfter : m_sizeBefore;
    result.setSize(size.width(), size.height());
    return result;
}

int GridStep::id() const
{
    return m_stroke > 0 ? strokeId : -1;
}

bool GridStep::mergeWith(const QUndoCommand *other)
{
    // Only with the same stroke: the step beneath may be an older stroke's.
    const auto *next = static_cast<const GridStep *>(other);
    if (next->m_stroke != m_stroke)
        return false;
    for (const Change &change : next->m_changes) {
        auto same = std::find_if(m_changes.begin(), m_changes.end(),
                                 [&](const Change &mine) { return mine.index == change.index; });
        if (same != m_changes.end())
            same->after = change.after;
        else
            m_changes.append(change);
    }
    m_sizeAfter = next->m_sizeAfter;
    m_selectionAfter = next->m_selectionAfter;
    m_marks = m_marks || next->m_marks;
    setText(next->text());
    return true;
}
