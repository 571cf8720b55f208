// The table in its four languages: the Language menu, the switch in the
// middle of the play and at the end of a board, a language for one run, and
// a choice made while the computer is calling.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "print/hand_report.h"
#include "tests/print/recording_device.h"
#include "tests/table/desk_fixture.h"
#include "ui/bridge_grid.h"
#include "ui/multi_lang.h"
#include "ui/result_summary.h"
#include "ui/session_results.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

// What the table shows in each language, from the word lists as the
// interface texts give them.
struct Expected {
  int language;
  const char* pass;         // the bidding box's action captions
  const char* dbl;
  const char* takeBack;
  const char* makeBid;
  const char* takeBackHint;
  const char* south;        // seat names
  const char* east;
  const char* threeNt;      // the notrump mark on the box
  const char* stratumA;     // the first strata page
  const char* stratum;      // the header of the strata grids and the score pad
  const char* by;           // in the contract picture
  const char* title;        // of the window, before " - " and the player
};
const Expected kLanguages[] = {
    {1, "&Pas", "&X Dbl", "Tag tilbage", "Meld", "Fjern meldingerne tilbage til Syds sidste melding.", "Syd", "Øst",
     "3UT", "A-række", "Række", " hos ", "ORVENDAL QUORVAL 2005"},
    {2, "&Pass", "&X Dbl", "Ta tilbake", "Meld", "Fjerne meldingene tilbake til Syds siste melding", "Syd", "Øst",
     "3G", "A-Pulje", "Pulje", " av ", "ORVENDAL QUORVAL 2005"},
    {4, "&Pass", "&X D", "Återta", "Bjud", "Återta den senaste budronden", "Syd", "Öst", "3NT", "A-Grupp", "Grupp",
     " av ", "ORVENDAL-QUORVAL 2005"},
    {0, "&Pass", "&XDbl", "Take Back", "Make Bid", "Remove bids back to South's last bid.", "South", "East", "3NT",
     "A Stratum", "Stratum", " by ", "ORVENDAL QUORVAL 2005"},
};

class TableLanguageTest : public DeskTest {
 protected:
  // The notrump mark and the honour letters are shared by every window: back
  // to English for the tests that follow, even when one fails.
  void TearDown() override {
    DeskTest::TearDown();
    SetSymbolLanguage(0);
    CardDeck::LocaliseHonours(0);
  }
  void ExpectTableSpeaks(TDeskTop& desk, const Expected& e) {
    SCOPED_TRACE(e.language);
    EXPECT_EQ(desk.InterfaceLanguage(), e.language);
    TBidBoxEuro* box = desk.Panels().bidBox;
    EXPECT_EQ(box->ActionButton(baPass)->Caption(), QString::fromUtf8(e.pass));
    EXPECT_EQ(box->ActionButton(baDouble)->Caption(), QString::fromUtf8(e.dbl));
    EXPECT_EQ(box->ActionButton(baTakeBack)->Caption(), QString::fromUtf8(e.takeBack));
    EXPECT_EQ(box->ActionButton(baMakeBid)->Caption(), QString::fromUtf8(e.makeBid));
    EXPECT_EQ(box->ActionButton(baTakeBack)->toolTip(), QString::fromUtf8(e.takeBackHint));
    EXPECT_TRUE(box->ActionButton(baPass)->toolTip().isEmpty());
    EXPECT_EQ(box->BidButton(3, NT)->Caption(), QString::fromUtf8(e.threeNt));
    EXPECT_EQ(static_cast<QLabel*>(desk.Panel("BPSouth"))->text(), QString::fromUtf8(e.south));
    EXPECT_EQ(static_cast<QLabel*>(desk.Panel("BPEast"))->text(), QString::fromUtf8(e.east));
    EXPECT_EQ(desk.Game().State().SeatNames[South], e.south);
    EXPECT_EQ(desk.Panels().scorePages->tabText(0), QString::fromUtf8(e.stratumA));
    EXPECT_EQ(desk.windowTitle(), QString::fromUtf8(e.title) + " - Tester");
    EXPECT_EQ(CardDeck::HonourLanguage(), e.language);
    // The main window's character set: 0 for English, 1 for the others.
    EXPECT_EQ(desk.property("charSet").toInt(), e.language == 0 ? 0 : 1);
    const QString contract = desk.Panel("ContractImg")->property("contractText").toString();
    EXPECT_TRUE(contract.contains(QString::fromUtf8(e.by))) << contract.toStdString();
    EXPECT_TRUE(contract.endsWith(QString::fromUtf8(e.south))) << contract.toStdString();
  }
};

TEST_F(TableLanguageTest, EveryLanguageInTheMiddleOfThePlayAndAtTheEndOfTheBoard) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();
  desk.BidButClick("S1");
  desk.BidButClick("S4");   // 4S by South
  Click("EOBStart");
  Key(Qt::Key_Return);
  ASSERT_EQ(desk.Game().State().phase, Phase::Playing);
  const int played = desk.Game().Play().CardsPlayed;
  for (const Expected& e : kLanguages) {
    desk.LanguageClick(e.language);
    ExpectTableSpeaks(desk, e);
    // The play goes on where it was.
    EXPECT_EQ(desk.Game().State().phase, Phase::Playing);
    EXPECT_EQ(desk.Game().Play().CardsPlayed, played);
  }
  Click("TPPFast");
  ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
  const std::string filed = options_->ReadString("Tester", "Imp01.01", "");
  ASSERT_FALSE(filed.empty());
  for (const Expected& e : kLanguages) {
    desk.LanguageClick(e.language);
    ExpectTableSpeaks(desk, e);
    EXPECT_EQ(desk.Panels().strata[0]->Cell(0, 0), QString::fromUtf8(e.stratum));
    EXPECT_EQ(desk.Panels().scorePadGrid->Cell(0, 0), QString::fromUtf8(e.stratum));
    EXPECT_EQ(desk.Panels().strata[0]->Cell(2, 1), QString::fromUtf8(e.south).left(1));
    // Rebuilding the pages files the same line again.
    EXPECT_EQ(options_->ReadString("Tester", "Imp01.01", ""), filed);
  }
  EXPECT_EQ(options_->ReadString("Tester", "Language", ""), "en");
}

TEST_F(TableLanguageTest, TheMenuChecksTheItemShowsItsFlagAndSavesTheOption) {
  TDeskTop& desk = Desk();
  QMenu* menu = desk.findChild<QMenu*>("Language1");
  ASSERT_NE(menu, nullptr);
  const struct {
    const char* item;
    int tag;
    const char* code;
    const char* menuTitle;
  } items[] = {{"Swedish", 14, "sw", "&Språk"}, {"Danish", 11, "dk", "&Sprog"}, {"Norwegian", 12, "no", "&Språk"},
               {"EnglishUS", 10, "en", "&Language"}};
  for (const auto& item : items) {
    SCOPED_TRACE(item.item);
    QAction* a = desk.Action(item.item);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->data().toInt(), item.tag);
    a->trigger();
    EXPECT_EQ(Option.Language, item.tag - 10);
    EXPECT_EQ(options_->ReadString("Tester", "Language", ""), item.code);
    for (const char* other : {"Danish", "EnglishUS", "Norwegian", "Swedish"})
      EXPECT_EQ(desk.Action(other)->isChecked(), std::string(other) == item.item) << other;
    EXPECT_EQ(menu->icon().cacheKey(), a->icon().cacheKey());
    EXPECT_FALSE(a->icon().isNull());
    EXPECT_EQ(menu->title(), QString::fromUtf8(item.menuTitle));
  }
}

TEST_F(TableLanguageTest, TheBoardPanelAndTheReviewFollowTheLanguage) {
  TDeskTop& desk = Desk();
  desk.NewHandClick();   // North deals; North and East call before South
  desk.LanguageClick(1);
  EXPECT_EQ(static_cast<QLabel*>(desk.Panel("DupBdLabel2"))->text(), "Giver");
  EXPECT_EQ(static_cast<QLabel*>(desk.Panel("BidSysLabel"))->text(), "Dansk Basis");
  EXPECT_EQ(static_cast<QLabel*>(desk.Panel("SHCP"))->text(),
            QString("%1 HP").arg(desk.Game().Play().Hands[South].Hcp));
  EXPECT_EQ(desk.Panel("Dup")->toolTip(), "Duplikatbakke");
  EXPECT_EQ(desk.Panels().bidBox->WhoBidsLabel()->text(), "Syd ");
  EXPECT_EQ(desk.Panels().bidBox->findChild<QLabel*>("BidTopCaption")->text(), " Meldeboks");
  EXPECT_EQ(desk.Action("NewHandMenu")->text(), "&Næste spil");
  desk.BidButClick("Pa");
  // The review shows the calls in the language: "Pas" for a pass.
  bool sawPass = false;
  for (int r = 0; r < desk.Panels().bidReview->RowCount(); ++r)
    for (int c = 0; c < 4; ++c) sawPass |= desk.Panels().bidReview->Cell(c, r) == "Pas";
  EXPECT_TRUE(sawPass);
  desk.LanguageClick(4);
  EXPECT_EQ(static_cast<QLabel*>(desk.Panel("DupBdLabel3"))->text(), "Zon");
  EXPECT_EQ(static_cast<QLabel*>(desk.Panel("SouthHCPLabel"))->text(), "Syd");
}

TEST_F(TableLanguageTest, ALanguageForOneRunLeavesTheOptionAsItIs) {
  TDeskTop& desk = Desk("Imp", 1, 1);
  EXPECT_EQ(desk.InterfaceLanguage(), 1);
  EXPECT_EQ(desk.Action("NewHandMenu")->text(), "&Næste spil");
  EXPECT_TRUE(desk.Action("Danish")->isChecked());
  desk.NewHandClick();
  desk.close();   // saves the settings
  EXPECT_EQ(Option.Language, 0);
  EXPECT_EQ(options_->ReadString("Tester", "Language", ""), "en");
  // Choosing from the menu makes it the player's language after all.
  desk.Action("Norwegian")->trigger();
  EXPECT_EQ(Option.Language, 2);
  EXPECT_EQ(options_->ReadString("Tester", "Language", ""), "no");
}

TEST_F(TableLanguageTest, AChoiceWhileTheComputerCallsWaitsForTheCall) {
  TDeskTop& desk = Desk();
  desk.SetNoPauses(false);
  desk.Game().SetBidPause(0.05);
  int languageDuringPause = -1;
  QTimer::singleShot(0, &desk, [&] {
    desk.LanguageClick(1);
    languageDuringPause = desk.InterfaceLanguage();
  });
  desk.NewHandClick();   // North and East call, each after the pause
  EXPECT_EQ(languageDuringPause, 0);
  EXPECT_EQ(desk.InterfaceLanguage(), 1);
  EXPECT_EQ(desk.Game().State().phase, Phase::Bidding);
  EXPECT_EQ(desk.Game().Auction().CallCount(), 2);
  EXPECT_EQ(desk.Panels().bidBox->ActionButton(baPass)->Caption(), "&Pas");
  EXPECT_EQ(Option.Language, 1);
}

TEST_F(TableLanguageTest, TheBoardChooserSpeaksTheTablesLanguage) {
  TDeskTop& desk = Desk();
  desk.LanguageClick(2);
  QString title, mp;
  QTimer::singleShot(0, &desk, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      title = dialog->windowTitle();
      if (auto* button = dialog->findChild<QRadioButton*>("MP")) mp = button->text();
      dialog->reject();
    }
  });
  desk.GotoHand1Click();
  EXPECT_EQ(title, QString::fromUtf8("Klikk på det neste spillet du vil spille"));
  EXPECT_EQ(mp, "Poeng");
}

TEST_F(TableLanguageTest, TheHandReportPrintsInTheLanguageOfTheRun) {
  const struct {
    int language;
    const char* cardsPlayed;
    const char* stratumA;
    const char* deal;
  } languages[] = {{1, "Kortene spillet til hvert stik", "A-række", "Spil:"},
                   {2, "Kortene spilt til hvert stikk", "A-Pulje", "Spill:"},
                   {4, "Kort som spelats i varje stick", "A-Grupp", "Giv:"}};
  for (const auto& l : languages) {
    SCOPED_TRACE(l.language);
    TDeskTop& desk = Desk("Imp", 1, l.language);
    desk.NewHandClick();
    desk.BidButClick("S1");
    desk.BidButClick("S4");
    Click("EOBStart");
    Click("TPPFast");
    ASSERT_EQ(desk.Game().State().phase, Phase::BoardOver);
    std::vector<PageDrawer> printed;
    desk.Printing().SetPrinter([&](QWidget*, const QString&, const std::vector<PageDrawer>& pages, PrintTarget) {
      printed = pages;
      return true;
    });
    desk.PrintHandMenuClick();
    ASSERT_EQ(printed.size(), 1u);
    testing::RecordingDevice page;
    {
      QPainter painter(&page);
      printed.front()(painter);
    }
    for (const char* text : {l.cardsPlayed, l.stratumA, l.deal, "Syd"})
      EXPECT_NE(page.Find(QString::fromUtf8(text)), nullptr) << text;
    for (const char* english : {"Cards played at each trick", "A Stratum", "South", "Deal:"})
      EXPECT_EQ(page.Find(english), nullptr) << english;
  }
}

TEST_F(TableLanguageTest, SessionResultsAndTheSummaryOpenInTheTablesLanguage) {
  TDeskTop& desk = Desk();
  desk.LanguageClick(4);
  const auto session = desk.Printing().MakeSessionResults();
  EXPECT_EQ(session->windowTitle(), QString::fromUtf8("ORVENDAL QUORVAL 2005 - Kvällsresultat"));
  EXPECT_EQ(session->EventItem(1)->text(), "Topscore");
  EXPECT_EQ(session->Grid()->Cell(5, 0), "A-Grupp");
  EXPECT_EQ(session->Grid()->Cell(1, 1), "Slutbud");
  EXPECT_EQ(session->ScoringItemText(), "IMP");
  const auto summary = desk.Printing().MakeResultSummary();
  EXPECT_EQ(summary->windowTitle(), QString::fromUtf8("Resultat för alla spelkvällar"));
  EXPECT_EQ(summary->Grid()->Cell(0, 1), QString::fromUtf8("Spelkväll"));
}

}  // namespace
}  // namespace quorval
