// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/celledits.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/track/canvasinput.h"
#include "ui/track/cellmenu.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"

namespace {

// What a choice of the cell menu does to the track, for the cell at index;
// the road ends it left open.
QVector<OpenEnd> reshape(TrackEdits &edits, int choice, int index)
{
    const int column = TrackGrid::columnOf(index), row = TrackGrid::rowOf(index);
    switch (choice) {
    case CellMenu::InsertColumnLeft:
    case CellMenu::InsertColumnRight:
        return edits.insertColumn(column + (choice == CellMenu::InsertColumnRight));
    case CellMenu::DeleteColumn:
        return edits.deleteColumn(column);
    case CellMenu::InsertRowAbove:
    case CellMenu::InsertRowBelow:
        return edits.insertRow(row + (choice == CellMenu::InsertRowBelow));
    case CellMenu::DeleteRow:
        return edits.deleteRow(row);
    default:
        return {};
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
}

void CellEdits::placeOnce(int index)
{
    ErrorBox::guard(m_window, [&] { edits().place(index, m_parts.currentCode); });
}

void CellEdits::startStroke(int index)
{
    ErrorBox::guard(m_window, [&] { edits().beginStroke(index, m_parts.currentCode); });
}

void CellEdits::continueStroke(int index)
{
    ErrorBox::guard(m_window, [&] { edits().continueStroke(index, m_parts.currentCode); });
}

void CellEdits::endStroke()
{
    edits().endStroke();
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
        if (!reshape(edits(), choice, index).isEmpty())
            emit openEndsMade();
    });
}

TrackEdits &CellEdits::edits() const
{
    return m_parts.document.edits();
}
