// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/bmpreader.h"

#include "base/kwerror.h"
#include "base/nativename.h"
#include "base/regularfile.h"

#include <algorithm>
#include <limits>
#include <new>
#include <optional>

// Every offset and size below is computed in 64 bits: the header fields are
// 32-bit values chosen by whoever wrote the file, and their sums and products
// must never wrap.

namespace {

// Largest picture we agree to make: 2^28 pixels, 1 GiB as RGB32. Far beyond
// any tile, and small enough that the byte count of a row or of the whole
// picture fits every index type that QImage uses.
constexpr qint64 MaxPixels = qint64(1) << 28;

// A file larger than this is not read at all; the biggest picture we decode
// needs at most 1 GiB of 32-bit pixel data plus headers.
constexpr qint64 MaxFileBytes = qint64(1) << 31;

// Pixels that the data never reach (short files, RLE jumps) keep this colour.
constexpr QRgb InitialFill = 0xff000000;  // opaque black

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 CoreHeaderSize = 12;
constexpr qint64 InfoHeaderSize = 40;
constexpr qint64 MasksInHeaderSize = 52;  // from here on the masks are part of the header

// Bounds-checked little-endian access to the file's bytes.
class Bytes
{
public:
    explicit Bytes(const QByteArray &data)
        : m_data(reinterpret_cast<const uchar *>(data.constData())), m_size(data.size())
    {
    }

    qint64 size() const { return m_size; }
    bool has(qint64 pos, qint64 count) const
    {
        return pos >= 0 && count >= 0 && pos <= m_size && count <= m_size - pos;
    }
    // The bytes from pos on; callers check has() first.
    const uchar *at(qint64 pos) const { return m_data + pos; }
    // Callers check has() first; out-of-range reads give 0 rather than UB.
    uchar u8(qint64 pos) const { return has(pos, 1) ? m_data[pos] : 0; }
    quint32 u16(qint64 pos) const { return quint32(u8(pos)) | quint32(u8(pos + 1)) << 8; }
    quint32 u32(qint64 pos) const { return u16(pos) | u16(pos + 2) << 16; }
    qint32 s32(qint64 pos) const { return qint32(u32(pos)); }

private:
    const uchar *m_data;
    qint64 m_size;
};

struct Header
{
    qint64 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = Rgb;
    quint32 coloursUsed = 0;
    qint64 dataOffset = 0;  // from the file header
    bool core = false;
};

struct Layout
{
    QVector<QRgb> palette;
    quint32 masks[3] = {0, 0, 0};  // red, green, blue
    qint64 dataStart = 0;
};

void readCoreHeader(const Bytes &b, Header &h)
{
    h.core = true;
    h.width = b.u16(18);
    h.height = b.u16(20);
    if (b.u16(22) != 1)
        throw KwError::invalidBitmap();
    h.bitsPerPixel = int(b.u16(24));
}

void readInfoHeader(const Bytes &b, Header &h)
{
    h.width = b.s32(18);
    const qint64 height = b.s32(22);
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    if (b.u16(26) != 1)
        throw KwError::invalidBitmap();
    h.bitsPerPixel = int(b.u16(28));
    h.compression = b.u32(30);
    h.coloursUsed = b.u32(46);
}

bool validFormat(const Header &h)
{
    const int bpp = h.bitsPerPixel;
    if (h.core)
        return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24;
    switch (h.compression) {
    case Rgb:
        return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    case Rle8:
        return bpp == 8 && !h.topDown;  // compressed pictures are always bottom-up
    case Rle4:
        return bpp == 4 && !h.topDown;
    case BitFields:
        return bpp == 16 || bpp == 32;
    default:
        return false;
    }
}

void checkSize(const Header &h)
{
    // A height of -2^31 has no positive counterpart in a picture's int height.
    if (h.width <= 0 || h.height <= 0 || h.height > std::numeric_limits<int>::max())
        throw KwError::invalidBitmap();
    if (h.width > MaxPixels || h.width * h.height > MaxPixels)
        throw KwError::outOfResources();
}

Header readHeader(const Bytes &b)
{
    if (!b.has(0, FileHeaderSize))
        throw KwError::streamRead();
    if (b.u8(0) != 'B' || b.u8(1) != 'M')
        throw KwError::invalidBitmap();
    Header h;
    h.dataOffset = b.u32(10);
    if (!b.has(FileHeaderSize, 4))
        throw KwError::streamRead();
    h.headerSize = b.u32(FileHeaderSize);
    if (h.headerSize != CoreHeaderSize && h.headerSize < InfoHeaderSize)
        throw KwError::invalidBitmap();
    if (!b.has(FileHeaderSize, h.headerSize))
        throw KwError::streamRead();
    if (h.headerSize == CoreHeaderSize)
        readCoreHeader(b, h);
    else
        readInfoHeader(b, h);
    if (!validFormat(h))
        throw KwError::invalidBitmap();
    checkSize(h);
    return h;
}

void defaultMasks(const Header &h, quint32 masks[3])
{
    if (h.bitsPerPixel == 16) {  // 5-5-5
        masks[0] = 0x7c00;
        masks[1] = 0x03e0;
        masks[2] = 0x001f;
    } else {
        masks[0] = 0xff0000;
        masks[1] = 0x00ff00;
        masks[2] = 0x0000ff;
    }
}

// Returns the position after the masks: they follow a 40-byte header, and
// are the header's own fields from the 52-byte version on.
qint64 readMasks(const Bytes &b, const Header &h, qint64 pos, quint32 masks[3])
{
    if (h.compression != BitFields) {
        defaultMasks(h, masks);
        return pos;
    }
    const bool inHeader = h.headerSize >= MasksInHeaderSize;
    const qint64 at = inHeader ? FileHeaderSize + InfoHeaderSize : pos;
    if (!b.has(at, 12))
        throw KwError::streamRead();
    for (int i = 0; i < 3; ++i)
        masks[i] = b.u32(at + 4 * i);
    return inHeader ? pos : pos + 12;
}

// Reads the colour table that starts at pos and returns where it ends. It has
// room up to the pixel data, or up to the end of the file when the offset
// gives no place for them. Without a count in the header the table holds
// 2^bpp entries, or as many as the room before the pixel data allows; a
// count in the header is a claim, and a table cut short of it (by the pixel
// data or the end of the file) is a read error, not a black picture. Entries
// past 2^bpp are never indexed and are skipped.
qint64 readPalette(const Bytes &b, const Header &h, qint64 pos, std::optional<qint64> pixelsAt,
                   QVector<QRgb> &palette)
{
    if (h.bitsPerPixel > 8)
        return pos;
    const qint64 entrySize = h.core ? 3 : 4;
    const qint64 full = qint64(1) << h.bitsPerPixel;
    const qint64 room = pixelsAt.value_or(b.size()) - pos;
    qint64 entries = h.coloursUsed != 0 ? qint64(h.coloursUsed) : full;
    if (h.coloursUsed == 0 && pixelsAt)
        entries = std::min(full, room / entrySize);
    if (entries * entrySize > room)
        throw KwError::streamRead();
    const qint64 used = std::min(entries, full);
    palette.resize(int(used));
    for (qint64 i = 0; i < used; ++i) {
        const qint64 at = pos + i * entrySize;
        palette[int(i)] = qRgb(b.u8(at + 2), b.u8(at + 1), b.u8(at));
    }
    return pos + entries * entrySize;
}

// The file header says where the pixels are. Writers that leave it 0 or
// point it into the headers mean "right after the colour table"; an offset
// at or past the end of the file cannot be right either, and is read the same
// way. Any other offset is honoured, even one inside the table the header
// would have: the core header has no count of colours, and there the offset
// is the only word on how long the table is.
std::optional<qint64> pixelOffset(const Bytes &b, const Header &h, qint64 headersEnd)
{
    if (h.dataOffset < headersEnd || h.dataOffset >= b.size())
        return std::nullopt;
    return h.dataOffset;
}

Layout readLayout(const Bytes &b, const Header &h)
{
    Layout layout;
    qint64 pos = FileHeaderSize + h.headerSize;
    pos = readMasks(b, h, pos, layout.masks);
    const std::optional<qint64> pixelsAt = pixelOffset(b, h, pos);
    pos = readPalette(b, h, pos, pixelsAt, layout.palette);
    layout.dataStart = pixelsAt.value_or(pos);
    return layout;
}

QImage makePicture(const Header &h)
{
    QImage image(int(h.width), int(h.height), QImage::Format_RGB32);
    if (image.isNull())
        throw KwError::outOfResources();
    image.fill(InitialFill);
    return image;
}

// One colour channel of a bit-field pixel, scaled to 8 bits whatever the
// mask's width. A zero mask gives 0; masks may overlap or have gaps.
class Channel
{
public:
    explicit Channel(quint32 mask) : m_mask(mask)
    {
        if (mask == 0)
            return;
        while (!((mask >> m_shift) & 1u))
            ++m_shift;
        int top = 31;
        while (!((mask >> top) & 1u))
            --top;
        m_max = (quint64(1) << (top - m_shift + 1)) - 1;
    }

    int value(quint32 pixel) const
    {
        if (m_mask == 0)
            return 0;
        const quint64 v = (pixel & m_mask) >> m_shift;
        return int((v * 255 + m_max / 2) / m_max);
    }

private:
    quint32 m_mask;
    int m_shift = 0;
    quint64 m_max = 1;
};

// Turns one row of file bytes into pixels, stopping where the bytes end.
class RowDecoder
{
public:
    RowDecoder(const Header &h, const Layout &layout)
        : m_bpp(h.bitsPerPixel), m_palette(layout.palette),
          m_red(layout.masks[0]), m_green(layout.masks[1]), m_blue(layout.masks[2])
    {
    }

    void decode(const Bytes &b, qint64 rowStart, QRgb *out, qint64 width) const
    {
        if (m_bpp <= 8)
            indexedRow(b, rowStart, out, width);
        else
            directRow(b, rowStart, out, width);
    }

    QRgb colour(uint index) const
    {
        return index < uint(m_palette.size()) ? m_palette[int(index)] : InitialFill;
    }

private:
    void indexedRow(const Bytes &b, qint64 rowStart, QRgb *out, qint64 width) const
    {
        const int perByte = 8 / m_bpp;
        const uint mask = (1u << m_bpp) - 1;
        for (qint64 x = 0; x < width; ++x) {
            const qint64 at = rowStart + x / perByte;
            if (!b.has(at, 1))
                return;
            const int shift = 8 - m_bpp * int(x % perByte + 1);  // leftmost pixel in the high bits
            out[x] = colour((b.u8(at) >> shift) & mask);
        }
    }

    void directRow(const Bytes &b, qint64 rowStart, QRgb *out, qint64 width) const
    {
        const int bytesPerPixel = m_bpp / 8;
        // The common tile: 24 bits, the whole row in the file. One bounds
        // check for the row instead of three per pixel.
        if (m_bpp == 24 && b.has(rowStart, width * 3)) {
            const uchar *in = b.at(rowStart);
            for (qint64 x = 0; x < width; ++x, in += 3)
                out[x] = qRgb(in[2], in[1], in[0]);
            return;
        }
        for (qint64 x = 0; x < width; ++x) {
            const qint64 at = rowStart + x * bytesPerPixel;
            if (!b.has(at, bytesPerPixel))
                return;
            out[x] = direct(b, at);
        }
    }

    QRgb direct(const Bytes &b, qint64 at) const
    {
        if (m_bpp == 24)
            return qRgb(b.u8(at + 2), b.u8(at + 1), b.u8(at));
        const quint32 pixel = m_bpp == 16 ? b.u16(at) : b.u32(at);
        return qRgb(m_red.value(pixel), m_green.value(pixel), m_blue.value(pixel));
    }

    int m_bpp;
    QVector<QRgb> m_palette;
    Channel m_red, m_green, m_blue;
};

QRgb *rowOf(QImage &image, const Header &h, qint64 fileRow)
{
    const qint64 y = h.topDown ? fileRow : h.height - 1 - fileRow;
    return reinterpret_cast<QRgb *>(image.scanLine(int(y)));
}

void decodeRows(const Bytes &b, const Header &h, const Layout &layout, QImage &image)
{
    const RowDecoder decoder(h, layout);
    const qint64 stride = (h.width * h.bitsPerPixel + 31) / 32 * 4;
    for (qint64 row = 0; row < h.height; ++row) {
        const qint64 start = layout.dataStart + row * stride;
        if (start >= b.size())
            return;  // the data stop here; the remaining rows keep the fill
        decoder.decode(b, start, rowOf(image, h, row), h.width);
    }
}

// Run-length decoding for 4 and 8 bits. Runs are clipped at the right edge
// (never wrapped to the next row) and nothing is drawn above the top row.
class RleDecoder
{
public:
    RleDecoder(const Bytes &b, const Header &h, const Layout &layout, QImage &image)
        : m_b(b), m_h(h), m_image(image), m_colours(h, layout), m_pos(layout.dataStart),
          m_four(h.bitsPerPixel == 4)
    {
    }

    void run()
    {
        while (m_y < m_h.height && m_b.has(m_pos, 2)) {
            const uint count = m_b.u8(m_pos);
            const uint value = m_b.u8(m_pos + 1);
            m_pos += 2;
            if (count > 0)
                encodedRun(count, value);
            else if (!escape(value))
                return;
        }
    }

private:
    // Returns false at the end of the picture or where the data stop.
    bool escape(uint code)
    {
        switch (code) {
        case 0:  // end of line
            m_x = 0;
            ++m_y;
            return true;
        case 1:  // end of picture
            return false;
        case 2:  // move right and up
            if (!m_b.has(m_pos, 2))
                return false;
            m_x += m_b.u8(m_pos);
            m_y += m_b.u8(m_pos + 1);
            m_pos += 2;
            return true;
        default:
            return absoluteRun(code);
        }
    }

    void encodedRun(uint count, uint value)
    {
        for (uint i = 0; i < count; ++i) {
            const uint index = !m_four ? value : (i % 2 == 0 ? value >> 4 : value & 0x0f);
            put(index);
        }
    }

    bool absoluteRun(uint count)
    {
        const qint64 bytes = m_four ? (count + 1) / 2 : count;
        for (uint i = 0; i < count; ++i) {
            const qint64 at = m_pos + (m_four ? i / 2 : i);
            if (!m_b.has(at, 1))
                return false;
            const uint byte = m_b.u8(at);
            put(!m_four ? byte : (i % 2 == 0 ? byte >> 4 : byte & 0x0f));
        }
        m_pos += bytes + (bytes & 1);  // absolute runs are padded to 16 bits
        return true;
    }

    void put(uint index)
    {
        if (m_x < m_h.width && m_y < m_h.height)
            rowOf(m_image, m_h, m_y)[m_x] = m_colours.colour(index);
        ++m_x;
    }

    const Bytes &m_b;
    const Header &m_h;
    QImage &m_image;
    RowDecoder m_colours;
    qint64 m_pos;
    bool m_four;
    qint64 m_x = 0;  // at most 255 per two bytes read, so 64 bits never wrap
    qint64 m_y = 0;  // file row, counted from the bottom
};

QImage decodeWhole(const QByteArray &bytes)
{
    const Bytes b(bytes);
    const Header h = readHeader(b);
    const Layout layout = readLayout(b, h);
    QImage image = makePicture(h);
    if (h.compression == Rle8 || h.compression == Rle4)
        RleDecoder(b, h, layout, image).run();
    else
        decodeRows(b, h, layout, image);
    return image;
}

// A tile file is read whole; what is no regular file is no tile. Messages
// name shownPath.
QByteArray readRegular(const QByteArray &nativePath, const QString &shownPath)
{
    try {
        const RegularFile::Result file = RegularFile::read(nativePath, MaxFileBytes);
        switch (file.status) {
        case RegularFile::Read:
            return file.bytes;
        case RegularFile::CannotOpen:
        case RegularFile::NotRegular:
            throw KwError::cannotOpen(shownPath);
        case RegularFile::TooLarge:
            throw KwError::outOfResources();
        case RegularFile::ReadFailed:
            break;
        }
        throw KwError::streamRead();
    } catch (const std::bad_alloc &) {
        throw KwError::outOfResources();
    }
}

} // namespace

QImage BmpReader::decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QImage();
    return decodeWhole(bytes);
}

QImage BmpReader::readFile(const QString &path)
{
    return decode(readRegular(NativeName::encode(path), path));
}

QByteArray BmpReader::readBytes(const QByteArray &nativePath, const QString &shownPath)
{
    return readRegular(nativePath, shownPath);
}
