// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/car.h"
#include "document/inventory.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;
class TrackFacts;
class TrackGrid;

// kerbwright-check: lists the open road ends of each track named on the
// command line, as the editor's "Check connections" marks them right after
// opening that track, and the codes that no piece has; with --json it gives
// each track's facts (size, open ends, circuits with their laps and lap
// times, unknown codes, and with --inventory what is short) as one JSON
// object a line. Lap times are for a car class (--car) or the user's own
// car (--car-file).
// The check reads codes only: it needs no tile pictures.
class CheckCommand
{
public:
    // As diff and grep have it; trouble wins over findings.
    enum Status { AllFine = 0, Findings = 1, Trouble = 2 };

    CheckCommand(QTextStream &out, QTextStream &err);

    // The command line, program first, its file names as NativeName keeps
    // them.
    int run(const QStringList &arguments);

private:
    bool parse(const QStringList &arguments);
    bool usageError(const QString &problem);
    // Whether the track is fine; a track that cannot be read sets m_trouble.
    bool checkTrack(const QString &track);
    // shownTrack: the track's name as a terminal may show it (ShownBytes).
    bool printText(const QString &shownTrack, const TrackGrid &grid, const TrackFacts &facts);
    bool printJson(const QString &track, const TrackGrid &grid, const TrackFacts &facts);
    // The car class of that name, or the user's car from a file; false
    // after a message when there is none.
    bool chooseCar(const QString &name);
    bool readCar(const QString &file);
    void reportFailure(const QString &track, const QString &message);

    QTextStream &m_out;
    QTextStream &m_err;
    bool m_quiet = false;
    bool m_json = false;
    bool m_done = false;  // --help or --version answered
    bool m_trouble = false;
    double m_cellSize = 0.5;
    Car m_car = Car::classes().first();
    QString m_inventoryFile;
    std::optional<Inventory> m_inventory;
    QStringList m_tracks;
};
