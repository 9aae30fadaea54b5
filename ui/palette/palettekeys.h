// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVector>

class Palette;
class PictureButton;
class QAction;
class QWidget;

// The palette without a mouse: Ctrl+Page Up and Ctrl+Page Down bring the
// previous and the next page to front, Ctrl+Left and Ctrl+Right choose the
// previous and the next piece of the page shown, as a click on it would.
// Pieces are taken in the order they stand, column by column, top before
// bottom, going round at either end; with no piece of the page down,
// Ctrl+Right starts at the first and Ctrl+Left at the last. The keys work
// wherever the window has the keyboard, so the track keeps it.
class PaletteKeys : public QObject
{
    Q_OBJECT

public:
    // Adds the four actions to window; they are returned for the window to
    // hold back until start-up has completed.
    PaletteKeys(Palette &palette, QWidget &window);

    const QVector<QAction *> &actions() const { return m_actions; }

    void turnPage(int by);
    void stepPiece(int by);
    // The page's piece buttons in the order they stand.
    static QVector<PictureButton *> piecesInOrder(QWidget *page);

private:
    QAction *add(QWidget &window, const char *name, const QString &text, const QKeySequence &key);

    Palette &m_palette;
    QVector<QAction *> m_actions;
};
