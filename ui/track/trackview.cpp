// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/trackview.h"

#include "document/trackgrid.h"
#include "ui/track/trackcanvas.h"
#include "ui/track/trackruler.h"

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

const QVector<double> &TrackView::zoomSteps()
{
    static const QVector<double> steps{0.25, 0.33, 0.5, 0.67, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
    return steps;
}

TrackView::TrackView(const TrackDocument &document, const TileStore &tiles, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("TrackBox"));
    setWidgetResizable(false);
    // The canvas takes the keys; arrows move its cursor, not the scroll bars.
    setFocusPolicy(Qt::NoFocus);
    m_canvas = new TrackCanvas(document, tiles);
    setWidget(m_canvas);
    setFocusProxy(m_canvas);

    m_columnRuler = new TrackRuler(Qt::Horizontal, *m_canvas, this);
    m_rowRuler = new TrackRuler(Qt::Vertical, *m_canvas, this);
    createWaitingPanel();
    connect(m_canvas, &TrackCanvas::extentChanged, this, &TrackView::updateRulers);
    connect(m_canvas, &TrackCanvas::cursorKeyed, this, &TrackView::keepInSight);
    showRulers(true);
}

void TrackView::createWaitingPanel()
{
    m_waiting = new QLabel(QStringLiteral("Initializing... please wait."), this);
    m_waiting->setObjectName(QStringLiteral("Panel3"));
    m_waiting->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_waiting->setLineWidth(2);
    m_waiting->setAlignment(Qt::AlignCenter);
    m_waiting->setAutoFillBackground(true);
    QFont font = m_waiting->font();
    font.setBold(true);
    font.setPixelSize(19);
    m_waiting->setFont(font);
    m_waiting->resize(385, 49);
    m_waiting->raise();
}

// ---- Zoom -------------------------------------------------------------

double TrackView::zoom() const
{
    return m_canvas->zoom();
}

void TrackView::zoomAt(double zoom, const QPoint &viewportPoint)
{
    const double before = m_canvas->zoom();
    // The place of the track under the point, in cells at zoom 1.
    const QPointF place = QPointF(viewportPoint - m_canvas->pos()) / before;
    m_canvas->setZoom(zoom);
    dropNeedlessScrollBars();
    const QPointF now = place * m_canvas->zoom();
    horizontalScrollBar()->setValue(int(std::lround(now.x())) - viewportPoint.x());
    verticalScrollBar()->setValue(int(std::lround(now.y())) - viewportPoint.y());
    updateRulers();
}

// A scroll box that shows its bars keeps them when its widget shrinks to
// fit the room the bars take: it measures against the viewport it has.
// Taking the bars away for a moment makes it measure the whole room.
void TrackView::dropNeedlessScrollBars()
{
    const QSize room = maximumViewportSize();
    if (m_canvas->width() > room.width() || m_canvas->height() > room.height())
        return;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TrackView::zoomIn()
{
    for (double step : zoomSteps()) {
        if (step > zoom() + 1e-6)
            return zoomAt(step, viewport()->rect().center());
    }
}

void TrackView::zoomOut()
{
    const QVector<double> &steps = zoomSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (*it < zoom() - 1e-6)
            return zoomAt(*it, viewport()->rect().center());
    }
}

void TrackView::actualSize()
{
    zoomAt(1.0, viewport()->rect().center());
}

double TrackView::fittingZoom() const
{
    const int columns = std::max(1, m_canvas->shownColumns());
    const int rows = std::max(1, m_canvas->shownRows());
    // Without scroll bars: a block that fits needs none.
    const QSize room = maximumViewportSize();
    auto fits = [&](double z) {
        return TrackRenderer::lengthAt(z, columns) <= room.width() && TrackRenderer::lengthAt(z, rows) <= room.height();
    };
    const double widest = double(room.width()) / TrackRenderer::lengthAt(1.0, columns);
    const double tallest = double(room.height()) / TrackRenderer::lengthAt(1.0, rows);
    double z = std::clamp(std::min(widest, tallest), TrackRenderer::minimumZoom, TrackRenderer::maximumZoom);
    // Rounding may take a pixel too many.
    while (z > TrackRenderer::minimumZoom && !fits(z))
        z = std::max(TrackRenderer::minimumZoom, z - 0.001);
    return z;
}

void TrackView::fitTrack()
{
    zoomAt(fittingZoom(), QPoint(0, 0));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

bool TrackView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int notches = wheel->angleDelta().y() / 120;
            if (notches != 0) {
                // A notch is a quarter more or less, whatever the zoom.
                const double zoom = m_canvas->zoom() * std::pow(1.25, notches);
                zoomAt(zoom, wheel->position().toPoint());
            }
            wheel->accept();
            return true;
        }
    }
    return QScrollArea::viewportEvent(event);
}

// ---- Rulers -----------------------------------------------------------

void TrackView::showRulers(bool shown)
{
    m_rulersShown = shown;
    m_columnRuler->setVisible(shown);
    m_rowRuler->setVisible(shown);
    placeRulers();
}

void TrackView::placeRulers()
{
    const int top = m_rulersShown ? m_columnRuler->thickness() : 0;
    const int left = m_rulersShown ? m_rowRuler->thickness() : 0;
    setViewportMargins(left, top, 0, 0);
    const QRect box = viewport()->geometry();
    m_columnRuler->setGeometry(box.left(), box.top() - top, box.width(), top);
    m_rowRuler->setGeometry(box.left() - left, box.top(), left, box.height());
    updateRulers();
}

void TrackView::updateRulers()
{
    m_columnRuler->update();
    m_rowRuler->update();
}

void TrackView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    updateRulers();
}

void TrackView::keepInSight(int index)
{
    const QRect cell = m_canvas->cellRect(index);
    ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 2, cell.height() / 2 + 2);
}

// ---- Waiting panel ----------------------------------------------------

void TrackView::endWaiting()
{
    m_waiting->hide();
}

void TrackView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    placeRulers();
    // A maximized window gets its final size only after it shows; the
    // waiting panel follows so that it stays in the middle.
    if (m_waiting->isVisible())
        centreWaitingPanel();
}

void TrackView::centreWaitingPanel()
{
    m_waiting->move((width() - m_waiting->width()) / 2, (height() - m_waiting->height()) / 2);
    m_waiting->raise();
}
