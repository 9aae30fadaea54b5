#include "ui/filedialogs.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>

namespace {

// Qt's file dialog keeps its history, last folder and view in the user's
// QtProject.conf and reads them back. The editor stores no settings, so
// Qt's settings files are pointed below /dev/null, where nothing can be
// read or created; the program itself uses no QSettings.
void keepNoSettings()
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

QFileDialog *makeDialog(QWidget *owner, const char *name, const QString &title,
                        QFileDialog::AcceptMode mode)
{
    keepNoSettings();
    auto *dialog = new QFileDialog(owner, title);
    dialog->setObjectName(QLatin1String(name));
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(QStringLiteral("Kerbwright File (*.kwf)"));
    // Only a name to save gets ".kwf" added; the Open dialog takes a typed
    // name as it stands, so a track called "oval" can be opened by name.
    if (mode == QFileDialog::AcceptSave)
        dialog->setDefaultSuffix(QStringLiteral("kwf"));
    // Save never asks before replacing a track, and Open lets a typed name
    // that does not exist through to the reader, which reports it.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setFileMode(QFileDialog::AnyFile);
    return dialog;
}

} // namespace

QtFileDialogs::QtFileDialogs(QWidget *owner)
    : m_owner(owner)
{
}

QFileDialog *QtFileDialogs::saveDialog()
{
    if (!m_save)
        m_save = makeDialog(m_owner, "SaveDialog", QStringLiteral("Save DizedidedeVida"),
                            QFileDialog::AcceptSave);
    return m_save;
}

QFileDialog *QtFileDialogs::openDialog()
{
    if (!m_open)
        m_open = makeDialog(m_owner, "OpenDialog", QStringLiteral("Open Kerbwright File"),
                            QFileDialog::AcceptOpen);
    return m_open;
}

QString QtFileDialogs::askSaveName(const QString &proposed)
{
    return run(saveDialog(), proposed);
}

QString QtFileDialogs::askOpenName(const QString &proposed)
{
    return run(openDialog(), proposed);
}

QString QtFileDialogs::run(QFileDialog *dialog, const QString &proposed)
{
    // selectFile() ignores an empty name, yet after New the Save dialog is
    // to propose none: the name box of Qt's own dialog is cleared instead.
    if (!proposed.isEmpty())
        dialog->selectFile(proposed);
    else if (auto *nameBox = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        nameBox->clear();
    if (dialog->exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
