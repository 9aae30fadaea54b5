// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/partslist.h"

#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace {

struct Place
{
    int rank = 0;  // position in palette order
    int page = 0;
};

// Every catalogue code's place in palette order, built once: the piece
// table is in palette order.
const QHash<QByteArray, Place> &palettePlaces()
{
    static const QHash<QByteArray, Place> places = [] {
        QHash<QByteArray, Place> result;
        int rank = 0;
        for (const Piece &piece : PieceTable::pieces())
            result.insert(piece.code, Place{rank++, piece.page});
        return result;
    }();
    return places;
}

bool inPaletteOrder(const PartsList::Row &a, const PartsList::Row &b)
{
    const QHash<QByteArray, Place> &places = palettePlaces();
    const auto pa = places.constFind(a.code);
    const auto pb = places.constFind(b.code);
    const bool aKnown = pa != places.constEnd();
    const bool bKnown = pb != places.constEnd();
    if (aKnown != bKnown)
        return aKnown;
    return aKnown ? pa->rank < pb->rank : a.code < b.code;
}

// Quotes a field only where a reader would otherwise split or change it: a
// separator, a quote or a line break inside it, or a space at either end,
// which many readers trim (a code is its exact bytes, " 07" included).
QString quoted(const QString &value, QLatin1String specials)
{
    const bool needsQuotes =
        std::any_of(value.cbegin(), value.cend(), [&](QChar c) { return specials.contains(c); })
        || (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!needsQuotes)
        return value;
    QString doubled = value;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

const QLatin1String csvSpecials(",\"\r\n");
const QLatin1String tabSpecials("\t\"\r\n");

} // namespace

PartsList::PartsList(const TrackGrid &grid)
{
    QHash<QByteArray, int> counts;
    for (int c = 0; c < grid.width(); ++c) {
        for (int r = 0; r < grid.height(); ++r)
            ++counts[grid.cell(c, r).code];
    }
    const QHash<QByteArray, Place> &places = palettePlaces();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const auto place = places.constFind(it.key());
        const bool known = place != places.constEnd();
        const QString page = known ? PieceTable::pages()[place->page].caption : QString();
        m_rows.append(Row{it.key(), page, it.value(), PieceTable::name(it.key())});
        m_total += it.value();
    }
    std::sort(m_rows.begin(), m_rows.end(), inPaletteOrder);
}

QString PartsList::summary() const
{
    const QString total = m_total == 1 ? QCoreApplication::translate("PartsList", "1 piece")
                                       : QCoreApplication::translate("PartsList", "%n pieces", nullptr, m_total);
    return QCoreApplication::translate("PartsList", "%1, %2 distinct").arg(total).arg(distinct());
}

QByteArray PartsList::csv() const
{
    QByteArray text = "code,page,count,name\n";
    for (const Row &row : m_rows) {
        // Codes go out as the bytes they are; captions and names are ours, in UTF-8.
        text += quoted(codeText(row.code), csvSpecials).toLatin1() + ','
                + quoted(row.page, csvSpecials).toUtf8() + ',' + QByteArray::number(row.count)
                + ',' + quoted(row.name, csvSpecials).toUtf8() + '\n';
    }
    return text;
}

QString PartsList::tabText() const
{
    QString text = QStringLiteral("code\tpage\tcount\tname\n");
    for (const Row &row : m_rows) {
        text += quoted(codeText(row.code), tabSpecials) + QLatin1Char('\t')
                + quoted(row.page, tabSpecials) + QLatin1Char('\t') + QString::number(row.count)
                + QLatin1Char('\t') + quoted(row.name, tabSpecials) + QLatin1Char('\n');
    }
    return text;
}
