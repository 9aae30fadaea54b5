// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

class PartsList;

// The pieces a club owns, read from a CSV file: "code,count" lines, or the
// parts list's own "code,page,count,name" as "Save as CSV…" writes it, so a
// club saves a list, edits the counts in a spreadsheet and loads it back.
// What spreadsheets write is accepted: a header line or none, commas,
// semicolons or tabs between fields, quoted fields, a UTF-8 byte-order mark,
// CR LF line ends, blank lines. A line that is not understood refuses the
// whole file with its name, the line number and what was wrong.
class Inventory
{
public:
    static constexpr qint64 maxSize = 1 << 20;
    static constexpr int maxCount = 1000000;

    // How far the pieces a track needs exceed those owned, for one code.
    struct Shortage
    {
        QByteArray code;
        int need = 0;
        int own = 0;
        int missing() const { return need - own; }
    };

    Inventory() = default;

    // Throws KwError: the file cannot be read, or a line is not understood.
    static Inventory read(const QString &path);
    // The same for bytes already read; fileName names the file in messages.
    static Inventory parse(const QByteArray &bytes, const QString &fileName);

    bool isEmpty() const { return m_counts.isEmpty(); }
    int owned(const QByteArray &code) const { return m_counts.value(code); }
    // Whether what is owned limits how many of code a track may use: for
    // every code the inventory lists, and for every other code but a plain
    // surface (grass, plain foam, plain carpet). A club that does not list a
    // plain surface has as much of it as the track needs: where the mats
    // run out, the hall's floor shows. The parts list, the check, the plan,
    // the sheets, the palette's counts, the warnings and "use owned pieces"
    // all ask here.
    bool limits(const QByteArray &code) const;
    // How many more of code a track that uses `used` of them needs than are
    // owned; 0 when it has enough or the code is not limited.
    int missing(const QByteArray &code, int used) const;
    // Whether the code is one of the three plain surfaces.
    static bool isPlainSurface(const QByteArray &code);
    const QHash<QByteArray, int> &counts() const { return m_counts; }

    // Every piece of the list the club has fewer of than the track needs, in
    // the list's order. A code the inventory does not name is owned 0 times,
    // unless it is not limited (limits()).
    QVector<Shortage> shortages(const PartsList &list) const;
    // "3 pieces short", "1 piece short" or "All pieces owned".
    static QString shortText(const QVector<Shortage> &shortages);

private:
    QHash<QByteArray, int> m_counts;
};
