#include "document/kwerror.h"

#include <QDir>

KwError::KwError(const QString &message)
    : m_message(message), m_utf8(message.toUtf8())
{
}

KwError KwError::cannotOpen(const QString &path)
{
    return KwError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
}

KwError KwError::cannotCreate(const QString &path)
{
    return KwError(QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
}

KwError KwError::streamRead()
{
    return KwError(QStringLiteral("Stream read error"));
}

KwError KwError::streamWrite()
{
    return KwError(QStringLiteral("Stream write error"));
}

KwError KwError::invalidBitmap()
{
    return KwError(QStringLiteral("Bitmap image is not valid"));
}

KwError KwError::memoCapacity()
{
    return KwError(QStringLiteral("Text exceeds memo capacity"));
}

KwError KwError::outOfResources()
{
    return KwError(QStringLiteral("Out of system resources"));
}

KwError KwError::jpeg(int messageCode)
{
    return KwError(QStringLiteral("JPEG error #%1").arg(messageCode));
}

KwError KwError::trackTooLarge()
{
    return KwError(QStringLiteral("Track too large: at most 30 columns and 30 rows"));
}
