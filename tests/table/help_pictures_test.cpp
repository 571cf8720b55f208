// Makes the pictures of the user guide (resources/help/images) from the real
// window on the shipped events. It runs only when QUORVAL_HELP_PICTURES names
// the folder to write them to; a screen of 1280 pixels gives the table its
// full width:
//   QUORVAL_HELP_PICTURES=resources/help/images QT_QPA_PLATFORM=xcb
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/test_table --gtest_filter='HelpPictures*'
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "tests/table/desk_fixture.h"
#include "ui/board_chooser.h"
#include "ui/skin.h"

namespace quorval {
namespace {

class HelpPicturesTest : public DeskTest {
 protected:
  void SetUp() override {
    folder_ = qEnvironmentVariable("QUORVAL_HELP_PICTURES");
    if (folder_.isEmpty()) GTEST_SKIP() << "set QUORVAL_HELP_PICTURES to the folder for the user guide's pictures";
    DeskTest::SetUp();
    // The shipped events instead of the small fixtures, so the pictures show
    // what a user sees.
    for (const char* f : {"Lisk2005.ini", "Results2005.ini", "SEQ2005.txt"}) {
      QFile::remove(dir_.filePath(f));
      ASSERT_TRUE(QFile::copy(QString(QUORVAL_SOURCE_DIR "/events/") + f, dir_.filePath(f)));
    }
    boards_ = std::make_unique<TBridgeINI>(kBoardFileName);
    results_ = std::make_unique<TBridgeINI>(kResultsFileName);
    QFile seq(dir_.filePath("SEQ2005.txt"));
    ASSERT_TRUE(seq.open(QIODevice::ReadOnly));
    library_.LoadSequenceLibrary(seq.readAll().toStdString());
    files_ = std::make_unique<TableFiles>(TableFiles{*options_, *boards_, *results_, library_.Store(), Option});
  }

  // Saves a picture with a palette of at most 256 colours, which keeps the
  // guide's pictures small.
  void Save(const QPixmap& picture, const QString& name) {
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    const QImage small = picture.toImage().convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    EXPECT_TRUE(small.save(folder_ + "/" + name + ".png")) << name.toStdString();
  }
  // The part of the window the table uses (menu bar, hands, panels, bidding
  // box, strata pages); the rest of a large window is empty.
  void SaveWindow(const QString& name) {
    QApplication::processEvents();   // the menu bar lays out its titles
    QRect used(0, 0, 1, 1);
    QWidget* desk = desk_->centralWidget();
    for (QWidget* w : desk->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->isVisible()) used = used.united(QRect(w->mapTo(desk_.get(), QPoint(0, 0)), w->size()));
    Save(desk_->grab(used.adjusted(0, 0, 4, 4) & desk_->rect()), name);
  }
  void SavePart(const QRect& part, const QString& name) { Save(desk_->grab(part), name); }
  QRect Place(const char* panel) const {
    QWidget* w = desk_->Panel(panel);
    return QRect(w->mapTo(desk_.get(), QPoint(0, 0)), w->size());
  }

  QString folder_;
};

// One set of pictures per language of the guide, in images/en, images/da,
// images/no and images/sv.
TEST_F(HelpPicturesTest, UserGuidePictures) {
  const struct { int language; const char* folder; } languages[] = {{0, "en"}, {1, "da"}, {2, "no"}, {4, "sv"}};
  const QString root = folder_;
  for (const auto& l : languages) {
    folder_ = root + "/" + l.folder;
    ASSERT_TRUE(QDir().mkpath(folder_));
    Option.BidSys = 1;
    TDeskTop& desk = Desk("Imp", 8);
    desk.LanguageClick(l.language);
    desk.NewHandClick();
    SavePart(Place("DupBd"), "board_panel");
    desk.ButHelpBidClick();
    SaveWindow("auction");
    SavePart(Place("BidBox"), "bidding_box");
    while (desk.Game().State().phase == Phase::Bidding) desk.ButMakeBidClick();
    SaveWindow("end_of_auction");
    Click("EOBStart");
    for (int i = 0; i < 8 && desk.Game().State().phase == Phase::Playing; ++i) Key(Qt::Key_Return);
    SaveWindow("play");
    Click("TPPFast");
    SaveWindow("score");

    const auto played = [](const std::string&, const std::string& session, int board) {
      return session == "01" && board <= 5;
    };
    // As the table opens it: in the table's language and skin.
    TGetHand chooser(&desk, "Imp", "01", played, QColor(145, 200, 200));
    chooser.SetLanguage(l.language);
    ApplySkinToWindow(&chooser, Option.SkinColors, false);
    chooser.show();
    Save(chooser.grab(), "board_chooser");
  }
}

}  // namespace
}  // namespace quorval
