// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TileBook;

// One painter per palette page; each adds its series' pieces to the book.
namespace ArtSeries {
void normal(TileBook &book);         // series 0
void mats(TileBook &book);           // series A and B
void largeCorners(TileBook &book);   // series 1
void intersections(TileBook &book);  // series 2
void diagonals(TileBook &book);      // series 3
void pitLane(TileBook &book);        // series 4
void bumps(TileBook &book);          // series 9
void openAreas(TileBook &book);      // series 5 and 6
void scenery(TileBook &book);        // series 7
}
