#include "cli/command_line.h"

#include <algorithm>
#include <cstdio>

#include "quorval_version.h"

namespace quorval::cli {

namespace {

bool HasSubCommands(const Program& program) {
  return program.commands.size() > 1 || (program.commands.size() == 1 && !program.commands[0].name.empty());
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }
bool IsVersion(const std::string& a) { return a == "--version" || a == "-v"; }

bool IsOptionalArgument(const std::string& name) { return name.size() > 2 && name.front() == '[' && name.back() == ']'; }

std::string Synopsis(const Option& o) { return o.valueName.empty() ? o.name : o.name + " " + o.valueName; }

// "check DIR", the words a user types to call a command.
std::string CommandWords(const Command& c) {
  std::string words = c.name;
  for (const std::string& a : c.arguments) words += (words.empty() ? "" : " ") + a;
  for (const Option& o : c.options)
    if (o.required) words += (words.empty() ? "" : " ") + Synopsis(o);
  return words;
}

void AddRows(std::string& out, const std::vector<std::pair<std::string, std::string>>& rows) {
  size_t width = 0;
  for (const auto& [left, right] : rows) width = std::max(width, left.size());
  for (const auto& [left, right] : rows) out += "  " + left + std::string(width - left.size() + 2, ' ') + right + "\n";
}

}  // namespace

bool ReadWhole(const std::string& text, uint64_t min, uint64_t max, uint64_t& value) {
  if (text.empty() || text.size() > 19) return false;
  uint64_t n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  if (n < min || n > max) return false;
  value = n;
  return true;
}

Parsed Parse(const Program& program, const std::vector<std::string>& args) {
  Parsed parsed;
  bool help = false, version = false;
  auto refuse = [&](const std::string& why) {
    if (parsed.error.empty()) parsed.error = why;
  };

  size_t i = 0;
  const Command* command = program.commands.empty() ? nullptr : &program.commands[0];
  if (HasSubCommands(program)) {
    command = nullptr;
    if (!args.empty() && !IsHelp(args[0]) && !IsVersion(args[0])) {
      std::string word = args[0];
      if (word.rfind("--", 0) == 0) word.erase(0, 2);
      for (const Command& c : program.commands)
        if (c.name == word) command = &c;
      if (!command) refuse("unknown command " + args[0]);
      i = 1;
    }
  }

  std::vector<const Option*> given;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (IsHelp(a)) {
      help = true;
      continue;
    }
    if (IsVersion(a)) {
      version = true;
      continue;
    }
    if (a.size() < 2 || a[0] != '-') {
      parsed.arguments.push_back(a);
      continue;
    }
    // "--name value" or "--name=value".
    const size_t eq = a.find('=');
    const std::string name = a.rfind("--", 0) == 0 && eq != std::string::npos ? a.substr(0, eq) : a;
    const Option* option = nullptr;
    if (command)
      for (const Option& o : command->options)
        if (o.name == name) option = &o;
    if (!option) {
      refuse("unknown option " + name);
      continue;
    }
    std::string value;
    if (!option->valueName.empty()) {
      if (name.size() < a.size()) {
        value = a.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        refuse(name + " needs a value " + option->valueName);
        continue;
      }
    } else if (name.size() < a.size()) {
      refuse(name + " takes no value");
      continue;
    }
    std::string why;
    if (option->apply && !option->apply(value, why)) refuse(why.empty() ? name + " does not take " + value : why);
    given.push_back(option);
  }
  if (help || version) {
    parsed.outcome = help ? Outcome::Help : Outcome::Version;
    parsed.error.clear();
    parsed.arguments.clear();
    return parsed;
  }
  if (!command) refuse(args.empty() ? "a command is needed" : "unknown command " + args[0]);
  if (command) {
    const std::string who = command->name.empty() ? program.name : command->name;
    const size_t required = static_cast<size_t>(
        std::count_if(command->arguments.begin(), command->arguments.end(), [](const std::string& a) { return !IsOptionalArgument(a); }));
    if (parsed.arguments.size() > command->arguments.size())
      refuse("unexpected argument " + parsed.arguments[command->arguments.size()]);
    else if (parsed.arguments.size() < required)
      refuse(who + " needs " + command->arguments[parsed.arguments.size()]);
    for (const Option& o : command->options)
      if (o.required && std::find(given.begin(), given.end(), &o) == given.end()) refuse(who + " needs " + Synopsis(o));
  }
  if (!parsed.error.empty()) {
    parsed.outcome = Outcome::Refused;
    parsed.arguments.clear();
    return parsed;
  }
  parsed.command = command;
  return parsed;
}

std::string Usage(const Program& program) {
  std::string out;
  const bool sub = HasSubCommands(program);
  for (size_t c = 0; c < program.commands.size(); ++c) {
    const Command& command = program.commands[c];
    std::string line = (c == 0 ? "Usage: " : "  or:  ") + program.name;
    const std::string words = CommandWords(command);
    if (!words.empty()) line += " " + words;
    bool optional = false;
    for (const Option& o : command.options) optional = optional || !o.required;
    if (optional) line += " [OPTIONS]";
    out += line + "\n";
  }
  out += program.summary + "\n";
  if (sub) {
    out += "\nCommands:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Command& c : program.commands) rows.emplace_back(CommandWords(c), c.help);
    AddRows(out, rows);
  }
  const std::vector<std::pair<std::string, std::string>> always = {{"-h, --help", "print this help and stop"},
                                                                     {"-v, --version", "print the version and stop"}};
  for (const Command& c : program.commands) {
    if (c.options.empty() && sub) continue;
    out += sub ? "\nOptions of " + c.name + ":\n" : "\nOptions:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Option& o : c.options) rows.emplace_back(Synopsis(o), o.help);
    if (!sub) rows.insert(rows.end(), always.begin(), always.end());
    AddRows(out, rows);
  }
  if (sub) {
    out += "\nOptions of every command:\n";
    AddRows(out, always);
  }
  if (!program.footer.empty()) out += "\n" + program.footer + "\n";
  return out;
}

std::string VersionLine(const Program& program) { return program.name + " " + QUORVAL_VERSION; }

int Main(const Program& program, int argc, char** argv,
         const std::function<int(const Command&, const std::vector<std::string>&)>& run) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() && HasSubCommands(program)) {
    std::fputs(Usage(program).c_str(), stderr);
    return 2;
  }
  const Parsed parsed = Parse(program, args);
  switch (parsed.outcome) {
    case Outcome::Help:
      std::fputs(Usage(program).c_str(), stdout);
      return 0;
    case Outcome::Version:
      std::printf("%s\n", VersionLine(program).c_str());
      return 0;
    case Outcome::Refused:
      std::fprintf(stderr, "%s: %s (see %s --help)\n", program.name.c_str(), parsed.error.c_str(),
                   program.name.c_str());
      return 2;
    case Outcome::Run:
      break;
  }
  return run(*parsed.command, parsed.arguments);
}

}  // namespace quorval::cli
