// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/sessioninventory.h"

#include "document/partslist.h"
#include "document/trackdocument.h"

#include <QCoreApplication>

SessionInventory::SessionInventory(const TrackDocument &document)
    : m_document(document)
{
    connect(&document, &TrackDocument::changed, this, &SessionInventory::recount);
    connect(&document, &TrackDocument::historyMoved, this, &SessionInventory::followHistory);
}

void SessionInventory::load(const QString &path)
{
    set(Inventory::read(path), path);
}

void SessionInventory::set(const Inventory &inventory, const QString &fileName)
{
    m_inventory = inventory;
    m_fileName = fileName;
    m_used = PieceCounts(m_document.grid());
    setOver(OverOwned());
    emit replaced();
    emit changed();
}

void SessionInventory::forget()
{
    if (!m_inventory)
        return;
    m_inventory.reset();
    m_fileName.clear();
    m_used = PieceCounts();
    setOver(OverOwned());
    emit replaced();
    emit changed();
}

int SessionInventory::owned(const QByteArray &code) const
{
    return m_inventory ? m_inventory->owned(code) : 0;
}

QString SessionInventory::countText(const QByteArray &code) const
{
    if (!m_inventory)
        return QString();
    if (!limits(code))
        return tr("Not in the inventory: as much as the track needs");
    const int rest = left(code);
    const QString text = rest < 0 ? QCoreApplication::translate("SessionInventory", "%1 owned, %2 used, %3 short")
                                  : QCoreApplication::translate("SessionInventory", "%1 owned, %2 used, %3 left");
    return text.arg(owned(code)).arg(used(code)).arg(qAbs(rest));
}

QVector<Inventory::Shortage> SessionInventory::shortages() const
{
    return m_inventory ? m_inventory->shortages(PartsList(m_document.grid())) : QVector<Inventory::Shortage>();
}

// A tile read again changes no count: only a change of the counts is news.
void SessionInventory::recount()
{
    if (!m_inventory)
        return;
    PieceCounts used(m_document.grid());
    if (used == m_used)
        return;
    m_used = std::move(used);
    emit changed();
}

void SessionInventory::followHistory()
{
    if (m_inventory)
        setOver(OverOwned(m_document.gridBeforeMove(), m_document.grid(), *m_inventory));
}

void SessionInventory::setOver(const OverOwned &over)
{
    if (over == m_over)
        return;
    m_over = over;
    emit overChanged();
}
