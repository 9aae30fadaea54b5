// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the program speaks: the desktop's, as its environment names
// it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else English, the language of the
// texts in the code. The editor and the command-line programs call install()
// once, right after making their application object; nothing is stored.
class UiLanguage
{
public:
    // Installs our translation and Qt's own (its dialogs' and buttons'
    // texts, from Qt's translations folder when the system has them) for
    // the first of the desktop's languages that we have, unless an English
    // one comes first. Returns that language ("de"), empty for English.
    static QString install(QCoreApplication &app);

    // The first of these languages that has one of our translations, or
    // empty when English, the texts' own language, comes first or none has.
    static QString chosen(const QStringList &uiLanguages);
    // The languages we have a translation for, from the program's resources.
    static QStringList available();

    // While one lives, every text is in English and every number written
    // as in C: the command-line programs' output for scripts is the same in
    // every language, also where it reuses a text the core gives people (a
    // lap, a summary). Not while other threads translate or format: it
    // takes the translators off the application and sets the default locale.
    class Plain
    {
    public:
        Plain();
        ~Plain();
        Plain(const Plain &) = delete;
        Plain &operator=(const Plain &) = delete;

    private:
        QLocale m_locale;
    };
};
