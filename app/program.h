#pragma once
// The program from start to end: the working folder, the message and sound
// sinks, the options and data stores, the library, the splash, the table
// window, and either the message loop or an automated run.

#include <QApplication>

#include "app/command_line.h"
#include "data/call_meanings.h"

namespace quorval {

// Runs the program; the exit code: 0, 1 when a board of an automated run
// could not be read or played, 2 for a bad command line or folder.
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
