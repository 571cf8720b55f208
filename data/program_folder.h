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

}  // namespace quorval
