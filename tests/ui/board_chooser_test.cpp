// The board chooser: starting choice, switching event kind and session,
// played boards coloured, and the board clicked (or none, on Cancel) coming back.

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "tests/ui/ui_test_app.h"
#include "ui/board_chooser.h"

namespace quorval {
namespace {

using testing::UiTest;

const QColor kPlayed(128, 0, 64);

class BoardChooserTest : public UiTest {
 protected:
  // Boards the player has filed: Par12.03, Par12.27, Imp01.05.
  BoardPlayedFn played = [](const std::string& event, const std::string& session, int board) {
    static const std::set<std::string> filed = {"Par12.03", "Par12.27", "Imp01.05"};
    return filed.count(event + session + "." + (board < 10 ? "0" : "") + std::to_string(board)) > 0;
  };
  std::vector<int> ColouredBoards(const TGetHand& chooser) {
    std::vector<int> boards;
    for (int n = 1; n <= 27; ++n)
      if (chooser.BoardShownPlayed(n)) boards.push_back(n);
    return boards;
  }
};

TEST_F(BoardChooserTest, OpensOnTheCurrentPairsSessionWithItsPlayedBoards) {
  TGetHand chooser(nullptr, "Par", "12", played, kPlayed);
  EXPECT_TRUE(chooser.MpButton()->isChecked());
  EXPECT_FALSE(chooser.ImpButton()->isChecked());
  EXPECT_TRUE(chooser.SessionButton(12)->isChecked());
  for (int s = 10; s <= 18; ++s) EXPECT_TRUE(chooser.SessionButton(s)->isEnabled()) << s;
  EXPECT_EQ(chooser.ChosenEvent(), "Par");
  EXPECT_EQ(chooser.ChosenSession(), "12");
  EXPECT_EQ(ColouredBoards(chooser), (std::vector<int>{3, 27}));
  EXPECT_EQ(chooser.BoardButton(3)->TextColour(), QColor(Qt::white));
  EXPECT_EQ(chooser.BoardButton(4)->TextColour(), QColor(Qt::black));
}

TEST_F(BoardChooserTest, SwitchingToImpGoesToSessionOneAndClosesTheLaterSessions) {
  TGetHand chooser(nullptr, "Par", "12", played, kPlayed);
  QTest::mouseClick(chooser.ImpButton(), Qt::LeftButton);
  EXPECT_EQ(chooser.ChosenEvent(), "Imp");
  EXPECT_EQ(chooser.ChosenSession(), "01");
  EXPECT_TRUE(chooser.SessionButton(1)->isChecked());
  EXPECT_FALSE(chooser.SessionButton(12)->isChecked());
  for (int s = 1; s <= 9; ++s) EXPECT_TRUE(chooser.SessionButton(s)->isEnabled()) << s;
  for (int s = 10; s <= 18; ++s) EXPECT_FALSE(chooser.SessionButton(s)->isEnabled()) << s;
  EXPECT_EQ(ColouredBoards(chooser), std::vector<int>{5});
}

TEST_F(BoardChooserTest, ChoosingASessionRecoloursTheBoards) {
  TGetHand chooser(nullptr, "Par", "03", played, kPlayed);
  EXPECT_TRUE(ColouredBoards(chooser).empty());
  chooser.SesRGClick(12);
  EXPECT_EQ(chooser.ChosenSession(), "12");
  EXPECT_EQ(ColouredBoards(chooser), (std::vector<int>{3, 27}));
}

TEST_F(BoardChooserTest, ClickingABoardReturnsTheChoice) {
  TGetHand chooser(nullptr, "Par", "03", played, kPlayed);
  EXPECT_EQ(chooser.ChosenBoard(), 0);
  TBoardButton* board = chooser.BoardButton(17);
  const QPoint home = board->pos();
  QTest::mousePress(board, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(board->pos(), home + QPoint(2, 2));   // sinks like a push button
  QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(board->pos(), home);
  EXPECT_EQ(chooser.result(), QDialog::Accepted);
  EXPECT_EQ(chooser.ChosenEvent(), "Par");
  EXPECT_EQ(chooser.ChosenSession(), "03");
  EXPECT_EQ(chooser.ChosenBoard(), 17);

  // Cancel closes the chooser with no board, whatever was picked in it.
  TGetHand cancelled(nullptr, "Par", "03", played, kPlayed);
  cancelled.show();
  cancelled.SesRGClick(12);
  ASSERT_TRUE(cancelled.CancelButton()->isVisible());
  QTest::mouseClick(cancelled.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_FALSE(cancelled.isVisible());
  EXPECT_EQ(cancelled.ChosenBoard(), 0);
  EXPECT_LE(cancelled.CancelButton()->geometry().bottom(), cancelled.height() - 1);
}

TEST_F(BoardChooserTest, ABadStartingSessionFallsBackToTheFirst) {
  for (const char* session : {"", "x7", "00", "19"}) {
    TGetHand chooser(nullptr, "Par", session, nullptr, kPlayed);
    EXPECT_EQ(chooser.ChosenSession(), "01") << session;
    EXPECT_TRUE(ColouredBoards(chooser).empty());
  }
  TGetHand imp(nullptr, "Imp", "12", nullptr, kPlayed);   // IMP events have nine sessions
  EXPECT_EQ(imp.ChosenSession(), "01");
}

// Every session number, two digits included, is readable in full beside its
// button, and the buttons neither overlap nor run out of their group.
TEST_F(BoardChooserTest, SessionNumbersFitTheirButtons) {
  TGetHand chooser(nullptr, "Par", "12", played, kPlayed);
  chooser.show();
  for (int s = 1; s <= 18; ++s) {
    QRadioButton* b = chooser.SessionButton(s);
    EXPECT_LE(b->sizeHint().width(), b->width()) << s;
    EXPECT_LE(b->geometry().right(), b->parentWidget()->width() - 1) << s;
    if (s % 9 != 0) EXPECT_LE(b->geometry().right(), chooser.SessionButton(s + 1)->geometry().left()) << s;
  }
  EXPECT_LE(chooser.findChild<QWidget*>("SesRG")->geometry().right(), chooser.width() - 1);
}

}  // namespace
}  // namespace quorval
