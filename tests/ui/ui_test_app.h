#pragma once
// One QApplication for all window tests of this program, created on first
// use (the test main comes from GoogleTest). It is deliberately never
// destroyed: destroying it among the static destructors at exit, after Qt's
// own globals are gone, crashes the test program.

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/card_control.h"

namespace quorval::testing {

inline QApplication& TestApp() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "test_ui";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class UiTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApp();
    CardDeck::Load();
  }
};

}  // namespace quorval::testing
