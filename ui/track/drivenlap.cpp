// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/drivenlap.h"

#include "ui/track/canvasinput.h"
#include "ui/track/trackcanvas.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// The car is a little longer than a 1:28 car on cells of 0.5 m, and never
// so small that it cannot be seen when zoomed out.
constexpr double carLength = 0.24;  // cell sides
constexpr double smallestCar = 14;  // pixels
const QColor carBody(31, 79, 209);
const QColor carGlass(200, 225, 255);

// A beat of the display, so the car moves once for every picture shown.
int frameInterval()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    return std::clamp(int(1000 / rate), 4, 40);
}

double traceWidth(const TrackCanvas &canvas)
{
    return std::max(2.0, canvas.renderer().sideLength() * 0.07);
}

double carPixels(const TrackCanvas &canvas)
{
    return std::max(smallestCar, canvas.renderer().sideLength() * carLength);
}

} // namespace

DrivenLap::DrivenLap(TrackCanvas &canvas, QObject *parent) : QObject(parent), m_canvas(&canvas)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DrivenLap::tick);
    canvas.addLayer(this);
}

DrivenLap::~DrivenLap()
{
    if (m_canvas) {
        m_canvas->input().endMode(this);
        m_canvas->removeLayer(this);
    }
}

void DrivenLap::start(const LapTrace &trace)
{
    stop();
    if (trace.isEmpty() || !m_canvas)
        return;
    m_trace = trace;
    m_seconds = 0;
    m_canvas->input().startMode(this);
    m_moded = true;
    updateAll();
}

void DrivenLap::drive(const LapTrace &trace)
{
    start(trace);
    if (!isShowing())
        return;
    m_pace = 1;
    m_clock.start();
    m_timer.start(frameInterval());
    emit moved();
}

void DrivenLap::showStill(const LapTrace &trace)
{
    start(trace);
}

void DrivenLap::stop()
{
    if (!isShowing())
        return;
    m_timer.stop();
    updateAll();
    m_trace = LapTrace();
    if (m_canvas && m_moded)
        m_canvas->input().endMode(this);
    m_moded = false;
    emit stopped();
}

void DrivenLap::setPace(double pace)
{
    pace = std::clamp(pace, slowestPace, fastestPace);
    if (pace == m_pace)
        return;
    m_pace = pace;
    emit moved();
}

void DrivenLap::tick()
{
    // Real time since the last beat: a late beat moves the car further
    // rather than slowing it down.
    advance(m_clock.restart() / 1000.0);
}

void DrivenLap::advance(double realSeconds)
{
    if (!isDriving())
        return;
    const bool firstLap = m_seconds < m_trace.drive().seconds();
    updateCar();
    m_seconds += realSeconds * m_pace;
    // The trace is whole from the second lap on: it draws once more.
    if (firstLap && m_seconds >= m_trace.drive().seconds())
        updateAll();
    updateCar();
    emit moved();
}

void DrivenLap::updateCar()
{
    if (!m_canvas)
        return;
    const TrackRenderer &renderer = m_canvas->renderer();
    const QPointF centre = renderer.roadPoint(m_trace.poseAt(m_seconds).point);
    // The car turned any way, and the trace's last step behind it.
    const double reach = carPixels(*m_canvas) + traceWidth(*m_canvas) + 2;
    m_canvas->update(QRectF(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect());
}

void DrivenLap::updateAll()
{
    if (m_canvas)
        m_canvas->update();
}

bool DrivenLap::escape()
{
    if (!isShowing())
        return false;
    stop();
    return true;
}

bool DrivenLap::key(QKeyEvent &event)
{
    if (!isDriving() || (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return false;
    switch (event.key()) {
    case Qt::Key_Minus:
        setPace(m_pace / 2);
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setPace(m_pace * 2);
        return true;
    default:
        return false;
    }
}

void DrivenLap::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    if (!isShowing())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintTrace(painter, canvas, dirty);
    if (isDriving())
        paintCar(painter, canvas);
    painter.restore();
}

void DrivenLap::paintTrace(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    const QVector<LapTrace::Sample> &samples = m_trace.samples();
    const int n = int(samples.size());
    // Behind a car on its first lap the trace ends where the car is.
    const bool whole = !isDriving() || m_seconds >= m_trace.drive().seconds();
    const int steps = whole ? n : std::min(n, m_trace.samplesBefore(m_trace.metresAt(m_seconds)));
    const TrackRenderer &renderer = canvas.renderer();
    const double width = traceWidth(canvas);
    const QRectF area = QRectF(dirty).adjusted(-width, -width, width, width);
    QPen pen(Qt::red, width, Qt::SolidLine, Qt::RoundCap);
    for (int k = 0; k < steps; ++k) {
        const QPointF from = renderer.roadPoint(samples[k].point);
        const QPointF to = k + 1 < steps || whole ? renderer.roadPoint(samples[(k + 1) % n].point)
                                                  : renderer.roadPoint(m_trace.poseAt(m_seconds).point);
        if (!area.intersects(QRectF(from, to).normalized().adjusted(-1, -1, 1, 1)))
            continue;
        pen.setColor(LapTrace::speedColour(m_trace.share(samples[k].speed)));
        painter.setPen(pen);
        painter.drawLine(from, to);
    }
}

void DrivenLap::paintCar(QPainter &painter, const TrackCanvas &canvas) const
{
    const RoadPose pose = m_trace.poseAt(m_seconds);
    const double length = carPixels(canvas);
    const double width = length * 0.55;
    painter.translate(canvas.renderer().roadPoint(pose.point));
    painter.rotate(pose.heading * 180 / M_PI);
    // A body with a light rim that reads on any floor, and a windscreen
    // that shows which way it faces.
    painter.setPen(QPen(Qt::white, std::max(1.5, length / 12)));
    painter.setBrush(carBody);
    painter.drawRoundedRect(QRectF(-length / 2, -width / 2, length, width), width / 3, width / 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(carGlass);
    painter.drawRoundedRect(QRectF(length * 0.02, -width * 0.32, length * 0.2, width * 0.64), width / 8, width / 8);
}
