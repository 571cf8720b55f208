#include "data/program_folder.h"

#include <filesystem>

namespace quorval {

namespace {
std::string& Folder() {
  static std::string folder;
  return folder;
}
std::string& Shipped() {
  static std::string folder;
  return folder;
}
std::string& Help() {
  static std::string folder;
  return folder;
}
std::string WithSeparator(const std::string& folder) {
  return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}
bool IsFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}
}  // namespace

void SetProgramFolder(const std::string& folder) { Folder() = WithSeparator(folder); }

const std::string& ProgramFolder() { return Folder(); }

std::string ResolveInProgramFolder(const std::string& fileName) {
  if (fileName.empty() || fileName.find('/') != std::string::npos) return fileName;
  return Folder() + fileName;
}

void SetShippedFolder(const std::string& folder) { Shipped() = WithSeparator(folder); }

const std::string& ShippedFolder() { return Shipped(); }

namespace {
// The working folder's own copy of a bare name, else the one in `folder`
// when it is there.
std::string OwnCopyFirst(const std::string& folder, const std::string& fileName) {
  const std::string own = ResolveInProgramFolder(fileName);
  if (folder.empty() || fileName.empty() || fileName.find('/') != std::string::npos || IsFile(own)) return own;
  const std::string other = folder + fileName;
  return IsFile(other) ? other : own;
}
}  // namespace

std::string ResolveShippedFile(const std::string& fileName) { return OwnCopyFirst(Shipped(), fileName); }

void SetHelpFolder(const std::string& folder) { Help() = WithSeparator(folder); }

const std::string& HelpFolder() { return Help(); }

std::string ResolveHelpFile(const std::string& fileName) { return OwnCopyFirst(Help(), fileName); }

}  // namespace quorval
