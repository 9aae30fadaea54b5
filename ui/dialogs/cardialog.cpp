// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/cardialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double kmh = 3.6;  // km/h in one m/s

// Shown figures are rounded: a figure equal to the class's when rounded
// has not been changed.
bool same(double a, double b)
{
    return std::abs(a - b) < 1e-3;
}

const Car *classNamed(const QString &name)
{
    for (const Car &car : Car::classes())
        if (car.name == name)
            return &car;
    return nullptr;
}

} // namespace

CarDialog::CarDialog(const Car &car, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CarDialog"));
    setWindowTitle(tr("Car"));
    m_class = new QComboBox(this);
    m_class->setObjectName(QStringLiteral("CarClass"));
    for (const Car &each : Car::classes())
        m_class->addItem(each.name);
    m_topSpeed = figureBox("TopSpeed", 1, 360, 1, tr(" km/h"));
    m_lowGrip = figureBox("LowGrip", 0.05, 10, 2, tr(" g"));
    m_highGrip = figureBox("HighGrip", 0.05, 10, 2, tr(" g"));
    m_acceleration = figureBox("Acceleration", 0.1, 100, 1, tr(" m/s²"));
    m_braking = figureBox("Braking", 0.1, 100, 1, tr(" m/s²"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("CarNote"));
    m_note->setWordWrap(true);

    auto *grip = new QHBoxLayout;
    grip->addWidget(m_lowGrip);
    grip->addWidget(new QLabel(tr("to"), this));
    grip->addWidget(m_highGrip);
    auto *form = new QFormLayout;
    form->addRow(tr("Class:"), m_class);
    form->addRow(tr("Top speed:"), m_topSpeed);
    form->addRow(tr("Grip in corners:"), grip);
    form->addRow(tr("Acceleration:"), m_acceleration);
    form->addRow(tr("Braking:"), m_braking);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Lap times are estimated for this car until the program ends. The grip "
                                    "goes from a slippery floor to a grippy one; acceleration and braking "
                                    "are on the grippy floor."),
                                 this));
    column->itemAt(0)->widget()->setProperty("wordWrap", true);
    column->addLayout(form);
    column->addWidget(m_note);
    column->addWidget(buttons);

    setCar(car);
    connect(m_class, &QComboBox::activated, this, &CarDialog::classChosen);
    for (QDoubleSpinBox *box : {m_lowGrip, m_highGrip})
        connect(box, &QDoubleSpinBox::valueChanged, this, &CarDialog::checkGrip);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    checkGrip();
}

QDoubleSpinBox *CarDialog::figureBox(const char *name, double lowest, double highest, int decimals,
                                     const QString &unit)
{
    auto *box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(lowest, highest);
    box->setDecimals(decimals);
    box->setSingleStep(decimals == 2 ? 0.05 : 0.5);
    box->setSuffix(unit);
    return box;
}

void CarDialog::setCar(const Car &car)
{
    // An own car keeps the class it was made from; a car of a file names
    // no class and starts from the first.
    QString base = car.name;
    const QString own = tr(", own figures");
    if (base.endsWith(own))
        base.chop(own.size());
    const int index = m_class->findText(base);
    m_class->setCurrentIndex(index < 0 ? 0 : index);
    m_topSpeed->setValue(car.topSpeed * kmh);
    m_lowGrip->setValue(car.lowGrip / Car::g);
    m_highGrip->setValue(car.highGrip / Car::g);
    m_acceleration->setValue(car.acceleration);
    m_braking->setValue(car.braking);
}

void CarDialog::classChosen(int index)
{
    if (index >= 0 && index < Car::classes().size())
        setCar(Car::classes()[index]);
}

void CarDialog::checkGrip()
{
    const bool fine = m_lowGrip->value() <= m_highGrip->value();
    m_note->setText(fine ? QString() : tr("The grip on the slippery floor cannot be more than on the grippy one."));
    if (m_okButton)
        m_okButton->setEnabled(fine);
}

Car CarDialog::car() const
{
    Car car;
    car.topSpeed = m_topSpeed->value() / kmh;
    car.lowGrip = m_lowGrip->value() * Car::g;
    car.highGrip = m_highGrip->value() * Car::g;
    car.acceleration = m_acceleration->value();
    car.braking = m_braking->value();
    const Car *base = classNamed(m_class->currentText());
    car.name = m_class->currentText();
    // Compared as shown: the class's figures rounded as the boxes round them.
    if (base) {
        const bool changed = !same(m_topSpeed->value(), std::round(base->topSpeed * kmh * 10) / 10)
                             || !same(m_lowGrip->value(), std::round(base->lowGrip / Car::g * 100) / 100)
                             || !same(m_highGrip->value(), std::round(base->highGrip / Car::g * 100) / 100)
                             || !same(m_acceleration->value(), std::round(base->acceleration * 10) / 10)
                             || !same(m_braking->value(), std::round(base->braking * 10) / 10);
        if (!changed)
            return *base;  // the exact figures, not the rounded ones shown
        car.name += tr(", own figures");
    }
    return car;
}
