// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

class QWidget;

// The start-up question about a recovery copy, behind a small interface so
// that tests answer it without a modal dialog.
class RecoveryQuestion
{
public:
    enum Answer {
        Restore,
        Discard,
        Later,  // the dialog was closed without a button: the copy stays
    };

    struct Offer
    {
        QString copyPath;
        QString fileName;  // the track's, empty for a track never saved
        QDateTime time;    // when the copy was written
        bool damaged = false;
    };

    virtual ~RecoveryQuestion() = default;
    // A damaged copy can only be discarded (or left).
    virtual Answer ask(const Offer &offer) = 0;
};

// The real question: the "Recover unsaved track" dialog.
class DialogRecoveryQuestion : public RecoveryQuestion
{
public:
    explicit DialogRecoveryQuestion(QWidget *owner);
    Answer ask(const Offer &offer) override;

private:
    QWidget *m_owner;
};
