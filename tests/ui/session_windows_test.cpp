// The session results and the result summary windows on hand-made filed
// lines: what they open on, what they list, and what they hand to the
// table's printers.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "data/colours.h"
#include "data/ini_store.h"
#include "tests/ui/ui_test_app.h"
#include "ui/bridge_grid.h"
#include "ui/result_summary.h"
#include "ui/session_results.h"
#include "ui/skin.h"

namespace quorval {
namespace {

using testing::UiTest;

const QColor kGrid(200, 230, 230);

// A filed line whose user figures in A, B, C are given (times 100).
std::string Line(int a, int b = 0, int c = 0) {
  std::string line = "N,4~H,10,-420";
  for (int n = 1; n <= 18; ++n) line += ",50";
  return line + "," + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c);
}

class SessionWindowsTest : public UiTest {
 protected:
  void SetUp() override {
    options.LoadLines({"[Ann]", "Par12.20=" + Line(100), "Par12.03=" + Line(600), "Par12.07=" + Line(900),
                       "Par12.08=N,4~H,10", "Imp01.02=" + Line(150, -50, 25), "Imp03.01=" + Line(-100),
                       "Result=Declarer,Contract,Tricks,Score,MP/IMPS for 1-18, User A, User B, User C",
                       "[Bob]", "Par12.01=" + Line(1200)});
  }
  std::vector<QString> Column(const TBridgeGrid* grid, int col) const {
    std::vector<QString> out;
    for (int r = 0; r < grid->RowCount(); ++r) out.push_back(grid->Cell(col, r));
    return out;
  }
  TBigIniFile options{""};
};

TEST_F(SessionWindowsTest, OpensOnTheTablesPairsSessionAndSwitchesToImp) {
  TSessionResult window(nullptr, options, "Ann", "Par", "12", 2, kGrid);
  EXPECT_TRUE(window.EventItem(1)->isChecked());
  EXPECT_TRUE(window.SessionButton(12)->isChecked());
  for (int s = 10; s <= 18; ++s) EXPECT_TRUE(window.SessionButton(s)->isEnabled()) << s;
  EXPECT_EQ(window.ShownEvent(), "Par");
  EXPECT_EQ(window.ShownSession(), "12");
  // Boards 3, 7 and 20 in board order; the line of board 8 is too short.
  EXPECT_EQ(Column(window.Grid(), 0),
            (std::vector<QString>{"", "#", "3", "7", "20", "Totals", "Pct"}));
  EXPECT_EQ(window.Grid()->Cell(5, 1), "MP");
  EXPECT_EQ(window.Grid()->Cell(1, 2), "4~H");
  EXPECT_EQ(window.Grid()->Cell(5, 5), "16.00");

  QTest::mouseClick(window.EventItem(0), Qt::LeftButton);
  EXPECT_EQ(window.ShownEvent(), "Imp");
  EXPECT_EQ(window.ShownSession(), "01");
  EXPECT_TRUE(window.SessionButton(1)->isChecked());
  for (int s = 10; s <= 18; ++s) EXPECT_FALSE(window.SessionButton(s)->isEnabled()) << s;
  EXPECT_EQ(Column(window.Grid(), 0), (std::vector<QString>{"", "#", "2", "Totals", "Ave. IMPs/Bd"}));
  EXPECT_EQ(window.Grid()->Cell(6, 2), "-0.50");
  EXPECT_EQ(window.Grid()->Cell(7, 4), "  0.25");

  QTest::mouseClick(window.SessionButton(3), Qt::LeftButton);
  EXPECT_EQ(window.ShownSession(), "03");
  EXPECT_EQ(window.Grid()->Cell(5, 2), "-1.00");
}

TEST_F(SessionWindowsTest, EmptySessionAndTheSixtyTwoAndAHalfOfSixAndNine) {
  options.LoadLines({"[Ann]", "Par05.01=" + Line(600), "Par05.02=" + Line(900)});
  TSessionResult window(nullptr, options, "Ann", "Par", "05", 2, kGrid);
  EXPECT_EQ(window.Grid()->Cell(5, 4), "15.00");
  EXPECT_EQ(window.Grid()->Cell(5, 5), "  62.5");
  QTest::mouseClick(window.SessionButton(6), Qt::LeftButton);
  EXPECT_EQ(window.Grid()->RowCount(), 4);
  EXPECT_EQ(window.Grid()->Cell(0, 2), "Totals");
  EXPECT_EQ(window.Grid()->Cell(7, 2), "0.00");
  EXPECT_EQ(window.Grid()->Cell(7, 3), "   0.0");
  EXPECT_EQ(window.TotalsRow(), 2);
}

TEST_F(SessionWindowsTest, TheListsWordsComeFromTheWordListInTheLanguageShown) {
  TSessionResult window(nullptr, options, "Ann", "Par", "12", 2, kGrid);
  window.SetLanguage(1);
  window.EventItem(1)->setText("Topscore");
  window.PageClick();
  EXPECT_EQ(window.Grid()->Cell(1, 1), "Kontrakt");
  EXPECT_EQ(window.Grid()->Cell(6, 0), "B-række");
  EXPECT_EQ(window.Grid()->Cell(6, 1), "Topscore");
  EXPECT_EQ(window.Grid()->Cell(0, 6), "Pct.");
}

TEST_F(SessionWindowsTest, AClickedBoardRowIsPrintedByPrintHandAndTheListByPrint) {
  TSessionResult window(nullptr, options, "Ann", "Par", "12", 2, kGrid);
  std::vector<std::string> printed;
  std::vector<PrintTarget> targets;
  window.SetPrinters([&](PrintTarget t) { printed.push_back("list"), targets.push_back(t); },
                     [&](const std::string& key, PrintTarget t) { printed.push_back(key), targets.push_back(t); });
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_FALSE(window.PrintHandButton()->isEnabled());

  // The row of board 7 is the fourth row (two headings, then 3, 7, 20).
  const TBridgeGrid* grid = window.Grid();
  const int rowY = 3 * grid->DefaultRowHeight() + grid->DefaultRowHeight() / 2 + 3 * grid->GridLineWidth();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, rowY));
  EXPECT_EQ(window.SelectedBoard(), 7);
  EXPECT_TRUE(window.PrintHandButton()->isEnabled());
  QTest::mouseClick(window.PrintHandButton(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseClick(window.PrintButton(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(printed, (std::vector<std::string>{"Par12.07", "list"}));
  EXPECT_EQ(targets, (std::vector<PrintTarget>{PrintTarget::Printer, PrintTarget::Printer}));

  // A heading or the totals row is no board; a double click previews a board.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
  EXPECT_EQ(window.SelectedBoard(), 0);
  EXPECT_FALSE(window.PrintHandButton()->isEnabled());
  window.SelectRow(4);
  EXPECT_EQ(window.SelectedBoard(), 20);
  window.SelectRow(5);
  EXPECT_EQ(window.SelectedBoard(), 0);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, rowY));
  EXPECT_EQ(printed.back(), "Par12.07");
  EXPECT_EQ(targets.back(), PrintTarget::Preview);
  window.findChild<QAction*>("PrintMenuPdf")->trigger();
  EXPECT_EQ(printed.back(), "list");
  EXPECT_EQ(targets.back(), PrintTarget::Pdf);
}

TEST_F(SessionWindowsTest, ReviewHandsTheSelectedBoardToTheTable) {
  TSessionResult window(nullptr, options, "Ann", "Par", "12", 2, kGrid);
  std::vector<std::string> reviewed;
  window.SetReviewer([&](const std::string& key) { reviewed.push_back(key); });
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_FALSE(window.ReviewButton()->isEnabled());
  window.ReviewClick();   // nothing selected: nothing to review
  EXPECT_TRUE(reviewed.empty());
  window.SelectRow(4);
  ASSERT_TRUE(window.ReviewButton()->isEnabled());
  QTest::mouseClick(window.ReviewButton(), Qt::LeftButton);
  EXPECT_EQ(reviewed, std::vector<std::string>{"Par12.20"});
  // The four buttons stand in one row without overlapping.
  const QRect print = window.PrintButton()->geometry(), hand = window.PrintHandButton()->geometry();
  const QRect review = window.ReviewButton()->geometry();
  EXPECT_EQ(review.top(), print.top());
  EXPECT_GT(review.left(), hand.right());
  EXPECT_LE(window.findChild<QPushButton*>("CloseBtn")->geometry().right(), window.width());
  EXPECT_GT(window.findChild<QPushButton*>("CloseBtn")->geometry().left(), review.right());
}

// The arrows of the split Print buttons stand out on their faces in every
// skin, whose dark panels give their text white ink.
TEST_F(SessionWindowsTest, TheArrowsOfThePrintButtonsAreDarkOnTheirFaces) {
  for (const char* skin : {"Teal", "Olive", "Silver"}) {
    SCOPED_TRACE(skin);
    TSessionResult window(nullptr, options, "Ann", "Par", "12", 2, kGrid);
    ApplySkinToWindow(&window, SkinColorsFor(skin), false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage face = window.PrintButton()->grab().toImage();
    // The darkest pixel in the middle of the arrow's half (the narrow part
    // right of the text half), inside its outline.
    int darkest = 255;
    for (int y = face.height() / 2 - 4; y <= face.height() / 2 + 4; ++y)
      for (int x = face.width() - 9; x < face.width() - 4; ++x) darkest = std::min(darkest, qGray(face.pixel(x, y)));
    EXPECT_LT(darkest, 100);
  }
}

TEST_F(SessionWindowsTest, SummaryHasARowPerSessionAndItsGridFollowsTheWindow) {
  TFormSummary summary(nullptr, options, "Ann", 2, kGrid);
  const TBridgeGrid* grid = summary.Grid();
  EXPECT_EQ(Column(grid, 0), (std::vector<QString>{"", "Session", "Imp01", "Imp03", "Par12"}));
  EXPECT_EQ(grid->Cell(1, 4), "     3");
  EXPECT_EQ(grid->Cell(2, 4), " 16.00");
  EXPECT_EQ(grid->Cell(3, 2), "  1.50");
  EXPECT_EQ(grid->Cell(2, 0), "A Stratum");

  summary.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&summary));
  const int before = grid->width();
  summary.resize(summary.width() + 200, summary.height());
  QCoreApplication::processEvents();
  EXPECT_EQ(grid->width(), before + 200);
  int columns = 0;
  for (int c = 0; c < grid->ColCount(); ++c) columns += grid->ColWidth(c);
  EXPECT_GT(columns, before);   // the columns share out the new width

  TBigIniFile none("");
  TFormSummary empty(nullptr, none, "Ann", 2, kGrid);
  EXPECT_EQ(empty.Grid()->RowCount(), 2);
}

}  // namespace
}  // namespace quorval
