// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/car.h"

#include "base/kwerror.h"
#include "base/regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <new>

namespace {

constexpr double kmh = 1 / 3.6;  // m/s in one km/h

// The classes, smallest first. Nothing here was measured by us: each figure
// is an estimate a hobbyist can check, and a club with a stopwatch should
// give its own (a car file) after one measured lap.
//
// - Top speed: what the makers and shops publish for common ready-to-run
//   cars of the class with the motor the class allows, rounded down, since
//   those figures are taken on a long straight that no tile track has.
// - Grip: the sideways acceleration that rubber tyres hold on the floors
//   these cars race on (carpet, foam mats, smooth hall floors), in g; the low
//   figure is a dusty or cold floor, the high one a clean, warmed-up track.
//   These are the least certain figures: they were set so that a
//   championship-sized 1:28 layout of about 27 m (the club circuit example
//   at 0.5 m cells) laps in about 9-10 s, as clubs report, and so that the
//   same layout differs by about a tenth between low and high grip.
// - Acceleration and braking on the grippy floor: from the times quoted for
//   standing starts (0 to top speed) and from the grip, since small cars
//   spin their wheels before their motors run out of power.
const std::array<Car, 4> table{{
    // 1:28 on a stock motor: about 20-25 km/h published.
    {QStringLiteral("1:28 stock"), 22 * kmh, 0.95 * Car::g, 1.15 * Car::g, 4.0, 6.0},
    // 1:28 with a modified or brushless motor: 35-45 km/h published.
    {QStringLiteral("1:28 modified"), 36 * kmh, 1.0 * Car::g, 1.2 * Car::g, 6.0, 7.5},
    // 1:24 touring and drift cars: about 30-35 km/h published.
    {QStringLiteral("1:24"), 30 * kmh, 0.9 * Car::g, 1.1 * Car::g, 5.0, 6.5},
    // 1:10 electric touring on a 13.5-turn "stock" motor: 55-65 km/h; on
    // carpet or asphalt rubber tyres hold well over 1 g.
    {QStringLiteral("1:10 touring"), 55 * kmh, 1.3 * Car::g, 1.6 * Car::g, 8.0, 10.0},
}};

// The handling on a floor where the tyres hold `grip`: acceleration and
// braking come through the same tyres and shrink with it.
Handling on(const Car &car, double grip)
{
    const double share = grip / car.highGrip;
    return {car.topSpeed, grip, car.acceleration * share, car.braking * share};
}

QString normalised(const QString &name)
{
    QString text = name.trimmed().toLower();
    text.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}

// One line that the reader does not understand.
struct LineError
{
    QString what;
};

// A figure of the file: its key, its words in messages, and its units with
// their size in metres and seconds (the first unit when none is given).
struct Figure
{
    const char *key;
    const char *words;
    double Car::*field;
    QVector<QPair<QString, double>> units;
};

const QVector<Figure> &figures()
{
    static const QVector<QPair<QString, double>> accelerations{
        {QStringLiteral("m/s²"), 1}, {QStringLiteral("m/s2"), 1}, {QStringLiteral("m/s^2"), 1}, {QStringLiteral("g"), Car::g}};
    static const QVector<Figure> list{
        {"top_speed", QT_TRANSLATE_NOOP("Car", "top speed"), &Car::topSpeed, {{QStringLiteral("m/s"), 1}, {QStringLiteral("km/h"), kmh}}},
        {"grip", QT_TRANSLATE_NOOP("Car", "grip"), &Car::highGrip, accelerations},
        {"acceleration", QT_TRANSLATE_NOOP("Car", "acceleration"), &Car::acceleration, accelerations},
        {"braking", QT_TRANSLATE_NOOP("Car", "braking"), &Car::braking, accelerations},
    };
    return list;
}

// Past these a figure is a slip of the keyboard, not a model car.
constexpr double fastest = 100;  // m/s
constexpr double hardest = 100;  // m/s², about 10 g

double valueOf(const Figure &figure, const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^([-+]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][-+]?[0-9]+)?)\\s*(\\S*)$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        throw LineError{QCoreApplication::translate("Car", "the %1 \"%2\" is no number").arg(QCoreApplication::translate("Car", figure.words), text)};
    const QString unit = match.captured(2);
    double scale = unit.isEmpty() ? 1 : 0;
    QStringList names;
    for (const auto &[name, size] : figure.units) {
        names << name;
        if (unit.compare(name, Qt::CaseInsensitive) == 0)
            scale = size;
    }
    if (scale == 0)
        throw LineError{QCoreApplication::translate("Car", "\"%1\" is no unit of %2; use %3")
                            .arg(unit, QCoreApplication::translate("Car", figure.words), names.join(QCoreApplication::translate("Car", " or ")))};
    const double value = match.captured(1).toDouble() * scale;
    if (!(value > 0))
        throw LineError{QCoreApplication::translate("Car", "the %1 must be more than 0, not %2").arg(QCoreApplication::translate("Car", figure.words), text)};
    const double limit = figure.field == &Car::topSpeed ? fastest : hardest;
    if (value > limit)
        throw LineError{QCoreApplication::translate("Car", "the %1 %2 is more than a model car can do (at most %3 %4)")
                            .arg(QCoreApplication::translate("Car", figure.words), text)
                            .arg(limit)
                            .arg(figure.field == &Car::topSpeed ? QStringLiteral("m/s") : QStringLiteral("m/s²"))};
    return value;
}

} // namespace

Handling Car::onLowGrip() const
{
    return on(*this, lowGrip);
}

Handling Car::onHighGrip() const
{
    return on(*this, highGrip);
}

const QVector<Car> &Car::classes()
{
    static const QVector<Car> list(table.begin(), table.end());
    return list;
}

std::optional<Car> Car::named(const QString &name)
{
    for (const Car &car : classes())
        if (normalised(car.name) == normalised(name))
            return car;
    return std::nullopt;
}

QString Car::classNames()
{
    QStringList names;
    for (const Car &car : classes())
        names << car.name;
    return names.join(QStringLiteral(", "));
}

Car Car::read(const QString &path)
{
    try {
        const RegularFile::Result file = RegularFile::read(path, maxFileSize);
        switch (file.status) {
        case RegularFile::Read:
            return parse(file.bytes, path);
        case RegularFile::CannotOpen:
        case RegularFile::NotRegular:
            throw KwError::cannotOpen(path);
        case RegularFile::TooLarge:
            throw KwError(QCoreApplication::translate("Car", "%1 is too large for a car's figures").arg(path));
        case RegularFile::ReadFailed:
            break;
        }
        throw KwError::streamRead();
    } catch (const std::bad_alloc &) {
        throw KwError::outOfResources();
    }
}

Car Car::parse(const QByteArray &bytes, const QString &fileName)
{
    static const QRegularExpression keyValue(QStringLiteral("^([A-Za-z_]+)\\s*=\\s*(.*)$"));
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QList<QByteArray> lines = text.split('\n');
    Car car;
    car.name = QFileInfo(fileName).fileName();
    QHash<QString, int> lineOf;
    for (int k = 0; k < lines.size(); ++k) {
        const QString line = QString::fromUtf8(lines[k]).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        try {
            const QRegularExpressionMatch match = keyValue.match(line);
            if (!match.hasMatch())
                throw LineError{QStringLiteral("\"%1\" is no key = value line").arg(line.left(40))};
            const QString key = match.captured(1).toLower();
            const QString value = match.captured(2).trimmed();
            if (lineOf.contains(key))
                throw LineError{QCoreApplication::translate("Car", "%1 is given already on line %2").arg(key).arg(lineOf[key])};
            if (key == QLatin1String("name")) {
                if (value.isEmpty() || value.size() > 60)
                    throw LineError{QCoreApplication::translate("Car", "a name is 1 to 60 characters")};
                car.name = value;
            } else {
                const auto figure = std::find_if(figures().cbegin(), figures().cend(),
                                                 [&key](const Figure &f) { return key == QLatin1String(f.key); });
                if (figure == figures().cend())
                    throw LineError{QStringLiteral("\"%1\" is no key; the keys are top_speed, grip, acceleration, "
                                                   "braking and name").arg(key.left(40))};
                car.*(figure->field) = valueOf(*figure, value);
            }
            lineOf.insert(key, k + 1);
        } catch (const LineError &error) {
            throw KwError(QCoreApplication::translate("Car", "%1, line %2: %3").arg(fileName).arg(k + 1).arg(error.what));
        }
    }
    for (const Figure &figure : figures())
        if (!lineOf.contains(QLatin1String(figure.key)))
            throw KwError(QCoreApplication::translate("Car", "%1: no %2 given (%3 = ...)").arg(fileName, QCoreApplication::translate("Car", figure.words),
                                                                        QLatin1String(figure.key)));
    car.lowGrip = car.highGrip;
    return car;
}
