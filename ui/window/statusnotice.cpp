// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/statusnotice.h"

#include <QFontMetrics>

namespace {

// Wide enough for a path of a few folders, narrow enough to leave the
// progress text its room on a small screen.
constexpr int widestNotice = 520;

} // namespace

StatusNotice::StatusNotice(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("noticeLabel"));
    setMaximumWidth(widestNotice);
    setTextFormat(Qt::PlainText);
}

void StatusNotice::tell(const QString &message)
{
    m_message = message;
    setToolTip(message);
    showShortened();
}

void StatusNotice::forget()
{
    tell(QString());
}

void StatusNotice::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showShortened();
}

void StatusNotice::showShortened()
{
    const QString shown = fontMetrics().elidedText(m_message, Qt::ElideMiddle, widestNotice);
    if (shown != text())
        setText(shown);
}
