// SPDX-License-Identifier: GPL-3.0-or-later
// An editor for the recovery tests to start, edit, kill and signal: the
// window and its session end are made as the program makes them, and lines
// on standard input click the real palette and cells:
//   place CODE COLUMN ROW    choose the piece, click the cell
//   save                     File > Save
// It prints "ready" once start-up and the offer of old copies are over,
// "done" after every command, and "dialog TITLE" whenever a modal dialog
// comes up (which it leaves for the test to end, by a signal); message
// boxes it closes with OK.
//   recoverychild TILES [TRACK]

#include "cellclick.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/recovery/recovery.h"
#include "ui/recovery/sessionend.h"
#include "ui/window/tmainform.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray &line)
{
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

void run(TMainForm &window, const QList<QByteArray> &words)
{
    if (words.value(0) == "place" && words.size() == 4) {
        PictureButton *piece = window.palette()->pieceButton(words[1]);
        window.palette()->setCurrentWidget(piece->parentWidget());
        QTest::mouseClick(piece, Qt::LeftButton);
        const int index = TrackGrid::index(words[2].toInt(), words[3].toInt());
        clickCell(window, index);
    } else if (words.value(0) == "save") {
        window.findChild<QAction *>(QStringLiteral("Save1"))->trigger();
    }
    say("done");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kerbwright"));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString tiles = arguments.value(0);
    arguments = arguments.mid(1);

    // Message boxes (the offscreen screen is too small for the editor's
    // liking) are answered with OK; other dialogs stay up for the test.
    QWidget *seen = nullptr;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            box->button(QMessageBox::Ok)->click();
            modal = nullptr;
        } else if (modal && modal != seen) {
            say("dialog " + modal->windowTitle().toUtf8());
        }
        seen = modal;
    });
    watch.start(20);

    TMainForm window(tiles, arguments);
    const SessionEnd sessionEnd(window.recovery()->keeper());
    window.FormCreate();
    if (sessionEnd.hasEnded())
        return 0;
    QObject::connect(window.recovery(), &Recovery::offerEnded, [] { say("ready"); });

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(buffer, n);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            run(window, pending.left(end).simplified().split(' '));
    });

    window.resize(1200, 800);
    window.show();
    return app.exec();
}
