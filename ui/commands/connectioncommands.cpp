// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/connectioncommands.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "document/trackfacts.h"
#include "pieces/connectioncheck.h"
#include "ui/dialogs/sessioncar.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"
#include "ui/window/mainmenu.h"
#include "ui/window/startupgate.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

ConnectionCommands::ConnectionCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts)
{
    m_check = MainMenu::addCommand(&parts.menu, "Checkconnections1",
                                   QCoreApplication::translate("ConnectionCommands", "Check connections"), QKeySequence(Qt::Key_F5));
    m_show = MainMenu::addCommand(&parts.menu, "Showopenends1", QCoreApplication::translate("ConnectionCommands", "Show open ends"));
    m_show->setCheckable(true);
    m_closeGaps = MainMenu::addCommand(&parts.menu, "Closegaps1", QCoreApplication::translate("ConnectionCommands", "Close gaps"),
                                       QKeySequence(Qt::Key_F6));
    parts.startup.holdBack(m_check);
    parts.startup.holdBack(m_show);
    parts.startup.holdBack(m_closeGaps);

    // A change is followed once the command that made it has finished: a
    // visit of the size dialog changes the grid at every slider step, and the
    // progress text that ends a command would wipe a count set in the middle
    // of it.
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &ConnectionCommands::followTrack);

    connect(m_check, &QAction::triggered, this, &ConnectionCommands::check);
    connect(m_show, &QAction::toggled, this, &ConnectionCommands::followTrack);
    connect(m_closeGaps, &QAction::triggered, this,
            [this] { ErrorBox::guard(&m_parts.window, [this] { closeGaps(); }); });
    connect(&parts.document, &TrackDocument::changed, this, &ConnectionCommands::trackChanged);
}

void ConnectionCommands::check()
{
    mark(QString());
}

void ConnectionCommands::closeGaps()
{
    const GapCloser::Result result = m_parts.document.edits().closeGaps();
    // The ends that no run could reach stay marked.
    mark(GapCloser::summaryText(result.gaps, result.pieces));
}

void ConnectionCommands::mark(const QString &status)
{
    m_pending.stop();
    const TrackDocument &document = m_parts.document;
    const TrackGrid &grid = document.grid();
    const QVector<OpenEnd> ends = ConnectionCheck::openEnds(
        grid.width(), grid.height(), [&grid](int column, int row) { return grid.cell(column, row).code; });
    // A cell of the block that does not show has no place for a mark.
    QVector<OpenEnd> shown;
    for (const OpenEnd &end : ends)
        if (grid.cell(end.column, end.row).visible)
            shown.append(end);
    m_parts.canvas.setMarks(shown);

    // With every end closed the check goes on to the circuits.
    const QString text =
        status.isEmpty() ? SessionCar::lap().checkText(grid, TrackFacts(grid), int(shown.size())) : status;
    m_parts.status.setText(text);
    m_shown = text;
}

void ConnectionCommands::trackChanged()
{
    m_pending.start();
}

void ConnectionCommands::followTrack()
{
    if (m_show->isChecked())
        check();
    else
        clearMarks();
}

void ConnectionCommands::clearMarks()
{
    m_pending.stop();
    m_parts.canvas.setMarks({});
    // The count goes with its marks, unless something else has been said since.
    if (!m_shown.isEmpty() && m_parts.status.text() == m_shown)
        m_parts.status.setText(QString());
    m_shown.clear();
}
