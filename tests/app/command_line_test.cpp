// quorval's command line, read without a QApplication (main() reads the raw
// arguments this way before Qt starts).
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace quorval {
namespace {

CommandLine Parse(QStringList args) {
  args.prepend("quorval");
  return ParseCommandLine(args);
}

TEST(QuorvalCommandLine, EveryOptionReachesItsField) {
  const CommandLine cl = Parse({"--dir", "/tmp/a b", "--player", "Ann", "--autoplay", "Imp01.05,Par03", "--skill",
                                "10", "--seed", "4294967295", "--honest", "--quit-after-start"});
  ASSERT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.action, CommandLineAction::Run);
  EXPECT_EQ(cl.dir, "/tmp/a b");
  EXPECT_EQ(cl.player, "Ann");
  EXPECT_TRUE(cl.autoplay);
  EXPECT_EQ(cl.keys, "Imp01.05,Par03");
  EXPECT_EQ(cl.skill, 10);
  EXPECT_TRUE(cl.seedGiven);
  EXPECT_EQ(cl.seed, 4294967295u);
  EXPECT_TRUE(cl.quitAfterStart);
  EXPECT_TRUE(cl.honest);

  // Nothing given: the player's own skill, no seed, the program's folder.
  const CommandLine none = Parse({});
  EXPECT_TRUE(none.error.isEmpty());
  EXPECT_EQ(none.skill, 0);
  EXPECT_FALSE(none.seedGiven);
  EXPECT_FALSE(none.autoplay);
  EXPECT_FALSE(none.honest);
  EXPECT_TRUE(none.dir.isEmpty());
  EXPECT_EQ(none.monkey, 0);
  EXPECT_EQ(Parse({"--monkey", "2000", "--seed", "7"}).monkey, 2000);

  // "=" and a single dash; an empty list of keys still asks for an automated run.
  const CommandLine other = Parse({"--skill=1", "-dir", "x", "--autoplay="});
  EXPECT_TRUE(other.error.isEmpty()) << other.error.toStdString();
  EXPECT_EQ(other.skill, 1);
  EXPECT_EQ(other.dir, "x");
  EXPECT_TRUE(other.autoplay);
  EXPECT_TRUE(other.keys.isEmpty());
}

TEST(QuorvalCommandLine, FaultsAreRefusedByName) {
  const char* kBadPlayer =
      "--player takes a name of 1 to 64 characters without \"]\", \"=\", line breaks or blanks at either end";
  struct Case {
    QStringList args;
    const char* error;
    bool foreign;   // may be one of Qt's own words, judged after Qt has taken its options
  };
  const Case cases[] = {
      {{"--skill", "0"}, "--skill takes 1 to 10", false},
      {{"--skill", "11"}, "--skill takes 1 to 10", false},
      {{"--skill", "3x"}, "--skill takes 1 to 10", false},
      {{"--seed", "x"}, "--seed takes a whole number", false},
      {{"--seed", "-1"}, "--seed takes a whole number", false},
      {{"--seed", "4294967296"}, "--seed takes a whole number", false},
      {{"--quit-after-start", "--seed"}, "--seed needs a value", false},
      {{"--dir"}, "--dir needs a value", false},
      {{"--skill=2", "--quit-after-start=1"}, "--quit-after-start takes no value", false},
      {{"--honest=yes"}, "--honest takes no value", false},
      {{"--frob"}, "unknown option --frob", true},
      {{"--dir", "x", "-frob=1"}, "unknown option -frob", true},
      {{"stray"}, "unexpected argument stray", true},
      {{"--language", "fr"}, "--language takes en, dk, no or sw", false},
      {{"--language", "dl"}, "--language takes en, dk, no or sw", false},
      {{"--show", "attic", "--screenshot", "a.png"},
       "--show takes one of: table, bidding, all_hands, hint, meaning, bidding_box, board_panel, auction, play, score, chooser, help, preferences, "
       "about, splash, session, summary, review, review_end, export, new_events, claim, claim_refused, claim_computer, "
       "play_from_here, play_from_here_end, progress", false},
      {{"--show", "table"}, "--show and --screenshot go together", false},
      {{"--screenshot", "a.png"}, "--show and --screenshot go together", false},
      {{"--player", "Bob]"}, kBadPlayer, false},
      {{"--player", "a=b"}, kBadPlayer, false},
      {{"--player", " Ann"}, kBadPlayer, false},
      {{"--player="}, kBadPlayer, false},
      {{"--player", QString(65, 'x')}, kBadPlayer, false},
      {{"--monkey", "0"}, "--monkey takes a number of actions from 1 on", false},
      {{"--monkey", "many"}, "--monkey takes a number of actions from 1 on", false},
      {{"--monkey", "5", "--autoplay", "Imp01"},
       "--monkey goes with none of the options that run boards, print, export or show", false},
      {{"--monkey", "5", "--quit-after-start"},
       "--monkey goes with none of the options that run boards, print, export or show", false},
      {{"--progress-csv", ""}, "--progress-csv needs a file name", false},
      {{"--progress-csv", "p.csv", "--review", "Imp01"},
       "--progress-csv goes with none of the options that run boards, review, print, export or show", false},
      {{"--progress-csv", "p.csv", "--autoplay", "Imp01"},
       "--progress-csv goes with none of the options that run boards, review, print, export or show", false},
  };
  for (const Case& c : cases) {
    const CommandLine cl = Parse(c.args);
    EXPECT_EQ(cl.action, CommandLineAction::Run);
    EXPECT_EQ(cl.error.toStdString(), c.error) << c.args.join(' ').toStdString();
    EXPECT_EQ(cl.foreignWord, c.foreign) << c.error;
  }
}

TEST(QuorvalCommandLine, ALanguageForTheRunAndAPictureOfAWindow) {
  const struct {
    const char* code;
    int language;
  } languages[] = {{"en", 0}, {"dk", 1}, {"no", 2}, {"sw", 4}, {"DK", 1}};
  for (const auto& l : languages) EXPECT_EQ(Parse({"--language", l.code}).language, l.language) << l.code;
  EXPECT_EQ(Parse({}).language, -1);
  const CommandLine shot = Parse({"--show", "score", "--screenshot", "pics/score.png"});
  EXPECT_TRUE(shot.error.isEmpty()) << shot.error.toStdString();
  EXPECT_EQ(shot.show, "score");
  EXPECT_EQ(shot.screenshot, "pics/score.png");
}

TEST(QuorvalCommandLine, HelpAndVersionWinOverFaultsAndQtOptions) {
  EXPECT_EQ(Parse({"--help"}).action, CommandLineAction::Help);
  EXPECT_EQ(Parse({"-h"}).action, CommandLineAction::Help);
  EXPECT_EQ(Parse({"--version"}).action, CommandLineAction::Version);
  EXPECT_EQ(Parse({"-v"}).action, CommandLineAction::Version);
  // Raw arguments before Qt has taken its own.
  EXPECT_EQ(Parse({"-platform", "offscreen", "--skill", "99", "-v"}).action, CommandLineAction::Version);
  EXPECT_EQ(Parse({"--frob", "--help"}).action, CommandLineAction::Help);
  // A value that looks like --help is the player's name.
  const CommandLine named = Parse({"--player", "--help"});
  EXPECT_EQ(named.action, CommandLineAction::Run);
  EXPECT_EQ(named.player, "--help");
}

// Qt's own options and their values are set aside before the program's own
// are read; anything else stays and is judged.
TEST(QuorvalCommandLine, QtOptionsAreSetAsideAndEverythingElseStays) {
  const QStringList raw = {"quorval", "-platform", "offscreen", "--dir", "d", "-style=fusion", "--reverse",
                           "-qwindowtitle", "T", "-stylesheet", "s.qss", "--frob", "-platform=x", "-sync=1", "-"};
  EXPECT_EQ(WithoutQtOptions(raw), (QStringList{"quorval", "--dir", "d", "--frob", "-platform=x", "-sync=1", "-"}));
  // A value option at the very end takes nothing with it.
  EXPECT_EQ(WithoutQtOptions({"quorval", "--skill", "3", "-display"}), (QStringList{"quorval", "--skill", "3"}));
  const CommandLine cl = ParseCommandLine(WithoutQtOptions({"quorval", "-platform", "offscreen", "--skill", "4"}));
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.skill, 4);
}

}  // namespace
}  // namespace quorval
