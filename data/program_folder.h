#pragma once
// The working folder in which every data file is found by its bare name: the
// folder of the program, or the one given with --dir.

#include <string>

namespace quorval {

void SetProgramFolder(const std::string& folder);
// The folder with a trailing separator, or empty when none was set (the
// current directory is then used).
const std::string& ProgramFolder();
// A name without a folder part is taken from the program folder; a name with
// one is left as it is.
std::string ResolveInProgramFolder(const std::string& fileName);

// The folder an installed program keeps its shipped, read-only files in (the
// event files and help pages); empty when the program runs from its build.
void SetShippedFolder(const std::string& folder);
const std::string& ShippedFolder();
// A shipped file by its bare name: the working folder's own copy when there
// is one, otherwise the installed one when that exists, otherwise the name in
// the working folder (so that a missing file reads as empty there).
std::string ResolveShippedFile(const std::string& fileName);

// The folder the program's own help pages, their pictures and the bidding
// system summaries come from: beside the program, or for an installed
// program its installed data folder. They belong to the program, not to the
// event set in the working folder.
void SetHelpFolder(const std::string& folder);
const std::string& HelpFolder();
// A help page by its bare name: the working folder's own copy when there is
// one, otherwise the program's when that exists, otherwise the name in the
// working folder (which the Help menu then finds missing).
std::string ResolveHelpFile(const std::string& fileName);

}  // namespace quorval
