// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/trackcanvas.h"

#include "base/progress.h"
#include "document/trackdocument.h"
#include "pieces/tilestore.h"
#include "ui/palette/piecetext.h"
#include "ui/track/canvasinput.h"
#include "ui/track/canvaslayer.h"
#include "ui/track/trackcanvasaccessible.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyleOptionToolButton>
#include <QToolTip>
#include <QWheelEvent>

namespace {

QPoint cellOf(int index)
{
    return QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index));
}

} // namespace

TrackCanvas::TrackCanvas(const TrackDocument &document, const TileStore &tiles, QWidget *parent)
    : QWidget(parent), m_document(document), m_tiles(tiles), m_renderer(tiles)
{
    setObjectName(QStringLiteral("TrackCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    TrackCanvasAccessible::install();
    m_input = new CanvasInput(*this);
    resize(0, 0);
    connect(&m_document, &TrackDocument::changed, this, &TrackCanvas::sync);
    sync();
}

// ---- Geometry ---------------------------------------------------------

QRect TrackCanvas::pictureRect(int index) const
{
    return m_renderer.pictureRect(cellOf(index), m_document.cell(index).code);
}

int TrackCanvas::cellAt(const QPoint &point) const
{
    const int column = columnAt(point.x()), row = rowAt(point.y());
    if (column < 0 || row < 0 || column >= TrackGrid::side || row >= TrackGrid::side)
        return -1;
    const int index = TrackGrid::index(column, row);
    return isCellShown(index) ? index : -1;
}

bool TrackCanvas::isCellShown(int index) const
{
    return index >= 0 && index < TrackGrid::cellCount && m_shown[size_t(index)].visible;
}

QImage TrackCanvas::cellPicture(int index) const
{
    return m_tiles.picture(m_document.cell(index).code);
}

QSize TrackCanvas::sizeHint() const
{
    return QSize(m_renderer.length(m_columns), m_renderer.length(m_rows));
}

void TrackCanvas::setZoom(double zoom)
{
    if (!m_renderer.setZoom(zoom))
        return;
    resizeToCells();
    update();
    emit zoomChanged(m_renderer.zoom());
    emit extentChanged();
}

void TrackCanvas::resizeToCells()
{
    if (size() != sizeHint())
        resize(sizeHint());
}

// ---- Following the document ------------------------------------------

// Compares every cell with what it showed and repaints those that differ:
// a stroke repaints the cells it painted, nothing else.
void TrackCanvas::sync()
{
    std::array<int, TrackGrid::side> columnCounts{}, rowCounts{};
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const Cell &cell = m_document.cell(i);
        const QImage picture = m_tiles.picture(cell.code);
        Shown now{cell.code, picture.isNull() ? 0 : picture.cacheKey(), cell.visible};
        Shown &was = m_shown[size_t(i)];
        if (now.visible != was.visible || now.picture != was.picture || now.code != was.code) {
            if (was.visible || now.visible)
                updateCell(i);
            was = now;
            tellAccessibility(i);
        }
        if (cell.visible) {
            ++columnCounts[size_t(TrackGrid::columnOf(i))];
            ++rowCounts[size_t(TrackGrid::rowOf(i))];
        }
    }
    auto extent = [](const std::array<int, TrackGrid::side> &counts) {
        int n = int(counts.size());
        while (n > 0 && counts[size_t(n - 1)] == 0)
            --n;
        return n;
    };
    const int columns = extent(columnCounts), rows = extent(rowCounts);
    const bool grew = columns != m_columns || rows != m_rows;
    m_columns = columns;
    m_rows = rows;
    if (grew) {
        resizeToCells();
        emit extentChanged();
    }
    // The cursor stays on the block as it shrinks.
    const int column = std::min(TrackGrid::columnOf(m_cursor), m_document.width() - 1);
    const int row = std::min(TrackGrid::rowOf(m_cursor), m_document.height() - 1);
    setCursorCell(TrackGrid::index(std::max(column, 0), std::max(row, 0)));
    if (m_hover >= 0 && !isCellShown(m_hover))
        setHover(-1);
}

void TrackCanvas::updateCell(int index)
{
    // A picture larger than its cell is clipped to it, so the cell covers
    // everything a cell paints.
    update(cellRect(index));
}

void TrackCanvas::tellAccessibility(int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

// ---- Cursor, pointer, marks -------------------------------------------

void TrackCanvas::setCursorCell(int index)
{
    if (index < 0 || index >= TrackGrid::cellCount || index == m_cursor)
        return;
    updateCell(m_cursor);
    m_cursor = index;
    updateCell(m_cursor);
    emit cursorMoved(m_cursor);
}

void TrackCanvas::moveCursor(int columns, int rows)
{
    const int column = std::clamp(TrackGrid::columnOf(m_cursor) + columns, 0, m_document.width() - 1);
    const int row = std::clamp(TrackGrid::rowOf(m_cursor) + rows, 0, m_document.height() - 1);
    setCursorCell(TrackGrid::index(column, row));
    emit cursorKeyed(m_cursor);
}

void TrackCanvas::setHover(int index)
{
    if (index == m_hover)
        return;
    if (m_hover >= 0)
        updateCell(m_hover);
    m_hover = index;
    if (m_hover >= 0)
        updateCell(m_hover);
    emit hoverChanged(m_hover);
}

void TrackCanvas::setMarks(const QVector<OpenEnd> &ends)
{
    // Only the bars that go and come are repainted.
    const QRegion before = markRegion();
    m_marks = ends;
    update(before + markRegion());
}

QRect TrackCanvas::markRect(const OpenEnd &end) const
{
    return m_renderer.markRect(QPoint(end.column, end.row), end.edge);
}

QRegion TrackCanvas::markRegion() const
{
    QRegion region;
    for (const OpenEnd &end : m_marks)
        region += markRect(end);
    return region;
}

// ---- Painting ---------------------------------------------------------

void TrackCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const int firstColumn = std::max(0, columnAt(dirty.left()));
    const int lastColumn = std::min(TrackGrid::side - 1, columnAt(dirty.right()));
    const int firstRow = std::max(0, rowAt(dirty.top()));
    const int lastRow = std::min(TrackGrid::side - 1, rowAt(dirty.bottom()));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const int index = TrackGrid::index(column, row);
            if (isCellShown(index) && event->region().intersects(cellRect(index)))
                paintCell(painter, index);
        }
    }
    paintMarks(painter, dirty);
    for (const CanvasLayer *layer : std::as_const(m_layers)) {
        painter.save();
        layer->paint(painter, *this, dirty);
        painter.restore();
    }
    paintCursor(painter);
}

void TrackCanvas::MakeCells(Progress &progress)
{
    for (int c = 1; c <= TrackGrid::side; ++c) {
        for (int r = 1; r <= TrackGrid::side; ++r) {
            progress.step("Initialising Array - ", c, r);
            progress.pump();
            m_shown[size_t(TrackGrid::index(c - 1, r - 1))] = Shown();
        }
    }
}

void TrackCanvas::addLayer(const CanvasLayer *layer)
{
    if (!m_layers.contains(layer))
        m_layers.append(layer);
    update();
}

void TrackCanvas::removeLayer(const CanvasLayer *layer)
{
    if (m_layers.removeAll(layer) > 0)
        update();
}

void TrackCanvas::updateCells(const QRect &cells)
{
    const QRect shown = cells & QRect(0, 0, TrackGrid::side, TrackGrid::side);
    if (shown.isEmpty())
        return;
    const QRect first = cellRect(TrackGrid::index(shown.left(), shown.top()));
    const QRect last = cellRect(TrackGrid::index(shown.right(), shown.bottom()));
    // A layer may draw a little past its cells (an outline's pen).
    update(first.united(last).adjusted(-2, -2, 2, 2));
}

void TrackCanvas::paintCell(QPainter &painter, int index)
{
    // The bevel a flat button shows under the pointer, or pressed.
    const bool down = index == m_down && m_downInside;
    if (down || (m_down < 0 && index == m_hover))
        paintBevel(painter, cellRect(index), down);
    m_renderer.drawPiece(painter, cellOf(index), m_document.cell(index).code, down);
}

void TrackCanvas::paintBevel(QPainter &painter, const QRect &cell, bool down)
{
    QStyleOptionToolButton option;
    option.initFrom(this);
    option.rect = cell;
    option.subControls = QStyle::SC_ToolButton;
    option.activeSubControls = QStyle::SC_ToolButton;
    option.state |= QStyle::State_AutoRaise | QStyle::State_MouseOver | QStyle::State_Raised;
    if (down)
        option.state |= QStyle::State_Sunken;
    style()->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, this);
}

void TrackCanvas::paintCursor(QPainter &painter)
{
    if (!isCellShown(m_cursor))
        return;
    // In the ring between the cell's edge and its picture, so no piece is hidden.
    const int pen = std::max(1, m_renderer.scaled(TrackRenderer::faceEdge));
    const QRect cell = cellRect(m_cursor);
    QColor colour = palette().color(QPalette::Highlight);
    if (!hasFocus())
        colour.setAlpha(110);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRect(cell.left(), cell.top(), cell.width(), pen));
    painter.drawRect(QRect(cell.left(), cell.bottom() - pen + 1, cell.width(), pen));
    painter.drawRect(QRect(cell.left(), cell.top(), pen, cell.height()));
    painter.drawRect(QRect(cell.right() - pen + 1, cell.top(), pen, cell.height()));
    painter.restore();
}

void TrackCanvas::paintMarks(QPainter &painter, const QRect &dirty)
{
    for (const OpenEnd &end : std::as_const(m_marks)) {
        if (dirty.intersects(markRect(end)))
            m_renderer.drawEdgeMark(painter, QPoint(end.column, end.row), end.edge);
    }
}

// ---- Input ------------------------------------------------------------

bool TrackCanvas::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && CanvasInput::isTrackKey(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int index = cellAt(help->pos());
        if (index < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), PieceText::describe(m_document.cell(index).code), this,
                           cellRect(index));
        return true;
    }
    return QWidget::event(event);
}

void TrackCanvas::keyPressEvent(QKeyEvent *event)
{
    if (!m_input->keyPress(*event) && !handleCellKey(event))
        QWidget::keyPressEvent(event);
}

// The keys the dispatcher leaves: the cursor's and the cell menu's.
bool TrackCanvas::handleCellKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers keys = event->modifiers() & ~Qt::KeypadModifier;
    if (m_columns == 0)
        return false;
    const bool menu = (keys == Qt::ShiftModifier && event->key() == Qt::Key_F10)
                      || (keys == Qt::NoModifier && event->key() == Qt::Key_Menu);
    if (menu) {
        m_input->menu(m_cursor, mapToGlobal(cellRect(m_cursor).center()));
        return true;
    }
    if (keys != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Left: moveCursor(-1, 0); return true;
    case Qt::Key_Right: moveCursor(1, 0); return true;
    case Qt::Key_Up: moveCursor(0, -1); return true;
    case Qt::Key_Down: moveCursor(0, 1); return true;
    case Qt::Key_Home: moveCursor(-TrackGrid::side, 0); return true;
    case Qt::Key_End: moveCursor(TrackGrid::side, 0); return true;
    default:
        return false;
    }
}

void TrackCanvas::mousePressEvent(QMouseEvent *event)
{
    press(event);
}

void TrackCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    press(event);
}

// A press that starts a stroke shows its cell down, as a button's press
// does, and takes the keyboard's cursor there.
void TrackCanvas::press(QMouseEvent *event)
{
    if (m_input->mousePress(*event) == CanvasHandler::Press::Stroke) {
        const int index = cellAt(event->position().toPoint());
        m_down = index;
        m_downInside = true;
        setCursorCell(index);
        updateCell(index);
    }
    event->accept();
}

void TrackCanvas::mouseMoveEvent(QMouseEvent *event)
{
    m_input->mouseMove(*event);
    const int index = cellAt(event->position().toPoint());
    // The release went elsewhere (a window that popped up took it).
    if (m_down >= 0 && !(event->buttons() & Qt::LeftButton)) {
        updateCell(m_down);
        m_down = -1;
        m_downInside = false;
    }
    if (m_down >= 0) {
        const bool inside = index == m_down;
        if (inside != m_downInside) {
            m_downInside = inside;
            updateCell(m_down);
        }
    }
    setHover(rect().contains(event->position().toPoint()) ? index : -1);
}

void TrackCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    m_input->mouseRelease(*event);
    if (event->button() == Qt::LeftButton && m_down >= 0) {
        updateCell(m_down);
        m_down = -1;
        m_downInside = false;
    }
    setHover(cellAt(event->position().toPoint()));
}

void TrackCanvas::wheelEvent(QWheelEvent *event)
{
    // Left alone, it goes on to the view, which scrolls or zooms.
    if (!m_input->wheel(*event))
        event->ignore();
}

void TrackCanvas::contextMenuEvent(QContextMenuEvent *event)
{
    m_input->contextMenu(*event);
    event->accept();
}

void TrackCanvas::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_down < 0)
        setHover(-1);
}

void TrackCanvas::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateCell(m_cursor);
}

void TrackCanvas::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateCell(m_cursor);
}
