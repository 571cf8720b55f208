#pragma once
// Where the program keeps its files. Run from its build, the program's own
// folder holds everything. Installed, the program's folder is not the place
// for the player's files: they live in the user's data folder, and the
// shipped event files and help pages are read from the installed data folder
// unless the working folder holds its own. --dir always wins.

#include <QString>

namespace quorval {

// The installed data folder beside the program's folder (<prefix>/share/quorval
// for <prefix>/bin), or empty when the program does not run from an
// installation (no board file there).
QString InstalledDataFolder(const QString& programFolder);

// The user's own data folder for the program (…/.local/share/quorval).
QString UserDataFolder();

// Whether a file can be created in `folder`.
bool CanWriteFolder(const QString& folder);

// The working folder: `dirOption` when given; otherwise the program's folder,
// unless it belongs to an installation or cannot be written, in which case
// the user's data folder (created when missing). Empty when that folder
// cannot be made.
QString ChooseWorkingFolder(const QString& dirOption, const QString& programFolder, const QString& dataFolder,
                            const QString& userFolder);

}  // namespace quorval
