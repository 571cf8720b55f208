#pragma once
// Word lists: the texts of one window's controls in every interface language,
// and the walk that hands them to the window's controls. Plain code; the Qt
// side (ui/multi_lang.*) only decides what each kind of control does with the
// texts it is given.
//
// File format (UTF-8, one row per line, cells separated by one TAB):
//   key <TAB> language 0 <TAB> 1 <TAB> ... <TAB> language 7
// Language 0 is English, 1 Danish, 2 Norwegian, 4 Swedish; 3, 5, 6 stay empty
// and 7 holds "?" or nothing. Keys:
//   %Form%        the window's own caption;
//   a name        begins the rows of the control of that object name (case-blind);
//   "             continuation: the next item of the same control's list;
//   ".Hint        the hint (tooltip) of the control whose rows precede it.
// A control's rows are its first row, its continuation rows, then its hint
// row. Texts are kept exactly as stored: quotes, ampersands (the accelerator
// mark, "&&" for one ampersand) and trailing blanks. Lines starting with "#"
// and empty lines are comments.
//
// Reading never fails and never shifts a text into another row: a short row
// gets empty cells, a long row loses its extra cells, bytes that are not UTF-8
// become U+FFFD, and each such repair is listed in Problems().

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorval {

// Language columns of every word list (the component's `Languages`).
inline constexpr int kWordLanguages = 8;

enum class WordKey { Form, Control, Continuation, Hint };
WordKey KindOfKey(std::string_view key);

struct WordRow {
  std::string key;
  std::array<std::string, kWordLanguages> texts;
  int line = 0;  // line in the file, for reports
};

class WordList {
 public:
  WordList() = default;
  static WordList Parse(std::string_view text);

  const std::vector<WordRow>& Rows() const { return rows_; }
  bool Empty() const { return rows_.empty(); }
  // What had to be repaired while reading, one text per repair ("line 7: ...").
  const std::vector<std::string>& Problems() const { return problems_; }
  // The text of the first row with this key (case-blind) in `language`; none
  // when no row has the key or the language is out of range. "Name.Hint"
  // is the hint row of the control Name (none when it has no hint row).
  std::optional<std::string> Find(std::string_view key, int language) const;

 private:
  std::vector<WordRow> rows_;
  std::vector<std::string> problems_;
};

// The rows of one language, read control by control. A control's handler
// takes its texts through the cursor; the cursor only moves forward.
class WordCursor {
 public:
  // With `defaultEnabled` an empty cell gives the cell of `defaultLanguage`;
  // otherwise an empty cell is the empty text (it blanks a caption).
  WordCursor(const WordList& list, int language, bool defaultEnabled = false, int defaultLanguage = 0);

  bool AtEnd() const { return row_ >= rows_->size(); }
  size_t Row() const { return row_; }
  // The key of the current row; empty at the end.
  const std::string& Key() const;
  bool AtContinuation() const { return !AtEnd() && KindOfKey(Key()) == WordKey::Continuation; }
  bool AtHint() const { return !AtEnd() && KindOfKey(Key()) == WordKey::Hint; }

  // The next text: the current row's cell, then one row on. Past the end
  // there is no text and nothing moves.
  std::optional<std::string> NextText();

  // The texts of a control's `count` items: item 0 takes the next text, every
  // further item the next continuation row's text while there is one; items
  // beyond the rows used are empty. With `itemsAreContinuations` (a radio
  // group, whose first row went to its caption) item 0 too is taken only
  // from a continuation row, so a group without item rows never takes the
  // next control's row.
  std::vector<std::string> ItemTexts(size_t count, bool itemsAreContinuations = false);

  // The hint of the control whose rows began at `firstRow`: when nothing of
  // them was taken yet the first row is passed; then, at a ".Hint" row, its
  // text. None when there is no hint row or its cell is empty (an empty hint
  // cell leaves the hint as it is).
  std::optional<std::string> HintText(size_t firstRow);

  // Passes every continuation and hint row at the cursor.
  void SkipOwnRows();

 private:
  friend class WordWalk;
  const std::string& Cell(const WordRow& row) const;

  const std::vector<WordRow>* rows_;
  int language_;
  bool defaultEnabled_;
  int defaultLanguage_;
  size_t row_ = 0;
};

// What a window gives the walk.
class WordListTarget {
 public:
  enum class Outcome { NotFound, Applied, Failed };
  virtual ~WordListTarget() = default;
  virtual void SetFormCaption(const std::string& text) = 0;
  // Gives the control named `key` (case-blind) its texts from the cursor,
  // which stands on the control's first row. NotFound when the window has
  // no such control; Failed when a text could not be set.
  virtual Outcome ApplyControl(const std::string& key, WordCursor& cursor) = 0;
};

struct WalkCounts {
  int applied = 0;   // controls that took their texts
  int skipped = 0;   // rows whose key names nothing of the window
  int failed = 0;    // controls that refused a text
};

// Walks the list from row 0 in `language`: "%Form%" rows set the caption,
// every other key goes to its control; a key that names nothing is passed
// one row. A control that fails (or throws) never stops the walk: its own
// remaining rows are passed and the walk goes on with the next control.
class WordWalk {
 public:
  static WalkCounts Run(const WordList& list, int language, WordListTarget& target, bool defaultEnabled = false,
                        int defaultLanguage = 0);
};

}  // namespace quorval
