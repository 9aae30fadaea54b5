// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackblock.h"
#include "ui/track/canvaslayer.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QVector>

class TileStore;
class TrackCanvas;
class TrackDocument;

// A pasted block that floats over the track before it is put down: its
// top-left cell follows the pointer (or the keyboard's cursor), it is drawn
// half-transparent over the cells, a left click or Enter or Space places it
// (one step of the history) and Esc drops it. Whatever tool is active, the
// stamp has the clicks and those keys while it floats: it reads them as an
// event filter that lies in front of every other on the canvas, and passes
// everything through while nothing floats.
class FloatingStamp : public QObject, public CanvasLayer
{
    Q_OBJECT

public:
    FloatingStamp(TrackDocument &document, TrackCanvas &canvas, const TileStore &tiles, QObject *parent);
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

    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;

signals:
    void floatingChanged(bool floating);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterKey(QEvent *event);
    bool filterMouse(QEvent *event);
    QPoint cellUnder(const QPoint &point) const;
    void cursorMoved(int index);
    void end();
    void paintCell(QPainter &painter, const QRect &cell, const QByteArray &code) const;
    QPixmap pixmapFor(const QByteArray &code) const;

    TrackDocument &m_document;
    TrackCanvas &m_canvas;
    QPointer<TrackCanvas> m_alive;
    const TileStore &m_tiles;
    TrackBlock m_block;
    QPoint m_position;
    QVector<QPoint> m_marked;
    bool m_eatRelease = false;  // the press that placed it went here
    mutable QHash<QByteArray, QPixmap> m_pixmaps;
};
