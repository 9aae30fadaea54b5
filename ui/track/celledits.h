// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

class CellMenu;
class QWidget;
class TrackCanvas;
class TrackDocument;
class TrackEdits;

// What the mouse and the keyboard do to the cells, through the document's
// edits (TrackEdits): a paint stroke (one step, however many cells), a
// piece placed at the cursor, picking a cell's piece, and the cell menu's
// inserting and deleting of columns and rows (a step each), which carry a
// road across an inserted line.
class CellEdits : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        TrackCanvas &canvas;
        const QByteArray &currentCode;  // the piece chosen on the palette
    };

    // window is where failures are shown and the cell menu pops up.
    CellEdits(const Parts &parts, QWidget *window);

    // The paint tool's stroke: a press, each cell entered, the release.
    void startStroke(int index);
    void continueStroke(int index);
    void endStroke();
    // Space or Enter at the cursor: one step, as a click.
    void placeOnce(int index);

signals:
    // A cell's piece was picked: it is to become the current piece.
    void pieceWanted(const QByteArray &code);
    // An insert or delete left road ends open that were joined before (a
    // road it could not carry across the new line): they are to be marked.
    void openEndsMade();

private:
    void pick(int index);
    void showMenu(int index, const QPoint &globalPos);
    TrackEdits &edits() const;

    Parts m_parts;
    QWidget *m_window;
    CellMenu *m_menu;
};
