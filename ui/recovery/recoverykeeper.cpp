// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recovery/recoverykeeper.h"

#include "base/kwerror.h"
#include "document/recoverycopy.h"
#include "document/trackdocument.h"
#include "ui/recovery/recoveryfolder.h"
#include "ui/recovery/recoverylock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

RecoveryKeeper::RecoveryKeeper(TrackDocument &document, const QString &folder, QObject *parent)
    : QObject(parent), m_document(document), m_folder(folder)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    connect(&m_document, &TrackDocument::changed, this, &RecoveryKeeper::follow);
    connect(&m_document, &TrackDocument::modifiedChanged, this, &RecoveryKeeper::follow);
    connect(&m_document, &TrackDocument::fileNameChanged, this, &RecoveryKeeper::follow);
}

RecoveryKeeper::~RecoveryKeeper()
{
    // A normal end: the user has answered the close question. A copy kept
    // for the session's end stays.
    discard();
    m_lock.reset();
    RecoveryFolder::removeIfEmpty(m_folder);
}

QString RecoveryKeeper::copyPath() const
{
    return m_copyPath;
}

void RecoveryKeeper::follow()
{
    if (m_stopped)
        return;
    // The track changed after a log-out's copy was kept: the session went on.
    m_kept = false;
    if (!m_document.isModified()) {
        m_timer.stop();
        discard();
        return;
    }
    // Armed by the first change, not pushed back by the next ones: a long
    // stroke is kept every few seconds rather than only once it ends.
    if (!m_timer.isActive())
        m_timer.start();
}

bool RecoveryKeeper::writeNow()
{
    m_timer.stop();
    if (!m_document.isModified())
        return true;
    // The copy written for the end must not become another track's.
    if (m_stopped)
        return false;
    if (!takeSlot()) {
        report();
        return false;
    }
    RecoveryCopy copy;
    copy.grid = m_document.grid();
    copy.fileName = m_document.fileName();
    copy.time = QDateTime::currentDateTimeUtc();
    try {
        RecoveryCopy::write(m_copyPath, copy);
    } catch (const KwError &) {
        report();
        return false;
    } catch (const std::bad_alloc &) {
        report();
        return false;
    }
    return true;
}

void RecoveryKeeper::keepAndStop()
{
    if (m_stopped)
        return;
    keep();
    m_stopped = true;
}

void RecoveryKeeper::keep()
{
    if (m_stopped)
        return;
    writeNow();
    m_kept = true;
}

void RecoveryKeeper::end()
{
    m_timer.stop();
    discard();
    m_stopped = true;
}

void RecoveryKeeper::discard()
{
    if (!m_lock || m_kept)
        return;
    QFile::remove(m_copyPath);
    m_lock.reset();
    m_copyPath.clear();
}

bool RecoveryKeeper::takeSlot()
{
    if (m_lock)
        return true;
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        return false;
    // The process id tells people which editor a copy was; the random part
    // keeps apart editors that share an id (every editor in its own
    // container is pid 1) and steps past copies that a former editor of the
    // same id left behind.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString id = pid + QLatin1Char('-')
                           + QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, u'0');
        const QString path = RecoveryFolder::copyPath(m_folder, id);
        if (QFileInfo::exists(path))
            continue;
        auto lock = std::make_unique<RecoveryLock>(RecoveryFolder::lockPathFor(path));
        switch (lock->take()) {
        case RecoveryLock::Taken:
            m_lock = std::move(lock);
            m_copyPath = path;
            return true;
        case RecoveryLock::Held:
            continue;
        case RecoveryLock::Failed:
            return false;
        }
    }
    return false;
}

void RecoveryKeeper::report()
{
    if (m_reported)
        return;
    m_reported = true;
    if (m_folder.isEmpty())
        emit cannotWrite(QCoreApplication::translate("RecoveryKeeper", "No recovery copy can be kept: neither XDG_DATA_HOME nor HOME "
                                        "names a folder."));
    else
        emit cannotWrite(QCoreApplication::translate("RecoveryKeeper", "Recovery copies cannot be written to %1.")
                             .arg(QDir::toNativeSeparators(m_folder)));
}
