#include "ui/connectionoverlay.h"

#include "document/trackgrid.h"
#include "ui/picturebutton.h"
#include "ui/trackview.h"

#include <QPainter>
#include <QPaintEvent>

// Pure red reads on grass, dark foam and blue carpet alike; the light
// outline keeps it apart from the red of kerbs.
const QColor ConnectionOverlay::barColour(230, 0, 0);
const QColor ConnectionOverlay::outlineColour(255, 255, 255);

ConnectionOverlay::ConnectionOverlay(TrackView &view)
    : QWidget(view.area()), m_view(view)
{
    setObjectName(QStringLiteral("ConnectionOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // As large as the whole pool of cells: the area clips it to the block,
    // and it never has to follow the area's size.
    const int side = 2 * TrackView::cellMargin + TrackView::cellSize * TrackGrid::side;
    setGeometry(0, 0, side, side);
    hide();
}

void ConnectionOverlay::setMarks(const QVector<OpenEnd> &ends)
{
    // Only the bars that go and come are repainted: the cells below a
    // see-through widget repaint with it.
    const QRegion before = markRegion();
    m_marks = ends;
    if (m_marks.isEmpty()) {
        hide();
        return;
    }
    // The cells are made after the layer and would otherwise cover it.
    raise();
    show();
    update(before + markRegion());
}

QRect ConnectionOverlay::pictureRect(int column, int row) const
{
    const PictureButton *cell = m_view.cellButton(TrackGrid::index(column, row));
    const QRect button = cell->geometry();
    const QRect face = button.adjusted(PictureButton::edge, PictureButton::edge,
                                       -PictureButton::edge, -PictureButton::edge);
    if (cell->picture().isNull())
        return face;
    // The picture as the button draws it, at rest (not pressed), and no
    // larger than the button shows.
    return QRect(button.topLeft() + cell->pictureOrigin(), cell->picture().size()).intersected(button);
}

QRect ConnectionOverlay::markRect(const OpenEnd &end) const
{
    const QRect picture = pictureRect(end.column, end.row);
    switch (end.edge) {
    case Edge::North:
        return QRect(picture.left(), picture.top(), picture.width(), barWidth);
    case Edge::East:
        return QRect(picture.right() - barWidth + 1, picture.top(), barWidth, picture.height());
    case Edge::South:
        return QRect(picture.left(), picture.bottom() - barWidth + 1, picture.width(), barWidth);
    case Edge::West:
        break;
    }
    return QRect(picture.left(), picture.top(), barWidth, picture.height());
}

QRegion ConnectionOverlay::markRegion() const
{
    QRegion region;
    for (const OpenEnd &end : m_marks)
        region += markRect(end);
    return region;
}

void ConnectionOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const OpenEnd &end : std::as_const(m_marks)) {
        const QRect bar = markRect(end);
        if (!event->rect().intersects(bar))
            continue;
        painter.fillRect(bar, outlineColour);
        painter.fillRect(bar.adjusted(1, 1, -1, -1), barColour);
    }
}
