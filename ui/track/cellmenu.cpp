// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/cellmenu.h"

#include "document/trackgrid.h"
#include "ui/window/mainmenu.h"

#include <QAction>
#include <QCoreApplication>

CellMenu::CellMenu(QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("CellMenu"));
    addChoice("PickPiece1", QCoreApplication::translate("CellMenu", "Pick this piece"), Pick);
    addSeparator();
    addChoice("InsertColumnLeft1", QCoreApplication::translate("CellMenu", "Insert column left"), InsertColumnLeft);
    addChoice("InsertColumnRight1", QCoreApplication::translate("CellMenu", "Insert column right"), InsertColumnRight);
    addChoice("DeleteColumn1", QCoreApplication::translate("CellMenu", "Delete column"), DeleteColumn);
    addSeparator();
    addChoice("InsertRowAbove1", QCoreApplication::translate("CellMenu", "Insert row above"), InsertRowAbove);
    addChoice("InsertRowBelow1", QCoreApplication::translate("CellMenu", "Insert row below"), InsertRowBelow);
    addChoice("DeleteRow1", QCoreApplication::translate("CellMenu", "Delete row"), DeleteRow);
}

QAction *CellMenu::addChoice(const char *name, const QString &text, Choice choice)
{
    QAction *action = MainMenu::addCommand(this, name, text);
    action->setData(int(choice));
    return action;
}

CellMenu::Choice CellMenu::choose(const QPoint &globalPos, int width, int height)
{
    const bool enabled[] = {true, width < TrackGrid::side, width < TrackGrid::side, width > 1,
                            height < TrackGrid::side, height < TrackGrid::side, height > 1};
    for (QAction *action : actions()) {
        if (!action->isSeparator())
            action->setEnabled(enabled[action->data().toInt() - Pick]);
    }
    const QAction *chosen = exec(globalPos);
    return chosen ? Choice(chosen->data().toInt()) : None;
}
