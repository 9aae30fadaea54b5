// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/kwerror.h"

#include "base/shownbytes.h"

#include <QDir>

KwError::KwError(Kind kind, const QString &message, const QString &path)
    : m_kind(kind), m_message(message), m_path(path), m_utf8(message.toUtf8())
{
}

KwError::KwError(const QString &message)
    : KwError(Kind::Other, message)
{
}

QString KwError::shownText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

KwError KwError::cannotOpen(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(ShownBytes::fileName(path));
    return KwError(Kind::CannotOpen, QStringLiteral("Cannot open file %1").arg(shown), shown);
}

KwError KwError::cannotCreate(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(ShownBytes::fileName(path));
    return KwError(Kind::CannotCreate, QStringLiteral("Cannot create file %1").arg(shown), shown);
}

KwError KwError::streamRead()
{
    return KwError(Kind::StreamRead, QStringLiteral("Stream read error"));
}

KwError KwError::streamWrite()
{
    return KwError(Kind::StreamWrite, QStringLiteral("Stream write error"));
}

KwError KwError::invalidBitmap()
{
    return KwError(Kind::InvalidBitmap, QStringLiteral("Bitmap image is not valid"));
}

KwError KwError::memoCapacity()
{
    return KwError(Kind::MemoCapacity, QStringLiteral("Text exceeds memo capacity"));
}

KwError KwError::outOfResources()
{
    return KwError(Kind::OutOfResources, QStringLiteral("Out of system resources"));
}

KwError KwError::jpeg(int messageCode)
{
    return KwError(Kind::Jpeg, QStringLiteral("JPEG error #%1").arg(messageCode));
}

KwError KwError::trackTooLarge()
{
    return KwError(Kind::TrackTooLarge, QStringLiteral("Track too large: at most 30 columns and 30 rows"));
}

KwError KwError::notTrackText(const QString &message)
{
    return KwError(Kind::NotTrackText, message);
}
