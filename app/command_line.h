#pragma once
// The program's command line:
//   quorval [--dir DIR] [--player NAME] [--autoplay KEYS] [--skill N] [--seed N]
//           [--quit-after-start] [--language L] [--show WINDOW --screenshot FILE]
// plus Qt's own options (-platform offscreen), which QApplication takes first.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace quorval {

struct CommandLine {
  QString dir;              // working folder; the program's folder when empty
  QString player;           // play as this player instead of the latest one
  bool autoplay = false;    // play the boards of `keys` and stop
  QString keys;
  int skill = 0;            // 1..10 for this run only; 0 keeps the player's
  bool seedGiven = false;
  unsigned seed = 0;
  bool quitAfterStart = false;  // start, save the settings and stop
  // --language en|dk|no|sw: the interface language of this run (the
  // player's Language option stays as it is); -1 for the player's own.
  int language = -1;
  // --show WINDOW --screenshot FILE: bring the window up, save its picture, stop.
  QString show;
  QString screenshot;
  QString error;            // why the command line was refused
};

CommandLine ParseCommandLine(const QStringList& arguments);

// One board of an automated run.
struct BoardRef {
  std::string event;    // "Imp" or "Par"
  std::string session;  // "01"
  int board = 0;        // 1..27
};
// "Imp01.05,Par03": board keys and whole events (27 boards each). Keys that
// name no board of the program are listed in `bad`.
std::vector<BoardRef> ExpandBoardKeys(const QString& keys, QStringList& bad);

}  // namespace quorval
