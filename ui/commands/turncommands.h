// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/turn.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

class CellMarks;
class FloatingStamp;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class TrackCanvas;
class TrackDocument;

// The Edit menu's "Rotate clockwise" (Z), "Rotate anticlockwise" (Shift+Z),
// "Mirror left to right" (X) and "Mirror top to bottom" (Y). Each acts on
// the floating stamp if there is one, else on the selection (its bounding
// rectangle, turned about its top-left cell), else on the whole track, and
// every piece becomes its counterpart from the piece table. Turning the
// track or a selection is one step of the history; turning the stamp
// changes only the stamp, as nothing is on the track yet.
//
// Pieces without a counterpart keep their code; the status bar names them
// and the canvas marks their cells until the track next changes.
class TurnCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;  // where the kept pieces are marked
        QMenu &menu;          // Edit, which the items join
        QLabel &status;       // the status bar's text
        QWidget &window;      // where failures are shown
    };

    TurnCommands(const Parts &parts, FloatingStamp &stamp, QObject *parent);

    QAction *action(Turn turn) const { return m_actions[int(turn)]; }
    void setReady(bool ready);

    void turn(Turn turn);

    // The track cells marked as kept by the last turn.
    const QVector<int> &marked() const;

private:
    void turnStamp(Turn turn);
    void trackChanged();

    Parts m_parts;
    FloatingStamp &m_stamp;
    QVector<QAction *> m_actions;
    CellMarks *m_marks;
    bool m_turning = false;  // our own change is not the next change
};
