// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QString>
#include <QVector>

// The File menu's "Examples": one item for each example track in a folder
// (the installed examples beside the program), under a name for people. The
// known examples come first, in the order of a small table that starts with
// the club circuit; any other track file in the folder follows by file name.
// Choosing an item only asks for the track: the window opens it as Open does.
class ExamplesMenu : public QMenu
{
    Q_OBJECT

public:
    struct Example
    {
        QString name;  // as the menu shows it, '&' doubled
        QString path;
    };

    explicit ExamplesMenu(const QString &folder, QWidget *parent = nullptr);

    // The "examples" folder beside the running executable.
    static QString besideExecutable();
    // The track files (*.kwf) in folder, in menu order; none for a missing folder.
    static QVector<Example> find(const QString &folder);
    // "Club circuit" for club.kwf; for a file outside the table, its name
    // less ".kwf", first letter upper case, "_" and "-" as spaces.
    static QString nameFor(const QString &fileName);

signals:
    void exampleChosen(const QString &path);
};
