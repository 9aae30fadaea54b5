// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/errorbox.h"

#include <QGuiApplication>
#include <QMessageBox>

void ErrorBox::show(QWidget *parent, const KwError &error)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), error.shownText(),
                    QMessageBox::Ok, parent);
    box.exec();
}
