#pragma once

#include "pieces/connectioncheck.h"

#include <QColor>
#include <QVector>
#include <QWidget>

class TrackView;

// The red bars over open road ends: a see-through layer above the cells of
// the track view that the mouse passes through. It lies in the scrolled
// area itself, so the bars scroll with the cells. Only the screen changes:
// tiles, track files and exported pictures never see it.
class ConnectionOverlay : public QWidget
{
    Q_OBJECT

public:
    // Thick enough to see at a glance, thin enough to leave the road of the
    // tile visible; the bar lies inside its own cell, so that the two ends of
    // one seam stay apart.
    static constexpr int barWidth = 6;
    static const QColor barColour;
    static const QColor outlineColour;

    explicit ConnectionOverlay(TrackView &view);

    // Shows a bar for each end, and nothing else; an empty list hides the layer.
    void setMarks(const QVector<OpenEnd> &ends);
    const QVector<OpenEnd> &marks() const { return m_marks; }
    // Where the bar of an end is drawn, in the track area's coordinates: along
    // that edge of the tile picture as its cell button draws it.
    QRect markRect(const OpenEnd &end) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect pictureRect(int column, int row) const;
    QRegion markRegion() const;

    TrackView &m_view;
    QVector<OpenEnd> m_marks;
};
