// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// "Car…": the class of car that laps are timed for and its four figures:
// top speed (km/h), sideways grip on a slippery and on a grippy floor (g),
// acceleration and braking (m/s²). Choosing a class puts its figures in;
// a car with figures changed keeps the class's name with ", own figures".
class CarDialog : public QDialog
{
    Q_OBJECT

public:
    CarDialog(const Car &car, QWidget *parent);

    // The car as the dialog shows it.
    Car car() const;
    void setCar(const Car &car);

private:
    void classChosen(int index);
    QDoubleSpinBox *figureBox(const char *name, double lowest, double highest, int decimals, const QString &unit);
    void checkGrip();

    QComboBox *m_class;
    QDoubleSpinBox *m_topSpeed;
    QDoubleSpinBox *m_lowGrip;
    QDoubleSpinBox *m_highGrip;
    QDoubleSpinBox *m_acceleration;
    QDoubleSpinBox *m_braking;
    QLabel *m_note;
    QPushButton *m_okButton = nullptr;
};
