// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/lapcommands.h"

#include "document/lapmodel.h"
#include "document/trackdocument.h"
#include "document/trackfacts.h"
#include "ui/dialogs/cardialog.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/track/drivenlap.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/mainmenu.h"
#include "ui/window/startupgate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

QString paceText(double pace)
{
    return pace < 1 ? QStringLiteral("½×") : QStringLiteral("%1×").arg(pace);
}

} // namespace

LapCommands::LapCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts), m_driven(new DrivenLap(parts.canvas, this))
{
    parts.menu.addSeparator();
    m_car = MainMenu::addCommand(&parts.menu, "Car1", tr("Car…"));
    m_drive = MainMenu::addCommand(&parts.menu, "Drivealap1", tr("Drive a lap"), QKeySequence(Qt::Key_F7));
    m_speedMap = MainMenu::addCommand(&parts.menu, "Showspeedmap1", tr("Show speed map"),
                                      QKeySequence(QStringLiteral("Shift+F7")));
    for (QAction *item : {m_car, m_drive, m_speedMap})
        parts.startup.holdBack(item);
    connect(m_car, &QAction::triggered, this, &LapCommands::chooseCar);
    connect(m_drive, &QAction::triggered, this, &LapCommands::driveLap);
    connect(m_speedMap, &QAction::triggered, this, &LapCommands::showSpeedMap);
    // The lap shown is the track's as it was: any change ends it.
    connect(&parts.document, &TrackDocument::changed, m_driven, &DrivenLap::stop);
    // And a lap of another car would be shown under this one's name.
    connect(&SessionCar::instance(), &SessionCar::changed, m_driven, &DrivenLap::stop);
    connect(m_driven, &DrivenLap::moved, this, &LapCommands::showTime);
    connect(m_driven, &DrivenLap::stopped, this, &LapCommands::clearTime);
}

void LapCommands::chooseCar()
{
    CarDialog dialog(SessionCar::car(), &m_parts.window);
    if (dialog.exec() == QDialog::Accepted)
        SessionCar::setCar(dialog.car());
}

LapTrace LapCommands::lapOf(const TrackDocument &document, int cursorCell)
{
    const TrackGrid &grid = document.grid();
    const TrackFacts facts(grid);
    const Circuit *chosen = nullptr;
    for (const Circuit &circuit : facts.circuits()) {
        if (!circuit.lap)
            continue;
        if (!chosen || circuit.cells.contains(cursorCell))
            chosen = &circuit;
        if (circuit.cells.contains(cursorCell))
            break;
    }
    if (!chosen)
        return {};
    const LapSetup setup = SessionCar::lap();
    const LapPath path = LapPath::of(grid, *chosen);
    // The car drives as on the grippy floor: the lower of the two times.
    return LapTrace(path, LapModel(path, setup.cellSize).drive(setup.car.onHighGrip()), setup.cellSize);
}

LapTrace LapCommands::lapToShow()
{
    LapTrace trace = lapOf(m_parts.document, m_parts.canvas.cursorCell());
    if (trace.isEmpty()) {
        m_driven->stop();
        m_parts.status.setText(tr("No lap to drive: the track has no closed circuit that a car can drive "
                                  "round in one go (Check connections shows its open road ends)"));
    }
    return trace;
}

void LapCommands::driveLap()
{
    const LapTrace trace = lapToShow();
    if (!trace.isEmpty())
        m_driven->drive(trace);
}

void LapCommands::showSpeedMap()
{
    const LapTrace trace = lapToShow();
    if (trace.isEmpty())
        return;
    m_driven->showStill(trace);
    const LapDrive &drive = trace.drive();
    m_shown = tr("Speed map of a %1 s lap (%2, grippy floor): %3–%4 m/s, red slow, green fast; Esc ends it")
                  .arg(QString::number(drive.seconds(), 'f', 1), SessionCar::car().name,
                       QString::number(trace.slowest(), 'f', 1), QString::number(trace.fastest(), 'f', 1));
    m_parts.status.setText(m_shown);
}

void LapCommands::showTime()
{
    const LapDrive &drive = m_driven->trace().drive();
    if (drive.isEmpty())
        return;
    const double seconds = m_driven->seconds();
    const int lap = int(seconds / drive.seconds()) + 1;
    const double into = seconds - (lap - 1) * drive.seconds();
    m_shown = tr("Lap %1: %2 s of %3 s at %4 (%5, grippy floor); - slower, + faster, Esc stops")
                  .arg(lap)
                  .arg(QString::number(into, 'f', 1), QString::number(drive.seconds(), 'f', 1),
                       paceText(m_driven->pace()), SessionCar::car().name);
    if (m_parts.status.text() != m_shown)
        m_parts.status.setText(m_shown);
}

void LapCommands::clearTime()
{
    // The time goes with its car, unless something else has been said since.
    if (!m_shown.isEmpty() && m_parts.status.text() == m_shown)
        m_parts.status.setText(QString());
    m_shown.clear();
}
