// SPDX-License-Identifier: GPL-3.0-or-later
// The editor in German: under LANGUAGE=de every text the walk reaches (the
// menus and their items, the tool bar, the palette's pages and pieces, the
// status bar after a few commands, the dialogs the menus open) is one the
// same walk in English did not show, but for a short list of words that are
// the same in both. The English walk comes first, before the translation is
// installed.
#include "modalwatcher.h"
#include "startededitor.h"
#include "testfiles.h"
#include "base/uilanguage.h"
#include "ui/recovery/recoverydialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QtTest>

namespace {

// The same in both languages: names, codes, addresses, numbers.
const QStringList sameInBoth{QStringLiteral("Kerbwright"), QStringLiteral("OK"), QStringLiteral("Code"),
                             QStringLiteral("Name"), QStringLiteral("Plan (*.pdf)"), QStringLiteral("RCP 1"),
                             QStringLiteral("RCP 2"), QStringLiteral("kerbwright.example.org"),
                             QStringLiteral("tracks@kerbwright.example.org")};

bool mayStay(const QString &text)
{
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression code(QStringLiteral("^[0-9A-Z]{2}$"));
    return !letters.match(text).hasMatch() || code.match(text).hasMatch() || sameInBoth.contains(text)
           || text.startsWith(QLatin1String("https://"));
}

// Every text a person reads in a widget and its children, in a fixed order.
void collect(const QWidget &root, QStringList &texts)
{
    QList<const QWidget *> widgets{&root};
    for (const QWidget *child : root.findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *w : std::as_const(widgets)) {
        if (w->isWindow())
            texts << w->windowTitle();
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            for (int k = 0; k < tabs->count(); ++k)
                texts << tabs->tabText(k);
        if (const auto *table = qobject_cast<const QTableWidget *>(w))
            for (int k = 0; k < table->columnCount(); ++k)
                texts << table->horizontalHeaderItem(k)->text();
        for (const QAction *action : w->actions()) {
            texts << action->text() << action->statusTip();
            if (action->menu())
                collect(*action->menu(), texts);
        }
    }
}

} // namespace

class TestGermanWindow : public QObject
{
    Q_OBJECT

    // What one walk through the editor reads.
    QStringList walk(const QString &name)
    {
        // Each walk keeps its recovery copies apart: the first one's must
        // not greet the second.
        qputenv("XDG_DATA_HOME", m_dir.filePath(name).toLocal8Bit());
        // A small circuit, so that the commands have something to tell.
        const QString track = m_dir.filePath(QStringLiteral("ring.kwf"));
        if (!writeBytes(track, "00,01\r\n02,03\r\n"))
            return {};
        std::unique_ptr<TMainForm> window = makeEditor(QStringLiteral(KW_TILES_DIR), nullptr, {track});
        if (!startEditor(*window))
            return {};
        QStringList texts;
        collect(*window, texts);
        // Commands whose outcome the status bar tells, then the dialogs.
        for (const char *name : {"Checkconnections1", "Showopenends1", "Showspeedmap1", "Selectall1", "Copy1", "Delete1"}) {
            window->findChild<QAction *>(QLatin1String(name))->trigger();
            collect(*window->statusBar(), texts);
        }
        ModalWatcher watcher;
        watcher.onDialog([&texts](QDialog *dialog) {
            collect(*dialog, texts);
            dialog->reject();
        });
        for (const char *name : {"About1", "Modifygridsize1", "Car1", "New1"})
            window->findChild<QAction *>(QLatin1String(name))->trigger();
        if (watcher.dialogs() != QStringList{"TAboutForm", "TsizeForm", "CarDialog", "TSaveForm"})
            return {};
        const QWidgetList before = QApplication::topLevelWidgets();
        for (const char *name : {"Partslist1", "Suggestcircuits1"})
            window->findChild<QAction *>(QLatin1String(name))->trigger();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (!before.contains(top) && top->isVisible()) {
                collect(*top, texts);
                top->close();
            }
        const RecoveryDialog recovery({QStringLiteral("copy"), QString(), QDateTime(), false});
        collect(recovery, texts);
        return texts;
    }

    QTemporaryDir m_dir;

private slots:
    void everyTextIsGerman()
    {
        const QStringList english = walk(QStringLiteral("en"));
        QVERIFY(english.size() > 400);
        QCOMPARE(UiLanguage::install(*QCoreApplication::instance()), QStringLiteral("de"));
        const QStringList german = walk(QStringLiteral("de"));
        // Any text of the German walk that the English one showed too.
        const QSet<QString> englishTexts(english.cbegin(), english.cend());
        QStringList left;
        for (const QString &text : german)
            if (englishTexts.contains(text) && !mayStay(text) && !left.contains(text))
                left << text;
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("English left: ") + left.join(QStringLiteral(" | "))));
        QVERIFY(german.contains(QStringLiteral("00 \u2014 Kurve, von Osten nach Süden")));
    }
};

int main(int argc, char *argv[])
{
    // The desktop's language, read when the translation is installed.
    qputenv("LANGUAGE", "de");
    QApplication app(argc, argv);
    TestGermanWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_germanwindow.moc"
