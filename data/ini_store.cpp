#include "data/ini_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <unordered_set>

#include "core/messages.h"
#include "data/date_time.h"
#include "data/program_folder.h"

namespace quorval {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when the line's name (the text before its first "=") is `key`,
// without regard to case; nothing is copied.
bool NamedAs(const std::string& line, const std::string& key) {
  if (line.size() <= key.size() || line[key.size()] != '=') return false;
  for (size_t i = 0; i < key.size(); ++i)
    if (Lower(line[i]) != Lower(key[i]) || line[i] == '=') return false;
  return true;
}

std::string LowerText(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = Lower(c);
  return out;
}

bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) {
                                        return static_cast<unsigned char>(Lower(x)) <
                                               static_cast<unsigned char>(Lower(y));
                                      });
}

// A line is kept to its first 255 characters; a cut never splits a UTF-8
// sequence, so a written-back file stays valid text.
std::string Clip(std::string line) {
  if (line.size() <= kIniLineLimit) return line;
  size_t cut = kIniLineLimit;
  while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
  if (cut == 0) cut = kIniLineLimit;
  line.resize(cut);
  return line;
}

// Line ends inside a name or value would split the line and could smuggle a
// section header into the file; they become blanks.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

bool ParseIniInteger(const std::string& text, int& out) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (text.size() > 10) return false;
    unsigned long v = 0;
    for (size_t i = 2; i < text.size(); ++i) {
      const char c = text[i];
      int d;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else return false;
      v = v * 16 + static_cast<unsigned long>(d);
    }
    out = static_cast<int>(static_cast<unsigned int>(v));
    return true;
  }
  size_t p = 0;
  bool negative = false;
  if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
  if (p == text.size()) return false;
  long long v = 0;
  for (; p < text.size(); ++p) {
    const char c = text[p];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) return false;
  out = static_cast<int>(v);
  return true;
}

namespace {

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

enum class FileRead { Missing, Read, Unreadable };

// Which file a path named when it was read: a save compares it with what the
// path names just before renaming its own copy over it.
struct FileIdentity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};

  static FileIdentity Of(const struct stat& st) {
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
  }
  bool operator==(const FileIdentity& o) const {
    if (exists != o.exists) return false;
    return !exists || (device == o.device && inode == o.inode && size == o.size &&
                       modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec);
  }
};

// What the path names now; a path that names nothing is not there.
FileIdentity IdentityOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? FileIdentity::Of(st) : FileIdentity{};
}

// The whole file as bytes, and the identity of the file read, taken before
// its first byte so that a change during the reading shows as a change. A
// file that is absent (or whose folder is) is Missing; one that exists but
// cannot be read, or is no regular file, is Unreadable.
FileRead ReadWholeFile(const std::string& path, std::string& text, FileIdentity* identity = nullptr) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unreadable;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return FileRead::Unreadable;
  }
  if (identity) *identity = FileIdentity::Of(st);
  text.clear();
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return FileRead::Unreadable;
    }
    text.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return FileRead::Read;
}

// Writes `text` to a new temporary file beside `path` and flushes it; its
// name is left in `temp`. False, with the reason in `error` and nothing
// left behind, when any step failed.
bool WriteTemporaryFile(const std::string& path, const std::string& text, std::string& temp, std::string& error) {
  const auto fail = [&error, &temp](const std::string& what, int err, bool made) {
    if (made) ::unlink(temp.c_str());
    temp.clear();
    error = what + ": " + std::strerror(err);
    return false;
  };
  temp = path + kSavingMark + "XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return fail("cannot create a temporary file", errno, false);
  // The new file keeps the permissions of the one it replaces.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  else ::fchmod(fd, 0644);
  if (!WriteAll(fd, text) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    return fail("write", err, true);
  }
  if (::close(fd) != 0) return fail("write", errno, true);
  return true;
}

bool RenameOver(const std::string& temp, const std::string& path, std::string& error) {
  if (::rename(temp.c_str(), path.c_str()) == 0) return true;
  error = std::string("rename: ") + std::strerror(errno);
  ::unlink(temp.c_str());
  return false;
}

// Writes `text` to a temporary file beside `path`, flushes it and renames it
// over `path`, so that the file is always either the old or the new one.
// False, with the reason in `error`, when any step failed.
bool WriteFileSafely(const std::string& path, const std::string& text, std::string& error) {
  std::string temp;
  return WriteTemporaryFile(path, text, temp, error) && RenameOver(temp, path, error);
}

// The index of the section named `name` (without regard to case) or -1; the
// search starts at `start` and wraps round.
int FindIn(const TSectionList& sections, const std::string& name, size_t start) {
  const size_t n = sections.size();
  if (start >= n) start = 0;
  for (size_t i = 0; i < n; ++i) {
    const size_t at = (start + i) % n;
    if (SameName(sections[at].name, name)) return static_cast<int>(at);
  }
  return -1;
}

// The section named `name`, created when missing: at the end, or in sorted
// place. `cursor` is left on it.
TIniSection& SectionIn(TSectionList& sections, bool sorted, size_t& cursor, const std::string& name) {
  if (const int at = FindIn(sections, name, cursor); at >= 0) {
    cursor = static_cast<size_t>(at);
    return sections[cursor];
  }
  auto pos = sections.end();
  if (sorted)
    pos = std::upper_bound(sections.begin(), sections.end(), name,
                           [](const std::string& n, const TIniSection& s) { return NameLess(n, s.name); });
  pos = sections.insert(pos, TIniSection{name, {}});
  cursor = static_cast<size_t>(pos - sections.begin());
  return *pos;
}

// The three ways a store changes; each returns whether anything changed.
bool SetLineIn(TSectionList& sections, bool sorted, size_t& cursor, const std::string& section,
               const std::string& key, const std::string& line) {
  TIniSection& s = SectionIn(sections, sorted, cursor, section);
  for (std::string& existing : s.lines) {
    if (NamedAs(existing, key)) {
      if (existing == line) return false;
      existing = line;
      return true;
    }
  }
  s.lines.push_back(line);
  return true;
}

bool DeleteIn(TSectionList& sections, size_t& cursor, const std::string& section, const std::string& key) {
  const int at = FindIn(sections, section, cursor);
  if (at < 0) return false;
  cursor = static_cast<size_t>(at);
  auto& lines = sections[cursor].lines;
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    if (NamedAs(*it, key)) {
      lines.erase(it);
      return true;
    }
  }
  return false;
}

bool EraseIn(TSectionList& sections, size_t& cursor, const std::string& section) {
  const int at = FindIn(sections, section, cursor);
  if (at < 0) return false;
  sections.erase(sections.begin() + at);
  cursor = 0;
  return true;
}

}  // namespace

void ApplyChanges(TSectionList& sections, bool sorted, const std::vector<TIniChange>& changes) {
  size_t cursor = 0;
  for (const TIniChange& change : changes) {
    switch (change.kind) {
      case TIniChange::Set: SetLineIn(sections, sorted, cursor, change.section, change.key, change.line); break;
      case TIniChange::Delete: DeleteIn(sections, cursor, change.section, change.key); break;
      case TIniChange::Erase: EraseIn(sections, cursor, change.section); break;
    }
  }
}

std::string IniFileText(const TSectionList& sections) {
  std::string text;
  for (const auto& s : sections) {
    if (s.lines.empty()) continue;
    text += "[" + s.name + "]\r\n";
    for (const auto& line : s.lines) text += line + "\r\n";
    text += "\r\n";
  }
  return text;
}

int RemoveUnfinishedSaves(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path file(path);
  const std::string prefix = file.filename().string() + kSavingMark;
  std::error_code ec;
  int removed = 0;
  for (const auto& entry : fs::directory_iterator(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
        entry.is_regular_file(ec) && fs::remove(entry.path(), ec))
      ++removed;
  }
  return removed;
}

std::vector<std::string> SplitIniText(std::string_view text) {
  std::vector<std::string> lines;
  // A byte-order mark left by an editor would hide the first section header.
  size_t start = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  while (start < text.size()) {
    // A line ends at CR LF, LF or a lone CR, so no line holds a line end: a
    // name written back (where line ends become blanks) is the name read.
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, std::min(end - start, kIniLineLimit + 4)));
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

TSectionList ParseIniLines(const std::vector<std::string>& raw, bool sorted, bool* dropped) {
  TSectionList sections;
  std::unordered_set<std::string> seen;
  if (dropped) *dropped = false;
  bool dropping = true;  // lines before the first header have no section
  for (const std::string& full : raw) {
    const std::string line = Clip(full);
    if (line.empty() || line == "\x1A") continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string name = line.substr(1, line.size() - 2);
      if (seen.insert(LowerText(name)).second) {
        sections.push_back({std::move(name), {}});
        dropping = false;
      } else {
        // A later section of the same name is dropped with its lines.
        dropping = true;
        if (dropped) *dropped = true;
      }
      continue;
    }
    if (!dropping) sections.back().lines.push_back(line);
  }
  if (sorted) std::stable_sort(sections.begin(), sections.end(),
                                [](const TIniSection& a, const TIniSection& b) { return NameLess(a.name, b.name); });
  return sections;
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool LineName(const std::string& line, std::string& name) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  name = line.substr(0, eq);
  return true;
}

TBigIniFile::TBigIniFile(std::string fileName) : fileName_(std::move(fileName)) { LoadFile(); }

TBigIniFile::~TBigIniFile() { UpdateFile(); }

void TBigIniFile::LoadFile() {
  if (fileName_.empty()) return;
  std::string text;
  switch (ReadWholeFile(fileName_, text)) {
    case FileRead::Missing: return;
    case FileRead::Read: LoadLines(SplitIniText(text)); return;
    case FileRead::Unreadable:
      // A file that may exist but cannot be read is never overwritten.
      unreadable_ = true;
      ShowMessage("Could not read the file " + fileName_ + "; it is left as it is.");
      return;
  }
}

void TBigIniFile::LoadLines(const std::vector<std::string>& raw) {
  bool dropped = false;
  sections_ = ParseIniLines(raw, sorted_, &dropped);
  cursor_ = 0;
  pending_.clear();
  // The file is written back without the dropped sections.
  if (dropped) modified_ = true;
}

void TBigIniFile::SetSorted(bool on) {
  sorted_ = on;
  if (on) std::stable_sort(sections_.begin(), sections_.end(),
                           [](const TIniSection& a, const TIniSection& b) { return NameLess(a.name, b.name); });
  cursor_ = 0;
}

int TBigIniFile::FindSection(const std::string& name) const {
  const int at = FindIn(sections_, name, cursor_);
  if (at >= 0) cursor_ = static_cast<size_t>(at);
  return at;
}

std::string TBigIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const int at = FindSection(section);
  if (at < 0) return defaultValue;
  for (const std::string& line : sections_[static_cast<size_t>(at)].lines)
    if (NamedAs(line, key)) return Clip(line.substr(key.size() + 1));
  return defaultValue;
}

int TBigIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
  int value;
  return ParseIniInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

double TBigIniFile::ReadDateTime(const std::string& section, const std::string& key,
                                 double defaultValue) const {
  const std::string text = ReadString(section, key, "");
  if (text.empty()) return defaultValue;
  double value = 0;
  return ParseDateTime(text, value) ? value : 0.0;
}

void TBigIniFile::WriteString(const std::string& sectionName, const std::string& keyName,
                              const std::string& valueText) {
  const std::string section = OneLine(sectionName), key = OneLine(keyName), value = OneLine(valueText);
  if (key.empty()) {
    if (!section.empty() || !value.empty()) EraseSection(section);
    else UpdateFile();
    return;
  }
  const std::string line = value.empty() ? key : key + "=" + value;
  if (SetLineIn(sections_, sorted_, cursor_, section, key, line)) {
    pending_.push_back({TIniChange::Set, section, key, line});
    modified_ = true;
  }
}

void TBigIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TBigIniFile::WriteDateTime(const std::string& section, const std::string& key, double value) {
  WriteString(section, key, DateTimeText(value));
}

void TBigIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& target) const {
  if (clearBeforeRead_) target.clear();
  if (const int at = FindSection(section); at >= 0) {
    const auto& lines = sections_[static_cast<size_t>(at)].lines;
    target.insert(target.end(), lines.begin(), lines.end());
  }
}

bool TBigIniFile::SectionExists(const std::string& section) const { return FindSection(section) >= 0; }

void TBigIniFile::EraseSection(const std::string& section) {
  if (!EraseIn(sections_, cursor_, section)) return;
  pending_.push_back({TIniChange::Erase, section, {}, {}});
  modified_ = true;
}

void TBigIniFile::DeleteKey(const std::string& section, const std::string& key) {
  if (!DeleteIn(sections_, cursor_, section, key)) return;
  pending_.push_back({TIniChange::Delete, section, key, {}});
  modified_ = true;
}

std::vector<std::string> TBigIniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const auto& s : sections_) names.push_back(s.name);
  return names;
}

std::vector<std::string> TBigIniFile::PendingKeys(const std::string& section) const {
  std::vector<std::string> keys;
  const auto at = [&keys](const std::string& key) {
    return std::find_if(keys.begin(), keys.end(), [&key](const std::string& k) { return SameName(k, key); });
  };
  for (const TIniChange& change : pending_) {
    if (!SameName(change.section, section)) continue;
    if (change.kind == TIniChange::Erase) keys.clear();
    else if (change.kind == TIniChange::Delete && at(change.key) != keys.end()) keys.erase(at(change.key));
    else if (change.kind == TIniChange::Set && at(change.key) == keys.end()) keys.push_back(change.key);
  }
  return keys;
}

bool TBigIniFile::Fail(const std::string& text) {
  if (text != lastError_) ShowMessage(text);
  lastError_ = text;
  return false;
}

// How often a save merges again because the file changed while it wrote.
constexpr int kMergeTries = 5;

bool TBigIniFile::UpdateFile() {
  if (!modified_ || fileName_.empty()) return true;
  if (unreadable_)
    return Fail("The file " + fileName_ + " could not be read, so it is not overwritten; changes are not saved.");

  // What is on disk now, with this store's changes made again on top, is
  // written to a temporary file. Just before that file is renamed over the
  // old one, the path must still name the file merged (same inode, size and
  // modification time); if another program or a hand edit changed it
  // meanwhile, the merge is made again. So a change made to the file before
  // that final check survives the save; one made between the check and the
  // rename (a few instructions apart), or when the file changes again
  // through every try, is lost, as no rename can hold another writer off.
  TSectionList merged;
  std::string why;
  for (int attempt = 1;; ++attempt) {
    std::string disk;
    FileIdentity read;
    switch (ReadWholeFile(fileName_, disk, &read)) {
      case FileRead::Missing: merged = sections_; break;
      case FileRead::Read:
        merged = ParseIniLines(SplitIniText(disk), sorted_);
        ApplyChanges(merged, sorted_, pending_);
        break;
      case FileRead::Unreadable:
        return Fail("Could not save the file " + fileName_ + " (it can no longer be read to keep what others wrote).");
    }
    std::string temp;
    if (!WriteTemporaryFile(fileName_, IniFileText(merged), temp, why))
      return Fail("Could not save the file " + fileName_ + " (" + why + ").");
    if (beforeFinalCheck_) beforeFinalCheck_();
    if (IdentityOf(fileName_) == read || attempt == kMergeTries) {
      if (!RenameOver(temp, fileName_, why)) return Fail("Could not save the file " + fileName_ + " (" + why + ").");
      break;
    }
    ::unlink(temp.c_str());
  }
  sections_ = std::move(merged);
  cursor_ = 0;
  pending_.clear();
  modified_ = false;
  lastError_.clear();
  return true;
}

bool TBigIniFile::SaveCopyAs(const std::string& path) {
  std::string why;
  if (WriteFileSafely(path, IniFileText(sections_), why)) return true;
  lastError_ = "Could not save the file " + path + " (" + why + ").";
  return false;
}

TMyINI::TMyINI(const std::string& fileName) : TBiggerIniFile(ResolveInProgramFolder(fileName)) {
  SetClearBeforeRead(true);
  SetSorted(true);
}

std::optional<std::string> FindValue(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines)
    if (NamedAs(line, key)) return line.substr(key.size() + 1);
  return std::nullopt;
}

}  // namespace quorval
