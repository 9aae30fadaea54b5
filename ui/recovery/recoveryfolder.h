// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where recovery copies live: "kerbwright/recovery" in the user's data
// folder (~/.local/share unless XDG_DATA_HOME says otherwise). The name does
// not follow the executable's, so a renamed program finds its copies.
// A copy is <id>.recovery; its editor holds <id>.lock while it runs
// (RecoveryLock). Every function here takes an empty folder as none.
class RecoveryFolder
{
public:
    // Empty when there is no data folder: XDG_DATA_HOME is no absolute path
    // and HOME is unset, empty or relative.
    static QString path();

    static QString copyPath(const QString &folder, const QString &id);
    static QString lockPathFor(const QString &copyPath);
    // The copies in the folder, oldest first.
    static QStringList copies(const QString &folder);
    // Removes the locks that no running editor holds and that guard no copy.
    static void removeStaleLocks(const QString &folder);
    // Removes the folder, and the "kerbwright" folder above it, when nothing
    // is left in them: an editor that ends with everything saved leaves no
    // trace.
    static void removeIfEmpty(const QString &folder);
};
