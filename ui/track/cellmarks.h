// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/track/canvaslayer.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVector>

class TrackCanvas;

// Cells marked on the canvas in the one look of a marked cell (the
// renderer's): the pieces a turn kept, the pieces beyond what is owned.
// Only the cells that gain or lose a mark repaint.
class CellMarks : public QObject, public CanvasLayer
{
    Q_OBJECT

public:
    // Lies over the cells from the start, marking none.
    CellMarks(TrackCanvas &canvas, QObject *parent);
    ~CellMarks() override;

    const QVector<int> &cells() const { return m_cells; }
    void setCells(const QVector<int> &cells);
    void clear() { setCells({}); }

    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;

private:
    void repaint() const;

    // Gone first when the window closes: the canvas is its central widget's.
    QPointer<TrackCanvas> m_canvas;
    QVector<int> m_cells;
};
