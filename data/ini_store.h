#pragma once
// The INI store every data file is read through: the whole file is held in
// memory, every query is answered from there, and the file is written back
// whole, only when asked and only when something changed.

#include <optional>
#include <string>
#include <vector>

namespace quorval {

inline constexpr size_t kIniLineLimit = 255;

// One section: its name as read and its raw lines in file order.
struct TIniSection {
  std::string name;
  std::vector<std::string> lines;
};
using TSectionList = std::vector<TIniSection>;

class TBigIniFile {
 public:
  // Opens the store on a file and loads it; a missing file gives an empty
  // store. An empty name gives a store that lives in memory only.
  explicit TBigIniFile(std::string fileName);
  // Closing writes the file back if it changed.
  virtual ~TBigIniFile();
  TBigIniFile(const TBigIniFile&) = delete;
  TBigIniFile& operator=(const TBigIniFile&) = delete;

  const std::string& FileName() const { return fileName_; }
  bool Modified() const { return modified_; }

  // Replaces the content by the given lines, read by the same rules as a file.
  void LoadLines(const std::vector<std::string>& lines);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Decimal, or hexadecimal after "0x"; anything else gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // An absent or empty value gives the default, an unreadable one 0.
  double ReadDateTime(const std::string& section, const std::string& key, double defaultValue) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteDateTime(const std::string& section, const std::string& key, double value);

  // Appends the section's raw lines to `target` (emptied first when the
  // store clears before reading).
  void ReadSectionValues(const std::string& section, std::vector<std::string>& target) const;
  bool SectionExists(const std::string& section) const;
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);
  std::vector<std::string> SectionNames() const;
  const TSectionList& Sections() const { return sections_; }

  // Writes the whole file when it changed: to a temporary file in the same
  // folder, flushed, then renamed over the old file. A failure is reported
  // through the message sink; the content stays in memory, still modified,
  // and false is returned.
  bool UpdateFile();

 protected:
  void SetClearBeforeRead(bool on) { clearBeforeRead_ = on; }
  void SetSorted(bool on);
  void MarkModified() { modified_ = true; }

 private:
  void LoadFile();
  // Index of the section or -1; starts at the section found last.
  int FindSection(const std::string& name) const;
  TIniSection& SectionFor(const std::string& name);

  std::string fileName_;
  TSectionList sections_;
  mutable size_t cursor_ = 0;
  bool modified_ = false;
  bool clearBeforeRead_ = false;
  bool sorted_ = false;
  // The file exists but could not be read: it is never overwritten.
  bool unreadable_ = false;
};

// The kind of store the sequence library lives in.
class TBiggerIniFile : public TBigIniFile {
 public:
  using TBigIniFile::TBigIniFile;
};

// The options file and the board stores: a bare file name is taken from the
// program folder, sections are kept sorted by name without regard to case,
// and reading a section empties the target list first.
class TMyINI : public TBiggerIniFile {
 public:
  explicit TMyINI(const std::string& fileName);
};

// The whole-number reading of the files: decimal with an optional sign, or
// hexadecimal after "0x"; false for any other text or a value beyond 32 bits.
bool ParseIniInteger(const std::string& text, int& value);

// Case-blind equality of section and key names.
bool SameName(const std::string& a, const std::string& b);
// The name of a raw line (the text before the first "="), false when it has none.
bool LineName(const std::string& line, std::string& name);
// The value of the first of the raw lines named `key` (without regard to
// case), or nothing when no line has that name.
std::optional<std::string> FindValue(const std::vector<std::string>& lines, const std::string& key);

}  // namespace quorval
