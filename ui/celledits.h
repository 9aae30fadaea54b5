#pragma once

#include <QByteArray>
#include <QObject>

class CellMenu;
class EditCommands;
class QWidget;
class TrackDocument;
class TrackView;

// What the mouse does to the cells, as steps of the edit history: a paint
// stroke (one step, however many cells), picking a cell's piece, and the
// cell menu's inserting and deleting of columns and rows (a step each),
// which carry a road across an inserted line.
class CellEdits : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        TrackView &view;
        EditCommands &edits;
        const QByteArray &currentCode;  // the piece chosen on the palette
    };

    // window is where failures are shown and the cell menu pops up.
    CellEdits(const Parts &parts, QWidget *window);

signals:
    // A cell's piece was picked: it is to become the current piece.
    void pieceWanted(const QByteArray &code);
    // An insert or delete left road ends open that were joined before (a
    // road it could not carry across the new line): they are to be marked.
    void openEndsMade();

private:
    void startStroke(int index);
    void continueStroke(int index);
    void place(int index, const QString &name);
    void pick(int index);
    void showMenu(int index, const QPoint &globalPos);

    Parts m_parts;
    QWidget *m_window;
    CellMenu *m_menu;
    int m_stroke = 0;   // the stroke going on, 0 when none
    int m_strokes = 0;  // strokes so far, to tell them apart
};
