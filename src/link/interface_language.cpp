#include "link/interface_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace zelto {
namespace {

// Where the program's compiled translations are: beside an installed program in
// ../share/zelto/translations, or in the build folder for a program run from there (a build
// for a package leaves that folder out).
QStringList TranslationFolders() {
  QStringList folders{QCoreApplication::applicationDirPath() +
                      QStringLiteral("/../share/zelto/translations")};
#ifdef ZELTO_BUILD_TRANSLATIONS_DIR
  folders.append(QStringLiteral(ZELTO_BUILD_TRANSLATIONS_DIR));
#endif
  return folders;
}

// The translators installed now; replaced by the next installation.
std::unique_ptr<QTranslator>& ProgramTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

std::unique_ptr<QTranslator>& QtTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

void Replace(std::unique_ptr<QTranslator>& installed, std::unique_ptr<QTranslator> next) {
  if (installed)
    QCoreApplication::removeTranslator(installed.get());
  installed = std::move(next);
  if (installed)
    QCoreApplication::installTranslator(installed.get());
}

}  // namespace

std::optional<InterfaceLanguage> LanguageNamed(std::string_view name) {
  if (name == "ru")
    return InterfaceLanguage::kRussian;
  if (name == "en")
    return InterfaceLanguage::kEnglish;
  return std::nullopt;
}

InterfaceLanguage LanguageOfUiLanguages(const QStringList& uiLanguages) {
  if (uiLanguages.isEmpty())
    return InterfaceLanguage::kRussian;
  const QString& first = uiLanguages.front();
  if (first == QLatin1String("C") || first == QLatin1String("POSIX") ||
      first.startsWith(QLatin1String("ru")))
    return InterfaceLanguage::kRussian;
  return InterfaceLanguage::kEnglish;
}

InterfaceLanguage SystemLanguage() {
  return LanguageOfUiLanguages(QLocale::system().uiLanguages());
}

bool InstallTranslations(InterfaceLanguage language) {
  auto program = std::make_unique<QTranslator>();
  auto qt = std::make_unique<QTranslator>();
  bool found = true;
  if (language == InterfaceLanguage::kEnglish) {
    found = false;
    for (const QString& folder : TranslationFolders()) {
      if (program->load(QStringLiteral("zelto_en"), folder)) {
        found = true;
        break;
      }
    }
    if (!found)
      program.reset();
    qt.reset();  // Qt speaks English of itself
  } else {
    program.reset();  // the program's texts are Russian in the source
    if (!qt->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      qt.reset();  // without Debian's qt6-translations-l10n the buttons stay English
  }
  Replace(ProgramTranslator(), std::move(program));
  Replace(QtTranslator(), std::move(qt));
  return found;
}

}  // namespace zelto
