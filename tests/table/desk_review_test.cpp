// The review window from the table: offered at the end of a board, built
// from the board just played or from a filed board's kept play, stepping
// with buttons and keys, the solver's work off the window's thread, and a
// solver failure or a broken kept play shown for what it is.
#include <QProgressBar>
#include <QPushButton>
#include <future>

#include "data/kept_play.h"
#include "play/play_state.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"
#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/review_view.h"
#include "ui/review_window.h"

namespace quorval {
namespace {

// Stand-ins for the solver: every card sound but card 5 (index), which
// cost two tricks, and card 9, where the solver fails.
review::ReviewSolvers StandIns() {
  review::ReviewSolvers s;
  s.table = [](const Deal&, review::MakeableTable& t, std::string&) {
    t.at(Spade, North) = t.at(Spade, South) = 8;
    return true;
  };
  s.card = [](const review::PlayToReview& play, int index, int) {
    PlayState st;
    StartPlay(st, play.deal, play.contract);
    for (int i = 0; i < index; ++i) PlayCard(st, play.cards[size_t(i)]);
    review::CardReview r;
    r.index = index;
    r.trick = index / 4 + 1;
    r.seat = st.ToPlay;
    r.card = play.cards[size_t(index)];
    r.analysed = index != 9;
    r.status = index == 9 ? -4 : 1;
    r.cost = index == 5 ? 2 : 0;
    if (index == 5) r.best = {MakeCard(Ace, Heart)};
    r.declarerBefore = r.declarerAfter = 8;
    return r;
  };
  return s;
}

class DeskReviewTest : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    KeepPlays();
  }
  TDeskTop& PlayedDesk() {
    TDeskTop& desk = Desk();
    desk.Review().SetReviewSolvers(StandIns());
    EXPECT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
    return desk;
  }
  static int CardsShown(const TReviewForm& w) {
    int n = 0;
    for (Seat s = North; s <= West; ++s)
      for (TSuit u = 0; u < 4; ++u) n += CardCount(w.Deal()->HoldingShown(s, u));
    return n;
  }};

TEST_F(DeskReviewTest, ReviewIsOfferedAtTheEndOfABoardWithItsPlayScoreAndField) {
  TDeskTop& desk = Desk();
  EXPECT_FALSE(desk.Panel("ReviewHand")->isEnabled());
  EXPECT_EQ(desk.Review().MakeCurrentReview(), nullptr);
  desk.Review().SetReviewSolvers(StandIns());
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  EXPECT_TRUE(desk.Panel("ReviewHand")->isEnabled());
  const auto window = desk.Review().MakeCurrentReview();
  ASSERT_NE(window, nullptr);
  const review::BoardReview& r = window->Review();
  EXPECT_EQ(r.key, "Imp01.01");
  ASSERT_EQ(r.cards.size(), 52u);
  for (int i = 0; i < 52; ++i) EXPECT_EQ(r.cards[size_t(i)], desk.Game().Play().PlayLog[size_t(i)].card) << i;
  EXPECT_TRUE(r.scoreKnown);
  EXPECT_EQ(r.scoreNS, BoardScore());
  EXPECT_EQ(r.field.size(), 18u);
  EXPECT_EQ(r.DeclarerTricks(), desk.Game().Play().DeclarerTricks);
}

TEST_F(DeskReviewTest, StepsWithButtonsAndArrowKeysAndTheHandsShrink) {
  const auto window = PlayedDesk().Review().MakeCurrentReview();
  ASSERT_NE(window, nullptr);
  window->show();
  EXPECT_EQ(window->Step(), 0);
  EXPECT_EQ(CardsShown(*window), 52);
  for (int i = 0; i < 5; ++i) QTest::keyClick(window.get(), Qt::Key_Right);
  EXPECT_EQ(window->Step(), 5);
  EXPECT_EQ(CardsShown(*window), 47);
  EXPECT_EQ(window->Deal()->TrickShown(), std::vector<int>{4});   // the lead of trick 2 on the table
  QTest::keyClick(window.get(), Qt::Key_Left);
  EXPECT_EQ(window->Step(), 4);
  EXPECT_EQ(window->Deal()->TrickShown(), (std::vector<int>{0, 1, 2, 3}));   // trick 1 stays in view
  QTest::keyClick(window.get(), Qt::Key_Down);
  EXPECT_EQ(window->Step(), 8);
  QTest::keyClick(window.get(), Qt::Key_Up);
  EXPECT_EQ(window->Step(), 4);
  QTest::keyClick(window.get(), Qt::Key_End);
  EXPECT_EQ(window->Step(), 52);
  EXPECT_EQ(CardsShown(*window), 0);
  EXPECT_FALSE(window->findChild<QPushButton*>("ForwardBtn")->isEnabled());
  QTest::mouseClick(window->findChild<QPushButton*>("BackBtn"), Qt::LeftButton);
  EXPECT_EQ(window->Step(), 51);
  QTest::mouseClick(window->findChild<QPushButton*>("FirstBtn"), Qt::LeftButton);
  EXPECT_EQ(window->Step(), 0);
  EXPECT_FALSE(window->findChild<QPushButton*>("BackBtn")->isEnabled());
  QTest::mouseClick(window->findChild<QPushButton*>("ForwardBtn"), Qt::LeftButton);
  EXPECT_EQ(window->Step(), 1);
  // A card of the play list steps to just after it.
  const QRect cell = window->Tricks()->CellRect(2, North);
  const int index = window->Tricks()->CardAt(cell.center());
  ASSERT_GE(index, 8);
  QTest::mouseClick(window->Tricks(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(window->Step(), index + 1);
}

TEST_F(DeskReviewTest, TheSolverWorksOffTheWindowsThreadAndTheViewFillsAsItComes) {
  TDeskTop& desk = Desk();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  std::promise<void> gate, reached;
  std::shared_future<void> open = gate.get_future().share();
  std::future<void> atTen = reached.get_future();
  review::ReviewSolvers solvers = StandIns();
  const review::CardSolver sound = solvers.card;
  solvers.card = [open, sound, &reached](const review::PlayToReview& p, int index, int thread) {
    if (index == 10) reached.set_value();
    if (index >= 10) open.wait();   // the solver is busy from card 10 on
    return sound(p, index, thread);
  };
  desk.Review().SetReviewSolvers(solvers);
  const auto window = desk.Review().MakeCurrentReview();
  ASSERT_NE(window, nullptr);
  // The window answers while the solver is held: stepping and painting work.
  window->StepTo(20);
  EXPECT_NE(window->DetailText().indexOf("the solver is still at work"), -1) << window->DetailText().toStdString();
  ASSERT_EQ(atTen.wait_for(std::chrono::seconds(60)), std::future_status::ready);
  QCoreApplication::sendPostedEvents(window.get(), QEvent::MetaCall);
  window->repaint();
  EXPECT_GE(window->Review().CardsReviewed(), 1);
  EXPECT_LT(window->Review().CardsReviewed(), 52);
  EXPECT_FALSE(window->AnalysisDone());
  EXPECT_LT(window->Progress()->value(), window->Progress()->maximum());
  gate.set_value();
  window->WaitForAnalysis();
  EXPECT_TRUE(window->AnalysisDone());
  EXPECT_EQ(window->Review().CardsReviewed(), 52);
  EXPECT_EQ(window->Progress()->value(), window->Progress()->maximum());
}

TEST_F(DeskReviewTest, ASolverFailureIsMarkedOnItsCardAndTheRestStillShows) {
  const auto window = PlayedDesk().Review().MakeCurrentReview();
  ASSERT_NE(window, nullptr);
  window->WaitForAnalysis();
  const review::BoardReview& r = window->Review();
  EXPECT_EQ(CostMark(r.cardReviews[9]), "?");
  EXPECT_EQ(CostMark(r.cardReviews[5]), "-2");
  EXPECT_EQ(CostMark(r.cardReviews[10]), "0");
  window->StepTo(10);
  EXPECT_TRUE(window->DetailText().endsWith(": analysis not available")) << window->DetailText().toStdString();
  window->StepTo(6);
  EXPECT_NE(window->DetailText().indexOf("cost 2 tricks; the ace of hearts kept them."), -1)
      << window->DetailText().toStdString();
  EXPECT_NE(window->SummaryText().indexOf("Cards the solver could not analyse: 1."), -1);
  EXPECT_NE(window->SummaryText().indexOf("Par is"), -1);
  EXPECT_EQ(window->MakeableGrid()->Cell(2, 1), "8");   // spades by North
}

TEST_F(DeskReviewTest, AFiledBoardFromItsKeptPlayAndABrokenPlayUpToItsBreak) {
  TDeskTop& desk = PlayedDesk();
  std::string problem;
  auto window = desk.Review().MakeFiledReview("Imp01.01", nullptr, problem);
  ASSERT_NE(window, nullptr) << problem;
  EXPECT_EQ(problem, "");
  const auto filed = ReadFiledResult(FiledLine(*options_, "Tester", "Imp01.01"));
  ASSERT_TRUE(filed.has_value());
  EXPECT_TRUE(window->Review().scoreKnown);
  EXPECT_EQ(window->Review().scoreNS, WholeNumber(filed->score()).value());
  EXPECT_EQ(window->Review().field.size(), 18u);
  EXPECT_EQ(window->Review().cards.size(), 52u);

  EXPECT_EQ(desk.Review().MakeFiledReview("Imp01.02", nullptr, problem), nullptr);
  EXPECT_EQ(problem, "no kept play for Imp01.02");

  // The third card made the lead again: the review keeps the first two.
  std::string text = plays_->ReadString("Tester", "Imp01.01.Play", "");
  text.replace(8, 2, text.substr(2, 2));
  plays_->WriteString("Tester", "Imp01.01.Play", text);
  window = desk.Review().MakeFiledReview("Imp01.01", nullptr, problem);
  ASSERT_NE(window, nullptr);
  EXPECT_NE(problem.find("stops after card 2"), std::string::npos) << problem;
  EXPECT_EQ(window->Review().cards.size(), 2u);
  window->WaitForAnalysis();
  EXPECT_TRUE(window->SummaryText().startsWith(
      "The kept play stops after card 2: the rest does not fit the deal. The review ends there."))
      << window->SummaryText().toStdString();
  window->LastClick();
  EXPECT_EQ(window->Step(), 2);
}

}  // namespace
}  // namespace quorval
