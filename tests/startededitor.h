// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scriptedfiledialogs.h"
#include "ui/window/tmainform.h"

#include <QSignalSpy>
#include <memory>

// How the window suites start the editor: made as the program makes it,
// with file dialogs that the test answers, at 1200 x 800 (makeEditor), then
// shown and started (startEditor). Whatever a test replaces or checks
// before the window shows goes between the two.

// files, when given, is pointed at the scripted file dialogs.
inline std::unique_ptr<TMainForm> makeEditor(const QString &tiles, ScriptedFileDialogs **files = nullptr,
                                             const QStringList &arguments = {})
{
    auto window = std::make_unique<TMainForm>(tiles, arguments);
    auto dialogs = std::make_unique<ScriptedFileDialogs>();
    if (files)
        *files = dialogs.get();
    window->setFileDialogs(std::move(dialogs));
    window->resize(1200, 800);
    return window;
}

// Shows the window and waits for its start-up to end (completed or not);
// false, with a warning, when it has not ended within 30 seconds.
inline bool startEditor(TMainForm &window)
{
    QSignalSpy ended(&window, &TMainForm::startupEnded);
    window.show();
    if (ended.wait(30000))
        return true;
    qWarning("start-up did not end");
    return false;
}
