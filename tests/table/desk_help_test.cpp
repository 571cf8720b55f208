// The Help menu of the table window: the language items of the user guide and
// the bidding-system summary are enabled by the pages that came with the
// program or lie in the working folder, a missing page gives the message, and
// a page opens in the help window.
#include <QMenu>
#include <QScreen>
#include <QTextBrowser>

#include "tests/table/desk_fixture.h"
#include "ui/colour_ref.h"
#include "ui/help_window.h"

namespace quorval {
namespace {

class DeskHelpTest : public DeskTest {
 protected:
  void TearDown() override {
    DeskTest::TearDown();
    SetHelpFolder("");
  }
  // A page in the working folder, or in `folder`.
  void Page(const char* name, const QTemporaryDir* folder = nullptr) {
    QFile f((folder ? *folder : dir_).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("<html><body><h1>") + name + "</h1><h2><a name=\"Contents\"></a>Contents</h2></body></html>");
  }
  // Opens a submenu as the user does, which checks the folder, and gives the
  // enabled state of its four items in menu order.
  std::vector<bool> Open(const char* menuName) {
    auto* menu = desk_->findChild<QMenu*>(menuName);
    EXPECT_NE(menu, nullptr) << menuName;
    if (!menu) return {};
    emit menu->aboutToShow();
    std::vector<bool> enabled;
    for (QAction* a : menu->actions()) enabled.push_back(a->isEnabled());
    return enabled;
  }
};

TEST_F(DeskHelpTest, SubmenusHoldTheFourLanguagesWithTheirTags) {
  TDeskTop& desk = Desk();
  EXPECT_EQ(desk.Action("UserGuideHelp"), nullptr);
  EXPECT_EQ(desk.Action("BidSysHelp"), nullptr);
  const struct { const char* menu; const char* items[4]; } menus[] = {
      {"UserGuide", {"UGDK", "UGEN", "UGNO", "UGSW"}}, {"BiddingSummary", {"BSDK", "BSEN", "BSNO", "BSSW"}}};
  for (const auto& m : menus) {
    auto* menu = desk.findChild<QMenu*>(m.menu);
    ASSERT_NE(menu, nullptr) << m.menu;
    ASSERT_EQ(menu->actions().size(), 4);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(menu->actions()[i]->objectName(), m.items[i]);
      EXPECT_EQ(menu->actions()[i]->data().toInt(), i + 1) << m.items[i];
      EXPECT_EQ(desk.Action(m.items[i]), menu->actions()[i]);
    }
  }
}

TEST_F(DeskHelpTest, ItemsAreEnabledOnlyForPagesInTheProgramFolder) {
  Option.BidSys = 1;   // Modern Standard
  Desk();
  EXPECT_EQ(Open("UserGuide"), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(Open("BiddingSummary"), (std::vector<bool>{false, false, false, false}));

  Page("English.html");
  Page("Svensk.html");
  Page("MODSTD-S.html");
  Page("DKBAS-D.html");   // another system's page does not count
  EXPECT_EQ(Open("UserGuide"), (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(Open("BiddingSummary"), (std::vector<bool>{false, false, false, true}));

  // The summary follows the bidding system chosen.
  desk_->BidSysClick(0);
  EXPECT_EQ(Open("BiddingSummary"), (std::vector<bool>{true, false, false, false}));

  // A page removed later is found missing the next time the menu opens.
  QFile::remove(dir_.filePath("Svensk.html"));
  EXPECT_EQ(Open("UserGuide"), (std::vector<bool>{false, true, false, false}));
}

// An event set played in a folder of its own (--dir, Open Event Set) still
// has the program's help; a page of the folder's own wins.
TEST_F(DeskHelpTest, ThePagesOfTheProgramServeAWorkingFolderWithoutThem) {
  QTemporaryDir program;
  for (const char* name : {"English.html", "Dansk.html", "DKBAS-E.html"}) Page(name, &program);
  SetHelpFolder(program.path().toStdString());
  TDeskTop& desk = Desk();
  EXPECT_EQ(Open("UserGuide"), (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(Open("BiddingSummary"), (std::vector<bool>{false, true, false, false}));
  desk.Action("UGEN")->trigger();
  ASSERT_NE(desk.Help().Window(), nullptr);
  EXPECT_EQ(desk.Help().Window()->Source().toLocalFile(), program.filePath("English.html"));
  desk.BidSysHelp(2);
  EXPECT_EQ(desk.Help().Window()->Source().toLocalFile(), program.filePath("DKBAS-E.html"));

  Page("English.html");
  desk.UserGuideHelp(2);
  EXPECT_EQ(desk.Help().Window()->Source().toLocalFile(), dir_.filePath("English.html"));
  // A page neither place holds is still missing.
  desk.UserGuideHelp(4);
  EXPECT_EQ(LastMessage(), "Can not find Svensk.html in the Program's folder!");
  EXPECT_EQ(MessageCount(), 1);
}

TEST_F(DeskHelpTest, AMissingPageGivesTheMessageAndNoWindow) {
  TDeskTop& desk = Desk();
  desk.UserGuideHelp(3);
  EXPECT_EQ(MessageCount(), 1);
  EXPECT_EQ(LastMessage(), "Can not find Norsk.html in the Program's folder!");
  desk.BidSysHelp(1);
  EXPECT_EQ(MessageCount(), 2);
  EXPECT_EQ(LastMessage(), "Can not find DKBAS-D.html in the Program's folder!");
  EXPECT_EQ(desk.Help().Window(), nullptr);
  // Tags outside the four languages do nothing at all.
  desk.UserGuideHelp(0);
  desk.BidSysHelp(5);
  EXPECT_EQ(MessageCount(), 2);
}

TEST_F(DeskHelpTest, PagesOpenInTheHelpWindowInTheCurrentSkin) {
  Option.BidSys = 2;   // Std Norwegian
  Page("Dansk.html");
  Page("STDNOR-E.html");
  TDeskTop& desk = Desk();
  Open("UserGuide");
  desk.Action("UGDK")->trigger();
  ASSERT_NE(desk.Help().Window(), nullptr);
  THelpWindow& help = *desk.Help().Window();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.Source().fileName(), "Dansk.html");
  EXPECT_EQ(help.Source().fragment(), "Contents");
  EXPECT_EQ(help.Browser()->palette().color(QPalette::Base), FromColourRef(uint32_t(Option.SkinColors[5])));
  // Its frame fits a small screen (the headless one is smaller than the
  // window's own size).
  const QSize screen = help.screen()->availableGeometry().size();
  EXPECT_LE(help.width(), screen.width());
  EXPECT_LE(help.height(), screen.height());

  // The summary opens in the same window, at its top, and Back returns.
  desk.BidSysHelp(2);
  EXPECT_EQ(desk.Help().Window(), &help);
  EXPECT_EQ(help.Source().fileName(), "STDNOR-E.html");
  EXPECT_FALSE(help.Source().hasFragment());
  help.BackClick();
  EXPECT_EQ(help.Source().fileName(), "Dansk.html");
  EXPECT_EQ(MessageCount(), 0);
}

TEST_F(DeskHelpTest, KeysTypedInTheHelpWindowAreNotCalls) {
  Page("English.html");
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  ASSERT_EQ(desk.Game().State().phase, Phase::Bidding);
  const auto before = Calls();
  desk.UserGuideHelp(2);
  ASSERT_NE(desk.Help().Window(), nullptr);
  for (Qt::Key key : {Qt::Key_1, Qt::Key_C, Qt::Key_M})
    QTest::keyClick(desk.Help().Window()->Browser(), key);
  EXPECT_EQ(Calls(), before);
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding);
}

}  // namespace
}  // namespace quorval
