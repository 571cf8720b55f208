#include "data/program_folder.h"

namespace quorval {

namespace {
std::string& Folder() {
  static std::string folder;
  return folder;
}
}  // namespace

void SetProgramFolder(const std::string& folder) {
  Folder() = folder;
  if (!Folder().empty() && Folder().back() != '/') Folder() += '/';
}

const std::string& ProgramFolder() { return Folder(); }

std::string ResolveInProgramFolder(const std::string& fileName) {
  if (fileName.empty() || fileName.find('/') != std::string::npos) return fileName;
  return Folder() + fileName;
}

}  // namespace quorval
