// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/turncommands.h"

#include "document/gridtransform.h"
#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/tools/floatingstamp.h"
#include "ui/track/cellmarks.h"
#include "ui/window/errorbox.h"
#include "ui/window/mainmenu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>

namespace {

// Each item is captioned with the name of the step it makes.
struct TurnItem
{
    Turn turn;
    const char *name;
    const char *key;
};

const TurnItem turnItems[] = {
    {Turn::Clockwise, "Rotateclockwise1", "Z"},
    {Turn::Anticlockwise, "Rotateanticlockwise1", "Shift+Z"},
    {Turn::MirrorLeftRight, "Mirrorlefttoright1", "X"},
    {Turn::MirrorTopBottom, "Mirrortoptobottom1", "Y"},
};

} // namespace

TurnCommands::TurnCommands(const Parts &parts, FloatingStamp &stamp, QObject *parent)
    : QObject(parent), m_parts(parts), m_stamp(stamp), m_marks(new CellMarks(parts.canvas, this))
{
    m_actions.resize(int(Turns::all.size()));
    for (const TurnItem &item : turnItems) {
        QAction *action = MainMenu::addCommand(&parts.menu, item.name, TrackEdits::turnName(item.turn),
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

void TurnCommands::turn(Turn turn)
{
    if (m_stamp.isFloating()) {
        turnStamp(turn);
        return;
    }
    TrackEdits::Turned turned;
    {
        QScopedValueRollback<bool> turning(m_turning, true);
        turned = m_parts.document.edits().turn(turn);
    }
    m_parts.status.setText(turned.text);
    m_marks->setCells(turned.unmatched);
}

// The stamp is not on the track yet: turning it is no step.
void TurnCommands::turnStamp(Turn turn)
{
    const GridTransform::TurnedBlock turned = GridTransform::turnBlock(m_stamp.block(), turn);
    m_stamp.replace(turned.block, turned.unmatched);
    m_parts.status.setText(GridTransform::unmatchedText(int(turned.unmatched.size()),
                                                        GridTransform::codesOf(turned.block, turned.unmatched), turn));
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
