// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class TrackGrid;

// How many of each piece a track needs: what a club packs for the hall.
// Counts the width x height block, one row per code, in palette order (page
// by page, each page in its button order); codes outside the catalogue come
// last, ordered by their bytes, with no page.
class PartsList
{
public:
    struct Row
    {
        QByteArray code;
        QString page;  // the palette page's caption; empty outside the catalogue
        int count = 0;
        QString name;  // the piece's name; empty outside the catalogue

        bool operator==(const Row &other) const
        {
            return count == other.count && code == other.code && page == other.page
                   && name == other.name;
        }
    };

    PartsList() = default;
    explicit PartsList(const TrackGrid &grid);

    const QVector<Row> &rows() const { return m_rows; }
    int total() const { return m_total; }
    int distinct() const { return int(m_rows.size()); }
    // "105 pieces, 12 distinct"
    QString summary() const;

    // "code,page,count,name", then a line per row, LF line ends, UTF-8. A
    // field is quoted when it holds a comma, a double quote or a line break,
    // or begins or ends with a space; codes are written byte for byte, as the
    // track file holds them.
    QByteArray csv() const;
    // The same table separated by tabs, for pasting into a spreadsheet: a
    // field is quoted only when it holds a tab, a double quote or a line break.
    QString tabText() const;

    // A code as text: its bytes one character each, as the palette names it.
    static QString codeText(const QByteArray &code) { return QString::fromLatin1(code); }

private:
    QVector<Row> m_rows;
    int m_total = 0;
};
