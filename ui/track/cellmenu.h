// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

// The menu of a right click on a cell (CellMenu): "Pick this piece", then
// inserting and deleting the cell's column and row.
class CellMenu : public QMenu
{
    Q_OBJECT

public:
    enum Choice {
        None,
        Pick,
        InsertColumnLeft,
        InsertColumnRight,
        DeleteColumn,
        InsertRowAbove,
        InsertRowBelow,
        DeleteRow,
    };

    explicit CellMenu(QWidget *parent = nullptr);

    // Shows the menu at a screen point for a grid of that size and returns
    // the item chosen. Inserting stops at 30 columns (rows), deleting at 1.
    Choice choose(const QPoint &globalPos, int width, int height);

private:
    QAction *addChoice(const char *name, const QString &text, Choice choice);
};
