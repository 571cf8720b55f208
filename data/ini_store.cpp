#include "data/ini_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unordered_set>

#include "core/messages.h"
#include "data/date_time.h"
#include "data/program_folder.h"

namespace quorval {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

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

}  // namespace

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
  struct stat st {};
  if (::stat(fileName_.c_str(), &st) != 0) {
    // A missing file is an empty store; a file that may exist but cannot be
    // looked at is treated as unreadable, so it is never overwritten.
    if (errno == ENOENT || errno == ENOTDIR) return;
    unreadable_ = true;
  }
  std::string text;
  if (!unreadable_) {
    std::ifstream in(fileName_, std::ios::binary);
    if (in && S_ISREG(st.st_mode)) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    unreadable_ = !in || !S_ISREG(st.st_mode) || in.bad();
  }
  if (unreadable_) {
    ShowMessage("Could not read the file " + fileName_ + "; it is left as it is.");
    return;
  }
  std::vector<std::string> lines;
  // A byte-order mark left by an editor would hide the first section header.
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t len = end - start;
    if (len > 0 && text[start + len - 1] == '\r') --len;
    lines.push_back(text.substr(start, std::min(len, kIniLineLimit + 4)));
    start = end + 1;
  }
  LoadLines(lines);
}

void TBigIniFile::LoadLines(const std::vector<std::string>& raw) {
  sections_.clear();
  cursor_ = 0;
  std::unordered_set<std::string> seen;
  bool dropping = true;  // lines before the first header have no section
  for (const std::string& full : raw) {
    const std::string line = Clip(full);
    if (line.empty() || line == "\x1A") continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string name = line.substr(1, line.size() - 2);
      if (seen.insert(LowerText(name)).second) {
        sections_.push_back({std::move(name), {}});
        dropping = false;
      } else {
        // A later section of the same name is dropped with its lines, and
        // the file is written back without it.
        dropping = true;
        modified_ = true;
      }
      continue;
    }
    if (!dropping) sections_.back().lines.push_back(line);
  }
  if (sorted_) std::stable_sort(sections_.begin(), sections_.end(),
                                [](const TIniSection& a, const TIniSection& b) { return NameLess(a.name, b.name); });
}

void TBigIniFile::SetSorted(bool on) {
  sorted_ = on;
  if (on) std::stable_sort(sections_.begin(), sections_.end(),
                           [](const TIniSection& a, const TIniSection& b) { return NameLess(a.name, b.name); });
  cursor_ = 0;
}

int TBigIniFile::FindSection(const std::string& name) const {
  const size_t n = sections_.size();
  if (n == 0) return -1;
  if (cursor_ >= n) cursor_ = 0;
  for (size_t i = 0; i < n; ++i) {
    const size_t at = (cursor_ + i) % n;
    if (SameName(sections_[at].name, name)) {
      cursor_ = at;
      return static_cast<int>(at);
    }
  }
  return -1;
}

TIniSection& TBigIniFile::SectionFor(const std::string& name) {
  if (const int at = FindSection(name); at >= 0) return sections_[static_cast<size_t>(at)];
  auto pos = sections_.end();
  if (sorted_)
    pos = std::upper_bound(sections_.begin(), sections_.end(), name,
                           [](const std::string& n, const TIniSection& s) { return NameLess(n, s.name); });
  pos = sections_.insert(pos, TIniSection{name, {}});
  cursor_ = static_cast<size_t>(pos - sections_.begin());
  return *pos;
}

std::string TBigIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
  const int at = FindSection(section);
  if (at < 0) return defaultValue;
  std::string name;
  for (const std::string& line : sections_[static_cast<size_t>(at)].lines)
    if (LineName(line, name) && SameName(name, key)) return Clip(line.substr(name.size() + 1));
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
  TIniSection& s = SectionFor(section);
  std::string name;
  for (std::string& existing : s.lines) {
    if (LineName(existing, name) && SameName(name, key)) {
      if (existing != line) {
        existing = line;
        modified_ = true;
      }
      return;
    }
  }
  s.lines.push_back(line);
  modified_ = true;
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
  const int at = FindSection(section);
  if (at < 0) return;
  sections_.erase(sections_.begin() + at);
  cursor_ = 0;
  modified_ = true;
}

void TBigIniFile::DeleteKey(const std::string& section, const std::string& key) {
  const int at = FindSection(section);
  if (at < 0) return;
  auto& lines = sections_[static_cast<size_t>(at)].lines;
  std::string name;
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    if (LineName(*it, name) && SameName(name, key)) {
      lines.erase(it);
      modified_ = true;
      return;
    }
  }
}

std::vector<std::string> TBigIniFile::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(sections_.size());
  for (const auto& s : sections_) names.push_back(s.name);
  return names;
}

bool TBigIniFile::UpdateFile() {
  if (!modified_ || fileName_.empty()) return true;
  if (unreadable_) {
    ShowMessage("The file " + fileName_ + " could not be read, so it is not overwritten; changes are not saved.");
    return false;
  }
  std::string text;
  for (const auto& s : sections_) {
    if (s.lines.empty()) continue;
    text += "[" + s.name + "]\r\n";
    for (const auto& line : s.lines) text += line + "\r\n";
    text += "\r\n";
  }

  const auto fail = [this](const std::string& what, int err, const std::string& temp) {
    if (!temp.empty()) ::unlink(temp.c_str());
    ShowMessage("Could not save the file " + fileName_ + " (" + what + ": " + std::strerror(err) +
                "). The changes are kept and will be saved next time.");
    return false;
  };

  std::string temp = fileName_ + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return fail("cannot create a temporary file", errno, "");
  struct stat old {};
  if (::stat(fileName_.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  else ::fchmod(fd, 0644);
  if (!WriteAll(fd, text) || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    return fail("write", err, temp);
  }
  if (::close(fd) != 0) return fail("write", errno, temp);
  if (::rename(temp.c_str(), fileName_.c_str()) != 0) return fail("rename", errno, temp);
  modified_ = false;
  return true;
}

TMyINI::TMyINI(const std::string& fileName) : TBiggerIniFile(ResolveInProgramFolder(fileName)) {
  SetClearBeforeRead(true);
  SetSorted(true);
}

std::optional<std::string> FindValue(const std::vector<std::string>& lines, const std::string& key) {
  std::string name;
  for (const std::string& line : lines)
    if (LineName(line, name) && SameName(name, key)) return line.substr(name.size() + 1);
  return std::nullopt;
}

}  // namespace quorval
