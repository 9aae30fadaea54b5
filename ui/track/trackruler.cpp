// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/trackruler.h"

#include "document/trackgrid.h"
#include "ui/track/trackcanvas.h"

#include <QPainter>
#include <QPaintEvent>

TrackRuler::TrackRuler(Qt::Orientation orientation, const TrackCanvas &canvas, QWidget *parent)
    : QWidget(parent), m_orientation(orientation), m_canvas(canvas)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("ColumnRuler")
                                                : QStringLiteral("RowRuler"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TrackRuler::thickness() const
{
    const QFontMetrics metrics = fontMetrics();
    return m_orientation == Qt::Horizontal ? metrics.height() + 4
                                           : metrics.horizontalAdvance(QStringLiteral("30")) + 8;
}

int TrackRuler::count() const
{
    return m_orientation == Qt::Horizontal ? m_canvas.shownColumns() : m_canvas.shownRows();
}

QRect TrackRuler::span(int number) const
{
    const int n = number - 1;
    const QRect cell = m_canvas.cellRect(m_orientation == Qt::Horizontal ? TrackGrid::index(n, 0)
                                                                          : TrackGrid::index(0, n));
    // The ruler stands beside the scroll box's viewport, the canvas inside it.
    const QPoint at = m_canvas.mapTo(parentWidget(), cell.topLeft()) - pos();
    if (m_orientation == Qt::Horizontal)
        return QRect(at.x(), 0, cell.width(), height());
    return QRect(0, at.y(), width(), cell.height());
}

int TrackRuler::labelStep() const
{
    const QFontMetrics metrics = fontMetrics();
    const int needed = m_orientation == Qt::Horizontal ? metrics.horizontalAdvance(QStringLiteral("30")) + 4
                                                       : metrics.height();
    const int pitch = m_canvas.cellRect(TrackGrid::index(1, 1)).width();
    for (int step : {1, 2, 5, 10}) {
        if (pitch * step >= needed)
            return step;
    }
    return 10;
}

void TrackRuler::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Mid));
    if (m_orientation == Qt::Horizontal)
        painter.drawLine(0, height() - 1, width(), height() - 1);
    else
        painter.drawLine(width() - 1, 0, width() - 1, height());
    const int step = labelStep();
    for (int number = 1; number <= count(); ++number) {
        const QRect cell = span(number);
        if (!cell.intersects(event->rect()))
            continue;
        // A tick between cells, a number over every step-th.
        painter.setPen(palette().color(QPalette::Mid));
        if (m_orientation == Qt::Horizontal)
            painter.drawLine(cell.left(), height() - 4, cell.left(), height() - 1);
        else
            painter.drawLine(width() - 4, cell.top(), width() - 1, cell.top());
        // 1 too where it stands well apart from the next number written.
        if (number % step != 0 && !(number == 1 && step >= 5))
            continue;
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(cell, Qt::AlignCenter, QString::number(number));
    }
}
