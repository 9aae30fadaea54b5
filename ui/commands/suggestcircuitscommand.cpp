// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/suggestcircuitscommand.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/commands/editcommands.h"
#include "ui/suggest/suggestdialog.h"
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
    QAction *item = MainMenu::addCommand(&parts.menu, "Suggestcircuits1", tr("Suggest circuits…"));
    connect(item, &QAction::triggered, this, &SuggestCircuitsCommand::show);
    parts.startup.holdBack(item);
}

void SuggestCircuitsCommand::show()
{
    if (!m_dialog) {
        m_dialog = new SuggestDialog(m_parts.document, m_parts.tiles, &m_parts.window);
        connect(m_dialog, &SuggestDialog::trackChosen, this, &SuggestCircuitsCommand::useAsTrack);
        connect(m_dialog, &SuggestDialog::stampChosen, this, &SuggestCircuitsCommand::placeAsStamp);
        connect(m_dialog, &SuggestDialog::inventoryWanted, &m_parts.inventory, &QAction::trigger);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void SuggestCircuitsCommand::useAsTrack(const TrackGrid &track, const QString &text)
{
    ErrorBox::guard(&m_parts.window, [&] {
        m_parts.document.edits().replaceTrack(track);
        m_parts.status.setText(text);
    });
}

// The stamp's own hint, which the tool box shows, says how to put it down.
void SuggestCircuitsCommand::placeAsStamp(const TrackBlock &block)
{
    m_parts.edit.floatBlock(block);
}
