// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/mainmenu.h"

#include "ui/window/examplesmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMenuBar *bar)
{
    createFile(bar);
    // Menus of our own between File and Help; their commands add themselves.
    edit = addMenu(bar, "Edit1", QCoreApplication::translate("MainMenu", "Edit"));
    view = addMenu(bar, "View1", QCoreApplication::translate("MainMenu", "View"));
    track = addMenu(bar, "Track1", QCoreApplication::translate("MainMenu", "Track"));
    tools = addMenu(bar, "Tools1", QCoreApplication::translate("MainMenu", "Tools"));
    help = addMenu(bar, "Help1", QCoreApplication::translate("MainMenu", "Help"));
    about = addCommand(help, "About1", QCoreApplication::translate("MainMenu", "About..."));
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
    file = addMenu(bar, "File1", QCoreApplication::translate("MainMenu", "File"));
    newTrack = addCommand(file, "New1", QCoreApplication::translate("MainMenu", "New"), QKeySequence(QStringLiteral("Ctrl+N")));
    open = addCommand(file, "Load1", QCoreApplication::translate("MainMenu", "Open"), QKeySequence(QStringLiteral("Ctrl+O")));
    save = addCommand(file, "Save1", QCoreApplication::translate("MainMenu", "Save"), QKeySequence(QStringLiteral("Ctrl+S")));
    saveAs = addCommand(file, "Saveas1", QCoreApplication::translate("MainMenu", "Save &as"),
                        QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    file->addSeparator();
    gridSize = addCommand(file, "Modifygridsize1", QCoreApplication::translate("MainMenu", "Modify gridsize"));
    jpeg = addCommand(file, "ExporttoJPG1", QCoreApplication::translate("MainMenu", "Export to &JPG"));
    jpeg->setData(int(JpegTag));
    bmp = addCommand(file, "ExporttoBMP1", QCoreApplication::translate("MainMenu", "Export to &BMP"));
    bmp->setData(int(BmpTag));
    png = addCommand(file, "ExporttoPNG1", QCoreApplication::translate("MainMenu", "Export to &PNG"));
    png->setData(int(PngTag));
    pdf = addCommand(file, "ExporttoPDF1", QCoreApplication::translate("MainMenu", "Export to PDF"));
    pdf->setData(int(PdfTag));
    exportAs = addCommand(file, "ExportAs1", QCoreApplication::translate("MainMenu", "Export as…"),
                          QKeySequence(QStringLiteral("Ctrl+E")));
    file->addSeparator();
    printPreview = addCommand(file, "PrintPreview1", QCoreApplication::translate("MainMenu", "Print preview…"));
    print = addCommand(file, "Print1", QCoreApplication::translate("MainMenu", "Print…"), QKeySequence(QStringLiteral("Ctrl+P")));
    file->addSeparator();
    printSheets = addCommand(file, "PrintBuildSheets1", QCoreApplication::translate("MainMenu", "Print build sheets…"));
    exportSheets = addCommand(file, "ExportBuildSheets1", QCoreApplication::translate("MainMenu", "Export build sheets to PDF…"));
    file->addSeparator();
    examples = new ExamplesMenu(ExamplesMenu::besideExecutable(), file);
    file->addMenu(examples);
    file->addSeparator();
    exit = addCommand(file, "Exit1", QCoreApplication::translate("MainMenu", "E&xit"));
}

QVector<QAction *> MainMenu::trackCommands() const
{
    QVector<QAction *> commands{newTrack, open, save, saveAs, gridSize, jpeg, bmp, png, pdf,
                                exportAs, printPreview, print, printSheets, exportSheets};
    commands += examples->actions();
    return commands;
}
