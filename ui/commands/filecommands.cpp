// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/filecommands.h"

#include "base/kwerror.h"
#include "document/trackdocument.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"
#include "ui/commands/filedialogs.h"
#include "ui/dialogs/tsaveform.h"

FileCommands::FileCommands(const Parts &parts, std::unique_ptr<FileDialogs> dialogs, QObject *parent)
    : QObject(parent), m_parts(parts), m_dialogs(std::move(dialogs))
{
}

FileCommands::~FileCommands() = default;

void FileCommands::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

int FileCommands::askSaveChanges()
{
    m_parts.saveForm.setAnswer(TSaveForm::No);
    int answer = TSaveForm::No;
    if (m_parts.document.isModified())
        answer = m_parts.saveForm.ask();
    // A save that was cancelled stops the command like a failed one does.
    if (answer == TSaveForm::Yes && !saveTrack())
        return TSaveForm::Cancel;
    return answer;
}

bool FileCommands::saveTrack()
{
    if (m_parts.document.fileName().isEmpty())
        return saveTrackAs();
    m_parts.document.save(m_parts.document.fileName());
    m_openDialogName = m_parts.document.fileName();
    emit trackSaved();
    return true;
}

bool FileCommands::saveTrackAs()
{
    const QString name = m_dialogs->askSaveName(m_parts.document.fileName());
    if (name.isEmpty())
        return false;
    m_parts.document.save(name);
    m_openDialogName = name;
    emit trackSaved();
    return true;
}

void FileCommands::newTrack()
{
    if (askSaveChanges() == TSaveForm::Cancel)
        return;
    // The size dialog's sliders are the new size whichever button closed it.
    m_parts.sizeForm.exec();
    m_parts.document.DrawGrid(true, m_parts.progress);
    m_parts.document.setModified(false);
    m_parts.document.setFileName(QString());
    m_parts.document.restartHistory();
    emit trackReplaced();
}

void FileCommands::open()
{
    if (askSaveChanges() == TSaveForm::Cancel)
        return;
    const QString name = m_dialogs->askOpenName(m_openDialogName);
    if (name.isEmpty())
        return;
    read(name);
}

bool FileCommands::openNamed(const QString &name)
{
    if (askSaveChanges() == TSaveForm::Cancel)
        return false;
    read(name);
    return true;
}

void FileCommands::openAtStartup(const QString &name)
{
    m_parts.document.open(name, m_parts.tiles, m_parts.store, m_parts.progress);
    m_openDialogName = name;
    emit trackReplaced();
}

void FileCommands::read(const QString &name)
{
    m_openDialogName = name;
    m_parts.document.open(name, m_parts.tiles, m_parts.store, m_parts.progress);
    emit trackReplaced();
}

void FileCommands::save()
{
    saveTrack();
}

void FileCommands::saveAs()
{
    saveTrackAs();
}

void FileCommands::restore(const TrackGrid &grid, const QString &fileName)
{
    // The block must show; a code beyond it only shows once the grid grows,
    // and a tile missing for it then draws as an empty cell.
    TilePictures pictures;
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const QByteArray &code = grid.cell(i).code;
        if (m_parts.store.contains(code) || pictures.contains(code))
            continue;
        try {
            pictures.insert(code, m_parts.tiles.load(code));
        } catch (const KwError &) {
            if (grid.inBlock(i))
                throw;
        }
    }
    m_parts.store.insert(pictures);
    m_parts.document.setGrid(grid);
    m_parts.document.setFileName(fileName);
    if (!fileName.isEmpty())
        m_openDialogName = fileName;
    emit trackReplaced();
    m_parts.document.setModified(true);
}
