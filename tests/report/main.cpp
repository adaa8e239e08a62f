#include "link/interface_language.h"

#include <QGuiApplication>

#include <gtest/gtest.h>
#include <vector>

// The report's fonts want Qt Gui's application object; the offscreen platform needs no display.
int main(int argc, char** argv) {
  std::vector<char*> arguments(argv, argv + argc);
  char platformOption[] = "-platform";
  char platform[] = "offscreen";
  arguments.push_back(platformOption);
  arguments.push_back(platform);
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  QGuiApplication application(count, arguments.data());
  zelto::InstallTranslations(zelto::InterfaceLanguage::kRussian);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
