// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

// The one error type of the program. The core throws it; every command that
// the user starts catches it at its boundary and shows it in the error box,
// then the program goes on. The kind says what failed, so callers decide by
// it rather than by the wording of the message.
class KwError : public std::exception
{
public:
    enum class Kind {
        CannotOpen,      // a file to read is missing, unreadable or no regular file
        CannotCreate,    // a file to write cannot be made
        StreamRead,      // a file ends early
        StreamWrite,     // a write or its flush failed
        InvalidBitmap,   // not a BMP file we can read
        MemoCapacity,    // a track file too large for the line buffer, or no text file
        OutOfResources,  // memory ran out
        Jpeg,            // libjpeg gave up
        TrackTooLarge,   // a track beyond 30 x 30 cells
        NotTrackText,    // text to paste that is no block of piece codes
        Other,           // a message of the tools' own
    };

    KwError(Kind kind, const QString &message, const QString &path = QString());
    // A message of its own, of kind Other.
    explicit KwError(const QString &message);

    Kind kind() const { return m_kind; }
    const QString &message() const { return m_message; }
    // The file a CannotOpen or CannotCreate is about, as the message names it:
    // readable (ShownBytes), whatever bytes the name holds.
    const QString &path() const { return m_path; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    // The message as the user is shown it, in the error box and on the
    // command line alike: a full stop is added when its last character sorts
    // after '.', so a message ending in a file name gets one and a message
    // ending in a space or a full stop is left alone.
    QString shownText() const { return shownText(m_message); }
    static QString shownText(const QString &message);

    static KwError cannotOpen(const QString &path);
    static KwError cannotCreate(const QString &path);
    static KwError streamRead();
    static KwError streamWrite();
    static KwError invalidBitmap();
    static KwError memoCapacity();
    static KwError outOfResources();
    static KwError jpeg(int messageCode);
    static KwError trackTooLarge();
    // Text to paste that is no block of piece codes, with what is wrong.
    static KwError notTrackText(const QString &message);

private:
    Kind m_kind;
    QString m_message;
    QString m_path;
    QByteArray m_utf8;
};
