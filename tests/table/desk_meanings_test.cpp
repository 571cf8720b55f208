// What the calls mean at the table: the tip of a call in the auction grid,
// its link to the system summary, the hint listing the meaning of each call
// it marks, the printed report's auction with meanings, and a table whose
// meanings could not be read playing on without them after one message.
#include <QCheckBox>
#include <QHelpEvent>
#include <QToolTip>

#include "data/meaning_text.h"
#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/help_window.h"
#include "ui/meaning_tip.h"
#include "ui/multi_lang.h"
#include "ui/review_window.h"

namespace quorval {
namespace {

// North deals board 1 and opens 1NT; South answers with Stayman or a
// transfer to hearts.
constexpr const char* kLibrary =
    "[Imp01.01.D]\r\n1N,P,2C,P,2H,P,4H,P,P,P,Lead,8C,100\r\n1N,P,2D,P,2H,P,P,P,Lead,8C,100\r\n";

CallMeaning Meaning(CallConvention convention, int minPts, int maxPts) {
  CallMeaning m;
  m.convention = convention;
  m.minPts = minPts;
  m.maxPts = maxPts;
  return m;
}

class DeskMeaningsTest : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    UseLibrary(kLibrary);
    std::map<char, MeaningEntries> entries;
    CallMeaning nt = Meaning(CallConvention::Natural, 15, 17);
    nt.balanced = true;
    nt.strain = 4;
    entries['D']["1N"] = nt;
    CallMeaning stayman = Meaning(CallConvention::Stayman, 8, kMostPoints);
    stayman.force = MeaningForce::OneRound;
    entries['D']["1N,P,2C"] = stayman;
    CallMeaning transfer = Meaning(CallConvention::Transfer, 0, kMostPoints);
    transfer.minLen[Heart] = 5;
    transfer.strain = Heart;
    entries['D']["1N,P,2D"] = transfer;
    // Modern Standard tells the same opening as another range.
    CallMeaning otherNt = nt;
    otherNt.minPts = 12;
    otherNt.maxPts = 14;
    entries['M']["1N"] = otherNt;
    ASSERT_TRUE(meanings_.Load(MeaningsFileText(entries)));
    files_->meanings = &meanings_;
  }

  // The centre of the auction grid's cell of call `index` (board 1, North deals).
  QPoint CallCell(int index) const {
    const auto [row, col] = ReviewCell(North, index);
    return desk_->Panels().bidReview->CellRect(col, row).center();
  }

  CallMeanings meanings_;
};

TEST_F(DeskMeaningsTest, TheTipOfACallTellsItsMeaningAndOnlyOfCallsWithOne) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  ASSERT_EQ(Calls(), (std::vector<std::string>{"1N", "P"}));
  ASSERT_TRUE(desk.Tips().ShowCallTip(CallCell(0)));
  EXPECT_TRUE(desk.Tips().MeaningTip()->isVisible());
  EXPECT_EQ(desk.Tips().MeaningTip()->Meaning(), "15-17 HCP, balanced");
  EXPECT_TRUE(desk.Tips().MeaningTip()->text().contains("System summary"));
  // East's pass has no entry, and the cell after the last call holds none.
  EXPECT_FALSE(desk.Tips().ShowCallTip(CallCell(1)));
  EXPECT_FALSE(desk.Tips().MeaningTip()->isVisible());
  EXPECT_FALSE(desk.Tips().ShowCallTip(CallCell(2)));

  // The grid's own tooltip event brings the tip, as the mouse resting on it does.
  QHelpEvent rest(QEvent::ToolTip, CallCell(0), desk.Panels().bidReview->viewport()->mapToGlobal(CallCell(0)));
  QApplication::sendEvent(desk.Panels().bidReview->viewport(), &rest);
  EXPECT_TRUE(desk.Tips().MeaningTip()->isVisible());

  // In Danish words, and in the system in use.
  desk.LanguageClick(1);
  EXPECT_EQ(desk.Tips().CallMeaningText(0), "15-17 HP, balanceret");
  desk.BidSysClick(1);
  desk.NewHandClick();
  desk.PriorHand1Click();
  ASSERT_EQ(desk.Game().State().BidSystemLetter, 'M');
  EXPECT_EQ(desk.Tips().CallMeaningText(0), "12-14 HP, balanceret");
}

// The summary that came with the program, as when an event set is played in
// a folder of its own.
TEST_F(DeskMeaningsTest, TheTipsLinkOpensTheSystemSummaryAtTheCallsSection) {
  QTemporaryDir program;
  SetHelpFolder(program.path().toStdString());
  QFile page(program.filePath("DKBAS-E.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html><body><h2><a name=\"openings\"></a>Openings</h2><h2><a name=\"notrump\"></a>No trump</h2>"
             "</body></html>");
  page.close();
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.ButMakeBidClick();  // South's Stayman
  ASSERT_EQ(Calls().at(2), "2C");
  ASSERT_TRUE(desk.Tips().ShowCallTip(CallCell(2)));
  emit desk.Tips().MeaningTip()->linkActivated("summary");
  ASSERT_NE(desk.Help().Window(), nullptr);
  EXPECT_TRUE(desk.Help().Window()->isVisible());
  EXPECT_EQ(desk.Help().Window()->Source().fileName(), "DKBAS-E.html");
  EXPECT_EQ(desk.Help().Window()->Source().fragment(), "notrump");
  EXPECT_FALSE(desk.Tips().MeaningTip()->isVisible());
  // The opening is told among the openings.
  EXPECT_TRUE(desk.Tips().OpenMeaningSummary(0));
  EXPECT_EQ(desk.Help().Window()->Source().fragment(), "openings");
  SetHelpFolder("");
}

TEST_F(DeskMeaningsTest, HintListsTheMeaningOfEachCallItMarksUntilTheNextCall) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.ButHelpBidClick();
  ASSERT_TRUE(desk.Tips().HintMeanings()->isVisible());
  const auto& lines = desk.Tips().HintMeanings()->Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].call, "2~C");
  EXPECT_EQ(lines[0].meaning, "Stayman: 8+ HCP, forcing");
  EXPECT_EQ(lines[1].call, "2~D");
  EXPECT_EQ(lines[1].meaning, "Transfer: 5+ hearts");
  EXPECT_EQ(desk.Panels().bidBox->BidButton(2, Diamond)->toolTip(), "Transfer: 5+ hearts");
  // Another language tells the listed meanings in its words.
  desk.LanguageClick(4);
  ASSERT_TRUE(desk.Tips().HintMeanings()->isVisible());
  EXPECT_EQ(desk.Tips().HintMeanings()->Lines().at(1).meaning, QString::fromUtf8("Transfer: 5+ hjärter"));
  desk.LanguageClick(0);
  // Below the bidding box, so that none of its buttons is covered.
  EXPECT_GT(desk.Tips().HintMeanings()->geometry().top(), desk.Panels().bidBox->geometry().bottom());

  desk.ButMakeBidClick();
  EXPECT_FALSE(desk.Tips().HintMeanings()->isVisible());
  EXPECT_TRUE(desk.Panels().bidBox->BidButton(2, Diamond)->toolTip().isEmpty());
}

TEST_F(DeskMeaningsTest, TheReportListsMeaningsOnlyWhenAskedFor) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  EXPECT_TRUE(desk.Printing().CurrentHandReport().meanings.empty());
  desk.Action("PrintMeanings")->setChecked(true);
  const HandReportData report = desk.Printing().CurrentHandReport();
  EXPECT_EQ(report.meanings, (std::vector<QString>{"15-17 HCP, balanced", ""}));
}

TEST_F(DeskMeaningsTest, TheReviewShowsTheAuctionWithMeaningsWhenTicked) {
  TDeskTop& desk = Desk();
  review::ReviewSolvers quiet;
  quiet.table = [](const Deal&, review::MakeableTable&, std::string& error) {
    error = "no solver in this test";
    return false;
  };
  quiet.card = [](const review::PlayToReview&, int index, int) {
    review::CardReview r;
    r.index = index;
    return r;
  };
  desk.Review().SetReviewSolvers(quiet);
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  const auto window = desk.Review().MakeCurrentReview();
  ASSERT_NE(window, nullptr);
  QCheckBox* box = window->AuctionMeaningsBox();
  EXPECT_FALSE(box->isHidden());
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(window->SummaryText().contains("15-17 HCP, balanced"));
  box->setChecked(true);
  EXPECT_TRUE(window->SummaryText().contains("North") && window->SummaryText().contains("15-17 HCP, balanced"))
      << window->SummaryText().toStdString();
  box->setChecked(false);
  EXPECT_FALSE(window->SummaryText().contains("15-17 HCP, balanced"));
}

TEST_F(DeskMeaningsTest, UnreadableMeaningsAreToldOnceAndTheBoardIsPlayedWithoutThem) {
  meanings_.Clear();
  files_->meaningsProblem = "Meanings2005.txt: 3 entries where the file counts 4";
  TDeskTop& desk = Desk();
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_NE(LastMessage().find("3 entries where the file counts 4"), std::string::npos) << LastMessage();
  desk.NewHandClick();
  EXPECT_FALSE(desk.Tips().ShowCallTip(CallCell(0)));
  desk.ButHelpBidClick();
  EXPECT_FALSE(desk.Tips().HintMeanings()->isVisible());
  EXPECT_NE(desk.Panels().bidBox->BidButton(2, Diamond)->Face(), desk.Panels().bidBox->BidButton(3, Diamond)->Face());
  EXPECT_TRUE(desk.AutoPlayBoard("Imp", "01", 1)) << LastMessage();
  EXPECT_TRUE(desk.Game().ResultFiled());
  EXPECT_EQ(MessageCount(), 1);
}

TEST_F(DeskMeaningsTest, EveryWordOfTheMeaningsHasAllFourLanguages) {
  TestApp();
  const WordList& words = CompiledWordList("call_meanings");
  std::vector<std::string> keys = MeaningWordKeys();
  keys.push_back("MeaningSummaryLink");
  keys.push_back("MeaningsUnreadable");
  for (const std::string& key : keys)
    for (const int language : {0, 1, 2, 4})
      EXPECT_FALSE(words.Find(key, language).value_or("").empty()) << key << " in language " << language;
}

}  // namespace
}  // namespace quorval
