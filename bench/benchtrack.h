// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The 30 x 30 track the benchmarks open and export: every catalogue code at
// least once, the rest a fixed pseudo-random mix, so each run of the bench
// reads the same files and draws the same picture.
class BenchTrack
{
public:
    static constexpr int side = 30;
    static constexpr unsigned defaultSeed = 20240615u;

    // Another seed gives another mix, for benchmarks that want many tracks.
    explicit BenchTrack(unsigned seed = defaultSeed);

    // The code of each cell, row by row as the file lists them.
    const QVector<QByteArray> &codes() const { return m_codes; }
    // Row r as the file holds it, without its line break.
    static QByteArray lineOf(const QVector<QByteArray> &codes, int r);
    // The file's bytes: a line a row, codes joined by commas, CR LF.
    QByteArray fileBytes() const;
    // Writes the file; false when it cannot.
    bool write(const QString &path) const;

private:
    QVector<QByteArray> m_codes;
};
