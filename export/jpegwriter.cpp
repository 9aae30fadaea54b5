// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/jpegwriter.h"

#include "base/kwerror.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

namespace {

constexpr int quality = 65;
constexpr size_t initialCapacity = 64 * 1024;

// libjpeg reports a fatal error through error_exit, which must not return.
// Ours jumps back into compress(); the message code stays in the manager.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf resume;
};

// The compressed bytes collect in a buffer that we own. jpeg_mem_dest is not
// used: once its buffer has grown, the live buffer is known only to the
// library's private state, and after an error it could be neither freed nor
// told apart from the freed first one.
struct MemoryDestination
{
    jpeg_destination_mgr pub;
    JOCTET *buffer;
    size_t capacity;
    size_t size;
};

// Everything libjpeg touches lives in the caller's frame, not in the frame
// that calls setjmp: locals of that frame changed before a longjmp would be
// indeterminate afterwards.
struct Compression
{
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    MemoryDestination destination;
};

void leaveOnError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->resume, 1);
}

// Warnings and traces go nowhere: the program has no console to show them.
void discardMessage(j_common_ptr, int) {}
void discardOutput(j_common_ptr) {}

void initDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = dest->capacity;
}

// Called when the buffer is full: double it and go on behind the old bytes.
boolean growDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    const size_t used = dest->capacity;
    const size_t grown = used * 2;
    auto *buffer = static_cast<JOCTET *>(std::realloc(dest->buffer, grown));
    if (!buffer)
        ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
    dest->buffer = buffer;
    dest->capacity = grown;
    dest->pub.next_output_byte = buffer + used;
    dest->pub.free_in_buffer = grown - used;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    dest->size = dest->capacity - dest->pub.free_in_buffer;
}

void setUpDestination(Compression *job)
{
    MemoryDestination &dest = job->destination;
    dest.pub.init_destination = initDestination;
    dest.pub.empty_output_buffer = growDestination;
    dest.pub.term_destination = termDestination;
    job->cinfo.dest = &dest.pub;
}

#ifdef JCS_EXTENSIONS
// libjpeg-turbo reads the picture's own 32-bit rows, in the byte order a
// QRgb has in memory; converting them to YCbCr it ignores the fourth byte
// and computes exactly what it computes for packed red, green, blue bytes.
constexpr J_COLOR_SPACE pictureSpace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;
constexpr int pictureComponents = 4;

// Pointers to the rows, in the compressor's own memory so that they go
// with it. libjpeg only reads the rows it is given.
void writeRows(const QImage &image, j_compress_ptr cinfo)
{
    const JDIMENSION height = cinfo->image_height;
    auto *rows = static_cast<JSAMPARRAY>((*cinfo->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, height * sizeof(JSAMPROW)));
    for (JDIMENSION y = 0; y < height; ++y)
        rows[y] = const_cast<JSAMPLE *>(image.constScanLine(int(y)));
    while (cinfo->next_scanline < height)
        jpeg_write_scanlines(cinfo, rows + cinfo->next_scanline, height - cinfo->next_scanline);
}
#else
constexpr J_COLOR_SPACE pictureSpace = JCS_RGB;
constexpr int pictureComponents = 3;

// A libjpeg without colour-space extensions takes red, green, blue bytes,
// one row at a time.
void writeRows(const QImage &image, j_compress_ptr cinfo)
{
    const int width = image.width();
    JSAMPARRAY row = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                 JDIMENSION(width) * 3, 1);
    while (cinfo->next_scanline < cinfo->image_height) {
        const auto *pixel = reinterpret_cast<const QRgb *>(image.constScanLine(int(cinfo->next_scanline)));
        JSAMPLE *out = row[0];
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = JSAMPLE(qRed(pixel[x]));
            out[1] = JSAMPLE(qGreen(pixel[x]));
            out[2] = JSAMPLE(qBlue(pixel[x]));
        }
        jpeg_write_scanlines(cinfo, row, 1);
    }
}
#endif

// Runs libjpeg from create to destroy. Returns 0, or the library's message
// code after a fatal error. No object with a destructor lives in this frame,
// so the longjmp skips nothing that needed cleaning up.
int compress(const QImage &image, Compression *job)
{
    j_compress_ptr cinfo = &job->cinfo;
    std::memset(cinfo, 0, sizeof *cinfo);
    cinfo->err = jpeg_std_error(&job->errors.pub);
    job->errors.pub.error_exit = leaveOnError;
    job->errors.pub.emit_message = discardMessage;
    job->errors.pub.output_message = discardOutput;
    if (setjmp(job->errors.resume)) {
        jpeg_destroy_compress(cinfo);
        return job->errors.pub.msg_code;
    }
    jpeg_create_compress(cinfo);
    setUpDestination(job);
    cinfo->image_width = JDIMENSION(image.width());
    cinfo->image_height = JDIMENSION(image.height());
    cinfo->input_components = pictureComponents;
    cinfo->in_color_space = pictureSpace;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    writeRows(image, cinfo);
    jpeg_finish_compress(cinfo);
    jpeg_destroy_compress(cinfo);
    return 0;
}

// Owns the output buffer, so it is freed however encode() ends.
struct Job
{
    Compression c{};
    Job() = default;
    Job(const Job &) = delete;
    Job &operator=(const Job &) = delete;
    ~Job() { std::free(c.destination.buffer); }
};

} // namespace

QByteArray JpegWriter::encode(const QImage &picture)
{
    const QImage image = picture.format() == QImage::Format_RGB32
                             ? picture
                             : picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull() && !picture.isNull())
        throw KwError::outOfResources();

    Job job;
    job.c.destination.buffer = static_cast<JOCTET *>(std::malloc(initialCapacity));
    if (!job.c.destination.buffer)
        throw KwError::outOfResources();
    job.c.destination.capacity = initialCapacity;

    const int code = compress(image, &job.c);
    if (code != 0)
        throw KwError::jpeg(code);
    return QByteArray(reinterpret_cast<const char *>(job.c.destination.buffer),
                      qsizetype(job.c.destination.size));
}
