// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/sessioncellsize.h"

#include "document/trackfacts.h"

#include <cmath>

namespace {

double &current()
{
    static double metres = TrackFacts::defaultCellSize;
    return metres;
}

} // namespace

double SessionCellSize::metres()
{
    return current();
}

void SessionCellSize::setMetres(double metres)
{
    if (std::isfinite(metres) && metres > 0)
        current() = metres;
}
