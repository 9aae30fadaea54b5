// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// What the editor keeps of a modified track so that a crash, a kill or a
// log-out loses nothing: every cell of the 30 x 30 pool as track-file text
// (so cells hidden by shrinking the grid come back too), the grid size, the
// track's file name and when the copy was written.
//
// The file is text: a header of four lines ("kerbwright recovery copy 1",
// "size W H", "file NAME" with the name's bytes percent-encoded, "time" in
// ISO 8601 UTC), an empty line, then 30 lines of 30 comma-separated codes,
// each ending in CR LF.
class RecoveryCopy
{
public:
    static constexpr qint64 maxSize = 1 << 20;

    TrackGrid grid;     // its cells, its size; the block is what shows
    QString fileName;   // empty for a track never saved
    QDateTime time;     // UTC

    QByteArray toBytes() const;
    // The copy that bytes hold, or nothing when they are not one: a wrong
    // header, a size outside 1..30, a missing or extra line or code, a code
    // holding a line break or NUL, or a time that is no time. Never throws
    // (an allocation failure aside).
    static std::optional<RecoveryCopy> fromBytes(const QByteArray &bytes);

    // Writes through the same safe write as Save: a failure leaves the former
    // copy whole. Throws KwError.
    static void write(const QString &path, const RecoveryCopy &copy);
    // Reads a copy back. A copy that cannot be read (missing, no regular
    // file, over maxSize, a read error) or that holds nonsense is damaged:
    // the answer is empty, nothing is thrown.
    static std::optional<RecoveryCopy> read(const QString &path);

    bool operator==(const RecoveryCopy &other) const;
    bool operator!=(const RecoveryCopy &other) const { return !(*this == other); }
};
