// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackedits.h"

#include "base/kwerror.h"
#include "document/floodfill.h"
#include "document/gridstep.h"
#include "document/gridtransform.h"
#include "document/roads/roadedits.h"
#include "document/roads/routesolver.h"
#include "document/selectionmove.h"
#include "document/trackdocument.h"
#include "pieces/catalogue.h"
#include "pieces/tilestore.h"

#include <QScopedValueRollback>

namespace {

struct TurnName
{
    Turn turn;
    const char *name;
};

const TurnName turnNames[] = {
    {Turn::Clockwise, "Rotate clockwise"},
    {Turn::Anticlockwise, "Rotate anticlockwise"},
    {Turn::MirrorLeftRight, "Mirror left to right"},
    {Turn::MirrorTopBottom, "Mirror top to bottom"},
};

QString cutOffText(int cells)
{
    return cells == 1 ? QStringLiteral("1 cell fell beyond the track and was cut off")
                      : QStringLiteral("%1 cells fell beyond the track and were cut off").arg(cells);
}

} // namespace

TrackEdits::TrackEdits(TrackDocument &document) : m_document(document)
{
    // Painting on after an undo, a redo or a new track would build on a step
    // that is gone: the history moving other than by the stroke's own steps
    // ends the stroke.
    QObject::connect(&document.history(), &QUndoStack::indexChanged, &document, [this] {
        if (!m_placing)
            m_stroke = 0;
    });
}

void TrackEdits::step(const QString &name, const TrackGrid &grid)
{
    m_document.record(name, true, [&] { m_document.setGrid(grid); });
}

void TrackEdits::step(const QString &name, const TrackGrid &grid, const CellSelection &selection)
{
    m_document.record(name, true, [&] {
        m_document.setGrid(grid);
        m_document.setSelection(selection);
    });
}

// ---- Pieces ------------------------------------------------------------

bool TrackEdits::place(int index, const QByteArray &code)
{
    if (code.isEmpty() || m_stroke != 0 || index < 0 || index >= TrackGrid::cellCount)
        return false;
    // A stroke of its own, so that it merges with nothing.
    QScopedValueRollback<int> once(m_stroke, ++m_strokes);
    placeAt(index, code, QStringLiteral("Place piece"));
    return true;
}

bool TrackEdits::beginStroke(int index, const QByteArray &code)
{
    if (code.isEmpty() || index < 0 || index >= TrackGrid::cellCount)
        return false;
    m_stroke = ++m_strokes;
    placeAt(index, code, QStringLiteral("Place piece"));
    return true;
}

void TrackEdits::continueStroke(int index, const QByteArray &code)
{
    if (m_stroke != 0 && index >= 0 && index < TrackGrid::cellCount)
        placeAt(index, code, QStringLiteral("Paint stroke"));
}

// Every cell of a stroke is its own small step that merges into the
// stroke's first, so the history is right at every moment of the stroke.
void TrackEdits::placeAt(int index, const QByteArray &code, const QString &name)
{
    QScopedValueRollback<bool> placing(m_placing, true);
    const TrackGrid before = m_document.grid();
    m_document.TrackClick(index, code);
    m_document.push(new GridStep(m_document, name, before, m_document.selection(), true, m_stroke));
}

int TrackEdits::fill(int index, const QByteArray &code)
{
    if (code.isEmpty())
        return 0;
    TrackGrid grid = m_document.grid();
    const int changed = int(FloodFill::fill(grid, index, code).size());
    if (changed > 0)
        step(QStringLiteral("Fill"), grid);
    return changed;
}

bool TrackEdits::layRoute(const RouteSolver &route)
{
    const TrackGrid laid = route.laid();
    if (laid == m_document.grid())
        return false;
    step(QStringLiteral("Draw route"), laid);
    return true;
}

GapCloser::Result TrackEdits::closeGaps()
{
    const GapCloser::Result result = GapCloser::close(m_document.grid());
    if (result.gaps > 0)
        step(QStringLiteral("Close gaps"), result.grid);
    return result;
}

OwnedPieces::Result TrackEdits::useOwnedPieces(const Inventory &inventory)
{
    const OwnedPieces::Result result = OwnedPieces::fit(m_document.grid(), inventory);
    if (!result.changes.isEmpty())
        step(OwnedPieces::stepName(), result.grid);
    return result;
}

bool TrackEdits::replaceTrack(const TrackGrid &grid)
{
    TrackGrid shown = grid;
    shown.showBlock();
    if (shown == m_document.grid())
        return false;
    step(QStringLiteral("Replace track"), shown);
    return true;
}

// ---- Columns, rows and size ------------------------------------------

QVector<OpenEnd> TrackEdits::insertColumn(int column)
{
    const RoadEdits::Result result = RoadEdits::insertColumn(m_document.grid(), column);
    return reshape(QStringLiteral("Insert column"), result.grid, result.opened);
}

QVector<OpenEnd> TrackEdits::deleteColumn(int column)
{
    const RoadEdits::Result result = RoadEdits::deleteColumn(m_document.grid(), column);
    return reshape(QStringLiteral("Delete column"), result.grid, result.opened);
}

QVector<OpenEnd> TrackEdits::insertRow(int row)
{
    const RoadEdits::Result result = RoadEdits::insertRow(m_document.grid(), row);
    return reshape(QStringLiteral("Insert row"), result.grid, result.opened);
}

QVector<OpenEnd> TrackEdits::deleteRow(int row)
{
    const RoadEdits::Result result = RoadEdits::deleteRow(m_document.grid(), row);
    return reshape(QStringLiteral("Delete row"), result.grid, result.opened);
}

QVector<OpenEnd> TrackEdits::reshape(const QString &name, const TrackGrid &grid, const QVector<OpenEnd> &opened)
{
    if (grid == m_document.grid())
        return {};
    step(name, grid);
    return opened;
}

void TrackEdits::resizeBy(int widthChange, int heightChange, Progress &progress)
{
    m_document.record(QStringLiteral("Resize grid"), false,
                      [&] { m_document.EditGrid(widthChange, heightChange, progress); });
}

void TrackEdits::resizeWith(const std::function<void()> &visit, Progress &progress)
{
    m_document.record(QStringLiteral("Resize grid"), false, [&] {
        visit();
        m_document.DrawGrid(false, progress);
    });
}

// ---- The selection ---------------------------------------------------

TrackBlock TrackEdits::selectedBlock() const
{
    const TrackGrid &grid = m_document.grid();
    return TrackBlock::copy(grid, m_document.selection().bounds() & grid.block());
}

TrackBlock TrackEdits::cut()
{
    const TrackBlock block = selectedBlock();
    if (!block.isEmpty())
        clearSelected(QStringLiteral("Cut"));
    return block;
}

bool TrackEdits::deleteSelected()
{
    if (selectedBlock().isEmpty())
        return false;
    clearSelected(QStringLiteral("Delete"));
    return true;
}

void TrackEdits::clearSelected(const QString &name)
{
    TrackGrid grid = m_document.grid();
    for (int index : m_document.selection().cells())
        if (grid.inBlock(index))
            grid.setCode(index, Catalogue::defaultCode());
    step(name, grid);
}

bool TrackEdits::moveSelection(QPoint offset)
{
    if (offset.isNull() || m_document.selection().isEmpty())
        return false;
    const SelectionMove::Result moved = SelectionMove::moved(m_document.grid(), m_document.selection(), offset);
    step(QStringLiteral("Move selection"), moved.grid, moved.selection);
    return true;
}

bool TrackEdits::placeBlock(const TrackBlock &block, QPoint at)
{
    TrackGrid grid = m_document.grid();
    if (block.pasteInto(grid, at.x(), at.y()).isEmpty())
        return false;
    step(QStringLiteral("Paste"), grid, CellSelection::of(QRect(at, block.size()) & grid.block()));
    return true;
}

TrackBlock TrackEdits::blockFromText(const QByteArray &text, const TileStore &tiles)
{
    const TrackBlock block = TrackBlock::fromText(text);
    for (int row = 0; row < block.height(); ++row) {
        for (int column = 0; column < block.width(); ++column) {
            const QByteArray &code = block.code(column, row);
            if (!tiles.contains(code))
                throw KwError::notTrackText(QStringLiteral("No piece has the code \"%1\" (row %2, column %3)")
                                                .arg(QString::fromLatin1(code))
                                                .arg(row + 1)
                                                .arg(column + 1));
        }
    }
    return block;
}

// ---- Turning ---------------------------------------------------------

QString TrackEdits::turnName(Turn turn)
{
    for (const TurnName &item : turnNames)
        if (item.turn == turn)
            return QLatin1String(item.name);
    return QString();
}

TrackEdits::Turned TrackEdits::turn(Turn turn)
{
    const TrackGrid &grid = m_document.grid();
    const QRect cells = m_document.selection().bounds() & grid.block();
    const GridTransform::TurnedGrid turned =
        cells.isEmpty() ? GridTransform::turnTrack(grid, turn) : GridTransform::turnRegion(grid, cells, turn);
    if (cells.isEmpty())
        step(turnName(turn), turned.grid);
    else
        step(turnName(turn), turned.grid, CellSelection::of(turned.cells));
    Turned result{turned.unmatched, turned.cutOff, QString()};
    result.text = GridTransform::unmatchedText(int(turned.unmatched.size()),
                                               GridTransform::codesOf(turned.grid, turned.unmatched), turn);
    if (turned.cutOff > 0)
        result.text += (result.text.isEmpty() ? QString() : QStringLiteral("; ")) + cutOffText(turned.cutOff);
    return result;
}
