// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/celledits.h"

#include "document/gridstep.h"
#include "document/roads/roadedits.h"
#include "document/trackdocument.h"
#include "ui/track/canvasinput.h"
#include "ui/track/cellmenu.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"

#include <QScopedValueRollback>

namespace {

struct Reshape
{
    QString name;  // the step's
    RoadEdits::Result result;
};

// What a choice of the cell menu makes of the grid, for the cell at index:
// inserts carry a road across the new line, and say which ends they leave open.
Reshape reshape(const TrackGrid &grid, int choice, int index)
{
    const int column = TrackGrid::columnOf(index), row = TrackGrid::rowOf(index);
    switch (choice) {
    case CellMenu::InsertColumnLeft:
    case CellMenu::InsertColumnRight:
        return {QStringLiteral("Insert column"),
                RoadEdits::insertColumn(grid, column + (choice == CellMenu::InsertColumnRight))};
    case CellMenu::DeleteColumn:
        return {QStringLiteral("Delete column"), RoadEdits::deleteColumn(grid, column)};
    case CellMenu::InsertRowAbove:
    case CellMenu::InsertRowBelow:
        return {QStringLiteral("Insert row"),
                RoadEdits::insertRow(grid, row + (choice == CellMenu::InsertRowBelow))};
    case CellMenu::DeleteRow:
        return {QStringLiteral("Delete row"), RoadEdits::deleteRow(grid, row)};
    default:
        return {QString(), {grid, {}}};
    }
}

} // namespace

CellEdits::CellEdits(const Parts &parts, QWidget *window)
    : QObject(window), m_parts(parts), m_window(window), m_menu(new CellMenu(window))
{
    // Strokes and Space go to whichever tool is active; what the tools leave
    // of the track's input is the window's.
    const CanvasInput &input = parts.canvas.input();
    connect(&input, &CanvasInput::pickRequested, this, &CellEdits::pick);
    connect(&input, &CanvasInput::menuRequested, this, &CellEdits::showMenu);
    connect(&parts.document.history(), &QUndoStack::indexChanged, this, &CellEdits::historyMoved);
}

// Painting on after an undo, a redo or a new track would build on a step
// that is gone: the history moving other than by the stroke's own steps
// ends the stroke.
void CellEdits::historyMoved()
{
    if (!m_placing)
        m_stroke = 0;
}

void CellEdits::placeOnce(int index)
{
    if (m_parts.currentCode.isEmpty() || m_stroke != 0)
        return;
    m_stroke = ++m_strokes;
    place(index, QStringLiteral("Place piece"));
    m_stroke = 0;
}

void CellEdits::startStroke(int index)
{
    // Before any piece was chosen a press places nothing, and starts nothing.
    if (m_parts.currentCode.isEmpty())
        return;
    m_stroke = ++m_strokes;
    place(index, QStringLiteral("Place piece"));
}

void CellEdits::continueStroke(int index)
{
    if (m_stroke != 0)
        place(index, QStringLiteral("Paint stroke"));
}

// Every cell of a stroke is its own small step that merges into the
// stroke's first, so the history is right at every moment of the stroke.
void CellEdits::place(int index, const QString &name)
{
    ErrorBox::guard(m_window, [&] {
        QScopedValueRollback<bool> placing(m_placing, true);
        const TrackGrid before = m_parts.document.grid();
        m_parts.document.TrackClick(index, m_parts.currentCode);
        m_parts.document.push(new GridStep(m_parts.document, name, before, m_parts.document.selection(), true, m_stroke));
    });
}

void CellEdits::pick(int index)
{
    emit pieceWanted(m_parts.document.cell(index).code);
}

void CellEdits::showMenu(int index, const QPoint &globalPos)
{
    const TrackDocument &document = m_parts.document;
    const int choice = m_menu->choose(globalPos, document.width(), document.height());
    if (choice == CellMenu::None)
        return;
    if (choice == CellMenu::Pick) {
        pick(index);
        return;
    }
    ErrorBox::guard(m_window, [&] {
        const Reshape change = reshape(m_parts.document.grid(), choice, index);
        if (change.result.grid == m_parts.document.grid())
            return;
        m_parts.document.record(change.name, true, [&] { m_parts.document.setGrid(change.result.grid); });
        if (!change.result.opened.isEmpty())
            emit openEndsMade();
    });
}
