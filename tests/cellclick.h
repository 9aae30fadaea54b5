// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/track/trackcanvas.h"
#include "ui/track/trackview.h"
#include "ui/window/tmainform.h"

#include <QTest>
#include <QWindow>

// A mouse action on a cell of the window's track, as the user does it:
// the cell is scrolled into view and the event goes through the window, so
// it reaches whatever lies on top there.
inline void cellMouse(TMainForm &window, QTest::MouseAction action, int index,
                      Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {})
{
    TrackCanvas *canvas = window.canvas();
    const QRect rect = canvas->cellRect(index);
    window.trackView()->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2,
                                      rect.height() / 2);
    QTest::mouseEvent(action, window.windowHandle(), button, keys, canvas->mapTo(&window, rect.center()));
}

inline void clickCell(TMainForm &window, int index, Qt::MouseButton button = Qt::LeftButton)
{
    cellMouse(window, QTest::MouseClick, index, button);
}
