// The About window's labels centred and made to fit, and the splash placed
// on the screen with its inner panel in the middle.
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include "data/colours.h"
#include "quorval_version.h"
#include "tests/ui/ui_test_app.h"
#include "ui/skin.h"
#include "ui/about_box.h"
#include "ui/splash_screen.h"

namespace quorval {
namespace {

class AboutSplashTest : public testing::UiTest {};

int TextWidth(const QString& text, const QFont& font) { return QFontMetrics(font).horizontalAdvance(text); }

TEST_F(AboutSplashTest, ALabelThatFitsIsCentredInItsOwnFont) {
  QFont f("Arial");
  f.setPointSize(12);
  const QString text = "Intermediate Bidding";
  const int w = TextWidth(text, f);
  ASSERT_LT(w, 486);
  const TLabelFit fit = FitCentred(text, f, 494);
  EXPECT_EQ(fit.font.pointSize(), 12);
  EXPECT_EQ(fit.width, w);
  EXPECT_EQ(fit.left, (494 - w) / 2);
}

TEST_F(AboutSplashTest, ATooWideLabelIsMeasuredSmallerUntilItsMarginIsFour) {
  QFont f("Arial");
  f.setPointSize(14);
  const QString text = "A bridge club on your desk: bid and play the boards of twenty-seven events";
  ASSERT_GT(TextWidth(text, f), 494 - 8) << "the text must start too wide";
  const TLabelFit fit = FitCentred(text, f, 494);
  EXPECT_LT(fit.font.pointSize(), 14);
  EXPECT_GE(fit.left, 4);
  EXPECT_EQ(fit.width, TextWidth(text, fit.font));
  // One point larger would not have fitted: the font is only as small as needed.
  QFont larger = fit.font;
  larger.setPointSize(fit.font.pointSize() + 1);
  EXPECT_LT((494 - TextWidth(text, larger)) / 2, 4);
}

TEST_F(AboutSplashTest, AboutLabelsAreCentredAndNeverCut) {
  TAboutBox about;
  EXPECT_EQ(about.size(), QSize(527, 328));
  EXPECT_EQ(about.InnerPanel()->geometry(), QRect(17, 22, 494, 248));
  auto* name = about.findChild<QLabel*>("ProductName");
  ASSERT_NE(name, nullptr);
  const int designed = name->font().pointSize();
  name->setText("ORVENDAL QUORVAL 2005 ORVENDAL QUORVAL 2005 ORVENDAL QUORVAL 2005");
  about.PlaceLabels();
  EXPECT_LT(name->font().pointSize(), designed);
  EXPECT_GE(name->x(), 4);
  EXPECT_LE(name->geometry().right(), 494 - 4);
  EXPECT_GE(name->width(), TextWidth(name->text(), name->font())) << "the whole text is shown";
  // A shorter text again: back to the designed size.
  name->setText("ORVENDAL QUORVAL 2005");
  about.PlaceLabels();
  EXPECT_EQ(name->font().pointSize(), designed);

  for (const char* label :
       {"ProductName", "Comments", "Version", "CreditLabel", "Label1", "Label2", "Label4", "ProgramVersion"}) {
    auto* l = about.findChild<QLabel*>(label);
    ASSERT_NE(l, nullptr) << label;
    EXPECT_FALSE(l->text().isEmpty()) << label;
    EXPECT_EQ(l->x(), (494 - l->width()) / 2) << label;
    EXPECT_GE(l->x(), 4) << label;
    EXPECT_LE(l->geometry().bottom(), 248) << label;
  }
  // The tagline is wrapped within the panel rather than cut.
  auto* comments = about.findChild<QLabel*>("Comments");
  EXPECT_TRUE(comments->wordWrap());
  EXPECT_GT(comments->height(), QFontMetrics(comments->font()).height()) << "more than one line";
  EXPECT_LT(comments->geometry().bottom(), about.findChild<QLabel*>("Version")->y());
  // The version the user guide says About shows, in the window's language,
  // below the credit lines.
  about.SetLanguage(2);
  auto* version = about.findChild<QLabel*>("ProgramVersion");
  EXPECT_EQ(version->text(), "Versjon " QUORVAL_VERSION);
  EXPECT_GT(version->y(), about.findChild<QLabel*>("Label4")->geometry().bottom());
}

TEST_F(AboutSplashTest, SplashCoversTheScreenWithItsPanelInTheMiddle) {
  TSplashScreen splash(QRect(0, 0, 1024, 768));
  EXPECT_EQ(splash.geometry(), QRect(0, 0, 1024, 768));
  EXPECT_EQ(splash.InnerPanel()->geometry(), QRect(187, 134, 650, 500));
  splash.PlaceOnScreen(QRect(0, 0, 1920, 1080));
  EXPECT_EQ(splash.InnerPanel()->geometry(), QRect(635, 290, 650, 500));
  auto* logo = splash.findChild<QLabel*>("Logo");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->pixmap().size(), QSize(475, 264));
  const QString title = splash.Title()->text();
  splash.show();
  EXPECT_EQ(splash.Title()->text(), title + " ") << "a blank is added when shown";
  splash.close();
}

// Both windows in the Teal skin; with QUORVAL_SCREENSHOTS set the pictures
// are kept in that folder. The splash's blue banner keeps its colour.
TEST_F(AboutSplashTest, Pictures) {
  const QByteArray folder = qgetenv("QUORVAL_SCREENSHOTS");
  TAboutBox about;
  ApplySkinToWindow(&about, SkinColorsFor("Teal"), false);
  const QImage aboutShot = about.grab().toImage();
  EXPECT_EQ(aboutShot.pixelColor(5, 5), QColor(0, 128, 128));
  EXPECT_EQ(aboutShot.pixelColor(25, 30), QColor(192, 192, 192));
  TSplashScreen splash(QRect(0, 0, 1024, 768));
  ApplySkinToWindow(&splash, SkinColorsFor("Teal"), false);
  const QImage splashShot = splash.grab().toImage();
  EXPECT_EQ(splashShot.pixelColor(187 + 18 + 8, 134 + 9 + 8), QColor(0, 0, 128));
  if (!folder.isEmpty()) {
    aboutShot.save(QString(folder) + "/about.png");
    splashShot.save(QString(folder) + "/splash.png");
  }
}

}  // namespace
}  // namespace quorval
