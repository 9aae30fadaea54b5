// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// How a car drives on one floor, in metres and seconds: the speed it cannot
// pass, the sideways acceleration its tyres hold in a corner, and how hard it
// speeds up and slows down.
struct Handling
{
    double topSpeed = 0;      // m/s
    double grip = 0;          // m/s²
    double acceleration = 0;  // m/s²
    double braking = 0;       // m/s²
};

// A model car for lap times: a class of the table, or the user's own figures
// from a file. Floors differ in grip (dusty carpet or fresh foam, old tyres
// or new), so a class has a low and a high grip; the tyres hold as much less
// when accelerating and braking too. A car of one grip gives one time.
struct Car
{
    static constexpr double g = 9.81;  // m/s² in one g
    static constexpr qint64 maxFileSize = 64 * 1024;

    QString name;
    double topSpeed = 0;      // m/s
    double lowGrip = 0;       // m/s² sideways on a slippery floor
    double highGrip = 0;      // m/s² on a grippy one
    double acceleration = 0;  // m/s² on the grippy floor
    double braking = 0;       // m/s² on the grippy floor

    Handling onLowGrip() const;
    Handling onHighGrip() const;

    // The classes our users race on tile tracks, smallest first; the first
    // is the one used when none is chosen.
    static const QVector<Car> &classes();
    // A class by its name, in any case, with '-' or '_' for the space
    // ("1:28-stock"); none for a name that is no class.
    static std::optional<Car> named(const QString &name);
    // "1:28 stock, 1:28 modified, 1:24, 1:10 touring"
    static QString classNames();

    // A car of the user's own, from a file of key = value lines: top_speed
    // (m/s, or km/h after the number), grip, acceleration and braking (m/s²,
    // or g after the number), each once, and an optional name. Blank lines
    // and lines starting with '#' are left alone. Throws KwError: the file
    // cannot be read, or a line is not understood (its message names the
    // file and the line), or a figure is missing.
    static Car read(const QString &path);
    // The same for bytes already read; fileName names the file in messages.
    static Car parse(const QByteArray &bytes, const QString &fileName);
};
