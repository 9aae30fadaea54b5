// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tools/tool.h"

#include <QByteArray>

class QWidget;
class TrackDocument;

// "Fill": a click gives the current piece to the cell and to every cell
// joined to it through cells of the same code, across cell edges, inside
// the block; one step of the history, and none when nothing changes. Space
// or Enter fills from the keyboard's cell.
class FillTool : public Tool
{
    Q_OBJECT

public:
    FillTool(TrackDocument &document, const QByteArray &currentCode, QWidget *window, QObject *parent);

    Press press(QPoint cell, Qt::KeyboardModifiers keys) override;
    bool keyed(QPoint cell) override;

private:
    void fill(QPoint cell);

    TrackDocument &m_document;
    const QByteArray &m_currentCode;
    QWidget *m_window;
};
