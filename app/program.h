#pragma once
// The program from start to end: the working folder, the message and sound
// sinks, the options and data stores, the library, the splash, the table
// window, and either the message loop or an automated run.

#include <QApplication>

#include "app/command_line.h"
#include "data/call_meanings.h"

namespace quorval {

// The exit codes beside 0 (everything done and saved).
inline constexpr int kExitBoardFailed = 1;    // a board of an automated or printing run could not be read, played or printed
inline constexpr int kExitBadCommandLine = 2;  // a bad command line or a folder that does not exist
inline constexpr int kExitFolderInUse = 3;     // another program is running on the folder
inline constexpr int kExitNotSaved = 4;        // results or settings could not be written

// Runs the program and gives its exit code.
int RunProgram(QApplication& app, const CommandLine& cl);

// The sequence library text: "SEQ2005.txt" in the working folder when
// present, otherwise the one compiled into the program. Empty (with the
// message "Could not find the resource") when neither exists.
std::string SequenceLibraryText();

// The meanings of the calls: "Meanings2005.txt" in the working folder when
// the library is the working folder's, otherwise the ones compiled in. False,
// with the reason in `problem`, when they are missing or do not read.
bool LoadCallMeanings(CallMeanings& meanings, std::string& problem);

}  // namespace quorval
