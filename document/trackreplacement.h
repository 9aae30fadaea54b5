// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TrackDocument;
class TrackGrid;

// A whole new track put in the place of the one being edited, its size
// included, as one step of the history that marks the track modified: a
// suggested circuit chosen as the track. Undo brings back the track before,
// its size, and every cell beyond its block. The file name stays: saving
// writes the new track where the old one was, after the usual question.
class TrackReplacement
{
public:
    // The cells beyond the new track's block take the default piece, as New
    // leaves them; nothing stays selected.
    static void replace(TrackDocument &document, const TrackGrid &track, const QString &stepName);
};
