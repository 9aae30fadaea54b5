// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/suggestmode.h"

// kerbwright-suggest --fit TRACK --inventory FILE -o OUT.kwf: writes the
// track with the pieces the club owns used where the track needs more of a
// piece than it owns ("Use owned pieces" in the editor), and prints what it
// changed and what stays short. The track itself is never written over.
class FitMode : public SuggestMode
{
public:
    QCommandLineOption selector() const override;
    QString usage() const override;
    QString help() const override;
    QString missing() const override;
    int run(const QCommandLineParser &parser, SuggestCommand &command) override;
};
