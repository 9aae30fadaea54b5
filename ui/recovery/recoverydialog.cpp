// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/recoverydialog.h"

#include "base/shownbytes.h"
#include "ui/dialogs/dialogplacement.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString shownTime(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

RecoveryQuestion::Answer DialogRecoveryQuestion::ask(const Offer &offer)
{
    RecoveryDialog dialog(offer, m_owner);
    return dialog.ask();
}

DialogRecoveryQuestion::DialogRecoveryQuestion(QWidget *owner)
    : m_owner(owner)
{
}

RecoveryDialog::RecoveryDialog(const RecoveryQuestion::Offer &offer, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(QCoreApplication::translate("RecoveryDialog", "Recover unsaved track"));

    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *icon = new QLabel(this);
    const QStyle::StandardPixmap kind = offer.damaged ? QStyle::SP_MessageBoxWarning
                                                      : QStyle::SP_MessageBoxQuestion;
    icon->setPixmap(style()->standardIcon(kind).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    m_text = new QLabel(text(offer), this);
    m_text->setObjectName(QStringLiteral("RecoveryText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(420);
    row->addWidget(m_text, 1);
    layout->addLayout(row);

    auto *buttons = new QDialogButtonBox(this);
    m_restore = buttons->addButton(QCoreApplication::translate("RecoveryDialog", "&Restore"), QDialogButtonBox::AcceptRole);
    m_restore->setObjectName(QStringLiteral("RestoreButton"));
    m_discard = buttons->addButton(QCoreApplication::translate("RecoveryDialog", "&Discard"), QDialogButtonBox::DestructiveRole);
    m_discard->setObjectName(QStringLiteral("DiscardButton"));
    layout->addWidget(buttons);

    // Restoring loses nothing, so Enter means Restore; a damaged copy has
    // nothing to restore.
    m_restore->setEnabled(!offer.damaged);
    (offer.damaged ? m_discard : m_restore)->setDefault(true);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        m_answer = RecoveryQuestion::Restore;
        accept();
    });
    connect(m_discard, &QPushButton::clicked, this, [this] {
        m_answer = RecoveryQuestion::Discard;
        accept();
    });
}

RecoveryQuestion::Answer RecoveryDialog::ask()
{
    m_answer = RecoveryQuestion::Later;
    adjustSize();
    centreOnScreen(this);
    exec();
    return m_answer;
}

QString RecoveryDialog::text(const RecoveryQuestion::Offer &offer)
{
    const QString time = shownTime(offer.time);
    if (offer.damaged)
        return QCoreApplication::translate("RecoveryDialog", "A recovery copy of unsaved work, written at %1, is damaged and "
                              "cannot be restored:\n%2")
            .arg(time, QDir::toNativeSeparators(offer.copyPath));
    const QString track = offer.fileName.isEmpty()
                              ? QCoreApplication::translate("RecoveryDialog", "a new track that was never saved")
                              : QDir::toNativeSeparators(ShownBytes::fileName(offer.fileName));
    return QCoreApplication::translate("RecoveryDialog", "The editor ended before the changes to %1 were saved.\n\n"
                          "A recovery copy of them was written at %2. Restore it to go on "
                          "where you left off, or discard it.")
        .arg(track, time);
}
