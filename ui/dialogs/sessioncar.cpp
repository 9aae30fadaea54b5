// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/sessioncar.h"

#include "ui/dialogs/sessioncellsize.h"

#include <cmath>

SessionCar &SessionCar::instance()
{
    static SessionCar session;
    return session;
}

const Car &SessionCar::car()
{
    return instance().m_car;
}

void SessionCar::setCar(const Car &car)
{
    for (double figure : {car.topSpeed, car.lowGrip, car.highGrip, car.acceleration, car.braking})
        if (!std::isfinite(figure) || !(figure > 0))
            return;
    if (car.lowGrip > car.highGrip)
        return;
    SessionCar &session = instance();
    session.m_car = car;
    emit session.changed();
}

LapSetup SessionCar::lap()
{
    LapSetup lap;
    lap.car = car();
    lap.cellSize = SessionCellSize::metres();
    return lap;
}

void SessionCar::setCellSize(double metres)
{
    const double before = SessionCellSize::metres();
    SessionCellSize::setMetres(metres);
    if (SessionCellSize::metres() != before)
        emit instance().changed();
}
