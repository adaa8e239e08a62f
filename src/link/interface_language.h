#pragma once

#include <QStringList>

#include <optional>
#include <string_view>

namespace zelto {

// The language of the window's texts, the status texts and the messages. Memo lines, file
// formats, JSON keys and exit codes are the same in both.
enum class InterfaceLanguage { kRussian, kEnglish };

// "ru" or "en", as --lang takes them.
std::optional<InterfaceLanguage> LanguageNamed(std::string_view name);

// From the user's languages as QLocale::system().uiLanguages() gives them (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG): Russian for a Russian first language and for C/POSIX, which is how the
// program has always spoken; English for any other.
InterfaceLanguage LanguageOfUiLanguages(const QStringList& uiLanguages);
InterfaceLanguage SystemLanguage();

// Puts the program's texts of the language into the application, in place of those installed
// before: the program's English translation, or, for Russian, Qt's own Russian texts (the file
// dialogs' and message boxes' buttons), the program's being Russian in the source. Needs the
// application object. False when a translation it needs could not be found.
bool InstallTranslations(InterfaceLanguage language);

}  // namespace zelto
