// What watches a monkey run: a crash and a hang end the process naming the
// action under way (each in a forked child).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <csignal>
#include <thread>

#include "app/monkey_guard.h"

namespace {

using quorval::MonkeyGuard;

TEST(MonkeyGuardDeathTest, ACrashNamesTheActionUnderWay) {
  EXPECT_DEATH(
      {
        MonkeyGuard guard;
        guard.SetAction(7, "click on EOBStart");
        std::raise(SIGSEGV);
      },
      "crashed \\(SIGSEGV\\) during action 7 \\(click on EOBStart\\)");
}

// The event loop never turns here: after a second the watchdog ends the
// process with exit code 1.
void StandStill() {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  MonkeyGuard guard(1);
  guard.SetAction(3, "menu File1 > NewHandMenu");
  std::this_thread::sleep_for(std::chrono::seconds(5));
  std::_Exit(0);
}

TEST(MonkeyGuardDeathTest, AnEventLoopStandingStillIsAHang) {
  EXPECT_EXIT(StandStill(), ::testing::ExitedWithCode(1),
              "stood still for 1 seconds during action 3 \\(menu File1 > NewHandMenu\\)");
}

}  // namespace
