#pragma once

// The language the program speaks. The first entry of the user's language
// list (QLocale::system().uiLanguages(), which follows LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG) that the program can speak wins: Czech, and C or
// POSIX, stand for the program's own texts, English for its translation.
// A list with neither keeps the program's own texts.

#include <QLocale>
#include <QString>
#include <QStringList>

// The program's own texts, and the language of each translation compiled in.
inline constexpr const char *OwnLanguage = "cs";
inline constexpr const char *TranslatedLanguages[] = {"en"};

// The language a list of user languages chooses: OwnLanguage or one of
// TranslatedLanguages.
QString ChooseLanguage(const QStringList &uiLanguages);

// Installs the chosen language's translation of the program and Qt's own
// translation for the same language (the standard dialogs' buttons), once
// per application, replacing an earlier choice. Qt's English is built in;
// a missing Qt translation leaves its dialogs in English and is not
// reported. Returns the language in use.
QString InstallTranslations(const QStringList &uiLanguages = QLocale::system().uiLanguages());

// The language installed last; OwnLanguage before any.
QString ProgramLanguage();
