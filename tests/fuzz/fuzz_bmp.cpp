// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a tile file. The reader may refuse them only with its own
// messages; anything else that escapes, and any crash, is a finding. What
// it accepts must be a picture the rest of the program can use.

#include "base/kwerror.h"
#include "pieces/bmpreader.h"

#include <QByteArray>
#include <QImage>
#include <QSet>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(int line, const char *what)
{
    std::fprintf(stderr, "fuzz_bmp:%d: check failed: %s\n", line, what);
    std::abort();
}
#define CHECK(cond) ((cond) ? void(0) : fail(__LINE__, #cond))

// The little-endian field at pos, or 0 past the end.
qint64 field(const uint8_t *data, size_t size, size_t pos, int bytes, bool isSigned)
{
    if (pos + size_t(bytes) > size)
        return 0;
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | data[pos + size_t(i)];
    if (!isSigned)
        return v;
    return bytes == 2 ? qint64(qint16(v)) : qint64(qint32(v));
}

// Pixels the header asks for. A short file may legally ask for a picture of
// up to 2^28 pixels, which the reader then fills; such inputs only cost
// time (the bad-input tests cover them), so they are skipped here.
qint64 declaredPixels(const uint8_t *data, size_t size)
{
    const bool core = field(data, size, 14, 4, false) == 12;
    const qint64 w = core ? field(data, size, 18, 2, false) : field(data, size, 18, 4, true);
    const qint64 h = core ? field(data, size, 20, 2, false) : field(data, size, 22, 4, true);
    return std::abs(w) * std::abs(h);
}

constexpr qint64 maxFuzzedPixels = qint64(1) << 14;

bool knownMessage(const QString &message)
{
    static const QSet<QString> known{KwError::streamRead().message(),
                                     KwError::invalidBitmap().message(),
                                     KwError::outOfResources().message()};
    return known.contains(message);
}

void checkPicture(const QImage &picture, size_t size)
{
    // Zero bytes are an empty picture; a header of width or height 0 may
    // be one too.
    if (size == 0)
        CHECK(picture.isNull());
    if (picture.isNull())
        return;
    CHECK(picture.format() == QImage::Format_RGB32);
    CHECK(picture.width() > 0 && picture.height() > 0);
    CHECK(qint64(picture.width()) * picture.height() <= maxFuzzedPixels);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (declaredPixels(data, size) > maxFuzzedPixels)
        return 0;
    // No copy: the reader works on libFuzzer's own buffer, so reading one
    // byte past the end is caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    QImage picture;
    try {
        picture = BmpReader::decode(bytes);
    } catch (const KwError &error) {
        CHECK(knownMessage(error.message()));
        return 0;
    }
    checkPicture(picture, size);
    // Small pictures are decoded twice: pixels left unset would show as a
    // difference between the two.
    if (qint64(picture.width()) * picture.height() <= 4096)
        CHECK(BmpReader::decode(bytes) == picture);
    return 0;
}
