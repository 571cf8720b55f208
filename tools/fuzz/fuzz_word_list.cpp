// The word lists of the windows: any file reads into rows without failing,
// every text is UTF-8, and the walk that hands the texts to a window's
// controls always reaches the end of the list, whatever the controls take.
//
// Input: a word list text. Its first byte, when there is one, also steers
// the walk: the language, and how the controls answer.
#include "data/word_list.h"
#include "fuzz_util.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

// Whether `s` is UTF-8 through and through (a byte-level check of its own,
// so that it does not share a fault with the reader).
bool IsUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

// A window whose controls take as many texts as the input tells them to,
// sometimes find no control, sometimes fail or throw.
class Window : public WordListTarget {
 public:
  explicit Window(unsigned char steer) : steer_(steer) {}
  void SetFormCaption(const std::string&) override { ++captions; }
  Outcome ApplyControl(const std::string& key, WordCursor& cursor) override {
    const unsigned pick = (steer_ + key.size() + calls++) % 7;
    const size_t first = cursor.Row();
    switch (pick) {
      case 0: return Outcome::NotFound;
      case 1: cursor.NextText(); return Outcome::Failed;
      case 2: throw 1;
      case 3: cursor.ItemTexts(pick + key.size() % 5, steer_ & 1); break;
      case 4: cursor.NextText(); cursor.HintText(first); break;
      case 5: cursor.SkipOwnRows(); break;  // takes nothing, not even its own row
      default: cursor.ItemTexts(2); cursor.HintText(first); break;
    }
    return Outcome::Applied;
  }
  int captions = 0;
  size_t calls = 0;

 private:
  unsigned char steer_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = Text(data, size);
  const WordList list = WordList::Parse(text);
  size_t lines = 1;
  for (const char c : text) lines += c == '\n';
  Require(list.Rows().size() <= lines, "at most one row a line");
  for (const WordRow& row : list.Rows()) {
    Require(row.line >= 1 && size_t(row.line) <= lines, "a row names its line");
    Require(IsUtf8(row.key), "keys are UTF-8");
    for (const std::string& cell : row.texts) {
      Require(IsUtf8(cell), "texts are UTF-8");
      Require(cell.find('\t') == std::string::npos && cell.find('\n') == std::string::npos,
              "a text never takes in the next cell or line");
    }
  }
  // A key finds the first row it names.
  if (!list.Empty()) {
    const WordRow& row = list.Rows().front();
    const auto found = list.Find(row.key, 0);
    Require(found.has_value(), "the first row's key is found");
  }
  Require(!list.Find("x", -1) && !list.Find("x", kWordLanguages), "no language outside 0..7");

  const unsigned char steer = size ? data[0] : 0;
  Window window(steer);
  const WalkCounts counts = WordWalk::Run(list, steer % (kWordLanguages + 2) - 1, window, steer & 2, steer % 3);
  const size_t handled = size_t(counts.applied + counts.skipped + counts.failed + window.captions);
  Require(handled <= list.Rows().size(), "every control or caption is at least one row");
  Require(window.calls == size_t(counts.applied + counts.skipped + counts.failed), "every control is counted once");
  return 0;
}
