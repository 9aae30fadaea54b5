// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/nosettings.h"

#include <QSettings>
#include <QString>

void NoSettings::apply()
{
    static const bool done = [] {
        const QString nowhere = QStringLiteral("/dev/null/kerbwright-keeps-no-settings");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, nowhere);
        return true;
    }();
    (void)done;
}
