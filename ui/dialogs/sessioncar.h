// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"
#include "document/lapmodel.h"

#include <QObject>

// The car that lap times are estimated for, as the user chose it with
// "Car…": a class of the table, perhaps with figures of the user's own. It
// holds until the program ends and is never stored, as the cell size is.
// Everything in the windows that times a lap (the parts list, "Check
// connections", the plan, the build sheets, the drive) asks lap() here.
class SessionCar : public QObject
{
    Q_OBJECT

public:
    static SessionCar &instance();

    static const Car &car();
    // A car whose figures are not all positive numbers is ignored.
    static void setCar(const Car &car);
    // The car with the cell side of the session.
    static LapSetup lap();
    // A new cell side changes every lap's length and time, so it is set here
    // and heard as a change of the lap's setup (a positive number only).
    static void setCellSize(double metres);

signals:
    // The car or the cell side changed: every lap shown is out of date.
    void changed();

private:
    SessionCar() = default;
    Car m_car = Car::classes().first();
};
