// The review option of quorval's command line.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace quorval {
namespace {

CommandLine Parse(QStringList args) {
  args.prepend("quorval");
  return ParseCommandLine(args);
}

TEST(QuorvalReviewOption, KeysAreCheckedAndTheRunGoesAlone) {
  CommandLine cl = Parse({"--player", "Ann", "--review", "Imp03,Par01.05"});
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.review, "Imp03,Par01.05");
  const struct {
    QStringList args;
    const char* error;
  } cases[] = {
      {{"--review", "Imp10"}, "--review: not a board or session: Imp10"},
      {{"--review", ","}, "--review needs a session or board keys"},
      {{"--review", "Imp01", "--autoplay", "Imp01"}, "--review goes without --autoplay and the printing options"},
      {{"--review", "Imp01", "--print-to", "x.pdf"}, "--review goes without --autoplay and the printing options"},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.args).error.toStdString(), c.error) << c.args.join(' ').toStdString();
}

}  // namespace
}  // namespace quorval
