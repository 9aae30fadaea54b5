// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackfacts.h"

#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QLocale>
#include <QCoreApplication>

TrackFacts::TrackFacts(const TrackGrid &grid)
    : m_width(grid.width()), m_height(grid.height()), m_circuits(CircuitFinder::find(grid))
{
    m_openEnds = ConnectionCheck::openEnds(m_width, m_height, [&grid](int column, int row) {
        return grid.cell(column, row).code;
    });
    // Row by row, as a reader goes through the file.
    for (int row = 0; row < m_height; ++row)
        for (int column = 0; column < m_width; ++column)
            if (const QByteArray &code = grid.cell(column, row).code; !PieceTable::find(code))
                m_unknown.append({column, row, code});
}

double TrackFacts::road() const
{
    double total = 0;
    for (const Circuit &circuit : m_circuits)
        total += circuit.road;
    return total;
}

QString TrackFacts::metres(double sides, double cellSize)
{
    // In the user's way of writing numbers ("26,9 m" in German); the
    // command-line programs print theirs for scripts under UiLanguage::Plain.
    return QLocale().toString(sides * cellSize, 'f', 1) + QStringLiteral(" m");
}

QString TrackFacts::checkText(int openEnds, double cellSize) const
{
    if (openEnds > 0) {
        QString text = ConnectionCheck::countText(openEnds);
        text[0] = text[0].toUpper();
        return text;
    }
    if (m_circuits.isEmpty())
        return QCoreApplication::translate("TrackFacts", "No road on the track");
    const int circuits = int(m_circuits.size());
    QString text = circuits == 1 ? QCoreApplication::translate("TrackFacts", "No open road ends: 1 circuit")
                                 : QCoreApplication::translate("TrackFacts", "No open road ends: %n circuits", nullptr, circuits);
    if (m_circuits.size() == 1 && m_circuits.first().lap)
        text += QCoreApplication::translate("TrackFacts", ", lap ") + metres(*m_circuits.first().lap, cellSize);
    return text;
}

QString TrackFacts::sizeText(double cellSize) const
{
    return QCoreApplication::translate("TrackFacts", "%1 × %2 cells, %3 × %4 m")
        .arg(m_width)
        .arg(m_height)
        .arg(QLocale().toString(m_width * cellSize, 'g', 6), QLocale().toString(m_height * cellSize, 'g', 6));
}

QString TrackFacts::circuitText(const Circuit &circuit, double cellSize)
{
    const int pieces = int(circuit.cells.size());
    QString text = circuit.closed
        ? (pieces == 1 ? QCoreApplication::translate("TrackFacts", "closed, 1 piece")
                       : QCoreApplication::translate("TrackFacts", "closed, %n pieces", nullptr, pieces))
        : (pieces == 1 ? QCoreApplication::translate("TrackFacts", "open, 1 piece")
                       : QCoreApplication::translate("TrackFacts", "open, %n pieces", nullptr, pieces));
    text += circuit.lap ? QCoreApplication::translate("TrackFacts", ", lap ") + metres(*circuit.lap, cellSize)
                        : QCoreApplication::translate("TrackFacts", ", no lap");
    return text + QCoreApplication::translate("TrackFacts", ", road ") + metres(circuit.road, cellSize);
}
