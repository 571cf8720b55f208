// The word lists shipped with the program: well formed, complete in the four
// languages, and every key names a widget of its window.
#include <QAction>
#include <set>

#include "print/hand_report.h"
#include "table/table_words.h"
#include "tests/table/desk_fixture.h"
#include "ui/about_box.h"
#include "ui/board_chooser.h"
#include "ui/claim_dialog.h"
#include "ui/export_boards.h"
#include "ui/help_window.h"
#include "ui/multi_lang.h"
#include "ui/new_events.h"
#include "ui/result_summary.h"
#include "ui/review_window.h"
#include "ui/session_results.h"
#include "ui/setup_options.h"
#include "ui/splash_screen.h"
#include "ui/player_name.h"
#include "ui/progress_window.h"
#include "ui/unsaved_results.h"

namespace quorval {
namespace {

struct ShippedList {
  const char* name;
  size_t rows;   // as the interface texts give them, and the rows of texts since added
};
const ShippedList kLists[] = {{"main_window", 121 + 2 + 2 + 3 + 1 + 1 + 1 + 8 + 6}, {"bidding_box", 1 + 1},  {"board_chooser", 7 + 1},
                              {"hand_report", 29 + 1 + 2 + 1},  {"session_results", 22 + 6 + 2 + 4}, {"result_summary", 12},
                              {"preferences", 39 + 1},  {"splash", 7},       {"about", 7 + 2 + 1},
                              {"help_window", 9},       {"review", 76 + 1 + 4},  {"export_boards", 14},
                              {"new_events", 31},       {"unsaved_results", 10}, {"start_up", 1},
                              {"call_meanings", 46 + 2 + 1}, {"player_name", 5},   {"printing", 2},
                              {"claim", 5},             {"progress", 24}};

TEST(WordLists, EveryShippedListIsWellFormedAndCompleteInTheFourLanguages) {
  for (const ShippedList& shipped : kLists) {
    SCOPED_TRACE(shipped.name);
    const WordList& list = CompiledWordList(shipped.name);
    EXPECT_TRUE(list.Problems().empty()) << list.Problems().front();
    EXPECT_EQ(list.Rows().size(), shipped.rows);
    bool inControl = false, afterHint = false;
    for (const WordRow& row : list.Rows()) {
      SCOPED_TRACE(row.key + " (line " + std::to_string(row.line) + ")");
      const WordKey kind = KindOfKey(row.key);
      // Continuation and hint rows belong to the control above them, and a
      // hint row is that control's last row.
      if (kind == WordKey::Continuation) EXPECT_TRUE(inControl && !afterHint);
      if (kind == WordKey::Hint) EXPECT_TRUE(inControl && !afterHint);
      inControl = kind != WordKey::Form;
      afterHint = kind == WordKey::Hint;
      for (int l : {3, 5, 6}) EXPECT_EQ(row.texts[l], "") << l;
      EXPECT_TRUE(row.texts[7].empty() || row.texts[7] == "?");
      if (row.texts[0].empty()) continue;
      for (int l : {1, 2, 4}) EXPECT_FALSE(row.texts[l].empty()) << l;
    }
  }
}

// Quotes, ampersands and blanks stay as stored; the new-player message is
// quoted once, as the hand report's is (its quadrupled quotes were a fault).
TEST(WordLists, TextsAreKeptExactlyAsTheInterfaceTextsGiveThem) {
  const WordList& main = CompiledWordList("main_window");
  EXPECT_EQ(main.Find("LabelNewPlayerMessage", 2), "Gå til skjermbildet med \"Preferanser\" og skriv nytt spillernavn");
  EXPECT_EQ(main.Find("LabelNewPlayerMessage", 4), "Gå till \"Preferenser\" och skriv in nytt spelarnamn");
  EXPECT_EQ(main.Find("BBRDbl", 1), "&XX ReDbl");
  EXPECT_EQ(CompiledWordList("preferences").Find("%Form%", 1), "ORVENDAL QUORVAL 2005 - Indstillinger           ");
  EXPECT_EQ(CompiledWordList("splash").Find("Label5", 0), ". . .  loading files");
  EXPECT_EQ(CompiledWordList("hand_report").Find("LabelMsg", 4), "Kort som spelats i varje stick");
}

// Every key of a list names a widget, action or menu of its window, or one
// of the texts the window composes at run time; each of those is a row of
// the list.
void ExpectKeysNameWidgets(const char* list, const QObject& window) {
  std::set<QString> names;
  for (const QObject* o : window.findChildren<const QObject*>()) names.insert(o->objectName().toLower());
  std::set<std::string> texts;
  for (const TMultiLang* lang : window.findChildren<const TMultiLang*>(QString(), Qt::FindDirectChildrenOnly))
    for (const std::string& key : lang->TextKeys()) {
      texts.insert(key);
      EXPECT_TRUE(CompiledWordList(list).Find(key, 0).has_value()) << list << ": " << key;
    }
  for (const WordRow& row : CompiledWordList(list).Rows()) {
    if (KindOfKey(row.key) != WordKey::Control || texts.count(row.key)) continue;
    EXPECT_TRUE(names.count(QString::fromStdString(row.key).toLower())) << list << ": " << row.key;
  }
}

TEST_F(DeskTest, EveryKeyNamesAWidgetOfItsWindow) {
  TDeskTop& desk = Desk();
  // The table's run-time texts name no widget; each is a row of its list.
  EXPECT_EQ(desk.Words()->TextKeys(), TableTextKeys());
  ExpectKeysNameWidgets("main_window", desk);
  ExpectKeysNameWidgets("bidding_box", *desk.Panels().bidBox);
  TGetHand chooser(&desk, "Imp", "01", {}, Qt::red);
  ExpectKeysNameWidgets("board_chooser", chooser);
  ExpectKeysNameWidgets("hand_report", desk.Printing().ReportLabels());
  ExpectKeysNameWidgets("session_results", *desk.Printing().MakeSessionResults());
  ExpectKeysNameWidgets("result_summary", *desk.Printing().MakeResultSummary());
  THelpWindow help;
  ExpectKeysNameWidgets("help_window", help);
  TSetupOptions preferences(&desk, *options_, Option);
  ExpectKeysNameWidgets("preferences", preferences);
  TAboutBox about;
  ExpectKeysNameWidgets("about", about);
  TSplashScreen splash(QRect(0, 0, 1024, 768));
  ExpectKeysNameWidgets("splash", splash);
  TExportBoards exportBoards(&desk, {}, "Imp01", "Tester", "/tmp", {});
  ExpectKeysNameWidgets("export_boards", exportBoards);
  TNewEvents newEvents(&desk, "/tmp/new", "/tmp/in use", 1, {});
  ExpectKeysNameWidgets("new_events", newEvents);
  TPlayerName playerName(&desk, "Tester", 0);
  ExpectKeysNameWidgets("player_name", playerName);
  TUnsavedResults unsaved(&desk, {"P: Imp01.01", "", true});
  ExpectKeysNameWidgets("unsaved_results", unsaved);
  review::ReviewSolvers quiet;
  quiet.table = [](const Deal&, review::MakeableTable&, std::string&) { return false; };
  quiet.card = [](const review::PlayToReview&, int index, int) { return review::CardReview{index}; };
  TReviewForm review(&desk, review::BoardReview{}, quiet);
  review.WaitForAnalysis();
  ExpectKeysNameWidgets("review", review);
  TClaimDialog claim(&desk, 4, 0);
  ExpectKeysNameWidgets("claim", claim);
  TProgressWindow progress(&desk, [](const ProgressRun&) { return PlayerProgress{}; }, 0, 0);
  progress.WaitForFigures();
  ExpectKeysNameWidgets("progress", progress);
  // Every row of the table's list found its widget and took its texts.
  EXPECT_EQ(desk.Words()->LastWalk().failed, 0);
  EXPECT_EQ(desk.Words()->LastWalk().skipped, 0);
}

}  // namespace
}  // namespace quorval
