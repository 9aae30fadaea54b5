// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/suggestcircuitscommand.h"

#include "document/trackdocument.h"
#include "document/trackreplacement.h"
#include "ui/suggest/suggestdialog.h"
#include "ui/tools/floatingstamp.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"
#include "ui/window/mainmenu.h"
#include "ui/window/startupgate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

SuggestCircuitsCommand::SuggestCircuitsCommand(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts)
{
    m_parts.menu.addSeparator();
    QAction *item = MainMenu::addCommand(&parts.menu, "Suggestcircuits1", QStringLiteral("Suggest circuits…"));
    connect(item, &QAction::triggered, this, &SuggestCircuitsCommand::show);
    parts.startup.holdBack(item);
    // The hint how to put the stamp down goes with the stamp.
    connect(&m_parts.stamp, &FloatingStamp::floatingChanged, this, [this](bool floating) {
        if (!floating && !m_hint.isEmpty() && m_parts.status.text() == m_hint)
            m_parts.status.setText(QString());
    });
}

void SuggestCircuitsCommand::show()
{
    if (!m_dialog) {
        m_dialog = new SuggestDialog(m_parts.document, m_parts.tiles, &m_parts.window);
        connect(m_dialog, &SuggestDialog::trackChosen, this, &SuggestCircuitsCommand::useAsTrack);
        connect(m_dialog, &SuggestDialog::stampChosen, this, &SuggestCircuitsCommand::placeAsStamp);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void SuggestCircuitsCommand::useAsTrack(const TrackGrid &track, const QString &text)
{
    ErrorBox::guard(&m_parts.window, [&] {
        TrackReplacement::replace(m_parts.document, track, stepName());
        m_parts.status.setText(text);
    });
}

void SuggestCircuitsCommand::placeAsStamp(const TrackBlock &block, const QString &text)
{
    const TrackCanvas &canvas = m_parts.canvas;
    const int at = canvas.hoverCell() >= 0 ? canvas.hoverCell() : canvas.cursorCell();
    m_parts.stamp.lift(block, QPoint(TrackGrid::columnOf(at), TrackGrid::rowOf(at)));
    m_hint = QStringLiteral("%1 – click or press Enter to place it, Esc drops it").arg(text);
    m_parts.status.setText(m_hint);
}
