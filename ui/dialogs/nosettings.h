// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's file dialog keeps its history, last folder and view in the user's
// QtProject.conf and reads them back. The editor stores no settings, so
// every file dialog calls apply() before it is built: Qt's settings files
// are pointed below /dev/null, where nothing can be read or created. The
// program itself uses no QSettings.
class NoSettings
{
public:
    static void apply();
};
