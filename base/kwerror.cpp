// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/kwerror.h"

#include "base/shownbytes.h"

#include <QCoreApplication>
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
    return KwError(Kind::CannotOpen, QCoreApplication::translate("KwError", "Cannot open file %1").arg(shown), shown);
}

KwError KwError::cannotCreate(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(ShownBytes::fileName(path));
    return KwError(Kind::CannotCreate, QCoreApplication::translate("KwError", "Cannot create file %1").arg(shown), shown);
}

KwError KwError::streamRead()
{
    return KwError(Kind::StreamRead, QCoreApplication::translate("KwError", "Stream read error"));
}

KwError KwError::streamWrite()
{
    return KwError(Kind::StreamWrite, QCoreApplication::translate("KwError", "Stream write error"));
}

KwError KwError::invalidBitmap()
{
    return KwError(Kind::InvalidBitmap, QCoreApplication::translate("KwError", "Bitmap image is not valid"));
}

KwError KwError::memoCapacity()
{
    return KwError(Kind::MemoCapacity, QCoreApplication::translate("KwError", "Text exceeds memo capacity"));
}

KwError KwError::outOfResources()
{
    return KwError(Kind::OutOfResources, QCoreApplication::translate("KwError", "Out of system resources"));
}

KwError KwError::jpeg(int messageCode)
{
    return KwError(Kind::Jpeg, QCoreApplication::translate("KwError", "JPEG error #%1").arg(messageCode));
}

KwError KwError::trackTooLarge()
{
    return KwError(Kind::TrackTooLarge, QCoreApplication::translate("KwError", "Track too large: at most 30 columns and 30 rows"));
}

KwError KwError::notTrackText(const QString &message)
{
    return KwError(Kind::NotTrackText, message);
}
