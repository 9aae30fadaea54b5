// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QVector>

class TrackCanvas;

// The track canvas as screen readers and tests see it: a pane whose 900
// children are the cells, in pool order (column x 30 + row). Each is named
// after its cell ("tp0101"), has its piece code as its value and the
// piece's description as its description, shows where the cell lies, and is
// invisible while the cell is hidden. Pressing one is Space on it: what the
// active tool makes of it (the paint tool places the current piece).
class TrackCanvasAccessible : public QAccessibleWidget
{
public:
    explicit TrackCanvasAccessible(TrackCanvas *canvas);
    ~TrackCanvasAccessible() override;

    // Makes Qt ask this class for every TrackCanvas; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    TrackCanvas *canvas() const;

private:
    mutable QVector<QAccessible::Id> m_cells;
};
