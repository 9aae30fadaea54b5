// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/mainstatusbar.h"

#include "ui/window/cellinfolabel.h"
#include "ui/window/statusnotice.h"
#include "ui/window/statusprogress.h"

#include <QLabel>

MainStatusBar::MainStatusBar(const TrackDocument &document, const TrackCanvas &canvas, QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    // A label of our own: the status bar's message would be wiped by the
    // status tips that menus send while the pointer moves over them.
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("StatusText"));
    addWidget(m_text, 1);
    m_progress = std::make_unique<StatusProgress>(m_text);
    // Where the last export or print went, apart from the progress text.
    m_notice = new StatusNotice(this);
    addPermanentWidget(m_notice);
    m_cellInfo = new CellInfoLabel(document, canvas, this);
    addPermanentWidget(m_cellInfo);
}

MainStatusBar::~MainStatusBar() = default;

Progress &MainStatusBar::progress() const
{
    return *m_progress;
}
