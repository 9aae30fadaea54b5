// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/examplesmenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

struct Known
{
    const char *file;
    const char *name;
};

// The examples that come with the program, in menu order: the club circuit
// first, since it is what a newcomer should see, then from small to large.
const Known known[] = {
    {"club.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Club circuit")},
    {"oval.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Small oval")},
    {"sweepers.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Sweeping corners")},
    {"diagonal.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Diagonals")},
    {"foam.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Foam mat")},
    {"carpet.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Carpet")},
    {"paddock.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Kerbed paddock")},
    {"showcase.kwf", QT_TRANSLATE_NOOP("ExamplesMenu", "Showcase")},
};

constexpr int knownCount = int(sizeof known / sizeof known[0]);

int rank(const QString &fileName)
{
    const auto it = std::find_if(std::begin(known), std::end(known), [&](const Known &k) {
        return fileName == QLatin1String(k.file);
    });
    return int(it - std::begin(known));
}

} // namespace

ExamplesMenu::ExamplesMenu(const QString &folder, QWidget *parent)
    : QMenu(QCoreApplication::translate("ExamplesMenu", "Examples"), parent)
{
    setObjectName(QStringLiteral("Examples1"));
    for (const Example &example : find(folder)) {
        QAction *item = addAction(example.name);
        item->setObjectName(QStringLiteral("Example_") + QFileInfo(example.path).completeBaseName());
        item->setData(example.path);
    }
    // An empty submenu would open onto nothing.
    menuAction()->setEnabled(!actions().isEmpty());
    connect(this, &QMenu::triggered, this,
            [this](QAction *item) { emit exampleChosen(item->data().toString()); });
}

QString ExamplesMenu::besideExecutable()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/examples");
}

QVector<ExamplesMenu::Example> ExamplesMenu::find(const QString &folder)
{
    const QDir dir(folder);
    QFileInfoList files = dir.entryInfoList({QStringLiteral("*.kwf")}, QDir::Files, QDir::Name);
    // Stable, so the files outside the table keep their order by name.
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return rank(a.fileName()) < rank(b.fileName());
    });
    QVector<Example> examples;
    for (const QFileInfo &file : files)
        examples.append({nameFor(file.fileName()), file.filePath()});
    return examples;
}

QString ExamplesMenu::nameFor(const QString &fileName)
{
    QString name;
    const int index = rank(fileName);
    if (index < knownCount) {
        name = QCoreApplication::translate("ExamplesMenu", known[index].name);
    } else {
        name = fileName;
        if (name.endsWith(QLatin1String(".kwf"), Qt::CaseInsensitive))
            name.chop(4);
        name.replace(QLatin1Char('_'), QLatin1Char(' ')).replace(QLatin1Char('-'), QLatin1Char(' '));
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
    }
    // A single '&' would mark the next letter as the item's shortcut key.
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
