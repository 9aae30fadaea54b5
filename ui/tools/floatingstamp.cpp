// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/floatingstamp.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "pieces/tilestore.h"
#include "ui/palette/picturebutton.h"
#include "ui/track/trackcanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

FloatingStamp::FloatingStamp(TrackDocument &document, TrackCanvas &canvas, const TileStore &tiles,
                             QObject *parent)
    : QObject(parent), m_document(document), m_canvas(canvas), m_alive(&canvas), m_tiles(tiles)
{
    connect(&canvas, &TrackCanvas::cursorMoved, this, &FloatingStamp::cursorMoved);
}

FloatingStamp::~FloatingStamp()
{
    // The window may take the canvas down first; Qt drops the filter itself.
    if (m_alive)
        m_canvas.removeLayer(this);
}

void FloatingStamp::lift(const TrackBlock &block, QPoint at)
{
    if (block.isEmpty())
        return;
    if (isFloating())
        m_canvas.updateCells(cells());
    m_block = block;
    m_marked.clear();
    m_position = at;
    // Installed anew each time, so that it lies in front of the filters of
    // tools made after it.
    m_canvas.installEventFilter(this);
    m_canvas.addLayer(this);
    m_canvas.updateCells(cells());
    emit floatingChanged(true);
}

void FloatingStamp::replace(const TrackBlock &block, const QVector<QPoint> &marked)
{
    if (!isFloating() || block.isEmpty())
        return;
    m_canvas.updateCells(cells());
    m_block = block;
    m_marked = marked;
    m_canvas.updateCells(cells());
}

void FloatingStamp::moveTo(QPoint cell)
{
    if (!isFloating() || cell == m_position)
        return;
    // Only the cells it leaves and the cells it comes to are repainted.
    m_canvas.updateCells(cells());
    m_position = cell;
    m_canvas.updateCells(cells());
}

void FloatingStamp::place()
{
    if (!isFloating())
        return;
    const TrackBlock block = m_block;
    const QPoint at = m_position;
    end();
    m_document.edits().placeBlock(block, at);
}

void FloatingStamp::drop()
{
    if (isFloating())
        end();
}

void FloatingStamp::end()
{
    m_canvas.updateCells(cells());
    m_block = TrackBlock();
    m_marked.clear();
    m_canvas.removeLayer(this);
    emit floatingChanged(false);
}

void FloatingStamp::cursorMoved(int index)
{
    moveTo(QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index)));
}

// ---- Input ------------------------------------------------------------

bool FloatingStamp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_canvas)
        return false;
    // The release of the press that placed the stamp is no tool's.
    if (m_eatRelease && event->type() == QEvent::MouseButtonRelease) {
        m_eatRelease = false;
        return true;
    }
    if (!isFloating())
        return false;
    return filterKey(event) || filterMouse(event);
}

bool FloatingStamp::filterKey(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int code = key->key();
    const bool ours = code == Qt::Key_Escape || code == Qt::Key_Space || code == Qt::Key_Return
                      || code == Qt::Key_Enter;
    if (!ours)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Esc is also "Select none": while a stamp floats it drops the stamp.
        key->accept();
        return true;
    }
    if (key->isAutoRepeat())
        return true;
    if (code == Qt::Key_Escape)
        drop();
    else
        place();
    return true;
}

bool FloatingStamp::filterMouse(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint cell = cellUnder(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (cell.x() >= 0)
            moveTo(cell);
        return false;  // the canvas still shows the pointer's cell
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const QPoint cell = cellUnder(mouse->position().toPoint());
        if (cell.x() >= 0) {
            moveTo(cell);
            m_eatRelease = true;
            place();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    default:
        return false;
    }
}

QPoint FloatingStamp::cellUnder(const QPoint &point) const
{
    const int index = m_canvas.cellAt(point);
    if (index < 0)
        return QPoint(-1, -1);
    return QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index));
}

// ---- Painting ---------------------------------------------------------

void FloatingStamp::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    // Parts beyond the track's block are cut off, as they are when placed.
    const QRect shown = cells() & QRect(0, 0, m_document.width(), m_document.height());
    if (shown.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int column = shown.left(); column <= shown.right(); ++column) {
        for (int row = shown.top(); row <= shown.bottom(); ++row) {
            const QRect cell = canvas.cellRect(TrackGrid::index(column, row));
            if (!dirty.intersects(cell))
                continue;
            const QPoint inBlock = QPoint(column, row) - m_position;
            paintCell(painter, cell, m_block.code(inBlock.x(), inBlock.y()));
            if (m_marked.contains(inBlock)) {
                painter.setOpacity(1.0);
                painter.setPen(QPen(TrackCanvas::barColour, std::max(2.0, 3 * canvas.zoom())));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell.adjusted(2, 2, -3, -3));
            }
        }
    }
    // The outline tells the stamp from the cells under it where both agree.
    const QRect first = canvas.cellRect(TrackGrid::index(shown.left(), shown.top()));
    const QRect last = canvas.cellRect(TrackGrid::index(shown.right(), shown.bottom()));
    painter.setOpacity(1.0);
    painter.setPen(QPen(canvas.palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(first.united(last).adjusted(1, 1, -1, -1));
}

void FloatingStamp::paintCell(QPainter &painter, const QRect &cell, const QByteArray &code) const
{
    const QPixmap pixmap = pixmapFor(code);
    // Half-transparent: the cells under it still show through.
    painter.setOpacity(0.55);
    painter.fillRect(cell, m_canvas.palette().color(QPalette::Window));
    if (pixmap.isNull())
        return;
    const double zoom = m_canvas.zoom();
    const QSize size(int(std::lround(pixmap.width() * zoom)), int(std::lround(pixmap.height() * zoom)));
    QRect at(QPoint(0, 0), size);
    at.moveCenter(cell.center());
    painter.save();
    painter.setClipRect(cell);
    painter.drawPixmap(at, pixmap);
    painter.restore();
}

// The masked picture of a code, made once per code while the stamp lives.
QPixmap FloatingStamp::pixmapFor(const QByteArray &code) const
{
    auto found = m_pixmaps.constFind(code);
    if (found != m_pixmaps.constEnd())
        return *found;
    const QImage picture = m_tiles.picture(code);
    const QPixmap pixmap = picture.isNull() ? QPixmap() : PictureButton::maskedPixmap(picture);
    m_pixmaps.insert(code, pixmap);
    return pixmap;
}
