// SPDX-License-Identifier: GPL-3.0-or-later
#include "roadpainter.h"

#include <QPainterPathStroker>
#include <QtMath>

namespace {

// A fixed pseudo-random value per pixel: the same texture every run.
quint32 pixelHash(int x, int y, quint32 seed)
{
    quint32 h = quint32(x) * 0x9E3779B1u ^ quint32(y) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

QImage grainImage(QSize size, const QColor &colour, int grain)
{
    QImage image(size, QImage::Format_RGB32);
    const quint32 seed = quint32(colour.rgb());
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int span = 2 * grain + 1;
            const qreal f = 1 + (int(pixelHash(x, y, seed) % quint32(span)) - grain) / 100.0;
            line[x] = qRgb(qBound(0, qRound(colour.red() * f), 255),
                           qBound(0, qRound(colour.green() * f), 255),
                           qBound(0, qRound(colour.blue() * f), 255));
        }
    }
    return image;
}

} // namespace

RoadPainter::RoadPainter(QImage &image, const RoadStyle &style)
    : m_image(image)
    , m_style(style)
    , m_painter(&image)
{
    m_painter.setRenderHint(QPainter::Antialiasing);
}

QBrush RoadPainter::grainBrush(const QColor &colour, int grain)
{
    const QString key = colour.name() + QString::number(grain);
    auto it = m_brushes.find(key);
    if (it == m_brushes.end())
        it = m_brushes.insert(key, QBrush(grainImage(m_image.size(), colour, grain)));
    return *it;
}

void RoadPainter::fillGround()
{
    m_painter.fillRect(m_image.rect(), grainBrush(m_style.ground, m_style.groundGrain));
}

void RoadPainter::fill(const QPainterPath &area, const QColor &colour, int grain)
{
    m_painter.fillPath(area, grainBrush(colour, grain));
}

void RoadPainter::surface(const QPainterPath &region)
{
    const QBrush tarmac = grainBrush(m_style.surface, m_style.surfaceGrain);
    m_painter.fillPath(region, tarmac);
    if (m_style.lineTo <= 0)
        return;
    // Stroking the outline twice inside the region leaves a line at a fixed
    // distance in from every edge, whatever the shape of the network.
    m_painter.save();
    m_painter.setClipPath(region, Qt::IntersectClip);
    m_painter.strokePath(region, QPen(m_style.line, 2 * m_style.lineTo));
    if (m_style.lineFrom > 0)
        m_painter.strokePath(region, QPen(tarmac, 2 * m_style.lineFrom));
    m_painter.restore();
}

void RoadPainter::centreLine(const Polyline &centre, const QPainterPath &keepOut)
{
    if (m_style.centreWidth <= 0)
        return;
    // Whole periods per piece, each dash centred in its period, so that a
    // cell edge always falls in the middle of a gap and neighbours agree.
    const qreal total = centre.length();
    const int periods = qMax(1, qRound(total / (2 * m_style.dash)));
    const qreal period = total / periods;
    m_painter.save();
    if (!keepOut.isEmpty()) {
        QPainterPath allowed;
        allowed.addRect(QRectF(m_image.rect()).adjusted(-10, -10, 10, 10));
        m_painter.setClipPath(allowed.subtracted(keepOut));
    }
    for (int k = 0; k < periods; ++k) {
        const qreal start = k * period + period / 4;
        stroke(centre.slice(start, start + period / 2), m_style.centre, m_style.centreWidth);
    }
    m_painter.restore();
}

void RoadPainter::kerb(const Polyline &line, qreal width, qreal block)
{
    const qreal total = line.length();
    const int blocks = qMax(2, 2 * qRound(total / (2 * block)));
    const qreal step = total / blocks;
    stroke(line, m_style.kerbWhite, width);
    for (int k = 0; k <= blocks; k += 2) {
        const qreal from = qMax<qreal>(0, (k - 0.5) * step);
        const qreal to = qMin(total, (k + 0.5) * step);
        stroke(line.slice(from, to), m_style.kerbRed, width);
    }
}

void RoadPainter::chequer(const QRectF &area, qreal square)
{
    const int cols = qRound(area.width() / square);
    const int rows = qRound(area.height() / square);
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            m_painter.fillRect(QRectF(area.left() + c * square, area.top() + r * square, square, square),
                               (r + c) % 2 ? Colours::ink : Colours::paint);
    m_painter.restore();
}

void RoadPainter::stroke(const Polyline &line, const QColor &colour, qreal width, Qt::PenCapStyle cap)
{
    QPen pen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
    m_painter.strokePath(line.path(), pen);
}

QPainterPath RoadPainter::band(const Polyline &centre, qreal width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre.extended(6).path()).simplified();
}

QPainterPath RoadPainter::disc(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath RoadPainter::fillet(QPointF corner, int dx, int dy, qreal r)
{
    const QPointF far = corner + QPointF(dx * r, dy * r);
    QPainterPath square;
    square.addRect(QRectF(corner, far).normalized());
    return square.subtracted(disc(far, r));
}

QPainterPath RoadPainter::rect(qreal left, qreal top, qreal right, qreal bottom)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    return path;
}
