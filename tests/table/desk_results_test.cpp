// The results side of the table: the play of each filed board kept beside
// its result and read back after a restart, the hand report of the board on
// the table and of a board chosen in the session list, and the menu items.
#include <QAction>

#include "data/kept_play.h"
#include "scoring/player_results.h"
#include "tests/data/sample_play.h"
#include "tests/game/counting_filing.h"
#include "tests/print/recording_device.h"
#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/result_summary.h"
#include "ui/session_results.h"

namespace quorval {
namespace {

using testing::DrawnText;
using testing::RecordingDevice;

class DeskResultsTest : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    KeepPlays();
  }
  // The program starts again on the files as they are on disk and reads
  // the report of Imp01.01 from them, which has nothing to complain of.
  HandReportData ReportAfterRestart() {
    desk_.reset();
    options_ = std::make_unique<TMyINI>(kOptionsFileName);
    plays_ = std::make_unique<TMyINI>(kKeptPlayFileName);
    files_ = std::make_unique<TableFiles>(TableFiles{*options_, *boards_, *results_, library_.Store(), Option,
                                                     plays_.get()});
    std::string problem;
    const auto report = Desk().Printing().FiledHandReport("Imp01.01", problem);
    EXPECT_TRUE(report.has_value());
    EXPECT_EQ(problem, "");
    return report.value_or(HandReportData{});
  }
  // Imp01.01 bid by the user: "S1" then `second` ("S4" for 4S, "Pa" for 2S).
  void BidAndFinish(TDeskTop& desk, const char* second) {
    desk.BidButClick("S1");
    desk.BidButClick(second);
    ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
    Click("EOBStart");
    Click("TPPFast");
    ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  }
  std::vector<CardCode> CardsOnTable() const {
    std::vector<CardCode> cards;
    for (int i = 0; i < desk_->Game().Play().CardsPlayed; ++i) cards.push_back(desk_->Game().Play().PlayLog[size_t(i)].card);
    return cards;
  }
  // The cards of the tricks in the order played: each trick from its leader.
  static std::vector<CardCode> CardsOf(const std::vector<KeptTrick>& tricks) {
    std::vector<CardCode> cards;
    for (const KeptTrick& t : tricks)
      for (int i = 0; i < 4; ++i) cards.push_back(t.cards[size_t((t.leader + i) & 3)]);
    return cards;
  }
  std::unique_ptr<RecordingDevice> Draw(const HandReportData& report) {
    auto page = std::make_unique<RecordingDevice>();
    QPainter painter(page.get());
    PrintReport(painter, report, desk_->Printing().ReportLabels());
    return page;
  }
  // The text drawn right of `label` on its line, within the deal area.
  static QString ValueOf(const RecordingDevice& page, const QString& label) {
    const DrawnText* l = page.Find(label);
    if (!l) return {};
    const double playArea = page.Find("Cards played at each trick")->at.x();
    QString out;
    for (const DrawnText& t : page.OnLine(l->at.y(), 12))
      if (t.at.x() > l->at.x() && t.at.x() < playArea) out += t.text;
    return out.trimmed();
  }
};

TEST_F(DeskResultsTest, AFiledBoardsPlayIsReadBackAfterARestartCardForCard) {
  TDeskTop& desk = Desk();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  const std::vector<CardCode> played = CardsOnTable();
  const std::vector<CallCode> calls = desk.Game().Auction().auction.calls;
  ASSERT_EQ(played.size(), 52u);
  EXPECT_FALSE(plays_->Modified());   // on disk with the result

  const HandReportData report = ReportAfterRestart();
  EXPECT_EQ(report.calls, calls);
  ASSERT_EQ(report.tricks.size(), 13u);
  EXPECT_EQ(CardsOf(report.tricks), played);

  // The printed page: the filed score after "N-S:", the filed contract, the
  // strata built again from the field.
  const auto filed = ReadFiledResult(FiledLine(*options_, "Tester", "Imp01.01"));
  ASSERT_TRUE(filed.has_value());
  const auto page = Draw(report);
  EXPECT_EQ(ValueOf(*page, "N-S:"), QString::fromStdString(filed->score()));
  EXPECT_EQ(ValueOf(*page, "Tricks:"), QString::fromStdString(filed->tricks()));
  EXPECT_TRUE(report.strataKnown);
  int framed = 0;
  for (const auto& stratum : report.strata)
    for (int r = 1; r <= 7; ++r) framed += stratum[size_t(r)][1] == "-";
  EXPECT_EQ(framed, 3);
}

// The result and the play are filed once, when the board ends: switching
// the language and closing Preferences show the result again in new words
// (and may save the settings) but never file it again.
TEST_F(DeskResultsTest, ABoardIsFiledOnceWhateverTheTableShowsAfterwards) {
  TDeskTop& desk = Desk();
  CountingFiling filing(*files_);
  desk.Game().SetFiling(&filing);
  desk.NewHandClick();
  BidAndFinish(desk, "S4");
  EXPECT_EQ(filing.results, 1);
  EXPECT_EQ(filing.plays, 1);
  const std::string line = options_->ReadString("Tester", "Imp01.01", "nope");
  ASSERT_NE(line, "nope");

  desk.LanguageClick(1);
  EXPECT_EQ(desk.Panels().strata[0]->Cell(0, 0), "Række");   // the strata in Danish
  desk.LanguageClick(0);
  Preferences([](TSetupOptions&) {});
  Preferences([](TSetupOptions&) {}, false);
  EXPECT_EQ(filing.results, 1);
  EXPECT_EQ(filing.plays, 1);
  EXPECT_EQ(options_->ReadString("Tester", "Imp01.01", "nope"), line);
  EXPECT_TRUE(desk.Panels().scorePages->isVisible());
  EXPECT_EQ(desk.Panels().strata[0]->Cell(0, 0), "Stratum");

  // Played again, the board is filed again: once more.
  Click("ButReplayHand");
  Click("TPPFast");
  EXPECT_EQ(filing.results, 2);
  EXPECT_EQ(filing.plays, 2);
}

TEST_F(DeskResultsTest, ARebidBoardKeepsItsNewAuctionAndPlayWithItsNewResult) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  BidAndFinish(desk, "S4");
  desk.StartNewHand();   // "Rebid This Hand"
  BidAndFinish(desk, "Pa");
  const std::vector<CardCode> played = CardsOnTable();

  const HandReportData report = ReportAfterRestart();
  EXPECT_EQ(report.contract.bid, MakeBid(2, Spade));
  EXPECT_EQ(CardsOf(report.tricks), played);
}

// Past the event's last board the counter moves on and the chooser is
// offered; closed with Cancel, the board on the table may still be replayed,
// and its result and play are filed under its own number, never the next.
TEST_F(DeskResultsTest, ABoardReplayedAfterTheChooserWasCancelledIsFiledAsItself) {
  TDeskTop& desk = Desk("Imp", 6);
  desk.SetBoardChooser([](std::string&, std::string&, int&) { return false; });
  desk.NewHandClick();
  ASSERT_EQ(desk.Game().Board().Key, "Imp01.06");
  while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
  ASSERT_EQ(desk.Game().State().phase, Phase::BiddingOver);
  Click("EOBStart");
  Click("TPPFast");
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  desk.NewHandClick();   // no Imp01.07: the chooser, cancelled
  ASSERT_EQ(desk.Game().State().BoardNo, 7);
  desk.EOSReplayClick();
  Click("TPPFast");
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_NE(files_->PlayerValue("Imp01.06", ""), "");
  EXPECT_EQ(files_->PlayerValue("Imp01.07", ""), "");
  EXPECT_EQ(KeptBoardKeys(*plays_, files_->PlayerName()), std::vector<std::string>{"Imp01.06"});
}

TEST_F(DeskResultsTest, ADamagedPlayIsLeftOutAndSaidNeverPrintedWrong) {
  TDeskTop& desk = Desk();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  const std::string text = plays_->ReadString("Tester", "Imp01.01.Play", "");
  ASSERT_GT(text.size(), 40u);
  // A card of the play swapped for one that is not in that hand's seat.
  std::string damaged = text;
  damaged.replace(8, 2, damaged.substr(2, 2));   // the third card is the lead again
  plays_->WriteString("Tester", "Imp01.01.Play", damaged);

  std::string problem;
  auto report = desk.Printing().FiledHandReport("Imp01.01", problem);
  ASSERT_TRUE(report.has_value());
  EXPECT_NE(problem.find("cannot be used: card 3"), std::string::npos) << problem;
  EXPECT_TRUE(report->tricks.empty());
  EXPECT_TRUE(report->calls.empty());
  EXPECT_TRUE(report->contractKnown);   // from the filed line
  EXPECT_EQ(ContractText(report->contract, true),
            ReadFiledResult(FiledLine(*options_, "Tester", "Imp01.01"))->contract());

  // The play restored, but the filed line (a later result whose play was
  // never kept) names other tricks.
  plays_->WriteString("Tester", "Imp01.01.Play", text);
  const std::string line = FiledLine(*options_, "Tester", "Imp01.01");
  const size_t tricksAt = line.find(',', 2) + 1;
  std::string otherTricks = line;
  otherTricks.replace(tricksAt, line.find(',', tricksAt) - tricksAt, "13");
  options_->WriteString("Tester", "Imp01.01", otherTricks);
  report = desk.Printing().FiledHandReport("Imp01.01", problem);
  EXPECT_NE(problem.find("does not match its filed result"), std::string::npos) << problem;
  EXPECT_TRUE(report->tricks.empty());
  EXPECT_EQ(report->declarerTricks, 13);
  options_->WriteString("Tester", "Imp01.01", line);

  // A sound play of another deal, and no kept play at all (a board filed
  // before plays were kept).
  KeptPlay other = *ParseKeptPlay({"N", "None", testing::kOneSuitDeal, "4S,P,P,P", testing::kTenTricksPlay}).play;
  KeepPlay(*plays_, "Tester", "Imp01.01", other);
  report = desk.Printing().FiledHandReport("Imp01.01", problem);
  EXPECT_NE(problem.find("another deal"), std::string::npos) << problem;
  EXPECT_TRUE(report->tricks.empty());
  plays_->EraseSection("Tester");
  report = desk.Printing().FiledHandReport("Imp01.01", problem);
  EXPECT_NE(problem.find("no kept play for Imp01.01"), std::string::npos) << problem;
  EXPECT_TRUE(report.has_value());

  EXPECT_FALSE(desk.Printing().FiledHandReport("Imp01.02", problem).has_value());
  EXPECT_EQ(problem, "No filed result for Imp01.02");
}

TEST_F(DeskResultsTest, PrintHandBeforeTheEndShowsOnlyThisBoardsPart) {
  TDeskTop& desk = Desk();
  EXPECT_FALSE(desk.Action("PrintHandMenu")->isEnabled());
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  EXPECT_TRUE(desk.Action("PrintHandMenu")->isEnabled());
  EXPECT_TRUE(desk.Action("SavePdfMenu")->isEnabled());
  const HandReportData over = desk.Printing().CurrentHandReport();
  EXPECT_TRUE(over.resultKnown);
  EXPECT_TRUE(over.strataKnown);
  EXPECT_EQ(over.boardScore, BoardScore());
  EXPECT_EQ(over.strata[0][0][6], "IMP");
  const int lastScore = BoardScore();

  desk.NewHandClick();   // board 2: Print Hand at once
  EXPECT_TRUE(desk.Action("PrintHandMenu")->isEnabled());
  const HandReportData report = desk.Printing().CurrentHandReport();
  EXPECT_EQ(report.board, 2);
  EXPECT_FALSE(report.resultKnown);
  EXPECT_FALSE(report.strataKnown);
  EXPECT_FALSE(report.contractKnown);
  EXPECT_EQ(report.calls, desk.Game().Auction().auction.calls);
  EXPECT_TRUE(report.tricks.empty());
  const auto page = Draw(report);
  EXPECT_EQ(ValueOf(*page, "N-S:"), "");
  ASSERT_NE(lastScore, 0);
  EXPECT_FALSE(page->AllText().contains(QString::number(lastScore)));

  // What "Print Hand" sends: one page, named after the board.
  QString name;
  size_t pages = 0;
  PrintTarget target = PrintTarget::Printer;
  desk.Printing().SetPrinter([&](QWidget*, const QString& n, const std::vector<PageDrawer>& p, PrintTarget t) {
    name = n;
    pages = p.size();
    target = t;
    return true;
  });
  desk.Action("SavePdfMenu")->trigger();
  EXPECT_EQ(name, "Imp01.02.pdf");
  EXPECT_EQ(pages, 1u);
  EXPECT_EQ(target, PrintTarget::Pdf);
}

TEST_F(DeskResultsTest, APassedOutBoardIsReportedAsPassed) {
  UseLibrary("[Imp01.01.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.ButMakeBidClick();
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  std::string problem;
  const auto report = desk.Printing().FiledHandReport("Imp01.01", problem);
  ASSERT_TRUE(report.has_value());
  EXPECT_EQ(problem, "");
  EXPECT_TRUE(report->contract.PassedOut());
  const auto page = Draw(*report);
  EXPECT_EQ(ValueOf(*page, "Bid:"), "Pass");
  EXPECT_EQ(ValueOf(*page, "N-S:"), "0");
}

TEST_F(DeskResultsTest, TheSessionListPrintsItselfAndTheHandOfTheSelectedBoard) {
  TDeskTop& desk = Desk();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 3));
  ASSERT_TRUE(desk.AutoPlayBoard("Par", "01", 2));
  std::vector<QString> names;
  std::vector<PageDrawer> sent;
  desk.Printing().SetPrinter([&](QWidget*, const QString& n, const std::vector<PageDrawer>& p, PrintTarget) {
    names.push_back(n);
    sent.insert(sent.end(), p.begin(), p.end());
    return true;
  });
  const auto window = desk.Printing().MakeSessionResults();
  window->EventRGClick(0);   // the table went on to a pairs board: back to the IMP session
  // Two headings, the two boards of the session, its totals and its figure.
  EXPECT_EQ(window->Grid()->RowCount(), 6);
  EXPECT_EQ(window->Grid()->Cell(0, 2), "1");
  EXPECT_EQ(window->Grid()->Cell(0, 3), "3");
  window->SelectRow(3);
  window->PrintHandClick(PrintTarget::Preview);
  window->PrintBtnClick(PrintTarget::Printer);
  ASSERT_EQ(names, (std::vector<QString>{"Imp01.03.pdf", "Imp01.pdf"}));

  RecordingDevice hand, list;
  {
    QPainter p(&hand);
    sent[0](p);
  }
  {
    QPainter p(&list);
    sent[1](p);
  }
  const auto filed = ReadFiledResult(FiledLine(*options_, "Tester", "Imp01.03"));
  EXPECT_EQ(ValueOf(hand, "N-S:"), QString::fromStdString(filed->score()));
  EXPECT_NE(list.Find("Imp01"), nullptr);
  EXPECT_NE(list.Find("ORVENDAL QUORVAL 2005  -  IMP"), nullptr);
  EXPECT_NE(list.Find("Totals"), nullptr);

  const SessionPrintPage page = desk.Printing().SessionListPage("Imp", "01");
  EXPECT_EQ(page.sessionName, "Imp01");
  EXPECT_EQ(page.rows.size(), 6u);   // two headings, two boards, totals, figure
  EXPECT_EQ(page.totalsRow, 4);
  EXPECT_GT(page.columnWidths[1], 0);

  const auto summary = desk.Printing().MakeResultSummary();
  EXPECT_EQ(summary->Grid()->Cell(0, 2), "Imp01");
  EXPECT_EQ(summary->Grid()->Cell(1, 2), "     2");
  EXPECT_EQ(summary->Grid()->RowCount(), 4);   // two headings, a row per session
  EXPECT_EQ(summary->Grid()->Cell(0, 3), "Par01");
  EXPECT_EQ(summary->Grid()->Cell(1, 3), "     1");
}

}  // namespace
}  // namespace quorval
