// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/samples.h"
#include "document/trackgrid.h"
#include "pieces/tilestore.h"

#include <QString>

// The build sheets of the showcase track (30 x 30, the example a club
// would print most) in the core, without a window: cutting it into sheets
// and drawing the pages through Qt's PDF writer, then the safe write.
class SheetsBench
{
public:
    struct Figures
    {
        Samples render;  // BuildSheets::render, ms
        Samples write;   // SafeFile::write of the PDF, ms
    };

    // The example and the tiles beside the program; false, with error(),
    // when they cannot be read.
    bool prepare(const QString &binDir, const QString &workDir);
    bool runRound();

    const Figures &figures() const { return m_figures; }
    QString error() const { return m_error; }
    int pages() const { return m_pages; }
    qint64 bytes() const { return m_bytes; }
    int images() const { return m_images; }

private:
    bool fail(const QString &message);

    TrackGrid m_grid;
    TileStore m_tiles;
    QString m_output;
    Figures m_figures;
    QString m_error;
    int m_pages = 0;
    qint64 m_bytes = 0;
    int m_images = 0;
};
