// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an inventory file. The reader must either refuse them with a
// message that names the file and, for a line, its number, or give counts
// of catalogue codes within bounds; what it gives, written out again as
// plain code,count lines, must read back to the same counts.

#include "base/kwerror.h"
#include "document/inventory.h"
#include "pieces/piecetable.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(int line, const char *what)
{
    std::fprintf(stderr, "fuzz_inventory:%d: check failed: %s\n", line, what);
    std::abort();
}
#define CHECK(cond) ((cond) ? void(0) : fail(__LINE__, #cond))

const QString fileName = QStringLiteral("fuzz.csv");

QByteArray written(const Inventory &inventory)
{
    QByteArray text;
    for (auto it = inventory.counts().cbegin(); it != inventory.counts().cend(); ++it)
        text += it.key() + ',' + QByteArray::number(it.value()) + '\n';
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const Inventory inventory = Inventory::parse(bytes, fileName);
        CHECK(!inventory.isEmpty());
        for (auto it = inventory.counts().cbegin(); it != inventory.counts().cend(); ++it) {
            CHECK(PieceTable::find(it.key()) != nullptr);
            CHECK(it.value() >= 0 && it.value() <= Inventory::maxCount);
        }
        try {
            CHECK(Inventory::parse(written(inventory), fileName).counts() == inventory.counts());
        } catch (const KwError &) {
            CHECK(!"a written inventory reads back");
        }
    } catch (const KwError &error) {
        CHECK(error.message().startsWith(fileName));
        CHECK(error.message() == fileName + QStringLiteral(" lists no pieces")
              || error.message().startsWith(fileName + QStringLiteral(", line ")));
    }
    return 0;
}
