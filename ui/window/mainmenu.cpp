// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/mainmenu.h"

#include "ui/window/examplesmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar)
{
    createFile(bar);
    // Menus of our own between File and Help; their commands add themselves.
    edit = addMenu(bar, "Edit1", QStringLiteral("Edit"));
    view = addMenu(bar, "View1", QStringLiteral("View"));
    track = addMenu(bar, "Track1", QStringLiteral("Track"));
    tools = addMenu(bar, "Tools1", QStringLiteral("Tools"));
    help = addMenu(bar, "Help1", QStringLiteral("Help"));
    about = addCommand(help, "About1", QStringLiteral("About..."));
}

TrackExport::Format MainMenu::exportFormat(const QAction &item)
{
    switch (item.data().toInt()) {
    case JpegTag:
        return TrackExport::Format::Jpeg;
    case BmpTag:
        return TrackExport::Format::Bmp;
    case PngTag:
        return TrackExport::Format::Png;
    default:
        return TrackExport::Format::Pdf;
    }
}

QMenu *MainMenu::addMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction *MainMenu::addCommand(QMenu *menu, const char *name, const QString &text,
                              const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void MainMenu::createFile(QMenuBar *bar)
{
    file = addMenu(bar, "File1", QStringLiteral("File"));
    newTrack = addCommand(file, "New1", QStringLiteral("New"), QKeySequence(QStringLiteral("Ctrl+N")));
    open = addCommand(file, "Load1", QStringLiteral("Open"), QKeySequence(QStringLiteral("Ctrl+O")));
    save = addCommand(file, "Save1", QStringLiteral("Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    saveAs = addCommand(file, "Saveas1", QStringLiteral("Save &as"),
                        QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();
    gridSize = addCommand(file, "Modifygridsize1", QStringLiteral("Modify gridsize"));
    jpeg = addCommand(file, "ExporttoJPG1", QStringLiteral("Export to &JPG"));
    jpeg->setData(int(JpegTag));
    bmp = addCommand(file, "ExporttoBMP1", QStringLiteral("Export to &BMP"));
    bmp->setData(int(BmpTag));
    png = addCommand(file, "ExporttoPNG1", QStringLiteral("Export to &PNG"));
    png->setData(int(PngTag));
    pdf = addCommand(file, "ExporttoPDF1", QStringLiteral("Export to PDF"));
    pdf->setData(int(PdfTag));
    exportAs = addCommand(file, "ExportAs1", QStringLiteral("Export as…"),
                          QKeySequence(QStringLiteral("Ctrl+E")));
    file->addSeparator();
    printPreview = addCommand(file, "PrintPreview1", QStringLiteral("Print preview…"));
    print = addCommand(file, "Print1", QStringLiteral("Print…"), QKeySequence(QStringLiteral("Ctrl+P")));
    file->addSeparator();
    printSheets = addCommand(file, "PrintBuildSheets1", QStringLiteral("Print build sheets…"));
    exportSheets = addCommand(file, "ExportBuildSheets1", QStringLiteral("Export build sheets to PDF…"));
    file->addSeparator();
    examples = new ExamplesMenu(ExamplesMenu::besideExecutable(), file);
    file->addMenu(examples);
    file->addSeparator();
    exit = addCommand(file, "Exit1", QStringLiteral("E&xit"));
}

QVector<QAction *> MainMenu::trackCommands() const
{
    QVector<QAction *> commands{newTrack, open, save, saveAs, gridSize, jpeg, bmp, png, pdf,
                                exportAs, printPreview, print, printSheets, exportSheets};
    commands += examples->actions();
    return commands;
}
