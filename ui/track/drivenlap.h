// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/laptrace.h"
#include "ui/track/canvashandler.h"
#include "ui/track/canvaslayer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class TrackCanvas;

// A lap shown on the track: a small car driving it in real time at the
// speeds of the lap model, its trace behind it coloured by speed (slow red,
// fast green), or the whole trace at once, standing still. It draws through
// a layer of the canvas and, while it shows, is a passing mode of the
// canvas's input: Esc ends it, "-" and "+" halve and double the pace of a
// running car (½×, 1×, 2×); everything else goes on to the tool beneath.
// It never touches the track: the window ends it when the track changes.
// Its timer runs only while a car drives.
class DrivenLap : public QObject, public CanvasLayer, public CanvasHandler
{
    Q_OBJECT

public:
    static constexpr double slowestPace = 0.5;
    static constexpr double fastestPace = 2;

    DrivenLap(TrackCanvas &canvas, QObject *parent);
    ~DrivenLap() override;

    // The car drives the lap from its start, round and round.
    void drive(const LapTrace &trace);
    // The lap's whole trace, standing still.
    void showStill(const LapTrace &trace);
    // Ends the drive or the still trace; nothing when neither shows.
    void stop();

    bool isShowing() const { return !m_trace.isEmpty(); }
    bool isDriving() const { return m_timer.isActive(); }
    const LapTrace &trace() const { return m_trace; }
    // Seconds since the car first crossed the start, in the lap's time.
    double seconds() const { return m_seconds; }
    double pace() const { return m_pace; }
    // Halves or doubles the pace, within ½× and 2×.
    void setPace(double pace);
    // The car's timer, for tests that step it.
    void advance(double realSeconds);

    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;
    bool escape() override;
    bool key(QKeyEvent &event) override;

signals:
    // The car moved, or the pace changed.
    void moved();
    void stopped();

private:
    void start(const LapTrace &trace);
    void tick();
    // Repaints the cells round the car where it is now.
    void updateCar();
    void updateAll();
    void paintTrace(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const;
    void paintCar(QPainter &painter, const TrackCanvas &canvas) const;

    // Gone first when the window closes: the canvas is its central widget's.
    QPointer<TrackCanvas> m_canvas;
    LapTrace m_trace;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_seconds = 0;
    double m_pace = 1;
    bool m_moded = false;
};
