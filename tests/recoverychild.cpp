// SPDX-License-Identifier: GPL-3.0-or-later
// An editor for the recovery tests to start, edit, kill and signal: the
// window and its session end are made as the program makes them, and lines
// on standard input click the real palette and cells:
//   place CODE COLUMN ROW    choose the piece, click the cell
//   save                     File > Save
//   exit                     File > Exit
//   click NAME               click the open dialog's button of that name
//   logout                   the session manager's request to save
// It prints "ready" once start-up and the offer of old copies are over,
// "done 1" (or "done 0") after every command with the track modified (or
// not), and "dialog TITLE" whenever a modal dialog comes up, which it leaves
// for the test; message boxes it closes with OK after "box TEXT". Commands
// are read also while a dialog is open.
//   recoverychild TILES [TRACK]

#include "cellclick.h"
#include "ui/palette/palette.h"
#include "ui/palette/picturebutton.h"
#include "ui/recovery/recovery.h"
#include "ui/recovery/sessionend.h"
#include "ui/window/tmainform.h"
#include "document/trackdocument.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
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

void run(TMainForm &window, SessionEnd &sessionEnd, const QList<QByteArray> &words)
{
    if (words.value(0) == "place" && words.size() == 4) {
        PictureButton *piece = window.palette()->pieceButton(words[1]);
        window.palette()->setCurrentWidget(piece->parentWidget());
        QTest::mouseClick(piece, Qt::LeftButton);
        const int index = TrackGrid::index(words[2].toInt(), words[3].toInt());
        clickCell(window, index);
    } else if (words.value(0) == "save") {
        window.findChild<QAction *>(QStringLiteral("Save1"))->trigger();
    } else if (words.value(0) == "exit") {
        window.findChild<QAction *>(QStringLiteral("Exit1"))->trigger();
    } else if (words.value(0) == "click" && QApplication::activeModalWidget()) {
        QApplication::activeModalWidget()->findChild<QPushButton *>(QLatin1String(words.value(1)))->click();
    } else if (words.value(0) == "logout") {
        sessionEnd.commitData();
    }
    say(window.document().isModified() ? "done 1" : "done 0");
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
    // A guarded pointer: the next dialog may come up at the same address.
    QPointer<QWidget> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            say("box " + box->text().toUtf8());
            box->button(QMessageBox::Ok)->click();
            modal = nullptr;
        } else if (modal && modal != seen) {
            say("dialog " + modal->windowTitle().toUtf8());
        }
        seen = modal;
    });
    watch.start(20);

    TMainForm window(tiles, arguments);
    SessionEnd sessionEnd(window.recovery()->keeper());
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
        // Taken out before it runs: a command that opens a dialog runs the
        // next ones from inside it.
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
            const QByteArray line = pending.left(end).simplified();
            pending.remove(0, end + 1);
            run(window, sessionEnd, line.split(' '));
        }
    });

    window.resize(1200, 800);
    window.show();
    return app.exec();
}
