// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/recovery/recoveryquestion.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "Recover unsaved track": names the track and when its copy was written,
// and offers "&Restore" (the default) and "&Discard". A damaged copy is
// named by its own path and can only be discarded.
class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    RecoveryDialog(const RecoveryQuestion::Offer &offer, QWidget *parent = nullptr);

    // Shows the dialog modally; Later when it was closed without a button.
    RecoveryQuestion::Answer ask();

    static QString text(const RecoveryQuestion::Offer &offer);

private:
    RecoveryQuestion::Answer m_answer = RecoveryQuestion::Later;
    QLabel *m_text = nullptr;
    QPushButton *m_restore = nullptr;
    QPushButton *m_discard = nullptr;
};
