// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/laptrace.h"

#include <QObject>
#include <QString>
#include <functional>

class DrivenLap;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class StartupGate;
class TrackCanvas;
class TrackDocument;

// The Track menu's lap items: "Car…" chooses the car that laps are timed
// for, for this session; "Drive a lap" (F7) sends a car round the lap on the
// track in real time, its time in the status bar; "Show speed map"
// (Shift+F7) shows the lap's trace coloured by speed, standing still. Esc
// or any change of the track ends either; neither changes the track. A
// track without a lap says so in the status bar and shows nothing.
class LapCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        const TrackDocument &document;
        TrackCanvas &canvas;  // where the car drives
        QMenu &menu;          // Track, which the items join
        QLabel &status;       // the status bar's text
        StartupGate &startup;
        QWidget &window;  // the car dialog's owner
    };
    // Asks for a car, starting from the session's; false when cancelled.
    using CarQuestion = std::function<bool(QWidget &owner)>;

    LapCommands(const Parts &parts, QObject *parent);

    QAction *carAction() const { return m_car; }
    QAction *driveAction() const { return m_drive; }
    QAction *speedMapAction() const { return m_speedMap; }
    DrivenLap &drivenLap() const { return *m_driven; }

    void chooseCar();
    void driveLap();
    void showSpeedMap();

    // The lap a car drives on this track: of the circuit under the keyboard's
    // cell, or else the first circuit with a lap; empty when there is none.
    static LapTrace lapOf(const TrackDocument &document, int cursorCell);

private:
    // The lap to show, or empty after saying in the status bar that there is none.
    LapTrace lapToShow();
    void showTime();
    void clearTime();

    Parts m_parts;
    QAction *m_car;
    QAction *m_drive;
    QAction *m_speedMap;
    DrivenLap *m_driven;
    QString m_shown;  // the status text last given, while it shows
};
