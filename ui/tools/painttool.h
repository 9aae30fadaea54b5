// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tools/tool.h"

class CellEdits;

// "Paint": a press places the current piece, a drag paints it on every cell
// entered, one step of the history a stroke; Space or Enter places it at the
// keyboard's cell.
class PaintTool : public Tool
{
    Q_OBJECT

public:
    PaintTool(CellEdits &edits, QObject *parent);

    Press press(QPoint cell, Qt::KeyboardModifiers keys) override;
    void drag(QPoint cell) override;
    void release() override;
    bool keyed(QPoint cell) override;
    // A stroke under way when another tool takes over ends there.
    void deactivate() override;

private:
    CellEdits &m_edits;
};
