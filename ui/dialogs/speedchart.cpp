// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/speedchart.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts `range` into at most
// `most` parts.
double niceStep(double range, int most)
{
    const double rough = range / most;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= rough)
            return step * power;
    return 10 * power;
}

} // namespace

SpeedChart::SpeedChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SpeedChart"));
    setMinimumHeight(110);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip(tr("Speed over the lap's distance: coloured on a grippy floor, grey on a slippery one"));
}

void SpeedChart::setLap(const LapTrace &fast, const LapDrive &slow)
{
    m_fast = fast;
    m_slow = slow;
    update();
}

void SpeedChart::clear()
{
    setLap({}, {});
}

QPointF SpeedChart::at(double metres, double speed) const
{
    const double length = m_fast.drive().metres();
    return {m_plot.left() + m_plot.width() * metres / length, m_plot.bottom() - m_plot.height() * speed / m_top};
}

void SpeedChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (m_fast.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, tr("No lap to chart"));
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const double speedStep = niceStep(m_fast.fastest(), 4);
    m_top = std::ceil(m_fast.fastest() * 1.15 / speedStep) * speedStep;
    m_plot = QRectF(metrics.horizontalAdvance(QStringLiteral("00.0")) + 8, metrics.height(),
                    width() - metrics.horizontalAdvance(QStringLiteral("00.0")) - 16,
                    height() - 2.5 * metrics.height() - 4);
    painter.setRenderHint(QPainter::Antialiasing);
    paintAxes(painter, speedStep);
    paintCurves(painter);
    paintCorners(painter);
}

void SpeedChart::paintAxes(QPainter &painter, double speedStep) const
{
    const QColor line = palette().color(QPalette::Mid);
    const QColor text = palette().color(QPalette::Text);
    const QFontMetrics metrics = fontMetrics();
    for (double v = 0; v <= m_top + 1e-9; v += speedStep) {
        const QPointF left = at(0, v);
        painter.setPen(QPen(line, 0, v == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(left, QPointF(m_plot.right(), left.y()));
        painter.setPen(text);
        painter.drawText(QRectF(0, left.y() - metrics.height() / 2.0, m_plot.left() - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'g', 3));
    }
    const double length = m_fast.drive().metres();
    const double step = niceStep(length, std::max(2, int(m_plot.width() / 60)));
    for (double m = 0; m <= length + 1e-9; m += step) {
        const QPointF foot = at(m, 0);
        painter.setPen(line);
        painter.drawLine(foot, foot + QPointF(0, 3));
        painter.setPen(text);
        painter.drawText(QRectF(foot.x() - 30, foot.y() + 3, 60, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(m, 'g', 4));
    }
    painter.drawText(QRectF(0, 0, width() - 4, metrics.height()), Qt::AlignRight | Qt::AlignTop, tr("m/s"));
    painter.drawText(QRectF(0, height() - metrics.height(), width() - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, tr("metres from the start"));
}

void SpeedChart::paintCurves(QPainter &painter) const
{
    const QVector<LapTrace::Sample> &samples = m_fast.samples();
    QPainterPath slow;
    for (int k = 0; k <= samples.size(); ++k) {
        const double metres = k < samples.size() ? samples[k].metres : m_fast.drive().metres();
        const QPointF point = at(metres, m_slow.isEmpty() ? 0 : m_slow.speedAt(metres));
        k == 0 ? slow.moveTo(point) : slow.lineTo(point);
    }
    if (!m_slow.isEmpty()) {
        painter.setPen(QPen(palette().color(QPalette::Mid), 1.5));
        painter.drawPath(slow);
    }
    QPen pen(Qt::red, 2.5, Qt::SolidLine, Qt::RoundCap);
    for (int k = 0; k < samples.size(); ++k) {
        const bool last = k + 1 == samples.size();
        const QPointF to = last ? at(m_fast.drive().metres(), samples.first().speed)
                                : at(samples[k + 1].metres, samples[k + 1].speed);
        pen.setColor(LapTrace::speedColour(m_fast.share(samples[k].speed)));
        painter.setPen(pen);
        painter.drawLine(at(samples[k].metres, samples[k].speed), to);
    }
}

void SpeedChart::paintCorners(QPainter &painter) const
{
    const QFontMetrics metrics = fontMetrics();
    for (const LapTrace::Corner &corner : m_fast.slowCorners(markedCorners)) {
        const QPointF point = at(corner.metres, corner.speed);
        // A small triangle pointing down at the corner, its speed above it
        // (beneath, the speed axis's numbers may lie).
        QPainterPath mark;
        mark.moveTo(point);
        mark.lineTo(point + QPointF(-5, -8));
        mark.lineTo(point + QPointF(5, -8));
        mark.closeSubpath();
        painter.fillPath(mark, palette().color(QPalette::Text));
        const QString text = tr("%1 m/s").arg(QString::number(corner.speed, 'f', 1));
        const double w = metrics.horizontalAdvance(text) + 4;
        const double x = std::clamp(point.x() - w / 2, m_plot.left(), width() - w);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(x, point.y() - 9 - metrics.height(), w, metrics.height()), Qt::AlignCenter, text);
    }
}
