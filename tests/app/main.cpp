#include "app/zelto_application.h"
#include "link/interface_language.h"

#include <gtest/gtest.h>

// One application object for every window test; the window needs it before any widget exists.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  zelto::app::ZeltoApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Velmor7"));
  // The window speaks Russian, with Qt's own Russian texts, whatever the machine's locale says;
  // the tests of the English interface switch and switch back.
  zelto::InstallTranslations(zelto::InterfaceLanguage::kRussian);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
