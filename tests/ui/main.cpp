#include <gtest/gtest.h>

#include <QApplication>

// The widgets need a QApplication for their whole life, so the tests bring
// their own entry point instead of gtest_main.
int main(int argc, char** argv) {
  // Offscreen unless told otherwise: the tests need no display, and listing
  // them (as CTest does before each run) must not fail for want of one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  // Each test closes its own window; that must not end the application.
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
