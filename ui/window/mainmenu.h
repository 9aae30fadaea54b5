// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/trackexport.h"

#include <QKeySequence>
#include <QString>
#include <QVector>

class ExamplesMenu;
class QAction;
class QMenu;
class QMenuBar;

// The menu bar as the user sees it: "File", "Edit", "View", "Track", "Tools"
// and "Help", with every item's caption, name, shortcut and export tag. The
// window connects the items to its commands; "Edit", "View", "Track" and
// "Tools" are filled by the commands that own their items.
class MainMenu
{
public:
    // The tags that tell the export items apart.
    enum ExportTag { JpegTag = 2, BmpTag = 3, PdfTag = 4, PngTag = 5 };

    explicit MainMenu(QMenuBar *bar);

    // The format an export item's tag stands for.
    static TrackExport::Format exportFormat(const QAction &item);

    // Adds an item named name (its objectName) with the caption and shortcut.
    static QAction *addCommand(QMenu *menu, const char *name, const QString &text,
                               const QKeySequence &shortcut = QKeySequence());

    // The items that act on the cells, which exist only once start-up has
    // completed; disabled until then.
    QVector<QAction *> trackCommands() const;

    QMenu *file = nullptr;
    QMenu *edit = nullptr;
    QMenu *view = nullptr;
    QMenu *track = nullptr;
    QMenu *tools = nullptr;
    QMenu *help = nullptr;

    QAction *newTrack = nullptr;
    QAction *open = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QAction *gridSize = nullptr;
    QAction *jpeg = nullptr;
    QAction *bmp = nullptr;
    QAction *png = nullptr;
    QAction *pdf = nullptr;
    QAction *exportAs = nullptr;
    QAction *printPreview = nullptr;
    QAction *print = nullptr;
    QAction *printSheets = nullptr;
    QAction *exportSheets = nullptr;
    ExamplesMenu *examples = nullptr;
    QAction *exit = nullptr;
    QAction *about = nullptr;

private:
    QMenu *addMenu(QMenuBar *bar, const char *name, const QString &title);
    void createFile(QMenuBar *bar);
};
