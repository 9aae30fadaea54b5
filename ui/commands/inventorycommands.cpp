// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/inventorycommands.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/dialogs/csvfiledialog.h"
#include "ui/track/cellmarks.h"
#include "ui/window/errorbox.h"
#include "ui/window/mainmenu.h"
#include "ui/window/startupgate.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

InventoryCommands::InventoryCommands(const Parts &parts, QObject *parent)
    : QObject(parent), m_parts(parts),
      m_dialog(std::make_unique<QtCsvFileDialog>(&parts.window, tr("Inventory"))),
      m_marks(new CellMarks(parts.canvas, this))
{
    parts.menu.addSeparator();
    m_open = MainMenu::addCommand(&parts.menu, "Inventory1", tr("Inventory…"));
    m_forget = MainMenu::addCommand(&parts.menu, "Forgetinventory1", tr("Forget inventory"));
    m_useOwned = MainMenu::addCommand(&parts.menu, "Useownedpieces1", tr("Use owned pieces"));
    m_open->setStatusTip(tr("Read the pieces the club owns from a CSV file of code,count lines"));
    m_useOwned->setStatusTip(tr("Put owned pieces that fit alike in place of the pieces too few of"));
    parts.startup.holdBack(m_open);
    connect(m_open, &QAction::triggered, this, &InventoryCommands::open);
    connect(m_forget, &QAction::triggered, this, &InventoryCommands::forget);
    connect(m_useOwned, &QAction::triggered, this,
            [this] { ErrorBox::guard(&m_parts.window, [this] { useOwnedPieces(); }); });

    // Told once the command that made the edit has ended: a turn or a check
    // of the connections writes the status bar after the edit itself.
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &InventoryCommands::tellOver);
    const SessionInventory &inventory = parts.document.inventory();
    connect(&inventory, &SessionInventory::replaced, this, &InventoryCommands::followInventory);
    connect(&inventory, &SessionInventory::overChanged, this,
            [this] { m_marks->setCells(m_parts.document.inventory().over().cells()); });
    // After the inventory has followed the move: it connected first.
    connect(&parts.document, &TrackDocument::historyMoved, this, &InventoryCommands::followHistory);
    connect(&parts.startup, &StartupGate::ended, this, &InventoryCommands::followInventory);
    followInventory();
}

InventoryCommands::~InventoryCommands() = default;

void InventoryCommands::setCsvDialog(std::unique_ptr<CsvFileDialog> dialog)
{
    m_dialog = std::move(dialog);
}

void InventoryCommands::open()
{
    const QString name = m_dialog->askInventoryName();
    if (name.isEmpty())
        return;
    ErrorBox::guard(&m_parts.window, [&] { load(name); });
}

void InventoryCommands::load(const QString &path)
{
    SessionInventory &inventory = m_parts.document.inventory();
    inventory.load(path);
    const QString shortText = Inventory::shortText(inventory.shortages());
    say(tr("Inventory %1: %2").arg(QFileInfo(path).fileName(), shortText));
}

void InventoryCommands::forget()
{
    m_parts.document.inventory().forget();
    say(tr("Inventory forgotten"));
}

void InventoryCommands::useOwnedPieces()
{
    const Inventory *inventory = m_parts.document.inventory().inventory();
    if (!inventory)
        return;
    // Nothing changes when nothing can: the text says why.
    say(m_parts.document.edits().useOwnedPieces(*inventory).text());
}

void InventoryCommands::followInventory()
{
    const bool loaded = m_parts.document.inventory().isLoaded();
    const bool ready = m_parts.startup.isReady();
    m_forget->setEnabled(ready && loaded);
    m_useOwned->setEnabled(ready && loaded);
}

void InventoryCommands::followHistory()
{
    if (!m_parts.document.inventory().over().isEmpty()) {
        m_pending.start();
        return;
    }
    m_pending.stop();
    // The warning goes with its marks, unless something else has been said since.
    if (!m_said.isEmpty() && m_parts.status.text() == m_said)
        m_parts.status.setText(QString());
    m_said.clear();
}

void InventoryCommands::tellOver()
{
    say(m_parts.document.inventory().over().text());
}

void InventoryCommands::say(const QString &text)
{
    m_parts.status.setText(text);
    m_said = text;
}
