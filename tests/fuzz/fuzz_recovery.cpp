// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a recovery copy. The reader must never crash on them, and a
// copy it accepts must be a sound track (a size in 1..30, exactly the block
// showing) that writes back to bytes it reads as the same copy.

#include "document/recoverycopy.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(int line, const char *what)
{
    std::fprintf(stderr, "fuzz_recovery:%d: check failed: %s\n", line, what);
    std::abort();
}
#define CHECK(cond) ((cond) ? void(0) : fail(__LINE__, #cond))

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<RecoveryCopy> copy = RecoveryCopy::fromBytes(bytes);
    if (!copy)
        return 0;
    const TrackGrid &grid = copy->grid;
    CHECK(grid.width() >= 1 && grid.width() <= TrackGrid::side);
    CHECK(grid.height() >= 1 && grid.height() <= TrackGrid::side);
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        CHECK(grid.cell(i).visible == grid.inBlock(i));
        CHECK(!grid.cell(i).code.contains(',') && !grid.cell(i).code.contains('\n'));
    }
    CHECK(copy->time.isValid());
    const QByteArray written = copy->toBytes();
    const std::optional<RecoveryCopy> again = RecoveryCopy::fromBytes(written);
    CHECK(again && *again == *copy);
    CHECK(again->toBytes() == written);
    return 0;
}
