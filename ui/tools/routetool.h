// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/roads/routesolver.h"
#include "ui/tools/tool.h"
#include "ui/track/canvaslayer.h"

#include <QByteArray>

#include <optional>

class TrackCanvas;
class TrackDocument;

// "Route": press on a cell and drag; the route passes through every cell the
// pointer enters and the road pieces it would lay follow the pointer as a
// preview (only the cells whose piece changed repaint). The release lays
// them, one step of the history; Esc during the drag drops the route. The
// pieces are of the current piece's road family.
class RouteTool : public Tool, public CanvasLayer
{
    Q_OBJECT

public:
    RouteTool(TrackDocument &document, TrackCanvas &canvas, const QByteArray &currentCode, QObject *parent);

    Press press(QPoint cell, Qt::KeyboardModifiers keys) override;
    void drag(QPoint cell) override;
    void release() override;
    bool busy() const override { return m_solver.has_value(); }
    bool cancel() override;
    const CanvasLayer *layer() const override { return this; }

    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;

    // The route being drawn, or none.
    const RouteSolver *solver() const { return m_solver ? &*m_solver : nullptr; }

private:
    void repaintChanged();

    TrackDocument &m_document;
    TrackCanvas &m_canvas;
    const QByteArray &m_currentCode;
    std::optional<RouteSolver> m_solver;
};
