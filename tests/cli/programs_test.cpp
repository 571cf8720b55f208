// The three programs run as a user would run them: --help and --version on
// standard output with exit code 0, a refused option on one line of standard
// error with exit code 2, and docs/command_line.md naming the same options and
// commands as each program's --help.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "tests/data/temp_folder.h"

namespace {

struct Ran {
  int code = -1;
  std::string out, err;
};

// Runs `exe` with `args` (already quoted where needed) through the shell,
// without a screen and with no standard input.
Ran RunTool(const std::string& exe, const std::string& args) {
  quorval::testing::TempFolder t;
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR='" + t.Path() +
                              "' '" + exe + "' " + args + " >'" + t.File("out") + "' 2>'" + t.File("err") +
                              "' </dev/null";
  const int status = std::system(command.c_str());
  Ran r;
  r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = t.Read("out");
  r.err = t.Read("err");
  return r;
}

struct Tool {
  std::string name, exe;
  std::string qtArgs;   // "-platform offscreen" for the program with windows
};

std::vector<Tool> Programs() {
  std::vector<Tool> tools = {{"quorval-eventgen", QUORVAL_EVENTGEN_EXE, ""}, {"quorval-bench", QUORVAL_BENCH_EXE, ""}};
#ifdef QUORVAL_EXE
  tools.insert(tools.begin(), {"quorval", QUORVAL_EXE, "-platform offscreen"});
#endif
  return tools;
}

// Option names ("--seed", "-h") and command names ("check") of a help text:
// the left column of the lines under the option and command headings.
std::set<std::string> NamesInHelp(const std::string& help) {
  std::set<std::string> names;
  std::istringstream in(help);
  std::string line;
  bool commands = false;
  static const std::regex option(R"((^|[\s,])(--?[a-z][a-z-]*))");
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != ' ') commands = line == "Commands:";
    if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
    const std::string left = line.substr(2, line.find("  ", 2) - 2);
    if (commands) {
      names.insert(left.substr(0, left.find(' ')));
      continue;
    }
    for (std::sregex_iterator m(left.begin(), left.end(), option), end; m != end; ++m) names.insert((*m)[2]);
  }
  return names;
}

// The same names from the first cells of the tables in the section
// "## `PROGRAM`" of docs/command_line.md.
std::set<std::string> NamesInDoc(const std::string& program) {
  std::ifstream in(QUORVAL_SOURCE_DIR "/docs/command_line.md");
  std::set<std::string> names;
  std::string line;
  bool inSection = false;
  static const std::regex option(R"((^|[\s`,])(--?[a-z][a-z-]*))");
  while (std::getline(in, line)) {
    if (line.rfind("## ", 0) == 0) inSection = line == "## `" + program + "`";
    if (!inSection || line.rfind("| `", 0) != 0) continue;
    const std::string cell = line.substr(2, line.find(" | ") - 2);
    if (std::isalpha(static_cast<unsigned char>(cell[1]))) {
      names.insert(cell.substr(1, cell.find_first_of(" `", 1) - 1));
      continue;
    }
    for (std::sregex_iterator m(cell.begin(), cell.end(), option), end; m != end; ++m) names.insert((*m)[2]);
  }
  return names;
}

TEST(ProgramHelp, HelpAndVersionAnswerOnStandardOutputWithoutAScreen) {
  for (const Tool& tool : Programs()) {
    for (const char* ask : {"--help", "-h"}) {
      const Ran r = RunTool(tool.exe, ask);
      EXPECT_EQ(r.code, 0) << tool.name << " " << ask << r.err;
      EXPECT_EQ(r.out.rfind("Usage: " + tool.name + " ", 0), 0u) << r.out;
      EXPECT_EQ(r.err, "") << tool.name;
    }
    for (const char* ask : {"--version", "-v"}) {
      const Ran r = RunTool(tool.exe, ask);
      EXPECT_EQ(r.code, 0) << tool.name << " " << ask << r.err;
      EXPECT_EQ(r.out, tool.name + " " QUORVAL_PROJECT_VERSION "\n");
    }
  }
}

TEST(ProgramHelp, TheDocumentNamesWhatHelpPrints) {
  for (const Tool& tool : Programs()) {
    const std::set<std::string> help = NamesInHelp(RunTool(tool.exe, "--help").out);
    EXPECT_GE(help.size(), 4u) << tool.name;
    EXPECT_EQ(NamesInDoc(tool.name), help) << tool.name;
  }
#ifdef QUORVAL_EXE
  const std::set<std::string> expected = {"--dir",        "--player",        "--autoplay",    "--skill",
                                          "--seed",       "--honest",        "--quit-after-start", "--print-to",
                                          "--print-session", "--print-hands", "--print-meanings", "--review",
                                          "--export-pbn", "--out",           "--language",    "--show",
                                          "--screenshot", "--size", "--monkey",        "--progress-csv", "-h",
                                          "--help",       "-v",              "--version",     "--free-bidding",
                                          "--south-calls"};
  EXPECT_EQ(NamesInHelp(RunTool(QUORVAL_EXE, "--help").out), expected);
#endif
  const std::set<std::string> eventgen = {"generate", "import", "check", "stats", "summaries", "bid", "lead",
                                          "explain",  "--seed", "--out", "--events", "--dd-cache", "--dealer",
                                          "--vul",    "-h",     "--help", "-v",     "--version"};
  EXPECT_EQ(NamesInHelp(RunTool(QUORVAL_EVENTGEN_EXE, "--help").out), eventgen);
}

TEST(ProgramHelp, AnUnknownOptionIsOneLineNamingItAndPointingAtHelp) {
  for (const Tool& tool : Programs()) {
    const std::string args = tool.qtArgs + (tool.name == "quorval-eventgen" ? " check . --frob" : " --frob");
    const Ran r = RunTool(tool.exe, args);
    EXPECT_EQ(r.code, 2) << tool.name;
    EXPECT_EQ(r.err, tool.name + ": unknown option --frob (see " + tool.name + " --help)\n");
    EXPECT_EQ(r.out, "") << tool.name;
  }
  const Ran r = RunTool(QUORVAL_EVENTGEN_EXE, "frob");
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.err, "quorval-eventgen: unknown command frob (see quorval-eventgen --help)\n");
}

TEST(ProgramHelp, BidAndLeadAnswerOnOneLine) {
  Ran r = RunTool(QUORVAL_EVENTGEN_EXE, "bid D KT92.A86.AQ9.K87");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "1N\n");
  r = RunTool(QUORVAL_EVENTGEN_EXE, "lead D KT92.A86.AQ9.K87 1S,P,4S,P,P,P --dealer E --vul Both");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "7C,50,AD,25,AH,25\n");
}

TEST(ProgramHelp, BadValuesKeepExitCodeTwo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
#ifdef QUORVAL_EXE
      {std::string(QUORVAL_EXE) + "|--seed x --quit-after-start", "quorval: --seed takes a whole number"},
      {std::string(QUORVAL_EXE) + "|--quit-after-start --seed", "quorval: --seed needs a value"},
      {std::string(QUORVAL_EXE) + "|--skill 0 --quit-after-start", "quorval: --skill takes 1 to 10"},
      {std::string(QUORVAL_EXE) + "|-platform offscreen --skill 11", "quorval: --skill takes 1 to 10"},
#endif
      {std::string(QUORVAL_BENCH_EXE) + "|--skill 11", "quorval-bench: --skill takes a whole number from 1 to 10"},
      {std::string(QUORVAL_EVENTGEN_EXE) + "|generate --seed -3 --out x", "quorval-eventgen: the seed must be a whole number"},
      {std::string(QUORVAL_EVENTGEN_EXE) + "|generate --out x", "quorval-eventgen: generate needs --seed N"},
      {std::string(QUORVAL_EVENTGEN_EXE) + "|bid D KT92.A86.AQ9.K8",
       "quorval-eventgen: a hand is thirteen cards in four suits, spades first: KT92.A86.AQ9.K8"},
      {std::string(QUORVAL_EVENTGEN_EXE) + "|lead D KT92.A86.AQ9.K87 1S,P",
       "quorval-eventgen: the auction is not over; the bid command tells the next call"},
  };
  for (const auto& [call, message] : cases) {
    const size_t bar = call.find('|');
    const Ran r = RunTool(call.substr(0, bar), call.substr(bar + 1));
    EXPECT_EQ(r.code, 2) << call;
    EXPECT_EQ(r.err, message + " (see " + message.substr(0, message.find(':')) + " --help)\n") << call;
  }
}

}  // namespace
