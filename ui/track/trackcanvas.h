// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"
#include "pieces/connectioncheck.h"
#include "ui/track/trackrenderer.h"

#include <QColor>
#include <QImage>
#include <QVector>
#include <QWidget>
#include <array>

class CanvasInput;
class CanvasLayer;
class Progress;
class TileStore;
class TrackDocument;

// The track (TrackCanvas): one widget that paints the document's grid with
// the store's pictures where its renderer (TrackRenderer) puts them and
// finds the cell under a point. Hidden cells are not painted, and the
// widget covers the cells that show, so the scroll box around it scrolls
// exactly when they do not fit.
//
// It also paints what belongs over the cells: the open road ends of the
// last check, the layers (the selection, a tool's preview, a floating
// stamp, marked cells), the keyboard's cell cursor, and the bevel of the
// cell under the pointer or pressed. Its mouse, wheel and keys go to its
// dispatcher (CanvasInput); what no one there takes, the arrows and the
// cell menu's keys, it keeps.
class TrackCanvas : public QWidget
{
    Q_OBJECT

public:
    static constexpr double minimumZoom = TrackRenderer::minimumZoom;
    static constexpr double maximumZoom = TrackRenderer::maximumZoom;
    // The open ends' marks, in the renderer's one look of a marked cell.
    static constexpr const QColor &barColour = TrackRenderer::markColour;
    static constexpr const QColor &outlineColour = TrackRenderer::markEdgeColour;

    TrackCanvas(const TrackDocument &document, const TileStore &tiles, QWidget *parent = nullptr);

    const TrackDocument &document() const { return m_document; }
    const TrackRenderer &renderer() const { return m_renderer; }
    CanvasInput &input() const { return *m_input; }

    // The start-up's cell pool: column by column, "Initialising Array - c-r"
    // (both from 1) for each of the 900 cells, pumping the queue so the
    // waiting panel paints; every cell is forgotten as painted, so the first
    // paint after start-up draws each one afresh.
    void MakeCells(Progress &progress);

    double zoom() const { return m_renderer.zoom(); }
    // Clamped into the renderer's range; resizes the widget.
    void setZoom(double zoom);

    // Where a cell lies in the widget at the present zoom, shown or not.
    QRect cellRect(int index) const { return m_renderer.cellRect(index); }
    // Where its picture is drawn (the cell at rest).
    QRect pictureRect(int index) const;
    // The cell that shows under a point of the widget, or -1.
    int cellAt(const QPoint &point) const;
    // The column (row) whose span holds a coordinate; may lie outside 0..29.
    int columnAt(int x) const { return m_renderer.columnAt(x); }
    int rowAt(int y) const { return m_renderer.columnAt(y); }
    bool isCellShown(int index) const;
    QImage cellPicture(int index) const;
    // How many columns and rows the widget covers: up to the last that
    // holds a shown cell.
    int shownColumns() const { return m_columns; }
    int shownRows() const { return m_rows; }

    // The keyboard's cell, inside the block.
    int cursorCell() const { return m_cursor; }
    void setCursorCell(int index);
    // Moves the cursor by whole cells, staying inside the block.
    void moveCursor(int columns, int rows);
    // The shown cell under the pointer, or -1.
    int hoverCell() const { return m_hover; }

    // The open road ends to mark; an empty list marks none.
    void setMarks(const QVector<OpenEnd> &ends);
    const QVector<OpenEnd> &marks() const { return m_marks; }
    // The bar of an end: along that edge of the cell's face.
    QRect markRect(const OpenEnd &end) const;

    // Layers drawn over the cells (see CanvasLayer); the canvas does not own
    // them, and a layer is removed before it goes.
    void addLayer(const CanvasLayer *layer);
    void removeLayer(const CanvasLayer *layer);
    // Repaints a rectangle of cells (columns x, rows y), shown or not: what a
    // layer draws there changed.
    void updateCells(const QRect &cells);

    QSize sizeHint() const override;

signals:
    void cursorMoved(int index);
    // The keyboard moved the cursor: the view brings it into sight.
    void cursorKeyed(int index);
    void hoverChanged(int index);
    void zoomChanged(double zoom);
    // The columns and rows covered changed (or the zoom did).
    void extentChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // What a cell showed when it was last painted, to repaint only cells
    // that change.
    struct Shown
    {
        QByteArray code;
        qint64 picture = 0;
        bool visible = false;
    };

    void sync();
    void resizeToCells();
    void press(QMouseEvent *event);
    void paintCell(QPainter &painter, int index);
    void paintBevel(QPainter &painter, const QRect &cell, bool down);
    void paintCursor(QPainter &painter);
    void paintMarks(QPainter &painter, const QRect &dirty);
    QRegion markRegion() const;
    void setHover(int index);
    void updateCell(int index);
    bool handleCellKey(QKeyEvent *event);
    void tellAccessibility(int index);

    const TrackDocument &m_document;
    const TileStore &m_tiles;
    TrackRenderer m_renderer;
    CanvasInput *m_input;
    std::array<Shown, TrackGrid::cellCount> m_shown{};
    int m_columns = 0;
    int m_rows = 0;
    int m_cursor = 0;
    int m_hover = -1;
    int m_down = -1;           // the cell the left button went down on
    bool m_downInside = false; // and the pointer is still in it
    QVector<OpenEnd> m_marks;
    QVector<const CanvasLayer *> m_layers;
};
