#include "app/zelto_application.h"

#include <gtest/gtest.h>

// One application object for every window test; the window needs it before any widget exists.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  zelto::app::ZeltoApplication application(argc, argv);
  application.setApplicationName(QStringLiteral("Velmor7"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
