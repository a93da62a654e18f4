// Runs the window tests inside one QApplication prepared as the program prepares its own.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/application.hpp"

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) {
    return RUN_ALL_TESTS();  // listing needs no display
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  ui::PrepareApplication();
  return RUN_ALL_TESTS();
}
