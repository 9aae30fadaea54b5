// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class FileDialogs;
class Progress;
class QDialog;
class TileSource;
class TileStore;
class TrackDocument;
class TrackGrid;
class TSaveForm;

// The File menu's track commands and the save-changes protocol that New,
// Open and closing share: ask when the track is modified, save first on
// "Yes", stop on "Cancel". Failures are thrown (KwError); the window's
// command slots catch them.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        TrackDocument &document;
        const TileSource &tiles;
        TileStore &store;
        Progress &progress;
        QDialog &sizeForm;
        TSaveForm &saveForm;
    };

    FileCommands(const Parts &parts, std::unique_ptr<FileDialogs> dialogs, QObject *parent = nullptr);
    ~FileCommands() override;

    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // The name the Open dialog proposes next.
    const QString &openDialogName() const { return m_openDialogName; }

    // The protocol: presets "No", asks only when the track is modified, and
    // saves on "Yes". A save that was cancelled answers Cancel.
    int askSaveChanges();

    void newTrack();
    void open();
    // Opens a named track as Open does after its dialog, the question
    // first. Returns false when the user cancelled.
    bool openNamed(const QString &name);
    // Opens the track named at start-up; no question, the name is proposed next.
    void openAtStartup(const QString &name);
    void save();
    void saveAs();
    // Puts a recovered track back: its cells, its size and its file name,
    // and the track is modified, so that Save writes it to its own file.
    // Pictures of codes the store lacks are read first; a failure there
    // is thrown and changes nothing.
    void restore(const TrackGrid &grid, const QString &fileName);

signals:
    // New or a completed Open replaced the track (not a failed Open).
    void trackReplaced();
    // A save wrote the track; the document is unmodified.
    void trackSaved();

private:
    void read(const QString &name);
    bool saveTrack();
    bool saveTrackAs();

    Parts m_parts;
    std::unique_ptr<FileDialogs> m_dialogs;
    QString m_openDialogName;
};
