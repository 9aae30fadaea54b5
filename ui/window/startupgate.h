// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

class QAction;

// The editor's start-up as its commands see it: whether it has completed,
// and the items that act on the cells, which wait for it disabled. The main
// window ends it once; a command asks isReady() or follows ended().
class StartupGate : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool isReady() const { return m_ready; }
    // Disables the item until start-up has completed.
    void holdBack(QAction *action);
    // Start-up is over: completed (the items held back are enabled), or
    // stopped for good by a failure (they stay disabled).
    void end(bool completed);

signals:
    void ended(bool completed);

private:
    QVector<QAction *> m_held;
    bool m_ready = false;
};
