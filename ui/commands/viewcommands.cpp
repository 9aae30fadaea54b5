// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/viewcommands.h"

#include "ui/track/trackview.h"
#include "ui/window/mainmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

ViewCommands::ViewCommands(TrackView &view, QMenu &menu, QObject *parent)
    : QObject(parent), m_view(view)
{
    QAction *in = MainMenu::addCommand(&menu, "Zoomin1", QCoreApplication::translate("ViewCommands", "Zoom in"));
    // Ctrl+= as well: on most keyboards "+" needs Shift.
    in->setShortcuts({QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    QAction *out = MainMenu::addCommand(&menu, "Zoomout1", QCoreApplication::translate("ViewCommands", "Zoom out"),
                                        QKeySequence(QStringLiteral("Ctrl+-")));
    QAction *actual = MainMenu::addCommand(&menu, "Actualsize1", QCoreApplication::translate("ViewCommands", "Actual size"),
                                           QKeySequence(QStringLiteral("Ctrl+0")));
    QAction *fit = MainMenu::addCommand(&menu, "Fittrack1", QCoreApplication::translate("ViewCommands", "Fit track"),
                                        QKeySequence(QStringLiteral("Ctrl+9")));
    menu.addSeparator();
    m_rulers = MainMenu::addCommand(&menu, "Showrulers1", QCoreApplication::translate("ViewCommands", "Show rulers"));
    m_rulers->setCheckable(true);
    m_rulers->setChecked(view.rulersShown());

    connect(in, &QAction::triggered, &view, &TrackView::zoomIn);
    connect(out, &QAction::triggered, &view, &TrackView::zoomOut);
    connect(actual, &QAction::triggered, &view, &TrackView::actualSize);
    connect(fit, &QAction::triggered, &view, &TrackView::fitTrack);
    connect(m_rulers, &QAction::toggled, &view, &TrackView::showRulers);
}
