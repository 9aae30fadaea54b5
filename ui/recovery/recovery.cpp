// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/recovery.h"

#include "document/recoverycopy.h"
#include "document/trackdocument.h"
#include "ui/commands/filecommands.h"
#include "ui/dialogs/tsaveform.h"
#include "ui/recovery/recoveryfolder.h"
#include "ui/recovery/recoverykeeper.h"
#include "ui/recovery/recoverylock.h"
#include "ui/window/errorbox.h"
#include "ui/window/startupgate.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

Recovery::Recovery(const Parts &parts, const QString &folder, QObject *parent)
    : QObject(parent), m_parts(parts), m_folder(folder),
      m_question(std::make_unique<DialogRecoveryQuestion>(&parts.window))
{
    m_keeper = new RecoveryKeeper(parts.document, folder, this);
    connect(m_keeper, &RecoveryKeeper::cannotWrite, &parts.status, &QLabel::setText);
    connect(&parts.startup, &StartupGate::ended, this, [this](bool completed) {
        // Queued: the window paints its track before the question comes.
        if (completed)
            QTimer::singleShot(0, this, &Recovery::offerCopies);
    });
}

Recovery::~Recovery() = default;

void Recovery::setQuestion(std::unique_ptr<RecoveryQuestion> question)
{
    m_question = std::move(question);
}

void Recovery::offerCopies()
{
    for (const QString &path : RecoveryFolder::copies(m_folder)) {
        // The session ended during a question: the rest waits for the next
        // start.
        if (m_keeper->isStopped())
            break;
        if (path != m_keeper->copyPath())
            offer(path);
    }
    // Locks that an editor killed before its first write left alone.
    RecoveryFolder::removeStaleLocks(m_folder);
    RecoveryFolder::removeIfEmpty(m_folder);
    emit offerEnded();
}

bool Recovery::offer(const QString &copyPath)
{
    // Held while the question is open, so that an editor starting at the
    // same moment does not offer the same copy; refused while the copy's
    // own editor runs. A lock that cannot be made at all (a folder that
    // is not writable) keeps no editor from its copy.
    RecoveryLock lock(RecoveryFolder::lockPathFor(copyPath));
    if (lock.take() == RecoveryLock::Held)
        return false;
    // Another editor may have dealt with it before the lock was ours.
    if (!QFileInfo::exists(copyPath))
        return true;
    const std::optional<RecoveryCopy> copy = RecoveryCopy::read(copyPath);
    RecoveryQuestion::Offer offer{copyPath, QString(), QFileInfo(copyPath).lastModified(), !copy};
    if (copy) {
        offer.fileName = copy->fileName;
        offer.time = copy->time;
    }
    switch (m_question->ask(offer)) {
    case RecoveryQuestion::Restore:
        if (!copy || !restore(copyPath, offer))
            return false;
        break;
    case RecoveryQuestion::Discard:
        break;
    case RecoveryQuestion::Later:
        return false;
    }
    QFile::remove(copyPath);
    return true;
}

bool Recovery::restore(const QString &copyPath, const RecoveryQuestion::Offer &offer)
{
    // A track restored a moment ago is modified: the usual question first.
    FileCommands &files = m_parts.files;
    bool restored = false;
    ErrorBox::guard(&m_parts.window, [&] {
        if (files.askSaveChanges() == TSaveForm::Cancel)
            return;
        const std::optional<RecoveryCopy> copy = RecoveryCopy::read(copyPath);
        if (!copy)
            return;
        files.restore(copy->grid, offer.fileName);
        // The restored track differs from any state the history could undo
        // back to as saved.
        m_parts.document.history().resetClean();
        restored = true;
    });
    // The old copy goes only once this editor's own copy holds the track.
    return restored && m_keeper->writeNow();
}
