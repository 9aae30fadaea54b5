// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackreplacement.h"

#include "document/trackdocument.h"
#include "pieces/catalogue.h"

void TrackReplacement::replace(TrackDocument &document, const TrackGrid &track, const QString &stepName)
{
    TrackGrid grid = track;
    for (int index = 0; index < TrackGrid::cellCount; ++index)
        if (!grid.inBlock(index))
            grid.setCell(index, Cell{Catalogue::defaultCode(), false});
    document.record(stepName, true, [&] {
        document.setSelection(CellSelection());
        document.setGrid(grid);
    });
}
