// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMenu;
class TrackView;

// The View menu: zooming the track view ("Zoom in", "Zoom out", "Actual
// size", "Fit track") and "Show rulers". What it changes is the view alone:
// never the track, never stored.
class ViewCommands : public QObject
{
    Q_OBJECT

public:
    ViewCommands(TrackView &view, QMenu &menu, QObject *parent);

    QAction *rulersAction() const { return m_rulers; }

private:
    TrackView &m_view;
    QAction *m_rulers;
};
