#include "ui/gridstep.h"

#include "document/trackdocument.h"

namespace {

constexpr int strokeId = 1;

} // namespace

GridStep::GridStep(TrackDocument &document, const QString &name, const TrackGrid &before,
                   bool marks, int stroke)
    : QUndoCommand(name), m_document(document), m_before(before), m_after(document.grid()),
      m_marks(marks), m_stroke(stroke)
{
}

void GridStep::undo()
{
    m_document.setGrid(m_before);
}

// Also runs when the step is pushed: the document already holds m_after,
// so that changes nothing.
void GridStep::redo()
{
    m_document.setGrid(m_after);
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
    m_after = next->m_after;
    m_marks = m_marks || next->m_marks;
    setText(next->text());
    return true;
}
