// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/standardoutput.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QTextStream>

int StandardOutput::finish(QTextStream &out, QTextStream &err, const QString &program, int status)
{
    out.flush();
    // A failed write leaves the stream failed for good, whichever line it was.
    auto *file = qobject_cast<QFileDevice *>(out.device());
    const bool flushed = !file || file->flush();
    if (out.status() == QTextStream::Ok && flushed)
        return status;
    const QString reason = file ? file->errorString() : QCoreApplication::translate("StandardOutput", "write error");
    err << program << QCoreApplication::translate("StandardOutput", ": cannot write standard output: ") << reason << '\n';
    err.flush();
    return WriteFailed;
}
