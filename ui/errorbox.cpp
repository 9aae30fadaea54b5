#include "ui/errorbox.h"

#include <QGuiApplication>
#include <QMessageBox>

QString ErrorBox::text(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void ErrorBox::show(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    text(message), QMessageBox::Ok, parent);
    box.exec();
}
