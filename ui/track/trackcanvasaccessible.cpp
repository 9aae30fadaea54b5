// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/trackcanvasaccessible.h"

#include "document/trackdocument.h"
#include "ui/palette/piecetext.h"
#include "ui/track/canvasinput.h"
#include "ui/track/trackcanvas.h"

#include <QAccessibleActionInterface>
#include <QWindow>

namespace {

// One cell of the canvas. It holds no state of its own: everything is read
// from the canvas when asked.
class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CellAccessible(TrackCanvasAccessible *parent, int index) : m_parent(parent), m_index(index) {}

    bool isValid() const override { return m_parent->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_parent->window(); }
    QAccessibleInterface *parent() const override { return m_parent; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        const QByteArray &code = canvas()->document().cell(m_index).code;
        switch (t) {
        case QAccessible::Name:
            return TrackGrid::cellName(m_index);
        case QAccessible::Value:
            return QString::fromLatin1(code);
        case QAccessible::Description:
            return PieceText::describe(code);
        default:
            return QString();
        }
    }

    QRect rect() const override
    {
        const QRect cell = canvas()->cellRect(m_index);
        return QRect(canvas()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const bool shown = canvas()->isCellShown(m_index);
        state.invisible = !shown;
        state.offscreen = !shown || !canvas()->visibleRegion().intersects(canvas()->cellRect(m_index));
        state.focusable = shown;
        state.focused = shown && canvas()->hasFocus() && canvas()->cursorCell() == m_index;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        return canvas()->isCellShown(m_index) ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && canvas()->isCellShown(m_index))
            canvas()->input().keyed(m_index);
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    TrackCanvas *canvas() const { return m_parent->canvas(); }

    TrackCanvasAccessible *m_parent;
    int m_index;
};

QAccessibleInterface *canvasFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TrackCanvas") && object && object->isWidgetType())
        return new TrackCanvasAccessible(static_cast<TrackCanvas *>(object));
    return nullptr;
}

} // namespace

TrackCanvasAccessible::TrackCanvasAccessible(TrackCanvas *canvas)
    : QAccessibleWidget(canvas, QAccessible::Pane, QStringLiteral("Track")),
      m_cells(TrackGrid::cellCount, 0)
{
}

TrackCanvasAccessible::~TrackCanvasAccessible()
{
    for (QAccessible::Id id : std::as_const(m_cells)) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

void TrackCanvasAccessible::install()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(canvasFactory);
    installed = true;
}

TrackCanvas *TrackCanvasAccessible::canvas() const
{
    return static_cast<TrackCanvas *>(widget());
}

int TrackCanvasAccessible::childCount() const
{
    return TrackGrid::cellCount;
}

// Made when first asked for: most sessions never ask.
QAccessibleInterface *TrackCanvasAccessible::child(int index) const
{
    if (index < 0 || index >= TrackGrid::cellCount)
        return nullptr;
    QAccessible::Id &id = m_cells[index];
    if (!id)
        id = QAccessible::registerAccessibleInterface(
            new CellAccessible(const_cast<TrackCanvasAccessible *>(this), index));
    return QAccessible::accessibleInterface(id);
}

int TrackCanvasAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const int index = int(m_cells.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child))));
    return index;
}

QAccessibleInterface *TrackCanvasAccessible::childAt(int x, int y) const
{
    const int index = canvas()->cellAt(canvas()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface *TrackCanvasAccessible::focusChild() const
{
    return canvas()->hasFocus() ? child(canvas()->cursorCell()) : nullptr;
}
