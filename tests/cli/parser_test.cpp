// The tools' command-line parser: values reach their fields, every fault is
// refused with a message that names it, and --help/--version win.
#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace quorval::cli {
namespace {

// A program like quorval-eventgen: "make --seed N --out DIR [--fast]", "show DIR [--wide N]".
struct Sample {
  std::string seed, out, wide;
  bool fast = false;
  Program program;

  Sample() {
    auto store = [](std::string& field) {
      return [&field](const std::string& v, std::string&) {
        field = v;
        return true;
      };
    };
    Command make{"make", {}, "make things",
                 {{"--seed", "N", "the seed",
                   [this](const std::string& v, std::string& error) {
                     uint64_t n = 0;
                     if (!ReadWhole(v, 0, 99, n)) {
                       error = "the seed must be 0 to 99";
                       return false;
                     }
                     seed = v;
                     return true;
                   },
                   true},
                  {"--out", "DIR", "where", store(out), true},
                  {"--fast", "", "quickly", [this](const std::string&, std::string&) { return fast = true; }}}};
    Command show{"show", {"DIR"}, "show things", {{"--wide", "N", "columns", store(wide)}}};
    Command find{"find", {"WHAT", "[WHERE]"}, "find things", {}};
    program = {"sample", "A sample.", {make, show, find}, ""};
  }
};

TEST(CliParser, ValuesReachTheirFieldsInEveryForm) {
  Sample s;
  const Parsed p = Parse(s.program, {"make", "--seed", "7", "--out=/tmp/x y", "--fast"});
  ASSERT_EQ(p.outcome, Outcome::Run) << p.error;
  EXPECT_EQ(p.command->name, "make");
  EXPECT_EQ(s.seed, "7");
  EXPECT_EQ(s.out, "/tmp/x y");
  EXPECT_TRUE(s.fast);

  // A sub-command written as an option, and its plain argument.
  Sample t;
  const Parsed q = Parse(t.program, {"--show", "events", "--wide", "3"});
  ASSERT_EQ(q.outcome, Outcome::Run) << q.error;
  EXPECT_EQ(q.command->name, "show");
  EXPECT_EQ(q.arguments, std::vector<std::string>{"events"});
  EXPECT_EQ(t.wide, "3");

  // An argument in square brackets may be left out.
  Sample u;
  EXPECT_EQ(Parse(u.program, {"find", "x", "y"}).arguments, (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(Parse(u.program, {"find", "x"}).arguments, std::vector<std::string>{"x"});
}

TEST(CliParser, FaultsAreRefusedByName) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"make", "--seed", "1", "--out", "d", "--frob"}, "unknown option --frob"},
      {{"make", "--seed", "1", "--out", "d", "--frob=2"}, "unknown option --frob"},
      {{"show", "d", "--fast"}, "unknown option --fast"},   // an option of another command
      {{"make", "--out", "d", "--seed"}, "--seed needs a value N"},
      {{"make", "--seed", "100", "--out", "d"}, "the seed must be 0 to 99"},
      {{"make", "--seed", "1", "--out", "d", "--fast=yes"}, "--fast takes no value"},
      {{"make", "--seed", "1"}, "make needs --out DIR"},
      {{"make", "--seed", "1", "--out", "d", "extra"}, "unexpected argument extra"},
      {{"show"}, "show needs DIR"},
      {{"show", "a", "b"}, "unexpected argument b"},
      {{"find"}, "find needs WHAT"},
      {{"find", "a", "b", "c"}, "unexpected argument c"},
      {{"unmake"}, "unknown command unmake"},
      {{}, "a command is needed"},
  };
  for (const auto& [args, error] : cases) {
    Sample s;
    const Parsed p = Parse(s.program, args);
    EXPECT_EQ(p.outcome, Outcome::Refused) << error;
    EXPECT_EQ(p.error, error);
  }
}

TEST(CliParser, HelpAndVersionWinOverFaultsButNotOverValues) {
  Sample s;
  EXPECT_EQ(Parse(s.program, {"--help"}).outcome, Outcome::Help);
  EXPECT_EQ(Parse(s.program, {"make", "--frob", "-h"}).outcome, Outcome::Help);
  EXPECT_EQ(Parse(s.program, {"show", "-v"}).outcome, Outcome::Version);
  EXPECT_EQ(Parse(s.program, {"--version", "--help"}).outcome, Outcome::Help);
  // "-h" as the value of --out is a folder name, not a request for help.
  const Parsed p = Parse(s.program, {"make", "--seed", "1", "--out", "-h"});
  EXPECT_EQ(p.outcome, Outcome::Run);
  EXPECT_EQ(s.out, "-h");
}

TEST(CliParser, UsageGivesEveryCommandAndOptionALine) {
  Sample s;
  const std::string usage = Usage(s.program);
  for (const char* line : {"Usage: sample make --seed N --out DIR [OPTIONS]\n", "  or:  sample show DIR [OPTIONS]\n",
                           "  make --seed N --out DIR  make things\n", "  show DIR                 show things\n",
                           "  --fast     quickly\n", "  --wide N  columns\n", "  -h, --help     print this help and stop\n"})
    EXPECT_NE(usage.find(line), std::string::npos) << line << usage;
}

TEST(CliParser, WholeNumbersAreDigitsOnlyAndFitIn64Bits) {
  uint64_t n = 5;
  EXPECT_TRUE(ReadWhole("9999999999999999999", 0, UINT64_MAX, n));
  EXPECT_EQ(n, 9999999999999999999ull);
  EXPECT_TRUE(ReadWhole("010", 1, 10, n));
  EXPECT_EQ(n, 10u);
  for (const char* bad : {"", "-1", "+1", " 1", "1 ", "1.0", "0x10", "11", "0", "18446744073709551616"}) {
    n = 5;
    EXPECT_FALSE(ReadWhole(bad, 1, 10, n)) << bad;
    EXPECT_EQ(n, 5u) << bad;
  }
}

}  // namespace
}  // namespace quorval::cli
