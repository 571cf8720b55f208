#pragma once
// The program's command line:
//   quorval [--dir DIR] [--player NAME] [--autoplay KEYS] [--skill N] [--seed N]
//           [--honest] [--free-bidding] [--south-calls CALLS] [--quit-after-start] [--print-to FILE] [--print-session KEY]
//           [--print-hands KEYS] [--review KEYS] [--export-pbn KEYS --out FILE] [--progress-csv FILE]
//           [--language L] [--show WINDOW --screenshot FILE [--size WxH]] [--monkey N] [--help] [--version]
// plus Qt's own options (-platform offscreen), which QApplication takes first.
// The options are the rows of one table in command_line.cpp; docs/command_line.md
// describes each of them (a test holds the two together).

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace quorval {

enum class CommandLineAction { Run, Help, Version };

// What the command line asks for. A new option is one field here plus one row
// in the option table of command_line.cpp.
struct CommandLine {
  CommandLineAction action = CommandLineAction::Run;
  QString dir;              // working folder; the program's folder when empty
  QString player;           // play as this player instead of the latest one
  bool autoplay = false;    // play the boards of `keys` and stop
  QString keys;
  int skill = 0;            // 1..10 for this run only; 0 keeps the player's
  bool seedGiven = false;
  unsigned seed = 0;
  bool quitAfterStart = false;  // start, save the settings and stop
  bool honest = false;      // the honest computer for this run only
  bool freeBidding = false; // free bidding for this run only
  QString southCalls;       // "1S,P,4S": South's first calls on every board of --autoplay
  // --language en|dk|no|sw: the interface language of this run (the
  // player's Language option stays as it is); -1 for the player's own.
  int language = -1;
  // --show WINDOW --screenshot FILE: bring the window up, save its picture, stop.
  QString show;
  QString screenshot;
  QSize size;               // --size WxH: the --show window's size (logical pixels)
  QString printTo;          // a PDF file for the printed pages of this run
  QString printSession;     // "Imp03": print that session's list
  QString printHands;       // "Imp03" or board keys: print their hand reports
  QString exportPbn;        // "Imp03" or board keys: export the filed boards as PBN
  QString out;              // the PBN file of --export-pbn
  bool printMeanings = false;  // the hand reports list the auction with meanings
  QString review;           // "Imp03" or board keys: print their double-dummy reviews
  QString progressCsv;      // write the player's progress figures to this CSV file
  int monkey = 0;           // random user actions on the table window (0: none)
  QString error;            // why the command line was refused (one line, no program name)
  bool foreignWord = false; // refused for an option or word that Qt may take as its own
};

// Reads the arguments (the first is the program). Needs no QApplication, so it
// can also look at the raw arguments before one exists. --help and --version
// win over any fault on the line.
CommandLine ParseCommandLine(const QStringList& arguments);

// The arguments without Qt's own options and their values (-platform
// offscreen, -style=fusion, --reverse ...), so that a word that is neither
// Qt's nor the program's is refused before Qt starts, with or without a
// screen.
QStringList WithoutQtOptions(const QStringList& arguments);

// The usage printed by --help: one line per option.
std::string UsageText();
// "quorval 2005.1"
std::string VersionText();
// Prints the usage or the version on standard output and gives the exit code
// 0, or prints the refusal on standard error as one line pointing at --help
// and gives 2. Returns -1 when the program is to run.
int AnswerCommandLine(const CommandLine& cl);

// One board of an automated run.
struct BoardRef {
  std::string event;    // "Imp" or "Par"
  std::string session;  // "01"
  int board = 0;        // 1..27
};
// How many boards an event has in the working folder's set ("Par", "02").
using EventLengthFn = std::function<int(const std::string& event, const std::string& session)>;
// "Imp01.05,Par03": board keys and whole events (27 boards each, or as many
// as `length` says). Keys that name no board of the program are listed in
// `bad`.
std::vector<BoardRef> ExpandBoardKeys(const QString& keys, QStringList& bad, const EventLengthFn& length = {});

}  // namespace quorval
