#pragma once

#include <QString>
#include <exception>

// The one error type of the program. The core throws it; every command that
// the user starts catches it at its boundary and shows the message in the
// error box, then the program goes on.
class KwError : public std::exception
{
public:
    explicit KwError(const QString &message);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

    static KwError cannotOpen(const QString &path);
    static KwError cannotCreate(const QString &path);
    static KwError streamRead();
    static KwError streamWrite();
    static KwError invalidBitmap();
    static KwError memoCapacity();
    static KwError outOfResources();
    static KwError jpeg(int messageCode);
    static KwError trackTooLarge();

private:
    QString m_message;
    QByteArray m_utf8;
};
