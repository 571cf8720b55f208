// File > New Events... as the program runs it: the event generator behind the
// window, refusing a file with nothing playable and stopping when cancelled,
// in both cases with nothing written into the chosen folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/events_runner.h"
#include "tests/data/temp_folder.h"

namespace quorval {
namespace {

TEST(NewEventsRunner, NothingPlayableOrACancelLeavesTheFolderAsItWas) {
  testing::TempFolder dir;
  const QString folder = QString::fromStdString(dir.File("set"));
  std::vector<NewEventsStep> steps;
  const auto record = [&steps](const NewEventsStep& s) { steps.push_back(s); };

  // A hand record whose only game holds 51 cards.
  dir.Write("club.pbn",
            "% PBN 2.1\r\n[Board \"1\"]\r\n[Dealer \"N\"]\r\n"
            "[Deal \"N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T74\"]\r\n");
  NewEventsRequest request;
  request.fromFile = true;
  request.file = QString::fromStdString(dir.File("club.pbn"));
  request.folder = folder;
  const std::atomic<bool> going{false};
  const NewEventsOutcome refused = MakeNewEvents(request, record, going);
  EXPECT_FALSE(refused.made);
  EXPECT_FALSE(refused.cancelled);
  EXPECT_FALSE(refused.error.empty());
  ASSERT_EQ(refused.refused.size(), 1u);
  EXPECT_NE(refused.refused[0].find("club.pbn:4:"), std::string::npos) << refused.refused[0];
  EXPECT_NE(refused.refused[0].find("51 cards"), std::string::npos) << refused.refused[0];
  EXPECT_FALSE(std::filesystem::exists(dir.File("set")));

  // Fresh deals cancelled before the first board is solved.
  NewEventsRequest fresh;
  fresh.seed = 11;
  fresh.impEvents = 1;
  fresh.pairsEvents = 0;
  fresh.folder = folder;
  const std::atomic<bool> cancelled{true};
  const NewEventsOutcome stopped = MakeNewEvents(fresh, record, cancelled);
  EXPECT_FALSE(stopped.made);
  EXPECT_TRUE(stopped.cancelled) << stopped.error;
  EXPECT_FALSE(std::filesystem::exists(dir.File("set")));
  // No working folder of the generator is left beside it either.
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) left.push_back(entry.path().filename());
  EXPECT_EQ(left, std::vector<std::string>{"club.pbn"});
}

}  // namespace
}  // namespace quorval
