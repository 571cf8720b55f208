// The learner's tools at the table window: "Claim..." refused with the
// tricks that are there and accepted to the end of the board, the computer
// declarer's claim put to the user, "Play from here" from the review (which
// files nothing and brings the table back), and My Progress drawn from the
// kept plays.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "core/messages.h"
#include "data/kept_play.h"
#include "play/claim.h"
#include "table/table_printing.h"
#include "table/table_learner.h"
#include "table/table_review.h"
#include "tests/table/desk_fixture.h"
#include "ui/progress_window.h"
#include "ui/review_window.h"

namespace quorval {
namespace {

class DeskLearnerTest : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    KeepPlays();
  }
  void TearDown() override {
    SetQuestionSink({});
    DeskTest::TearDown();
  }
  // Imp01.01 bid to 4S by South and played to `cards` cards by the user's
  // suggested cards.
  TDeskTop& FourSpades(int cards) {
    TDeskTop& desk = Desk();
    desk.NewHandClick();
    desk.BidButClick("S1");
    desk.BidButClick("S4");
    Click("EOBStart");
    PlayOn(cards);
    return desk;
  }
  void PlayOn(int cards = 52) {
    for (int guard = 0; guard < 200 && desk_->Game().State().phase == Phase::Playing &&
                        (cards == 52 || desk_->Game().Play().CardsPlayed < cards);
         ++guard)
      desk_->PlayKeyDown(Qt::Key_Return, {});
    if (desk_->Game().TrickOnTable() && cards < 52) desk_->ClearPlay();
  }
  QByteArray FileBytes(const char* name) const {
    QFile f(dir_.filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("none");
  }
};

TEST_F(DeskLearnerTest, ARefusedClaimSaysWhatIsThereAndPlayGoesOnAnAcceptedOneEndsTheBoard) {
  TDeskTop& desk = FourSpades(36);
  ASSERT_EQ(desk.Game().Play().CardsPlayed, 36);
  const int dd = SideTricksLeft(desk.Game().Play(), 1);
  ASSERT_GE(dd, 0);
  ASSERT_LT(dd, 4);
  // F7 is the menu's key, and no other item's.
  QAction* claim = desk.Action("ClaimMenu");
  ASSERT_NE(claim, nullptr);
  EXPECT_EQ(claim->shortcut(), QKeySequence(Qt::Key_F7));
  for (QAction* a : desk.menuBar()->findChildren<QAction*>())
    if (a != claim) {
      EXPECT_NE(a->shortcut(), claim->shortcut()) << a->objectName().toStdString();
    }

  int asked = -1;
  desk.Learner().SetClaimAsker([&](int left) {
    asked = left;
    return std::optional<int>(dd + 1);
  });
  claim->trigger();
  EXPECT_EQ(asked, 4);
  EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
  EXPECT_EQ(desk.Game().Play().CardsPlayed, 36);
  EXPECT_TRUE(desk.Learner().ClaimLineText().contains(QString::number(dd))) << desk.Learner().ClaimLineText().toStdString();
  EXPECT_FALSE(desk.Game().ResultFiled());
  // The next card takes the line away.
  desk.PlayKeyDown(Qt::Key_Return, {});
  EXPECT_TRUE(desk.Learner().ClaimLineText().isEmpty());

  // What best play gives is accepted (in the middle of a trick as well).
  const int won = desk.Game().Play().DeclarerTricks;
  const int left = TricksLeft(desk.Game().Play());
  const int ddNow = SideTricksLeft(desk.Game().Play(), 1);
  desk.Learner().SetClaimAsker([&](int) { return std::optional<int>(ddNow); });
  Click("TPPClaim");
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_TRUE(desk.Panel("ScorePad")->isVisible());
  ASSERT_TRUE(desk.Game().ResultFiled());
  EXPECT_EQ(desk.Game().Result()->declarerTricks, won + ddNow);
  const KeptPlayRead kept = ReadKeptPlay(*plays_, "Tester", "Imp01.01");
  ASSERT_TRUE(kept.Sound()) << kept.fault;
  ASSERT_TRUE(kept.play->claim);
  EXPECT_EQ(kept.play->claim->tricks, ddNow);
  EXPECT_EQ(13 - static_cast<int>(kept.play->cards.size() / 4), left);
  EXPECT_EQ(KeptDeclarerTricks(*kept.play), desk.Game().Result()->declarerTricks);
  EXPECT_TRUE(ReadFiledTime(*plays_, "Tester", "Imp01.01"));
  // The printed hand report of the filed board carries the claim.
  std::string problem;
  const auto report = desk.Printing().FiledHandReport("Imp01.01", problem);
  ASSERT_TRUE(report) << problem;
  EXPECT_EQ(report->claim, kept.play->claim);
  // Nothing to claim once the board is over.
  const int sounds = SoundCount();
  desk.Learner().ClaimClick();
  EXPECT_EQ(SoundCount(), sounds + 1);
}

TEST_F(DeskLearnerTest, PlayFromHereFilesNothingShowsTheTricksAndBringsTheTableBack) {
  TDeskTop& desk = Desk();
  review::ReviewSolvers quiet;
  quiet.table = [](const Deal&, review::MakeableTable&, std::string&) { return false; };
  quiet.card = [](const review::PlayToReview&, int index, int) {
    review::CardReview r;
    r.index = index;
    return r;
  };
  desk.Review().SetReviewSolvers(quiet);
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  const TableResult first = *desk.Game().Result();
  const QByteArray options = FileBytes("Options.INI"), plays = FileBytes("Plays2005.ini");
  ASSERT_NE(plays, QByteArray("none"));

  // In the review, card 21 shown and "Play from here".
  bool offered = false;
  QTimer::singleShot(0, [&] {
    auto* review = qobject_cast<TReviewForm*>(QApplication::activeModalWidget());
    ASSERT_NE(review, nullptr);
    offered = review->PlayFromButton()->isVisible();
    review->StepTo(21);
    review->PlayFromButton()->click();
    if (review->isVisible()) review->reject();
  });
  Click("ReviewHand");
  ASSERT_TRUE(offered);
  ASSERT_TRUE(desk.Game().TryingAgain());
  EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
  EXPECT_GE(desk.Game().Play().CardsPlayed, 20);
  EXPECT_TRUE(desk.Panel("ThePlayPad")->isVisible());
  // The cards of trick 6 so far lie on the table.
  int onTable = 0;
  for (Seat s = North; s <= West; ++s) onTable += desk.Panels().cards->Hand(s).CardOnTable() != 0 ? 1 : 0;
  EXPECT_EQ(onTable, desk.Game().TrickOnTable() ? 4 : desk.Game().Play().CardsPlayed % 4);

  Click("TPPFast");
  EXPECT_FALSE(desk.Game().TryingAgain());
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  EXPECT_EQ(desk.Game().Result()->line, first.line);
  EXPECT_TRUE(desk.Panel("ScorePad")->isVisible());
  const QString line = desk.Learner().ClaimLineText();
  EXPECT_TRUE(line.contains(QString::number(first.declarerTricks))) << line.toStdString();
  EXPECT_EQ(LastMessage(), line.toStdString());
  // The first result stands: neither file changed by a byte.
  EXPECT_EQ(FileBytes("Options.INI"), options);
  EXPECT_EQ(FileBytes("Plays2005.ini"), plays);
}

TEST_F(DeskLearnerTest, TheComputerDeclarerAsksOnceAndARefusalPlaysOnAnAcceptanceEndsTheBoard) {
  int asked = 0;
  SetQuestionSink([&](const std::string&) {
    ++asked;
    return false;
  });
  // The first board East-West declare whose play reaches a claim.
  for (int board = 1; board <= 6 && asked == 0; ++board) {
    TDeskTop& desk = Desk("Imp", board);
    desk.NewHandClick();
    while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
    const Contract contract = desk.Game().FinalContract();
    if (contract.PassedOut() || SideOf(contract.declarer) == SideOf(South)) continue;
    Click("EOBStart");
    PlayOn();
    ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
    EXPECT_LE(asked, 1);
    // Refused, the play went on to the last card.
    EXPECT_EQ(desk.Game().Result()->play.cards.size(), 52u);
    EXPECT_FALSE(desk.Game().Result()->play.claim);
  }
  ASSERT_EQ(asked, 1) << "no fixture board gave the computer declarer a claim";

  // Played again and accepted, the claim ends the board where it was asked.
  desk_->EOSReplayClick();
  SetQuestionSink([](const std::string&) { return true; });
  PlayOn();
  ASSERT_EQ(desk_->Game().State().phase, Phase::BoardOver);
  const KeptPlay& play = desk_->Game().Result()->play;
  ASSERT_TRUE(play.claim);
  EXPECT_LT(play.cards.size(), 52u);
  EXPECT_EQ(play.claim->side, SideOf(play.FinalContract().declarer));
  EXPECT_EQ(play.claim->tricks, 13 - static_cast<int>(play.cards.size() / 4));
  EXPECT_TRUE(desk_->Panel("ScorePad")->isVisible());
}

TEST_F(DeskLearnerTest, MyProgressDrawsTheKeptPlaysAndCancelStopsBetweenBoards) {
  TDeskTop& desk = Desk();
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 1));
  ASSERT_TRUE(desk.AutoPlayBoard("Imp", "01", 2));
  auto window = desk.Learner().MakeProgressWindow();
  window->WaitForFigures();
  ASSERT_TRUE(window->FiguresIn());
  ASSERT_EQ(window->Progress().boards.size(), 2u);
  EXPECT_EQ(window->Bar()->value(), window->Bar()->maximum());
  // Each chart has its series: the score's band, strata and running line;
  // declarer's and the defenders' points and lines ...
  EXPECT_GE(window->Chart(0)->chart()->series().size(), 5);
  EXPECT_EQ(window->Chart(1)->chart()->series().size(), 4);
  EXPECT_EQ(window->Chart(3)->chart()->series().size(), 2);
  EXPECT_TRUE(QFile::exists(dir_.filePath("Progress2005.ini")));
  // In Danish the charts speak Danish.
  window->SetLanguage(1);
  EXPECT_EQ(window->Chart(3)->chart()->title(), QString::fromUtf8("Meldingerne: kontrakten mod par"));

  // Cancelled before the first board, nothing is worked out.
  QFile::remove(dir_.filePath("Progress2005.ini"));
  TProgressWindow cancelled(&desk, [](const ProgressRun& run) {
    while (!run.cancel->load()) QThread::msleep(1);
    PlayerProgress p;
    p.cancelled = true;
    return p;
  }, 0, 0);
  cancelled.CancelClick();
  cancelled.WaitForFigures();
  EXPECT_TRUE(cancelled.FiguresIn());
  EXPECT_FALSE(cancelled.CancelButton()->isEnabled());
}

}  // namespace
}  // namespace quorval
