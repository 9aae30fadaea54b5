// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Writes a whole file so that the former file survives any failure: the bytes
// go to a temporary file beside the target, which replaces the target only
// when every byte was written, flushed and synced to the disk.
class SafeFile
{
public:
    // Throws "Cannot create file <path>" when the temporary file cannot be
    // made (or the name holds bytes that are no text: NativeName), "Stream
    // write error" when a write, the flush or the sync fails.
    static void write(const QString &path, const QByteArray &bytes);

    // The same, but the temporary file is created before produce() runs, so
    // an output that cannot be created fails before any work is done.
    static void write(const QString &path, const std::function<QByteArray()> &produce);
};
