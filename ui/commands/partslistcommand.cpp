// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/partslistcommand.h"

#include "document/trackdocument.h"
#include "ui/dialogs/partslistwindow.h"
#include "ui/window/mainmenu.h"
#include "ui/window/startupgate.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

PartsListCommand::PartsListCommand(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts)
{
    QAction *item = MainMenu::addCommand(&parts.menu, "Partslist1", QCoreApplication::translate("PartsListCommand", "Parts list…"),
                                         QKeySequence(QStringLiteral("Ctrl+L")));
    connect(item, &QAction::triggered, this, &PartsListCommand::show);
    parts.startup.holdBack(item);
}

void PartsListCommand::show()
{
    if (!m_partsList) {
        m_partsList = new PartsListWindow(m_parts.document, m_parts.tiles, &m_parts.window);
        connect(m_partsList, &PartsListWindow::circuitChosen, this, &PartsListCommand::markCircuit);
    }
    m_partsList->showAndRaise();
}

const Inventory *PartsListCommand::inventory() const
{
    return m_partsList ? m_partsList->inventory() : nullptr;
}

void PartsListCommand::markCircuit(const QVector<int> &cells)
{
    if (cells.isEmpty())
        return;
    // The circuit's cells become the selection, which the canvas outlines:
    // the user sees them and can copy, move or turn them at once.
    CellSelection selection;
    for (int index : cells)
        selection.add(index);
    const QRect bounds = selection.bounds();
    const int pieces = int(cells.size());
    const QString text = pieces == 1
        ? QCoreApplication::translate("PartsListCommand", "Circuit of 1 piece in columns %1–%2, rows %3–%4")
        : QCoreApplication::translate("PartsListCommand", "Circuit of %n pieces in columns %1–%2, rows %3–%4", nullptr,
                                      pieces);
    m_parts.status.setText(text.arg(bounds.left() + 1)
                               .arg(bounds.right() + 1)
                               .arg(bounds.top() + 1)
                               .arg(bounds.bottom() + 1));
    m_parts.document.setSelection(selection);
    emit circuitMarked(cells);
}
