// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/inventory.h"

#include "base/kwerror.h"
#include "base/regularfile.h"
#include "base/shownbytes.h"
#include "document/partslist.h"
#include "pieces/piecetable.h"
#include "pieces/roadfamily.h"

#include <QCoreApplication>
#include <algorithm>
#include <new>
#include <optional>

namespace {

// One line that the reader does not understand.
struct LineError
{
    QString what;
};

// Splits a line at the separator outside quotes. A quoted field is taken as
// it stands between its quotes ("" is one quote); an unquoted one loses the
// spaces around it, which spreadsheets add after a separator.
QVector<QByteArray> fields(const QByteArray &line, char separator)
{
    QVector<QByteArray> result;
    int p = 0;
    const int n = int(line.size());
    while (true) {
        while (p < n && line[p] == ' ')
            ++p;
        QByteArray field;
        if (p < n && line[p] == '"') {
            ++p;
            while (true) {
                if (p >= n)
                    throw LineError{QCoreApplication::translate("Inventory", "a quote is not closed")};
                if (line[p] == '"') {
                    if (p + 1 < n && line[p + 1] == '"') {
                        field += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                field += line[p++];
            }
            while (p < n && line[p] == ' ')
                ++p;
            if (p < n && line[p] != separator)
                throw LineError{QCoreApplication::translate("Inventory", "text follows a closing quote")};
        } else {
            const int start = p;
            while (p < n && line[p] != separator)
                ++p;
            field = line.mid(start, p - start).trimmed();
            if (field.contains('"'))
                throw LineError{QCoreApplication::translate("Inventory", "a quote inside a field that does not start with one")};
        }
        result.append(field);
        if (p >= n)
            return result;
        ++p;  // the separator
    }
}

// Outside quotes, a tab, else a semicolon, else a comma: the one the
// first line uses.
char separatorOf(const QByteArray &line)
{
    bool quoted = false;
    bool semicolon = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\t')
            return '\t';
        else if (!quoted && c == ';')
            semicolon = true;
    }
    return semicolon ? ';' : ',';
}

// Where the code and the count stand in a line.
struct Columns
{
    int code = 0;
    int count = 1;
    int fields = 2;  // 0: a header set the columns, any number of fields will do
};

std::optional<Columns> headerColumns(QVector<QByteArray> names)
{
    for (QByteArray &name : names)
        name = name.toLower();
    if (names.isEmpty() || names.first() != "code")
        return std::nullopt;
    const int count = int(names.indexOf("count"));
    if (count < 0)
        throw LineError{QCoreApplication::translate("Inventory", "the header has no column \"count\"")};
    return Columns{0, count, 0};
}

QString fieldCount(qsizetype n)
{
    return n == 1 ? QCoreApplication::translate("Inventory", "1 field") : QCoreApplication::translate("Inventory", "%1 fields").arg(n);
}

Columns dataColumns(const QVector<QByteArray> &values)
{
    if (values.size() == 2)
        return Columns{0, 1, 2};
    if (values.size() == 4)
        return Columns{0, 2, 4};
    throw LineError{fieldCount(values.size()) + QCoreApplication::translate("Inventory", " where code,count or code,page,count,name was expected")};
}

// A field of the file as the message quotes it: its bytes may be anything,
// an escape sequence that would drive the terminal included.
QString shownCode(const QByteArray &code)
{
    return ShownBytes::text(code, 20);
}

int countOf(const QByteArray &text)
{
    bool digits = !text.isEmpty() && text.size() <= 7;
    for (char c : text)
        digits = digits && c >= '0' && c <= '9';
    const int count = digits ? text.toInt() : -1;
    if (count < 0 || count > Inventory::maxCount)
        throw LineError{QCoreApplication::translate("Inventory", "the count \"%1\" is not a whole number from 0 to %2")
                            .arg(shownCode(text))
                            .arg(Inventory::maxCount)};
    return count;
}

} // namespace

Inventory Inventory::read(const QString &path)
{
    try {
        const RegularFile::Result file = RegularFile::read(path, maxSize);
        switch (file.status) {
        case RegularFile::Read:
            return parse(file.bytes, path);
        case RegularFile::CannotOpen:
        case RegularFile::NotRegular:
            throw KwError::cannotOpen(path);
        case RegularFile::TooLarge:
            throw KwError(QCoreApplication::translate("Inventory", "%1 is too large for an inventory").arg(ShownBytes::fileName(path)));
        case RegularFile::ReadFailed:
            break;
        }
        throw KwError::streamRead();
    } catch (const std::bad_alloc &) {
        throw KwError::outOfResources();
    }
}

Inventory Inventory::parse(const QByteArray &bytes, const QString &fileName)
{
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QList<QByteArray> lines = text.split('\n');
    Inventory inventory;
    QHash<QByteArray, int> lineOf;
    std::optional<Columns> columns;
    char separator = ',';
    for (int k = 0; k < lines.size(); ++k) {
        QByteArray line = lines[k];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        try {
            if (!columns) {
                separator = separatorOf(line);
                const QVector<QByteArray> first = fields(line, separator);
                if ((columns = headerColumns(first)))
                    continue;
                columns = dataColumns(first);
            }
            const QVector<QByteArray> values = fields(line, separator);
            if (columns->fields > 0 ? values.size() != columns->fields
                                    : values.size() <= std::max(columns->code, columns->count))
                throw LineError{fieldCount(values.size()) + QCoreApplication::translate("Inventory", " where the lines above have %1")
                                    .arg(columns->fields > 0 ? columns->fields : std::max(columns->code, columns->count) + 1)};
            const QByteArray &code = values[columns->code];
            if (!PieceTable::find(code))
                throw LineError{QCoreApplication::translate("Inventory", "\"%1\" is no piece code").arg(shownCode(code))};
            const int count = countOf(values[columns->count]);
            if (lineOf.contains(code))
                throw LineError{QCoreApplication::translate("Inventory", "%1 is listed already on line %2").arg(shownCode(code)).arg(lineOf[code])};
            lineOf.insert(code, k + 1);
            inventory.m_counts.insert(code, count);
        } catch (const LineError &error) {
            throw KwError(QCoreApplication::translate("Inventory", "%1, line %2: %3").arg(ShownBytes::fileName(fileName)).arg(k + 1).arg(error.what));
        }
    }
    if (inventory.m_counts.isEmpty())
        throw KwError(QCoreApplication::translate("Inventory", "%1 lists no pieces").arg(ShownBytes::fileName(fileName)));
    return inventory;
}

QVector<Inventory::Shortage> Inventory::shortages(const PartsList &list) const
{
    QVector<Shortage> result;
    for (const PartsList::Row &row : list.rows())
        if (missing(row.code, row.count) > 0)
            result.append({row.code, row.count, owned(row.code)});
    return result;
}

bool Inventory::isPlainSurface(const QByteArray &code)
{
    for (RoadFamily family : {RoadFamily::Circuit, RoadFamily::Foam, RoadFamily::Carpet})
        if (code == RoadPieces::of(family).plain())
            return true;
    return false;
}

bool Inventory::limits(const QByteArray &code) const
{
    return m_counts.contains(code) || !isPlainSurface(code);
}

int Inventory::missing(const QByteArray &code, int used) const
{
    return limits(code) ? std::max(0, used - owned(code)) : 0;
}

QString Inventory::shortText(const QVector<Shortage> &shortages)
{
    int missing = 0;
    for (const Shortage &shortage : shortages)
        missing += shortage.missing();
    if (missing == 0)
        return QCoreApplication::translate("Inventory", "All pieces owned");
    return missing == 1 ? QCoreApplication::translate("Inventory", "1 piece short")
                        : QCoreApplication::translate("Inventory", "%n pieces short", nullptr, missing);
}
