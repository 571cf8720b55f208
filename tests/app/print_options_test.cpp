// The printing and review options of quorval's command line and the
// combinations it refuses.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace quorval {
namespace {

CommandLine Parse(QStringList args) {
  args.prepend("quorval");
  return ParseCommandLine(args);
}

TEST(QuorvalPrintOptions, EachPrintingRunReachesItsFields) {
  CommandLine cl = Parse({"--autoplay", "Imp01.05", "--print-to", "out.pdf"});
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.printTo, "out.pdf");
  cl = Parse({"--player", "Ann", "--print-session", "Par18", "--print-to", "s.pdf"});
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.printSession, "Par18");
  cl = Parse({"--print-hands", "Imp03,Par01.05", "--print-to=h.pdf"});
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.printHands, "Imp03,Par01.05");
  EXPECT_EQ(cl.printTo, "h.pdf");
  EXPECT_FALSE(cl.printMeanings);
  cl = Parse({"--print-hands", "Imp03", "--print-to=h.pdf", "--print-meanings"});
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_TRUE(cl.printMeanings);
}

TEST(QuorvalPrintOptions, WrongKeysAndCombinationsAreABadCommandLine) {
  const struct {
    QStringList args;
    const char* error;
  } cases[] = {
      {{"--print-session", "Imp03"}, "--print-session needs --print-to FILE"},
      {{"--print-hands", "Imp03"}, "--print-hands needs --print-to FILE"},
      {{"--print-to", "x.pdf"}, "--print-to goes with --autoplay, --print-session or --print-hands"},
      {{"--print-to", "x.pdf", "--quit-after-start"}, "--print-to goes with --autoplay, --print-session or --print-hands"},
      {{"--print-session", "Imp10", "--print-to", "x.pdf"}, "--print-session takes a session such as Imp03, not Imp10"},
      {{"--print-session", "Imp03.05", "--print-to", "x.pdf"},
       "--print-session takes a session such as Imp03, not Imp03.05"},
      {{"--print-hands", "Par19", "--print-to", "x.pdf"}, "--print-hands: not a board or session: Par19"},
      {{"--print-hands", ",", "--print-to", "x.pdf"}, "--print-hands needs a session or board keys"},
      {{"--print-hands", "Imp01", "--print-session", "Imp01", "--print-to", "x.pdf"},
       "--autoplay, --print-session and --print-hands are one at a time"},
      {{"--autoplay", "Imp01", "--print-hands", "Imp01", "--print-to", "x.pdf"},
       "--autoplay, --print-session and --print-hands are one at a time"},
      {{"--autoplay", "Imp01", "--print-to"}, "--print-to needs a value"},
      {{"--print-meanings"}, "--print-meanings goes with --print-hands or --autoplay and --print-to"},
      {{"--autoplay", "Imp01", "--print-meanings"},
       "--print-meanings goes with --print-hands or --autoplay and --print-to"},
      {{"--print-session", "Imp03", "--print-to", "x.pdf", "--print-meanings"},
       "--print-meanings goes with --print-hands or --autoplay and --print-to"},
  };
  for (const auto& c : cases) {
    const CommandLine cl = Parse(c.args);
    EXPECT_EQ(cl.error.toStdString(), c.error) << c.args.join(' ').toStdString();
    EXPECT_EQ(AnswerCommandLine(cl), 2);
  }
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
