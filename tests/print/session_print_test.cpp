// The session list on a recording page: the titles, the columns and their
// alignment, and the lines underlined.

#include "print/session_print.h"
#include "tests/print/recording_device.h"
#include "tests/ui/ui_test_app.h"

namespace quorval {
namespace {

using testing::DrawnText;
using testing::RecordingDevice;

class SessionPrintTest : public testing::UiTest {};

SessionPrintPage Page() {
  SessionPrintPage page;
  page.title = "ORVENDAL QUORVAL 2005";
  page.scoringItem = "MP";
  page.sessionName = "Par07";
  page.rows = {{"", "", "", "", "", "A Stratum", "B Stratum", "C Stratum"},
               {"#", "Contract", "By", "Tricks", "Score", "MP", "MP", "MP"},
               {"3", "3~NX", "S", "7", "-200", "1.00", "2.00", "12.00"},
               {"20", "4~S", "N", "10", "420", "6.00", "6.00", "6.00"},
               {"Totals", "", "", "", "", "7.00", "8.00", "18.00"},
               {"Pct", "", "", "", "", "  29.2", "  33.3", "  75.0"}};
  page.columnWidths = {50, 60, 40, 50, 50, 80, 80, 80};
  page.totalsRow = 4;
  return page;
}

TEST_F(SessionPrintTest, TitlesRowsAndRightAlignedFigures) {
  RecordingDevice device(600);
  {
    QPainter painter(&device);
    PrintSessionList(painter, Page());
  }
  const DrawnText* title = device.Find("ORVENDAL QUORVAL 2005  -  MP");
  const DrawnText* session = device.Find("Par07");
  ASSERT_NE(title, nullptr);
  ASSERT_NE(session, nullptr);
  EXPECT_TRUE(title->font.bold());
  EXPECT_LT(title->at.y(), session->at.y());
  // Both centred on the page.
  const QFontMetrics fm(session->font, &device);
  EXPECT_NEAR(session->at.x() + fm.horizontalAdvance("Par07") / 2.0, device.width() / 2.0, 4);

  const DrawnText* heading = device.Find("A Stratum");
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->colour, QColor(0, 0, 128));
  EXPECT_EQ(heading->font.pointSize(), 13);
  EXPECT_TRUE(device.Find("Contract")->font.underline());
  EXPECT_FALSE(device.Find("-200")->font.underline());
  EXPECT_TRUE(device.Find("7.00")->font.underline());    // totals, figure columns
  EXPECT_FALSE(device.Find("Totals")->font.underline());

  // Figures end at one edge per column; the board numbers start at one.
  const auto right = [&](const char* text) {
    const DrawnText* t = device.Find(text);
    return t->at.x() + QFontMetrics(t->font, &device).horizontalAdvance(text);
  };
  EXPECT_NEAR(right("1.00"), right("6.00"), 2);
  EXPECT_NEAR(right("-200"), right("420"), 2);
  EXPECT_NEAR(device.Find("3")->at.x(), device.Find("20")->at.x(), 1);
  EXPECT_GT(device.Find("20")->at.y(), device.Find("3")->at.y());
  // The suit mark of a contract is a symbol.
  EXPECT_NE(device.Find(QString::fromUtf8("\u2660")), nullptr);
}

}  // namespace
}  // namespace quorval
