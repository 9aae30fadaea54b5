// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The side of a cell in metres, as the user set it in the parts list window:
// it holds until the program ends and is never stored. "Check connections"
// gives laps in it too.
class SessionCellSize
{
public:
    static double metres();
    // A size that is not a positive number is ignored.
    static void setMetres(double metres);
};
