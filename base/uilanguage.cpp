// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/uilanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// Where the build embeds the translations (the default of qt_add_translations).
const QString folder = QStringLiteral(":/i18n");
const QString prefix = QStringLiteral("kerbwright_");

// "de", "de-DE", "de_AT" all name German.
QString languageOf(const QString &uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// What install() put on the application, for Plain to take off and back.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> list;
    return list;
}

void installFile(QCoreApplication &app, const QString &name, const QString &dir)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(name, dir)) {
        app.installTranslator(translator);
        installed().append(translator);
    } else {
        delete translator;
    }
}

} // namespace

QStringList UiLanguage::available()
{
    QStringList languages;
    const QStringList files = QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

QString UiLanguage::chosen(const QStringList &uiLanguages)
{
    const QStringList ours = available();
    for (const QString &uiLanguage : uiLanguages) {
        const QString language = languageOf(uiLanguage);
        // English before any translation we have: the texts stay as written.
        // "C" and "POSIX" are no language and pass on to the next.
        if (language == QLatin1String("en"))
            return QString();
        if (ours.contains(language))
            return language;
    }
    return QString();
}

QString UiLanguage::install(QCoreApplication &app)
{
    const QString language = chosen(QLocale::system().uiLanguages());
    if (language.isEmpty())
        return language;
    // Qt's own first: a translator installed later is asked first, so ours
    // would win should a text be in both.
    installFile(app, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installFile(app, prefix + language, folder);
    return language;
}

UiLanguage::Plain::Plain()
{
    QLocale::setDefault(QLocale::c());
    for (const QPointer<QTranslator> &translator : std::as_const(installed()))
        if (translator)
            QCoreApplication::removeTranslator(translator);
}

UiLanguage::Plain::~Plain()
{
    // In the order install() put them on: the last one is asked first.
    for (const QPointer<QTranslator> &translator : std::as_const(installed()))
        if (translator)
            QCoreApplication::installTranslator(translator);
    QLocale::setDefault(m_locale);
}
