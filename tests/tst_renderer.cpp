// SPDX-License-Identifier: GPL-3.0-or-later
// Every piece, as every path that shows one on the track draws it, at every
// zoom of the view: the canvas's own cell, the Select tool's moving pieces,
// the floating stamp and the Route tool's road lie on the very pixels of the
// piece as placed, only more or less transparent.
#include "recordingprogress.h"

#include "document/trackblock.h"
#include "document/trackdocument.h"
#include "pieces/catalogue.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"
#include "ui/tools/floatingstamp.h"
#include "ui/tools/routetool.h"
#include "ui/tools/selecttool.h"
#include "ui/track/trackcanvas.h"

#include <QPainter>
#include <QtTest>

namespace {

// The codes stand in rows 1..6, columns 1..28, of an 8-row block framed by
// grass; the previews show that block 9 rows lower, so every code lies
// inside the frame that the selection's and the stamp's outlines follow.
constexpr int across = 28;
const QPoint below(0, 9);

QVector<QPoint> codeCells(QPoint offset)
{
    QVector<QPoint> cells;
    for (int i = 0; i < int(Catalogue::codes().size()); ++i)
        cells.append(QPoint(1 + i % across, 1 + i / across) + offset);
    return cells;
}

} // namespace

class TestRenderer : public QObject
{
    Q_OBJECT

    TrackDocument m_document;
    TileStore m_tiles;
    std::unique_ptr<TrackCanvas> m_canvas;

    // The canvas's pixels over rect, on a transparent ground: its cells and
    // layers (none but what a test puts there).
    QImage placed(const QRect &rect) const
    {
        QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        m_canvas->render(&image, QPoint(), QRegion(rect), {});
        return image;
    }
    QImage drawn(const CanvasLayer &layer, const QRect &rect) const
    {
        QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(-rect.topLeft());
        layer.paint(painter, *m_canvas, rect);
        return image;
    }
    // The placed picture of a cell as drawn at an opacity (0..255).
    static QImage faded(const QImage &piece, const QRect &cell, int opacity)
    {
        QImage image(cell.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setOpacity(opacity / 255.0);
        painter.drawImage(QPoint(), piece, cell);
        return image;
    }
    // Each cell of the preview is the placed picture at one opacity, the
    // preview's own; margin pixels along each cell's edge are left out
    // (where a preview frames its cells).
    void compare(const QImage &preview, const QImage &piece, const QRect &rect, const QVector<QPoint> &cells,
                 int margin)
    {
        for (const QPoint &cell : cells) {
            const QRect at = m_canvas->renderer().cellRect(cell).translated(-rect.topLeft());
            const QRect inner = at.adjusted(margin, margin, -margin, -margin);
            const QImage shown = preview.copy(inner);
            // The opacity is near the alpha it left on a pixel the piece covers.
            const int alpha = [&] {
                for (int y = inner.top(); y <= inner.bottom(); ++y)
                    for (int x = inner.left(); x <= inner.right(); ++x)
                        if (qAlpha(piece.pixel(x, y)) == 255)
                            return qAlpha(preview.pixel(x, y));
                return 255;
            }();
            bool same = false;
            for (int opacity = std::max(0, alpha - 2); opacity <= std::min(255, alpha + 2) && !same; ++opacity)
                same = faded(piece, at, opacity).copy(inner.translated(-at.topLeft())) == shown;
            if (!same)
                QFAIL(qPrintable(QStringLiteral("%1 at %2 %: cell %3,%4 differs")
                                     .arg(QString::fromLatin1(m_document.cell(cell.x(), cell.y()).code))
                                     .arg(m_canvas->zoom() * 100)
                                     .arg(cell.x())
                                     .arg(cell.y())));
        }
    }
    QRect bounds(const QVector<QPoint> &cells) const
    {
        QRect rect;
        for (const QPoint &cell : cells)
            rect |= m_canvas->renderer().cellRect(cell);
        return rect;
    }

private slots:
    void initTestCase()
    {
        RecordingProgress progress;
        m_tiles.loadCatalogue(TileFolder(QStringLiteral(KW_TILES_DIR)), progress);
        m_canvas = std::make_unique<TrackCanvas>(m_document, m_tiles);
        // No ground: what a path draws is all there is.
        QPalette palette = m_canvas->palette();
        palette.setColor(QPalette::Window, Qt::transparent);
        m_canvas->setPalette(palette);
        m_canvas->setCursorCell(TrackGrid::index(29, 29));
    }

    void samePixels_data()
    {
        QTest::addColumn<double>("zoom");
        for (double zoom : {0.25, 0.33, 0.5, 0.67, 0.75, 1.0, 1.25, 2.0, 4.0})
            QTest::addRow("%d %%", int(zoom * 100)) << zoom;
    }

    void samePixels()
    {
        QFETCH(double, zoom);
        TrackGrid grid;
        grid.setSize(30, 24);
        grid.showBlock();
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            grid.setCode(i, Catalogue::defaultCode());
        const QVector<QPoint> source = codeCells({}), target = codeCells(below);
        for (int i = 0; i < source.size(); ++i) {
            for (const QPoint &cell : {source[i], target[i]})
                grid.setCode(TrackGrid::index(cell.x(), cell.y()), Catalogue::codes()[i]);
        }
        m_document.setGrid(grid);
        m_canvas->setZoom(zoom);
        const QRect rect = bounds(target);
        const QImage pieces = placed(rect);

        // The Select tool moving the block down.
        m_document.setSelection(CellSelection::of(QRect(0, 0, 30, 8)));
        SelectTool select(m_document, *m_canvas, nullptr);
        select.press(QPoint(1, 1), {});
        select.drag(QPoint(1, 1) + below);
        compare(drawn(select, rect), pieces, rect, target, 0);
        if (QTest::currentTestFailed())
            return;
        select.cancel();
        m_document.setSelection(CellSelection());

        // The block pasted and floating there.
        FloatingStamp stamp(m_document, *m_canvas, nullptr);
        stamp.lift(TrackBlock::copy(grid, QRect(0, 0, 30, 8)), below);
        compare(drawn(stamp, rect), pieces, rect, target, 0);
        if (QTest::currentTestFailed())
            return;
        stamp.drop();

        // A road drawn round a loop of grass below the block, then laid.
        const QByteArray road = "04";
        RouteTool route(m_document, *m_canvas, road, nullptr);
        const QVector<QPoint> corners{{2, 18}, {12, 18}, {12, 22}, {2, 22}, {2, 18}};
        route.press(corners.first(), {});
        for (int c = 1; c < corners.size(); ++c)
            for (QPoint at = corners[c - 1]; at != corners[c];) {
                at += QPoint((corners[c].x() > at.x()) - (corners[c].x() < at.x()),
                             (corners[c].y() > at.y()) - (corners[c].y() < at.y()));
                route.drag(at);
            }
        QVERIFY(route.solver() && route.solver()->isClosed());
        QVector<QPoint> laid;
        for (int i = 0; i < TrackGrid::cellCount; ++i)
            if (!route.solver()->pieceAt(QPoint(TrackGrid::columnOf(i), TrackGrid::rowOf(i))).isEmpty())
                laid.append(QPoint(TrackGrid::columnOf(i), TrackGrid::rowOf(i)));
        const QRect loop = bounds(laid);
        const QImage preview = drawn(route, loop);
        m_document.setGrid(route.solver()->laid());
        compare(preview, placed(loop), loop, laid, 1);
        route.cancel();
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
