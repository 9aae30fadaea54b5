// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class TrackCanvas;
class TrackDocument;

// The status bar's permanent field on the right (cellInfoLabel): the column
// and row of the cell under the pointer, or else of the keyboard's cursor,
// with that cell's piece, then the name of the open file, marked with "*"
// while the track has unsaved changes ("Untitled" before it has a file).
class CellInfoLabel : public QLabel
{
    Q_OBJECT

public:
    CellInfoLabel(const TrackDocument &document, const TrackCanvas &canvas, QWidget *parent = nullptr);

    // The text for a cell (-1 for none) and the document as it is.
    QString textFor(int index) const;
    static QString fileText(const QString &fileName, bool modified);

private:
    void refresh();

    const TrackDocument &m_document;
    const TrackCanvas &m_canvas;
};
