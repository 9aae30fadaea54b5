// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/kwerror.h"

#include <QString>
#include <new>

class QWidget;

// The one place where a failed command is reported: a critical message box
// with one OK button, titled with the application's title, showing the
// error's shown text. Qt does not let an exception unwind through its event
// loop, so every slot that starts a command runs its body through guard().
class ErrorBox
{
public:
    static void show(QWidget *parent, const KwError &error);

    // Runs body; a KwError or an allocation failure ends it and is shown.
    // Returns false when body failed.
    template <typename Body>
    static bool guard(QWidget *parent, Body &&body)
    {
        try {
            body();
            return true;
        } catch (const KwError &error) {
            show(parent, error);
        } catch (const std::bad_alloc &) {
            show(parent, KwError::outOfResources());
        }
        return false;
    }
};
