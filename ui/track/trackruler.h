// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class TrackCanvas;

// A ruler beside the track view's scroll box: the column numbers along the
// top (ColumnRuler) or the row numbers down the left (RowRuler), counted
// from 1 as kerbwright-check names cells. Each number stands over the middle
// of its cell and moves with the canvas as it scrolls and zooms; where the
// cells are too narrow for every number, only every second, fifth or tenth
// is written (and 1 beside every fifth or tenth).
class TrackRuler : public QWidget
{
    Q_OBJECT

public:
    TrackRuler(Qt::Orientation orientation, const TrackCanvas &canvas, QWidget *parent);

    Qt::Orientation orientation() const { return m_orientation; }
    // How thick the ruler is across its length.
    int thickness() const;
    // Every how many cells a number is written.
    int labelStep() const;
    // Where the span of column (row) number n (from 1) lies along the
    // ruler, in its own coordinates.
    QRect span(int number) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int count() const;

    Qt::Orientation m_orientation;
    const TrackCanvas &m_canvas;
};
