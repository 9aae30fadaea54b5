#include "ui/trackview.h"

#include "base/progress.h"
#include "document/trackdocument.h"
#include "pieces/tilestore.h"
#include "ui/cellmouse.h"
#include "ui/picturebutton.h"

#include <QLabel>

TrackView::TrackView(const TrackDocument &document, const TileStore &tiles, QWidget *parent)
    : QScrollArea(parent), m_document(document), m_tiles(tiles)
{
    setObjectName(QStringLiteral("TrackBox"));
    setWidgetResizable(false);
    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("TrackArea"));
    area->resize(0, 0);
    setWidget(area);

    m_waiting = new QLabel(QStringLiteral("Initializing... please wait."), this);
    m_waiting->setObjectName(QStringLiteral("Panel3"));
    m_waiting->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_waiting->setLineWidth(2);
    m_waiting->setAlignment(Qt::AlignCenter);
    m_waiting->setAutoFillBackground(true);
    QFont font = m_waiting->font();
    font.setBold(true);
    font.setPixelSize(19);
    m_waiting->setFont(font);
    m_waiting->resize(385, 49);
    m_waiting->raise();
    connect(&m_document, &TrackDocument::changed, this, &TrackView::sync);
    m_mouse = new CellMouse(*this, this);
}

void TrackView::MakeCells(Progress &progress)
{
    for (int c = 1; c <= TrackGrid::side; ++c) {
        for (int r = 1; r <= TrackGrid::side; ++r) {
            progress.setText(Progress::text("Initialising Array - ", c, r));
            progress.pump();
            m_cells[size_t(TrackGrid::index(c - 1, r - 1))] = makeCell(c - 1, r - 1);
        }
    }
    sync();
}

PictureButton *TrackView::makeCell(int column, int row)
{
    const int index = TrackGrid::index(column, row);
    auto *cell = new PictureButton(area());
    cell->setObjectName(TrackGrid::cellName(index));
    cell->setAutoRaise(true);
    cell->setGeometry(cellMargin + cellSize * column, cellMargin + cellSize * row, cellSize, cellSize);
    cell->hide();
    m_mouse->watch(cell);
    return cell;
}

int TrackView::cellAt(const QPoint &areaPoint) const
{
    const QPoint p = areaPoint - QPoint(cellMargin, cellMargin);
    if (p.x() < 0 || p.y() < 0)
        return -1;
    const int column = p.x() / cellSize, row = p.y() / cellSize;
    if (column >= TrackGrid::side || row >= TrackGrid::side)
        return -1;
    const int index = TrackGrid::index(column, row);
    return m_cells[size_t(index)] && m_cells[size_t(index)]->isVisible() ? index : -1;
}

void TrackView::sync()
{
    if (!hasCells())
        return;
    bool counted = false;
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        PictureButton *button = m_cells[size_t(i)];
        const Cell &cell = m_document.cell(i);
        button->setPicture(m_tiles.picture(cell.code));
        if (button->isHidden() != cell.visible)
            continue;
        button->setVisible(cell.visible);
        const int step = cell.visible ? 1 : -1;
        m_visibleInColumn[size_t(TrackGrid::columnOf(i))] += step;
        m_visibleInRow[size_t(TrackGrid::rowOf(i))] += step;
        counted = true;
    }
    if (counted)
        resizeArea();
}

void TrackView::resizeArea()
{
    // The area covers the visible cells, so the scroll box scrolls exactly
    // when they do not fit.
    auto extent = [](const std::array<int, TrackGrid::side> &counts) {
        int n = int(counts.size());
        while (n > 0 && counts[size_t(n - 1)] == 0)
            --n;
        return n;
    };
    const QSize size(2 * cellMargin + cellSize * extent(m_visibleInColumn),
                     2 * cellMargin + cellSize * extent(m_visibleInRow));
    if (area()->size() != size)
        area()->resize(size);
}

void TrackView::endWaiting()
{
    m_waiting->hide();
}

void TrackView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    // A maximized window gets its final size only after it shows; the
    // waiting panel follows so that it stays in the middle.
    if (m_waiting->isVisible())
        centreWaitingPanel();
}

void TrackView::centreWaitingPanel()
{
    m_waiting->move((width() - m_waiting->width()) / 2, (height() - m_waiting->height()) / 2);
}
