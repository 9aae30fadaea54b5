// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"

#include <QByteArray>
#include <QRect>
#include <QVector>

// A rectangular block of piece codes cut out of a track: a selection, the
// clipboard's contents, a floating stamp. A plain value like TrackGrid, but
// only as large as the block (at most 30 x 30) and without hidden cells.
// Cells are addressed (column, row) from the block's top-left cell.
//
// Its text is the track file's: a line per row, the row's codes separated by
// commas, CR LF after every row, so a copied block pasted into a text editor
// is a track file and a track file's text pastes as a block.
class TrackBlock
{
public:
    static constexpr int maxSide = TrackGrid::side;

    // The empty block, 0 x 0.
    TrackBlock() = default;
    // A width x height block (each clamped into 0..30) of one code.
    TrackBlock(int width, int height, const QByteArray &code);

    // The grid's cells inside `cells`, clipped to the grid's width x height
    // block; empty when nothing of it lies inside.
    static TrackBlock copy(const TrackGrid &grid, const QRect &cells);
    // The grid's whole width x height block.
    static TrackBlock whole(const TrackGrid &grid);

    int width() const { return m_width; }
    int height() const { return m_height; }
    QSize size() const { return QSize(m_width, m_height); }
    bool isEmpty() const { return m_width == 0 || m_height == 0; }

    // (column, row) must lie inside the block.
    const QByteArray &code(int column, int row) const { return m_codes[row * m_width + column]; }
    void setCode(int column, int row, const QByteArray &code) { m_codes[row * m_width + column] = code; }

    // Puts the block into the grid with its top-left cell on (column, row);
    // the parts that fall outside the grid's width x height block are cut
    // off. Returns the grid indices whose code changed, row by row; empty
    // when nothing changed (then the grid is untouched).
    QVector<int> pasteInto(TrackGrid &grid, int column, int row) const;

    // The block as text: rows of comma-separated codes, CR LF after each.
    QByteArray toText() const;

    // The block that a text describes, as a track file's reader reads it:
    // CR LF, a lone CR or a lone LF ends a row; the widest row sets the width
    // and the last row that names a code the height; cells a short row or an
    // empty field leaves out hold the default piece. Text from other
    // programs is welcome too: a tab or a semicolon separates codes like a
    // comma, spaces and double quotes around a code are dropped, and so is a
    // leading UTF-8 byte order mark. A code is one or two digits or capital
    // letters; whether the program has a picture for it is the caller's
    // business (the tile store's).
    //
    // Throws KwError:
    //  - kind MemoCapacity for text over 1 MiB ("Text exceeds memo capacity");
    //  - kind NotTrackText, "The text is not plain text", for a NUL byte or
    //    another control character than tab, CR and LF;
    //  - kind NotTrackText, "The text holds no piece codes", for text without
    //    a code (empty, or only separators and white space);
    //  - kind TrackTooLarge for more than 30 codes in a row or 30 rows
    //    ("Track too large: at most 30 columns and 30 rows");
    //  - kind NotTrackText, "Not a piece code: "xyz" (row 2, column 3)", for
    //    any other field; rows and columns count from 1.
    static TrackBlock fromText(const QByteArray &text);

    friend bool operator==(const TrackBlock &a, const TrackBlock &b)
    {
        return a.m_width == b.m_width && a.m_height == b.m_height && a.m_codes == b.m_codes;
    }
    friend bool operator!=(const TrackBlock &a, const TrackBlock &b) { return !(a == b); }

private:
    int m_width = 0;
    int m_height = 0;
    QVector<QByteArray> m_codes;  // row by row
};
