// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>
#include <memory>

class CellInfoLabel;
class Progress;
class QLabel;
class StatusNotice;
class StatusProgress;
class TrackCanvas;
class TrackDocument;

// The main window's status bar (StatusBar1): on its left the text that the
// long loops' progress and the commands write (StatusText), on its right
// the notice of the last export or print and the cell and file field.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    MainStatusBar(const TrackDocument &document, const TrackCanvas &canvas, QWidget *parent);
    ~MainStatusBar() override;

    QLabel &text() const { return *m_text; }
    Progress &progress() const;
    StatusNotice &notice() const { return *m_notice; }
    CellInfoLabel *cellInfo() const { return m_cellInfo; }

private:
    QLabel *m_text;
    std::unique_ptr<StatusProgress> m_progress;
    StatusNotice *m_notice;
    CellInfoLabel *m_cellInfo;
};
