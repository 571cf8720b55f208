#pragma once
// The command line of the programs (quorval-eventgen, quorval-bench, and the
// usage and version texts of quorval): one table of options per program or
// sub-command, read by one parser that also answers --help and --version and
// words every refusal the same way.
//
// Adding an option is one row in the program's table: its name, the name of
// its value (empty for a switch), one line of help and what to do with the
// value, usually storing it in a field of the tool's options record.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quorval::cli {

struct Option {
  std::string name;        // "--skill"
  std::string valueName;   // "N"; empty for a switch that takes no value
  std::string help;        // one line
  // Takes the value (empty for a switch); false and a message refuse it.
  std::function<bool(const std::string& value, std::string& error)> apply;
  bool required = false;
};

// A sub-command ("check DIR"), or the whole program when it has none (empty name).
struct Command {
  std::string name;
  // Names of the plain arguments, in order. All are required, except trailing
  // ones written in square brackets ("[CALLS]"), which may be left out.
  std::vector<std::string> arguments;
  std::string help;                     // one line
  std::vector<Option> options;
};

struct Program {
  std::string name;      // "quorval-bench"
  std::string summary;   // one line: what the program does
  std::vector<Command> commands;
  std::string footer;    // optional closing paragraph of the usage
};

enum class Outcome { Run, Help, Version, Refused };

struct Parsed {
  Outcome outcome = Outcome::Run;
  const Command* command = nullptr;     // the sub-command chosen (Run only)
  std::vector<std::string> arguments;   // its plain arguments
  std::string error;                    // one line (Refused only)
};

// Reads the arguments after the program name. A sub-command may also be
// written as an option ("--check DIR"). --help/-h and --version/-v win over
// everything else on the line.
Parsed Parse(const Program& program, const std::vector<std::string>& args);

// The usage: a line per sub-command, then a line per option.
std::string Usage(const Program& program);
// "quorval-bench 2005.1"
std::string VersionLine(const Program& program);

// Parses, prints the usage or the version on standard output (0), a refusal
// on standard error as one line pointing at --help (2), and otherwise calls
// `run` with the chosen command and returns its exit code. An empty command
// line of a program with sub-commands prints the usage on standard error (2).
int Main(const Program& program, int argc, char** argv,
         const std::function<int(const Command&, const std::vector<std::string>&)>& run);

// Reads a whole number from `min` to `max`: decimal digits only, at most 19
// of them, so that every such text fits in 64 bits.
bool ReadWhole(const std::string& text, uint64_t min, uint64_t max, uint64_t& value);

}  // namespace quorval::cli
