// The help window on a few small pages in a temporary folder: the contents
// list, Contents, Back and Forward, links between pages, a missing page and
// the colour skin.
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "core/messages.h"
#include "data/colours.h"
#include "tests/ui/ui_test_app.h"
#include "ui/colour_ref.h"
#include "ui/help_window.h"

namespace quorval {
namespace {

class HelpWindowTest : public testing::UiTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    QString filler;
    for (int i = 0; i < 80; ++i) filler += "<p>Line of text to make the page longer than the window.</p>\n";
    Write("Guide.html",
          "<html><body><h1>Guide</h1><h2><a name=\"Contents\"></a>Contents</h2>"
          "<p><a href=\"#scoring\">Scoring</a> <a href=\"Other.html\">Other</a> <a href=\"Gone.html\">Gone</a></p>"
          "<h2>Bidding</h2>" + filler + "<h2><a name=\"scoring\"></a>Scoring</h2>" + filler + "</body></html>");
    Write("Other.html", "<html><body><h1>Other page</h1><p><a href=\"Guide.html\">back</a></p></body></html>");
    window_.resize(700, 400);
    window_.show();
    ResetMessageCounts();
  }

  void Write(const QString& name, const QString& html) {
    QFile f(dir_.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(html.toUtf8());
  }
  QString Shown() const { return window_.Source().fileName(); }

  QTemporaryDir dir_;
  THelpWindow window_;
};

TEST_F(HelpWindowTest, OpensAPageAtItsTopicAndListsItsHeadings) {
  EXPECT_FALSE(window_.OpenPage(dir_.filePath("Missing.html")));
  ASSERT_TRUE(window_.OpenPage(dir_.filePath("Guide.html"), "Contents"));
  EXPECT_EQ(Shown(), "Guide.html");
  EXPECT_EQ(window_.Source().fragment(), "Contents");
  EXPECT_EQ(window_.Headings(), (QStringList{"Guide", "Contents", "Bidding", "Scoring"}));
  EXPECT_FALSE(window_.BackButton()->isEnabled());
  EXPECT_FALSE(window_.ForwardButton()->isEnabled());
}

TEST_F(HelpWindowTest, BackForwardAndContentsMoveThroughThePagesSeen) {
  ASSERT_TRUE(window_.OpenPage(dir_.filePath("Guide.html"), "Contents"));
  window_.LinkClick(QUrl("Other.html"));
  EXPECT_EQ(Shown(), "Other.html");
  EXPECT_EQ(window_.Headings(), QStringList{"Other page"});
  EXPECT_TRUE(window_.BackButton()->isEnabled());
  EXPECT_FALSE(window_.ForwardButton()->isEnabled());

  window_.BackClick();
  EXPECT_EQ(Shown(), "Guide.html");
  EXPECT_TRUE(window_.ForwardButton()->isEnabled());
  window_.ForwardClick();
  EXPECT_EQ(Shown(), "Other.html");

  // Contents returns to the page and topic help was opened at.
  window_.ContentsClick();
  EXPECT_EQ(Shown(), "Guide.html");
  EXPECT_EQ(window_.Source().fragment(), "Contents");
  EXPECT_EQ(window_.Headings().size(), 4);
}

TEST_F(HelpWindowTest, AnchorsAndHeadingsScrollThePage) {
  ASSERT_TRUE(window_.OpenPage(dir_.filePath("Guide.html")));
  QScrollBar* bar = window_.Browser()->verticalScrollBar();
  EXPECT_EQ(bar->value(), 0);
  window_.ShowHeading(3);   // "Scoring", far down the page
  const int scoring = bar->value();
  EXPECT_GT(scoring, 0);
  window_.ShowHeading(2);   // "Bidding" lies above it
  EXPECT_GT(bar->value(), 0);
  EXPECT_LT(bar->value(), scoring);
  window_.ShowHeading(99);  // no such heading: nothing moves
  EXPECT_LT(bar->value(), scoring);

  window_.LinkClick(QUrl("#scoring"));
  EXPECT_EQ(Shown(), "Guide.html");
  EXPECT_GT(bar->value(), 0);
  // Contents on the page help was opened at scrolls back to its top.
  window_.ContentsClick();
  EXPECT_EQ(bar->value(), 0);

  // Opening the page again from the menu shows it from the start again,
  // also when the page shown is the very same.
  window_.ShowHeading(3);
  ASSERT_GT(bar->value(), 0);
  ASSERT_TRUE(window_.OpenPage(dir_.filePath("Guide.html")));
  EXPECT_EQ(bar->value(), 0);
  window_.ShowHeading(3);
  ASSERT_TRUE(window_.OpenPage(dir_.filePath("Guide.html")));
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(HelpWindowTest, AMissingPageGivesTheMessageAndTheShownPageStays) {
  ASSERT_TRUE(window_.OpenPage(dir_.filePath("Guide.html")));
  window_.LinkClick(QUrl("Gone.html"));
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "Can not find Gone.html in the Program's folder!");
  EXPECT_EQ(Shown(), "Guide.html");
  EXPECT_FALSE(window_.BackButton()->isEnabled());
}

TEST_F(HelpWindowTest, FollowsTheColourSkin) {
  const TSkinColors olive = SkinColorsFor("Olive");
  window_.ApplySkin(olive);
  EXPECT_EQ(window_.palette().color(QPalette::Window), FromColourRef(uint32_t(olive[0])));
  EXPECT_EQ(window_.Browser()->palette().color(QPalette::Base), FromColourRef(uint32_t(olive[5])));
  EXPECT_EQ(window_.ContentsList()->palette().color(QPalette::Base), FromColourRef(uint32_t(olive[5])));
  const TSkinColors teal = SkinColorsFor("Teal");
  window_.ApplySkin(teal);
  EXPECT_EQ(window_.Browser()->palette().color(QPalette::Base), FromColourRef(uint32_t(teal[5])));
}

// The window's word list: nine cells a row, a text in every offered language,
// and every key naming a control the window has.
TEST_F(HelpWindowTest, WordListRowsNameTheWindowsControls) {
  QFile list(QUORVAL_SOURCE_DIR "/resources/lang/help_window.txt");
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  int rows = 0;
  for (const QString& line : QString::fromUtf8(list.readAll()).split('\n')) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList cells = line.split('\t');
    ASSERT_EQ(cells.size(), 9) << line.toStdString();
    for (int language : {0, 1, 2, 4}) EXPECT_FALSE(cells[1 + language].isEmpty()) << line.toStdString();
    for (int language : {3, 5, 6, 7}) EXPECT_TRUE(cells[1 + language].isEmpty()) << line.toStdString();
    const QString key = cells[0];
    if (key != "%Form%" && key != "\"" && key.compare("\".Hint", Qt::CaseInsensitive) != 0)
      EXPECT_NE(window_.findChild<QWidget*>(key, Qt::FindChildrenRecursively), nullptr) << key.toStdString();
    ++rows;
  }
  EXPECT_EQ(rows, 9);
}

}  // namespace
}  // namespace quorval
