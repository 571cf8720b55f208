#pragma once
// The INI store every data file is read through: the whole file is held in
// memory, every query is answered from there, and the file is written back
// whole, only when asked and only when something changed.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorval {

inline constexpr size_t kIniLineLimit = 255;
// A save writes "<file>.saving-XXXXXX" first and renames it over the file.
inline constexpr const char* kSavingMark = ".saving-";

// One section: its name as read and its raw lines in file order.
struct TIniSection {
  std::string name;
  std::vector<std::string> lines;
};
using TSectionList = std::vector<TIniSection>;

// One change made to a store since it was last written: a line set under a
// key, the first line of a key deleted, or a whole section erased. A save
// makes the same changes again on what is on disk at that moment.
struct TIniChange {
  enum Kind { Set, Delete, Erase } kind = Set;
  std::string section;
  std::string key;
  std::string line;  // Set: the whole line, key "=" value (or the bare key)
};

// Removes what saves of this file left unfinished when their program was
// killed between writing and renaming (files named "<file>.saving-" and six
// characters). Only for a program that knows no other one is saving there;
// gives how many were removed.
int RemoveUnfinishedSaves(const std::string& path);

// Splits a file's text into raw lines the way the store reads them: at CR
// LF, LF or a lone CR, a leading byte-order mark skipped and each line kept
// to a little over the line limit.
std::vector<std::string> SplitIniText(std::string_view text);
// The sections of raw lines: lines kept to 255 characters, empty ones and
// end-of-file marks skipped, lines before the first header dropped, a later
// section of a name already seen dropped with its lines (`dropped` then
// true), and the sections sorted by name when asked.
TSectionList ParseIniLines(const std::vector<std::string>& raw, bool sorted, bool* dropped = nullptr);
// The text a store writes: every section that has lines, "[name]", its
// lines and an empty line, each line ending in CR LF.
std::string IniFileText(const TSectionList& sections);
// Makes the changes again, in order, on other sections (as a save does on
// what is on disk).
void ApplyChanges(TSectionList& sections, bool sorted, const std::vector<TIniChange>& changes);

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
  // folder, flushed, then renamed over the old file. What is on disk is read
  // first and this store's own changes are made again on top of it, so lines
  // that another program or a hand edit added since the file was loaded are
  // kept; the store then holds the merged content. A change made to the file
  // while the save writes is kept too when it comes before the save's final
  // check of the file (the merge is then made again). A failure is reported
  // through the message sink (the same failure again only once, so a folder
  // that stays read-only is told once); the content stays in memory, still
  // modified, and false is returned.
  bool UpdateFile();
  // Why the last save failed; empty after a good one.
  const std::string& LastError() const { return lastError_; }
  // The changes not yet on disk, oldest first.
  const std::vector<TIniChange>& PendingChanges() const { return pending_; }
  // The keys of `section` set since the last good save (each once, in the
  // order first set) and not deleted since.
  std::vector<std::string> PendingKeys(const std::string& section) const;
  // Writes the whole content, as it is in memory, to another file the same
  // safe way; the store itself stays as it is. False (with LastError) when
  // that failed.
  bool SaveCopyAs(const std::string& path);
  // For tests: called during a save after the temporary file is written,
  // just before the final check that the file on disk is still the one
  // merged, so that a test can change the file at that moment.
  void SetBeforeFinalCheck(std::function<void()> hook) { beforeFinalCheck_ = std::move(hook); }

 protected:
  void SetClearBeforeRead(bool on) { clearBeforeRead_ = on; }
  void SetSorted(bool on);
  void MarkModified() { modified_ = true; }

 private:
  void LoadFile();
  // Index of the section or -1; starts at the section found last.
  int FindSection(const std::string& name) const;
  bool Fail(const std::string& text);

  std::string fileName_;
  TSectionList sections_;
  mutable size_t cursor_ = 0;
  bool modified_ = false;
  bool clearBeforeRead_ = false;
  bool sorted_ = false;
  // The file exists but could not be read: it is never overwritten.
  bool unreadable_ = false;
  std::string lastError_;
  std::vector<TIniChange> pending_;
  std::function<void()> beforeFinalCheck_;
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
