#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace plandex {

// The program's texts are written in Russian; every other language gets
// the English catalogue.
enum class Language { Russian, English };

// Russian for a Russian first choice, and for the C or POSIX locale or none
// at all, which the C library takes as "untranslated" whatever LANGUAGE
// says; English for everything else. messagesLocale is what LC_ALL,
// LC_MESSAGES or LANG name, uiLanguages what QLocale makes of them.
Language chooseLanguage(const QString &messagesLocale, const QStringList &uiLanguages);

// The language of the user's environment.
Language userLanguage();

// Installs the catalogues of the language into the running application:
// ours for English, Qt's own for Russian, so that its standard buttons and
// dialogs speak the language of the rest.
void useLanguage(Language language);

// How numbers and dates are written in the current language.
QLocale currentLocale();

} // namespace plandex
