// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>

// A permanent field of the status bar that says where the last export or
// print went ("Exported /home/ann/club.jpg"). It is apart from the progress
// text, which the long loops own. A long path is shortened in the middle to
// keep the status bar's layout; the whole message is its tooltip.
class StatusNotice : public QLabel
{
    Q_OBJECT

public:
    explicit StatusNotice(QWidget *parent = nullptr);

    void tell(const QString &message);
    void forget();
    // The whole message, as told.
    const QString &message() const { return m_message; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showShortened();

    QString m_message;
};
