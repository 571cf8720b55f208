// The word-list reader and the walk that hands each control its texts.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "data/word_list.h"

using namespace quorval;

namespace {

// One row: key and the texts of English, Danish, Norwegian and Swedish.
std::string Row(const std::string& key, const std::string& en, const std::string& dk = "",
                const std::string& no = "", const std::string& sw = "") {
  return key + "\t" + en + "\t" + dk + "\t" + no + "\t\t" + sw + "\t\t\t\n";
}

// A window made of named controls, each taking texts as a caption, an item
// list or a radio group would, and a hint. It records what it was given.
class FakeWindow : public WordListTarget {
 public:
  enum Kind { Caption, Items, RadioGroup, NoCaption, Refuses, Throws };
  struct Control {
    Kind kind = Caption;
    size_t items = 0;
    std::string caption;
    std::vector<std::string> itemTexts;
    std::string hint = "old hint";
  };

  void Add(const std::string& name, Kind kind, size_t items = 0) {
    controls[name].kind = kind;
    controls[name].items = items;
    controls[name].itemTexts.assign(items, "old");
  }
  void SetFormCaption(const std::string& text) override { form = text; }
  Outcome ApplyControl(const std::string& key, WordCursor& cursor) override {
    auto found = controls.end();
    for (auto it = controls.begin(); it != controls.end(); ++it)
      if (it->first.size() == key.size() &&
          std::equal(key.begin(), key.end(), it->first.begin(), [](char a, char b) { return tolower(a) == tolower(b); }))
        found = it;
    if (found == controls.end()) return Outcome::NotFound;
    Control& c = found->second;
    const size_t first = cursor.Row();
    switch (c.kind) {
      case Caption: c.caption = cursor.NextText().value_or("-"); break;
      case Items: c.itemTexts = cursor.ItemTexts(c.items); break;
      case RadioGroup:
        c.caption = cursor.NextText().value_or("-");
        c.itemTexts = cursor.ItemTexts(c.items, true);
        break;
      case NoCaption: break;
      case Refuses: cursor.NextText(); return Outcome::Failed;
      case Throws: throw std::runtime_error("refused");
    }
    if (const auto hint = cursor.HintText(first)) c.hint = *hint;
    return Outcome::Applied;
  }

  std::string form = "old form";
  std::map<std::string, Control> controls;
};

}  // namespace

TEST(WordList, ReadsRowsExactlyAsStored) {
  const std::string text = "\xEF\xBB\xBF# a comment\r\n\r\n" + Row("%Form%", "Title", "Titel") +
                           Row("BBRDbl", "&XRDbl", "&XX ReDbl", "&XX ReDbl", "&XX RD") +
                           Row("LabelNew", "Go to the \"Preferences\" screen", "", "med \"\"\"\"Preferanser\"\"\"\"\"\"") +
                           Row("Pad", "Title   ", "  lead") + Row("\"", "item") + Row("\".Hint", "tip");
  const WordList list = WordList::Parse(text);
  EXPECT_TRUE(list.Problems().empty());
  ASSERT_EQ(list.Rows().size(), 6u);
  EXPECT_EQ(list.Rows()[1].texts[4], "&XX RD");
  EXPECT_EQ(list.Rows()[2].texts[0], "Go to the \"Preferences\" screen");
  EXPECT_EQ(list.Rows()[2].texts[2], "med \"\"\"\"Preferanser\"\"\"\"\"\"");
  EXPECT_EQ(list.Rows()[3].texts[0], "Title   ");
  EXPECT_EQ(list.Rows()[3].texts[1], "  lead");
  EXPECT_EQ(list.Rows()[3].line, 6);   // BOM, comment and empty line counted
  EXPECT_EQ(KindOfKey(list.Rows()[0].key), WordKey::Form);
  EXPECT_EQ(KindOfKey(list.Rows()[4].key), WordKey::Continuation);
  EXPECT_EQ(KindOfKey("\".hint"), WordKey::Hint);
  EXPECT_EQ(KindOfKey("\"\""), WordKey::Control);   // a stray quote is just an unknown name
  EXPECT_EQ(list.Find("bbrdbl", 1), "&XX ReDbl");
  EXPECT_EQ(list.Find("BBRDbl", 8), std::nullopt);
  EXPECT_EQ(list.Find("Nothing", 0), std::nullopt);
  // A control's hint by its name: past its item rows, and none without one.
  EXPECT_EQ(list.Find("pad.hint", 0), "tip");
  EXPECT_EQ(list.Find("BBRDbl.Hint", 0), std::nullopt);
  EXPECT_EQ(list.Find(".Hint", 0), std::nullopt);
}

TEST(WordList, BadRowsAreRepairedInPlaceAndReported) {
  const std::string text = std::string("Short\tA\tB\n") +            // 3 cells
                           "Long\t0\t1\t2\t3\t4\t5\t6\t7\t8\t9\n" +   // 11 cells
                           "Bad\tca\xFF" "fe\t\xC3\xA6\xC3\t\xE0\x80\x80\t\t\xF0\x9F\x82\xA1\t\t\t\n" +
                           " Padded \tx\t\t\t\t\t\t\t\n" + "\tno key\t\t\t\t\t\t\t\n" + "Last\tend";
  const WordList list = WordList::Parse(text);
  ASSERT_EQ(list.Rows().size(), 6u);
  EXPECT_EQ(list.Rows()[0].texts[1], "B");
  EXPECT_EQ(list.Rows()[0].texts[2], "");
  EXPECT_EQ(list.Rows()[1].texts[7], "7");   // the extra cells are dropped, none moves
  EXPECT_EQ(list.Rows()[2].texts[0], "ca\xEF\xBF\xBD" "fe");
  EXPECT_EQ(list.Rows()[2].texts[1], "\xC3\xA6\xEF\xBF\xBD");            // a cut sequence
  EXPECT_EQ(list.Rows()[2].texts[2], "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // an overlong form
  EXPECT_EQ(list.Rows()[2].texts[4], "\xF0\x9F\x82\xA1");                // a valid four-byte one
  EXPECT_EQ(list.Rows()[3].key, "Padded");
  EXPECT_EQ(list.Rows()[5].texts[0], "end");   // no line end after the last row
  const std::vector<std::string> expected = {"line 1: 3 cells instead of 9",  "line 2: 11 cells instead of 9",
                                             "line 3: 5 bytes that are not UTF-8", "line 4: blanks around the key",
                                             "line 5: no key",                  "line 6: 2 cells instead of 9"};
  EXPECT_EQ(list.Problems(), expected);
}

TEST(WordCursor, ItemListsTakeContinuationRowsAndBlankTheRest) {
  std::string text = Row("Combo", "item 0");
  for (int i = 1; i < 15; ++i) text += Row("\"", "item " + std::to_string(i));
  const WordList fifteen = WordList::Parse(text);
  WordCursor all(fifteen, 0);
  const auto items = all.ItemTexts(15);
  EXPECT_EQ(items.front(), "item 0");
  EXPECT_EQ(items.back(), "item 14");
  EXPECT_TRUE(all.AtEnd());

  std::string ten = Row("Combo", "item 0");
  for (int i = 1; i < 10; ++i) ten += Row("\"", "item " + std::to_string(i));
  ten += Row("Next", "next");
  const WordList tenRows = WordList::Parse(ten);
  WordCursor some(tenRows, 0);
  const auto shorter = some.ItemTexts(15);
  EXPECT_EQ(shorter[9], "item 9");
  for (int i = 10; i < 15; ++i) EXPECT_EQ(shorter[i], "") << i;
  EXPECT_EQ(some.Key(), "Next");   // the next control's row is left alone

  // More rows than items: the extra continuation rows stay for the walk.
  WordCursor fewer(fifteen, 0);
  fewer.ItemTexts(3);
  EXPECT_EQ(fewer.Row(), 3u);
  EXPECT_TRUE(fewer.AtContinuation());
}

TEST(WordCursor, EmptyCellsBlankUnlessTheDefaultLanguageIsOn) {
  const WordList list = WordList::Parse(Row("A", "English", "") + Row("B", "", ""));
  WordCursor plain(list, 1);
  EXPECT_EQ(plain.NextText(), "");
  WordCursor fallback(list, 1, true, 0);
  EXPECT_EQ(fallback.NextText(), "English");
  EXPECT_EQ(fallback.NextText(), "");
  EXPECT_EQ(fallback.NextText(), std::nullopt);   // past the end: no text, nothing moves
  EXPECT_EQ(fallback.Row(), 2u);
}

TEST(WordWalk, EachControlGetsItsOwnRowsWhateverComesBefore) {
  const std::string text =
      Row("%Form%", "Caption", "Overskrift") + Row("Missing", "gone", "væk") + Row("\"", "gone item") +
      Row("\".Hint", "gone hint") + Row("LabelPass", "Pass", "Pas") + Row("MPScoring", "MP Scoring", "MP-opgørelse") +
      Row("\"", "1, 0, -1", "1, 0, -1 (V,Lige,T)") + Row("\"", "1, 1/2, 0") + Row("\"", "2, 1, 0") +
      Row("\"", "1/2, 0, -1/2") + Row("\".Hint", "Select", "Vælg") + Row("Dup", "", "") +
      Row("\".Hint", "Duplicate Board", "Duplikatbakke") + Row("Quiet", "caption", "overskrift") +
      Row("\".Hint", "English hint", "") + Row("Empty", "English", "") + Row("NoItems", "Group", "Gruppe") +
      Row("Last", "Last", "Sidst");
  const WordList list = WordList::Parse(text);
  FakeWindow w;
  for (const char* name : {"LabelPass", "Quiet", "Empty", "Last", "NoItems"}) w.Add(name, FakeWindow::Caption);
  w.Add("MPScoring", FakeWindow::RadioGroup, 4);
  w.Add("Dup", FakeWindow::NoCaption);
  w.Add("NoItems", FakeWindow::RadioGroup, 2);
  w.controls["Empty"].caption = "was here";

  const WalkCounts counts = WordWalk::Run(list, 1, w);
  EXPECT_EQ(w.form, "Overskrift");
  EXPECT_EQ(counts.skipped, 3);   // the missing control's three rows, one by one
  EXPECT_EQ(counts.applied, 7);
  EXPECT_EQ(w.controls["LabelPass"].caption, "Pas");
  EXPECT_EQ(w.controls["MPScoring"].caption, "MP-opgørelse");
  EXPECT_EQ(w.controls["MPScoring"].itemTexts,
            (std::vector<std::string>{"1, 0, -1 (V,Lige,T)", "", "", ""}));   // empty cells blank
  EXPECT_EQ(w.controls["MPScoring"].hint, "Vælg");
  EXPECT_EQ(w.controls["Dup"].hint, "Duplikatbakke");   // its empty first row is passed
  EXPECT_EQ(w.controls["Quiet"].caption, "overskrift");
  EXPECT_EQ(w.controls["Quiet"].hint, "old hint");     // an empty hint cell keeps the hint
  EXPECT_EQ(w.controls["Empty"].caption, "");          // an empty caption cell blanks it
  // A radio group without item rows never takes the next control's row.
  EXPECT_EQ(w.controls["NoItems"].caption, "Gruppe");
  EXPECT_EQ(w.controls["NoItems"].itemTexts, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(w.controls["Last"].caption, "Sidst");
}

TEST(WordWalk, AControlThatFailsNeverStopsTheWalk) {
  const std::string text = Row("First", "one", "en") + Row("Refusing", "no", "nej") + Row("\"", "item") +
                           Row("\".Hint", "hint") + Row("Throwing", "no") + Row("\"", "item") +
                           Row("Middle", "two", "to") + Row("Last", "three", "tre");
  const WordList list = WordList::Parse(text);
  FakeWindow w;
  for (const char* name : {"First", "Middle", "Last"}) w.Add(name, FakeWindow::Caption);
  w.Add("Refusing", FakeWindow::Refuses);
  w.Add("Throwing", FakeWindow::Throws);
  const WalkCounts counts = WordWalk::Run(list, 1, w);
  EXPECT_EQ(counts.failed, 2);
  EXPECT_EQ(counts.skipped, 0);   // the failed controls' own rows were passed with them
  EXPECT_EQ(w.controls["First"].caption, "en");
  EXPECT_EQ(w.controls["Middle"].caption, "to");
  EXPECT_EQ(w.controls["Last"].caption, "tre");
}

TEST(WordWalk, NamesMatchWithoutRegardToCase) {
  const WordList list = WordList::Parse(Row("%form%", "T", "T-dk") + Row("labelpass", "Pass", "Pas"));
  FakeWindow w;
  w.Add("LabelPass", FakeWindow::Caption);
  WordWalk::Run(list, 1, w);
  EXPECT_EQ(w.form, "T-dk");
  EXPECT_EQ(w.controls["LabelPass"].caption, "Pas");
}
