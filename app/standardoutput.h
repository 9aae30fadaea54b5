// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextStream;

// What a command-line program printed must have reached its reader: output
// lost to a full disk, a file-size limit or a closed file is a failure of
// the run, not a success with less to read.
class StandardOutput
{
public:
    enum { WriteFailed = 2 };

    // status when everything written to out was written; else WriteFailed,
    // after a line "PROGRAM: cannot write standard output: REASON" on err.
    static int finish(QTextStream &out, QTextStream &err, const QString &program, int status);
};
