// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's Examples submenu: what it lists from a folder, where it
// sits in the real window, when its items work, and that choosing one opens
// the track as Open does, the save-changes question first.
#include "modalwatcher.h"
#include "startededitor.h"
#include "testfiles.h"

#include "ui/dialogs/tsaveform.h"
#include "ui/window/examplesmenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString examplesDir = QStringLiteral(KW_EXAMPLES_DIR);

QStringList texts(const QList<QAction *> &actions)
{
    QStringList list;
    for (const QAction *action : actions)
        list << action->text();
    return list;
}

QAction *separatorAfter(const QMenu *menu, const QAction *action)
{
    const QList<QAction *> actions = menu->actions();
    return actions.value(actions.indexOf(action) + 1);
}

} // namespace

class TestExamplesMenu : public QObject
{
    Q_OBJECT

private slots:
    void listing_data()
    {
        QTest::addColumn<QStringList>("files");  // a trailing '/' makes a folder
        QTest::addColumn<QStringList>("names");
        QTest::newRow("known ones in the table's order")
            << QStringList{"showcase.kwf", "oval.kwf", "club.kwf"}
            << QStringList{"Club circuit", "Small oval", "Showcase"};
        QTest::newRow("others after them, by file name")
            << QStringList{"zz.kwf", "my_track.kwf", "club.kwf", "b-side.kwf"}
            << QStringList{"Club circuit", "B side", "My track", "Zz"};
        QTest::newRow("track files only")
            << QStringList{"club.jpg", "notes.txt", "old.kwf/", "foam.kwf"} << QStringList{"Foam mat"};
        QTest::newRow("an ampersand shown as itself") << QStringList{"rock&roll.kwf"} << QStringList{"Rock&&roll"};
        QTest::newRow("no tracks: the submenu is disabled") << QStringList() << QStringList();
    }

    void listing()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, names);
        QTemporaryDir dir;
        for (const QString &file : files)
            QVERIFY(file.endsWith('/') ? QDir(dir.path()).mkdir(file) : writeBytes(dir.filePath(file), "07\r\n"));

        ExamplesMenu menu(dir.path());
        QCOMPARE(menu.objectName(), QStringLiteral("Examples1"));
        QCOMPARE(menu.title(), QStringLiteral("Examples"));
        QCOMPARE(texts(menu.actions()), names);
        QCOMPARE(menu.menuAction()->isEnabled(), !names.isEmpty());
        if (names.isEmpty())
            return;
        QSignalSpy chosen(&menu, &ExamplesMenu::exampleChosen);
        menu.actions().last()->trigger();
        QCOMPARE(chosen.size(), 1);
        const QString path = chosen.first().first().toString();
        QCOMPARE(QFileInfo(path).dir(), QDir(dir.path()));
        QCOMPARE(ExamplesMenu::nameFor(QFileInfo(path).fileName()), names.last());
    }

    // The window lists the examples beside the program just before the last
    // separator of File, and enables them once start-up has completed.
    void inTheWindow()
    {
        QCOMPARE(ExamplesMenu::besideExecutable(), examplesDir);
        const std::unique_ptr<TMainForm> editor = makeEditor(QStringLiteral(KW_TILES_DIR));
        TMainForm &window = *editor;
        auto *file = window.findChild<QMenu *>(QStringLiteral("File1"));
        auto *examples = window.findChild<QMenu *>(QStringLiteral("Examples1"));
        QVERIFY(file && examples);
        QAction *separator = separatorAfter(file, examples->menuAction());
        QVERIFY(separator && separator->isSeparator());
        QCOMPARE(separatorAfter(file, separator)->objectName(), QStringLiteral("Exit1"));

        const int count = int(QDir(examplesDir).entryList({QStringLiteral("*.kwf")}, QDir::Files).size());
        QCOMPARE(examples->actions().size(), count);
        QCOMPARE(examples->actions().first()->text(), QStringLiteral("Club circuit"));
        for (const QAction *item : examples->actions())
            QVERIFY2(!item->isEnabled(), qPrintable(item->text()));

        QVERIFY(startEditor(window));
        for (const QAction *item : examples->actions())
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
    }

    void opens_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");  // to the save-changes question
        QTest::addColumn<bool>("opened");
        QTest::newRow("unmodified track: no question") << false << int(TSaveForm::Cancel) << true;
        QTest::newRow("modified, No") << true << int(TSaveForm::No) << true;
        QTest::newRow("modified, Cancel") << true << int(TSaveForm::Cancel) << false;
    }

    void opens()
    {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, opened);
        const std::unique_ptr<TMainForm> editor = makeEditor(QStringLiteral(KW_TILES_DIR));
        TMainForm &window = *editor;
        QVERIFY(startEditor(window));
        if (modified)
            window.document().TrackClick(0, "05");
        ModalWatcher watcher;
        watcher.onDialog([answer](QDialog *dialog) {
            const char *buttons[] = {"", "Button1", "Button2", "Button3"};
            dialog->findChild<QPushButton *>(QLatin1String(buttons[answer]))->click();
        });

        window.findChild<QAction *>(QStringLiteral("Example_showcase"))->trigger();
        QCOMPARE(watcher.dialogs(), modified ? QStringList{"TSaveForm"} : QStringList());
        QVERIFY(watcher.boxes().isEmpty());
        QCOMPARE(window.document().fileName(), opened ? examplesDir + "/showcase.kwf" : QString());
        QCOMPARE(window.document().width(), opened ? 30 : 15);
        QCOMPARE(window.document().isModified(), modified && !opened);
    }
};

QTEST_MAIN(TestExamplesMenu)
#include "tst_examplesmenu.moc"
