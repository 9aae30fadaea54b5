// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackblock.h"
#include "ui/tools/tool.h"
#include "ui/track/canvaslayer.h"

#include <QPointer>
#include <QPoint>
#include <QRect>
#include <QVector>

class TrackCanvas;
class TrackDocument;

// The stamp: a pasted block that floats over the track before it is put
// down, a tool of its own from the paste until it is placed or dropped (the
// tool box then gives the track back to the tool chosen before). Its top-left
// cell follows the pointer (or the keyboard's cursor), it is drawn
// half-transparent over the cells, a left click (with Alt too) or Enter or
// Space places it (one step of the history) and Esc drops it, as does
// choosing a tool.
class FloatingStamp : public Tool, public CanvasLayer
{
    Q_OBJECT

public:
    FloatingStamp(TrackDocument &document, TrackCanvas &canvas, QObject *parent);
    ~FloatingStamp() override;

    bool isFloating() const { return !m_block.isEmpty(); }
    const TrackBlock &block() const { return m_block; }
    // The track cell under the block's top-left cell.
    QPoint position() const { return m_position; }
    // The cells the stamp covers on the track, beyond its block or not.
    QRect cells() const { return QRect(m_position, m_block.size()); }
    // Cells of the block (from its top-left) that are marked: pieces a turn
    // could not turn.
    const QVector<QPoint> &marked() const { return m_marked; }

    // Starts floating the block with its top-left cell on `at`.
    void lift(const TrackBlock &block, QPoint at);
    // The floating block turned: same place, new cells.
    void replace(const TrackBlock &block, const QVector<QPoint> &marked);
    void moveTo(QPoint cell);
    // Puts the block into the track where it floats, cut to the track's
    // block: one step "Paste" when it changes a cell, no step when not.
    // The placed cells become the selection. Nothing floats afterwards.
    void place();
    void drop();

    // "Click or press Enter to place the 2 x 3 block, Esc drops it".
    QString hint() const override;
    Press press(QPoint cell, Qt::KeyboardModifiers keys) override;
    bool pick(QPoint cell) override;
    void point(QPoint cell) override;
    bool keyed(QPoint cell) override;
    bool cancel() override;
    const CanvasLayer *layer() const override { return this; }

    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;

signals:
    void floatingChanged(bool floating);

private:
    void end();

    TrackDocument &m_document;
    TrackCanvas &m_canvas;
    QPointer<TrackCanvas> m_alive;
    TrackBlock m_block;
    QPoint m_position;
    QVector<QPoint> m_marked;
    QSize m_lifted;  // the block's size as pasted, which the hint names
};
