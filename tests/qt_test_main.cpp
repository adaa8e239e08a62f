#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt Serial Port and Qt Network want an application object on the thread that uses them, event
// loop or not.
int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
