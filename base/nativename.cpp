// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/nativename.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr char16_t keptByteBase = 0xdc00;

bool isKeptByte(QChar c)
{
    return c.unicode() >= keptByteBase + 0x80 && c.unicode() <= keptByteBase + 0xff;
}

} // namespace

int NativeName::sequenceLengthAt(const QByteArray &bytes, qsizetype i)
{
    const uchar lead = uchar(bytes[i]);
    int length = 1;
    if (lead >= 0xf0 && lead < 0xf8)
        length = 4;
    else if (lead >= 0xe0)
        length = lead < 0xf0 ? 3 : 0;
    else if (lead >= 0xc0)
        length = 2;
    else if (lead >= 0x80)
        length = 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((uchar(bytes[i + k]) & 0xc0) != 0x80)
            return 0;
    }
    const char32_t point = pointAt(bytes, i, length);
    // Overlong forms and surrogates are no text either.
    static const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff))
        return 0;
    return length;
}

char32_t NativeName::pointAt(const QByteArray &bytes, qsizetype i, int length)
{
    static const uchar leadMask[] = {0, 0x7f, 0x1f, 0x0f, 0x07};
    char32_t point = uchar(bytes[i]) & leadMask[length];
    for (int k = 1; k < length; ++k)
        point = point << 6 | (uchar(bytes[i + k]) & 0x3f);
    return point;
}

QString NativeName::decode(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype run = 0;  // where the valid text not yet taken starts
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLengthAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + run, i - run);
        name += QChar(char16_t(keptByteBase + uchar(bytes[i])));
        run = ++i;
    }
    return name + QString::fromUtf8(bytes.constData() + run, bytes.size() - run);
}

QByteArray NativeName::encode(const QString &name)
{
    QByteArray bytes;
    qsizetype run = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A low surrogate after a high one is half of a character.
        if (!isKeptByte(name[i]) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        bytes += QStringView(name).mid(run, i - run).toUtf8();
        bytes += char(name[i].unicode() - keptByteBase);
        run = i + 1;
    }
    return bytes + QStringView(name).mid(run).toUtf8();
}

bool NativeName::isText(const QString &name)
{
    return encode(name) == name.toUtf8();
}

QStringList NativeName::arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decode(QByteArray(argv[i])));
    return arguments;
}

bool NativeName::isFile(const QString &name)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return ::stat(encode(name).constData(), &st) == 0 && S_ISREG(st.st_mode);
#else
    return QFileInfo(name).isFile();
#endif
}
