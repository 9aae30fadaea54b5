// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/recovery/recoveryquestion.h"

#include <QObject>
#include <memory>

class FileCommands;
class QLabel;
class QWidget;
class RecoveryKeeper;
class StartupGate;
class TrackDocument;

// Unsaved work outlives the editor: this editor's copy is kept by the
// keeper, and once start-up has completed (after the track named on the
// command line was opened) the copies that editors no longer running left
// behind are offered, one after another, to restore or discard.
class Recovery : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        FileCommands &files;  // a restore asks as Open does, then replaces the track
        QLabel &status;       // the status bar's text
        StartupGate &startup;
        QWidget &window;  // owns the question; where failures are shown
    };

    // folder: where copies live (RecoveryFolder::path() unless a test says).
    Recovery(const Parts &parts, const QString &folder, QObject *parent);
    ~Recovery() override;

    RecoveryKeeper &keeper() { return *m_keeper; }
    // Replaces the question (tests answer it without a modal dialog).
    void setQuestion(std::unique_ptr<RecoveryQuestion> question);

    // Offers every copy whose editor no longer runs. Runs once on its own
    // after start-up.
    void offerCopies();

signals:
    // The start-up offer is over (also when there was nothing to offer).
    void offerEnded();

private:
    // Returns false when the copy must stay.
    bool offer(const QString &copyPath);
    bool restore(const QString &copyPath, const RecoveryQuestion::Offer &offer);

    Parts m_parts;
    QString m_folder;
    RecoveryKeeper *m_keeper = nullptr;
    std::unique_ptr<RecoveryQuestion> m_question;
};
