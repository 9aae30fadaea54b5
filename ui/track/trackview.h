// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

class QLabel;
class TileStore;
class TrackCanvas;
class TrackDocument;
class TrackRuler;

// The track area (TrackBox): a scroll box around the track canvas, with the
// column and row rulers outside it along the top and the left. It zooms the
// canvas (about the pointer for Ctrl+wheel) and keeps the keyboard's cursor
// in sight. Until start-up has completed it shows the waiting panel (Panel3).
class TrackView : public QScrollArea
{
    Q_OBJECT

public:
    // The zooms that Zoom in and Zoom out step through.
    static const QVector<double> &zoomSteps();

    TrackView(const TrackDocument &document, const TileStore &tiles, QWidget *parent = nullptr);

    TrackCanvas *canvas() const { return m_canvas; }

    double zoom() const;
    // Zooms about a point of the viewport, which keeps showing the same
    // place of the track.
    void zoomAt(double zoom, const QPoint &viewportPoint);
    void zoomIn();
    void zoomOut();
    void actualSize();
    // The largest zoom at which the whole block fits the visible area.
    void fitTrack();
    double fittingZoom() const;

    bool rulersShown() const { return m_rulersShown; }
    void showRulers(bool shown);
    TrackRuler *columnRuler() const { return m_columnRuler; }
    TrackRuler *rowRuler() const { return m_rowRuler; }

    QLabel *waitingPanel() const { return m_waiting; }
    void centreWaitingPanel();
    // Hides the waiting panel for good.
    void endWaiting();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void createWaitingPanel();
    void placeRulers();
    void updateRulers();
    void keepInSight(int index);
    void dropNeedlessScrollBars();

    TrackCanvas *m_canvas = nullptr;
    TrackRuler *m_columnRuler = nullptr;
    TrackRuler *m_rowRuler = nullptr;
    bool m_rulersShown = true;
    QLabel *m_waiting = nullptr;
};
