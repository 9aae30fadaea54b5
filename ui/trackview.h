#pragma once

#include "document/trackgrid.h"

#include <QScrollArea>
#include <array>

class CellMouse;
class Progress;
class PictureButton;
class QLabel;
class TileStore;
class TrackDocument;

// The track area (TrackBox): a scroll box around the 900 cell buttons. It
// shows the document's grid with the store's pictures, sized to the visible
// cells so that it scrolls exactly when they do not fit; its CellMouse
// reports what the mouse does on the cells.
// Until start-up has built the cells it shows the waiting panel (Panel3).
class TrackView : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int cellSize = 54;
    static constexpr int cellMargin = 2;  // the block starts 2 pixels into the area

    TrackView(const TrackDocument &document, const TileStore &tiles, QWidget *parent = nullptr);

    // Builds the 900 cells with "Initialising Array - c-r" progress, pumping
    // before each, and shows the document's grid.
    void MakeCells(Progress &progress);
    bool hasCells() const { return m_cells[0] != nullptr; }
    PictureButton *cellButton(int index) const { return m_cells[size_t(index)]; }
    // The cell under a point of the track area, or -1.
    int cellAt(const QPoint &areaPoint) const;
    QWidget *area() const { return widget(); }
    CellMouse *mouse() const { return m_mouse; }

    QLabel *waitingPanel() const { return m_waiting; }
    void centreWaitingPanel();
    // Hides the waiting panel for good.
    void endWaiting();

    // Brings every cell in line with the document and the store: its
    // picture, and whether it shows. Cheap when little changed.
    void sync();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    PictureButton *makeCell(int column, int row);
    void resizeArea();

    const TrackDocument &m_document;
    const TileStore &m_tiles;
    std::array<PictureButton *, TrackGrid::cellCount> m_cells{};
    std::array<int, TrackGrid::side> m_visibleInColumn{};
    std::array<int, TrackGrid::side> m_visibleInRow{};
    QLabel *m_waiting = nullptr;
    CellMouse *m_mouse = nullptr;
};
