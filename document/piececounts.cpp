// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/piececounts.h"

#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <array>

namespace {

// Every catalogue code is two characters: a series and an index. Each
// character maps to a small number, the pair to the piece's row.
struct CodeIndex
{
    std::array<qint8, 128> series;
    std::array<qint8, 128> index;
    QVector<int> pieces;  // series number x index count + index number: the row, or -1
    int indexCount = 0;

    CodeIndex()
    {
        series.fill(-1);
        index.fill(-1);
        int seriesCount = 0;
        for (const Piece &piece : PieceTable::pieces()) {
            const int s = piece.code[0], i = piece.code[1];
            if (series[s] < 0)
                series[s] = qint8(seriesCount++);
            if (index[i] < 0)
                index[i] = qint8(indexCount++);
        }
        pieces.fill(-1, seriesCount * indexCount);
        for (int row = 0; row < PieceTable::pieces().size(); ++row) {
            const QByteArray &code = PieceTable::pieces()[row].code;
            pieces[series[code[0]] * indexCount + index[code[1]]] = row;
        }
    }
};

const CodeIndex &codeIndex()
{
    static const CodeIndex table;
    return table;
}

} // namespace

int PieceCounts::pieceIndex(const QByteArray &code)
{
    if (code.size() != 2)
        return -1;
    const uchar s = uchar(code[0]), i = uchar(code[1]);
    const CodeIndex &table = codeIndex();
    if (s >= 128 || i >= 128 || table.series[s] < 0 || table.index[i] < 0)
        return -1;
    return table.pieces[table.series[s] * table.indexCount + table.index[i]];
}

PieceCounts::PieceCounts(const TrackGrid &grid)
    : m_counts(int(PieceTable::pieces().size()))
{
    for (int c = 0; c < grid.width(); ++c)
        for (int r = 0; r < grid.height(); ++r) {
            const int piece = pieceIndex(grid.cell(c, r).code);
            if (piece >= 0)
                ++m_counts[piece];
        }
}

int PieceCounts::of(const QByteArray &code) const
{
    const int piece = pieceIndex(code);
    return piece < 0 ? 0 : at(piece);
}

void PieceCounts::add(int piece, int count)
{
    if (m_counts.isEmpty())
        m_counts.resize(int(PieceTable::pieces().size()));
    m_counts[piece] += count;
}
