// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/turncommands.h"

#include "document/gridtransform.h"
#include "document/trackdocument.h"
#include "ui/tools/floatingstamp.h"
#include "ui/track/cellmarks.h"
#include "ui/window/errorbox.h"
#include "ui/window/mainmenu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>

namespace {

struct TurnItem
{
    Turn turn;
    const char *name;
    const char *caption;
    const char *key;
};

const TurnItem turnItems[] = {
    {Turn::Clockwise, "Rotateclockwise1", "Rotate clockwise", "Z"},
    {Turn::Anticlockwise, "Rotateanticlockwise1", "Rotate anticlockwise", "Shift+Z"},
    {Turn::MirrorLeftRight, "Mirrorlefttoright1", "Mirror left to right", "X"},
    {Turn::MirrorTopBottom, "Mirrortoptobottom1", "Mirror top to bottom", "Y"},
};

} // namespace

TurnCommands::TurnCommands(const Parts &parts, FloatingStamp &stamp, QObject *parent)
    : QObject(parent), m_parts(parts), m_stamp(stamp), m_marks(new CellMarks(parts.canvas, this))
{
    m_actions.resize(int(Turns::all.size()));
    for (const TurnItem &item : turnItems) {
        QAction *action = MainMenu::addCommand(&parts.menu, item.name, QLatin1String(item.caption),
                                               QKeySequence(QLatin1String(item.key)));
        const Turn turn = item.turn;
        connect(action, &QAction::triggered, this,
                [this, turn] { ErrorBox::guard(&m_parts.window, [&] { this->turn(turn); }); });
        m_actions[int(turn)] = action;
    }
    connect(&parts.document, &TrackDocument::changed, this, &TurnCommands::trackChanged);
    setReady(false);
}

void TurnCommands::setReady(bool ready)
{
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(ready);
}

QString TurnCommands::caption(Turn turn)
{
    for (const TurnItem &item : turnItems)
        if (item.turn == turn)
            return QLatin1String(item.caption);
    return QString();
}

QString TurnCommands::unmatchedText(int count, const QVector<QByteArray> &codes, Turn turn)
{
    if (count == 0)
        return QString();
    QStringList names;
    for (const QByteArray &code : codes)
        names << QString::fromLatin1(code);
    const QString how = Turns::swapsSides(turn) ? QStringLiteral("turned") : QStringLiteral("mirrored");
    const QString pieces = count == 1 ? QStringLiteral("1 piece has") : QStringLiteral("%1 pieces have").arg(count);
    return QStringLiteral("%1 no %2 counterpart: %3").arg(pieces, how, names.join(QStringLiteral(", ")));
}

void TurnCommands::turn(Turn turn)
{
    if (m_stamp.isFloating())
        turnStamp(turn);
    else if (!m_parts.document.selection().isEmpty())
        turnSelection(turn);
    else
        turnTrack(turn);
}

void TurnCommands::turnStamp(Turn turn)
{
    const GridTransform::TurnedBlock turned = GridTransform::turnBlock(m_stamp.block(), turn);
    m_stamp.replace(turned.block, turned.unmatched);
    m_parts.status.setText(unmatchedText(int(turned.unmatched.size()),
                                         GridTransform::codesOf(turned.block, turned.unmatched), turn));
}

void TurnCommands::turnSelection(Turn turn)
{
    TrackDocument &document = m_parts.document;
    const QRect block(0, 0, document.width(), document.height());
    const QRect cells = document.selection().bounds() & block;
    if (cells.isEmpty())
        return turnTrack(turn);
    const GridTransform::TurnedGrid turned = GridTransform::turnRegion(document.grid(), cells, turn);
    {
        QScopedValueRollback<bool> turning(m_turning, true);
        document.record(caption(turn), true, [&] {
            document.setGrid(turned.grid);
            document.setSelection(CellSelection::of(turned.cells & block));
        });
    }
    QString text = unmatchedText(int(turned.unmatched.size()),
                                 GridTransform::codesOf(turned.grid, turned.unmatched), turn);
    if (turned.cutOff > 0) {
        const QString lost = turned.cutOff == 1
                                 ? QStringLiteral("1 cell fell beyond the track and was cut off")
                                 : QStringLiteral("%1 cells fell beyond the track and were cut off").arg(turned.cutOff);
        text = text.isEmpty() ? lost : text + QStringLiteral("; ") + lost;
    }
    m_parts.status.setText(text);
    m_marks->setCells(turned.unmatched);
}

void TurnCommands::turnTrack(Turn turn)
{
    TrackDocument &document = m_parts.document;
    const GridTransform::TurnedGrid turned = GridTransform::turnTrack(document.grid(), turn);
    {
        QScopedValueRollback<bool> turning(m_turning, true);
        document.record(caption(turn), true, [&] { document.setGrid(turned.grid); });
    }
    m_parts.status.setText(unmatchedText(int(turned.unmatched.size()),
                                         GridTransform::codesOf(turned.grid, turned.unmatched), turn));
    m_marks->setCells(turned.unmatched);
}

// ---- Marks ------------------------------------------------------------

const QVector<int> &TurnCommands::marked() const
{
    return m_marks->cells();
}

void TurnCommands::trackChanged()
{
    if (!m_turning)
        m_marks->clear();
}
