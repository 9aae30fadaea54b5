#pragma once

#include "document/kwerror.h"

#include <QString>
#include <new>

class QWidget;

// The one place where a failed command is reported: a critical message box
// with one OK button, titled with the application's title. Qt does not let
// an exception unwind through its event loop, so every slot that starts a
// command runs its body through guard().
class ErrorBox
{
public:
    // The text as shown: a full stop is added when the message's last
    // character sorts after '.', so a message ending in a file name gets
    // one and a message ending in a space or a full stop is left alone.
    static QString text(const QString &message);

    static void show(QWidget *parent, const QString &message);

    // Runs body; a KwError or an allocation failure ends it and is shown.
    // Returns false when body failed.
    template <typename Body>
    static bool guard(QWidget *parent, Body &&body)
    {
        try {
            body();
            return true;
        } catch (const KwError &error) {
            show(parent, error.message());
        } catch (const std::bad_alloc &) {
            show(parent, KwError::outOfResources().message());
        }
        return false;
    }
};
