// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// The program's dialogs open in the middle of the screen rather than over
// their parent. Called from showEvent, before the window is mapped. move()
// places the frame, so the frame's size is what gets centred; before the
// first showing a window manager may not have told us the frame yet, and
// then the client size is the best guess.
inline void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2,
                 area.y() + (area.height() - outer.height()) / 2);
}
