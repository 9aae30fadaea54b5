// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small tracks for the road tools' tests, written as rows of codes.

#include "document/roads/roadedits.h"
#include "document/trackgrid.h"

#include <QFile>
#include <QPoint>
#include <QRegularExpression>
#include <QStringList>
#include <QVector>

namespace RoadGrids {

// Rows separated by '/', codes by ','; the grid is as wide as the first row.
inline TrackGrid fromRows(const QString &rows)
{
    TrackGrid grid;
    const QStringList lines = rows.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    int width = 0;
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList codes = lines[row].split(QLatin1Char(','));
        width = std::max(width, int(codes.size()));
        for (int column = 0; column < codes.size(); ++column)
            grid.setCode(TrackGrid::index(column, row), codes[column].trimmed().toLatin1());
    }
    grid.setSize(width, int(lines.size()));
    grid.showBlock();
    return grid;
}

inline TrackGrid grass(int width, int height)
{
    TrackGrid grid;
    grid.setSize(width, height);
    grid.showBlock();
    return grid;
}

// A track file's rows, as the example files hold them.
inline TrackGrid readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromLatin1(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("/"));
    text.replace(QLatin1Char('\n'), QLatin1Char('/'));
    return fromRows(text);
}

inline QString rows(const TrackGrid &grid)
{
    QStringList lines;
    for (int row = 0; row < grid.height(); ++row) {
        QStringList codes;
        for (int column = 0; column < grid.width(); ++column)
            codes << QString::fromLatin1(grid.cell(column, row).code);
        lines << codes.join(QLatin1Char(','));
    }
    return lines.join(QLatin1Char('/'));
}

// "0,0 3,0 3,2": cells as x (column), y (row).
inline QVector<QPoint> points(const QString &text)
{
    QVector<QPoint> cells;
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        cells.append(QPoint(xy.value(0).toInt(), xy.value(1).toInt()));
    }
    return cells;
}

inline int openEndCount(const TrackGrid &grid)
{
    return int(RoadEdits::openEnds(grid).size());
}

// The codes at "x,y=code" places that differ from what they should be,
// as "x,y=found (not code)"; empty when all agree.
inline QString mismatches(const TrackGrid &grid, const QString &expected)
{
    QStringList wrong;
    for (const QString &place : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList part = place.split(QRegularExpression(QStringLiteral("[,=]")));
        const QByteArray found = grid.cell(part[0].toInt(), part[1].toInt()).code;
        if (found != part[2].toLatin1())
            wrong << QStringLiteral("%1,%2=%3 (not %4)").arg(part[0], part[1], QString::fromLatin1(found), part[2]);
    }
    return wrong.join(QLatin1Char(' '));
}

} // namespace RoadGrids
