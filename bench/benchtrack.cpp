// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchtrack.h"

#include "pieces/catalogue.h"

#include <QFile>

#include <algorithm>
#include <random>

BenchTrack::BenchTrack(unsigned seed)
{
    const QVector<QByteArray> catalogue = Catalogue::codes();
    // A fixed seed: the same track in every run of the bench.
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, int(catalogue.size()) - 1);
    m_codes = catalogue;
    while (m_codes.size() < side * side)
        m_codes.append(catalogue.at(pick(random)));
    std::shuffle(m_codes.begin(), m_codes.end(), random);
}

QByteArray BenchTrack::lineOf(const QVector<QByteArray> &codes, int r)
{
    QByteArray line;
    for (int c = 0; c < side; ++c) {
        line += codes.at(r * side + c);
        if (c + 1 < side)
            line += ',';
    }
    return line;
}

QByteArray BenchTrack::fileBytes() const
{
    QByteArray bytes;
    for (int r = 0; r < side; ++r)
        bytes += lineOf(m_codes, r) + "\r\n";
    return bytes;
}

bool BenchTrack::write(const QString &path) const
{
    QFile file(path);
    const QByteArray bytes = fileBytes();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
