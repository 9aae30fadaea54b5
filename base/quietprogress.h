// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/progress.h"

// Progress for work that nobody watches (the command-line exporter): it shows
// nothing, so no text is ever built for it.
class QuietProgress final : public Progress
{
public:
    bool showsText() const override { return false; }
};
