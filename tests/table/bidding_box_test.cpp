// The bidding box: which bids it shows, when Double and Redouble are on,
// Take Back, the hint marks, the faces and the codes its clicks report.

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "tests/table/desk_fixture.h"
#include "table/bidding_box.h"
#include "ui/skin.h"

namespace quorval {
namespace {

class BiddingBoxTest : public ::testing::Test {
 protected:
  // Bids shown, as "1C" .. "7N".
  std::vector<std::string> ShownBids() const {
    std::vector<std::string> shown;
    for (int n = 1; n <= 7; ++n)
      for (int s = 0; s < 5; ++s)
        if (!box.BidButton(n, s)->isHidden()) shown.push_back(CallToken(MakeBid(n, s)));
    return shown;
  }
  Auction Bid(Seat dealer, std::initializer_list<const char*> calls) {
    Auction a(dealer);
    for (const char* c : calls) EXPECT_TRUE(a.Make(ParseCall(c))) << c;
    return a;
  }
  TBoxButton* Dbl() const { return box.ActionButton(baDouble); }
  TBoxButton* Rdbl() const { return box.ActionButton(baRedouble); }

  QApplication& app_ = TestApp();   // before any widget
  TBidBoxEuro box{nullptr};
};

TEST_F(BiddingBoxTest, AfterOneNoTrumpOnTheRightDoubleIsOnAndTheOneLevelGone) {
  box.PrepareFromAuction(Bid(East, {"1N"}), "South");
  const auto shown = ShownBids();
  ASSERT_EQ(shown.size(), 30u);
  EXPECT_EQ(shown.front(), "2C");
  EXPECT_TRUE(Dbl()->isEnabled());
  EXPECT_EQ(Dbl()->Face(), QColor(255, 0, 0));
  EXPECT_FALSE(Rdbl()->isEnabled());
  EXPECT_EQ(Rdbl()->Face(), QColor(128, 128, 128));
  EXPECT_EQ(box.WhoBidsLabel()->text(), "South ");
}

TEST_F(BiddingBoxTest, PartnersDoubledBidMayBeRedoubledOnce) {
  box.PrepareFromAuction(Bid(North, {"3H", "X"}), "South");
  EXPECT_FALSE(Dbl()->isEnabled());
  EXPECT_TRUE(Rdbl()->isEnabled());
  EXPECT_EQ(Rdbl()->Face(), QColor(0, 0, 255));
  EXPECT_EQ(ShownBids().front(), "3S");
  box.PrepareFromAuction(Bid(North, {"3H", "X", "XX", "P"}), "North");
  EXPECT_FALSE(Dbl()->isEnabled());
  EXPECT_FALSE(Rdbl()->isEnabled());
  // Partner's own undoubled bid: neither.
  box.PrepareFromAuction(Bid(North, {"3H", "P"}), "South");
  EXPECT_FALSE(Dbl()->isEnabled());
  EXPECT_FALSE(Rdbl()->isEnabled());
}

TEST_F(BiddingBoxTest, WithNoBidYetEverythingIsShownAndNothingDoubled) {
  box.PrepareForCall("West", 0, Spade, true, 0, 2);
  EXPECT_EQ(ShownBids().size(), 35u);
  EXPECT_FALSE(Dbl()->isEnabled());
  EXPECT_FALSE(Rdbl()->isEnabled());
  box.PrepareForCall("West", 7, NT, true, 0, 5);
  EXPECT_TRUE(ShownBids().empty());
}

TEST_F(BiddingBoxTest, TakeBackNeedsMoreThanThreeCalls) {
  TBoxButton* takeBack = box.ActionButton(baTakeBack);
  box.PrepareForCall("South", 1, Club, true, 0, 3);
  EXPECT_FALSE(takeBack->isEnabled());
  EXPECT_EQ(takeBack->TextColour(), QColor(128, 128, 128));
  box.PrepareForCall("South", 1, Club, true, 0, 4);
  EXPECT_TRUE(takeBack->isEnabled());
  EXPECT_EQ(takeBack->TextColour(), QColor(255, 255, 255));
}

TEST_F(BiddingBoxTest, HintsAndAlternativesMarkTheRightButtons) {
  box.PrepareFromAuction(Bid(East, {"1N"}), "South");
  struct Row {
    CallCode code;
    TBoxButton* button;
  };
  for (const Row& row : {Row{Double, Dbl()}, Row{Redouble, Rdbl()}, Row{Pass, box.ActionButton(baPass)},
                         Row{MakeBid(2, Heart), box.BidButton(2, Heart)}}) {
    box.ResetColours();
    box.HighlightCall(row.code);
    EXPECT_EQ(row.button->Face(), QColor(255, 255, 0)) << row.code;
    EXPECT_EQ(row.button->TextColour(), QColor(0, 0, 128));
  }
  box.ResetColours();
  box.MarkAlternatives({QString::number(MakeBid(2, Club)), "2", "junk"});
  EXPECT_EQ(box.BidButton(2, Club)->Face(), QColor(255, 252, 196));
  EXPECT_EQ(box.ActionButton(baPass)->Face(), QColor(255, 252, 196));
  box.ResetColours();
  EXPECT_EQ(box.BidButton(2, Club)->Face(), QColor(100, 255, 178));
  EXPECT_EQ(box.ActionButton(baPass)->Face(), QColor(0, 128, 0));
  EXPECT_EQ(Dbl()->Face(), QColor(255, 0, 0));   // still enabled: keeps its red
}

TEST_F(BiddingBoxTest, GeometryFollowsTheStrainColumnsAndLevelRows) {
  EXPECT_EQ(box.size(), QSize(180, 327));
  EXPECT_EQ(box.BidButton(1, NT)->geometry(), QRect(3, 27, 33, 25));
  EXPECT_EQ(box.BidButton(7, Club)->geometry(), QRect(143, 189, 33, 25));
  EXPECT_EQ(box.ActionButton(baMakeBid)->geometry(), QRect(3, 299, 173, 25));
  EXPECT_EQ(box.BidButton(3, Heart)->objectName(), "H3");
  EXPECT_EQ(box.ActionButton(baRedouble)->objectName(), "XReDbl");
}

TEST_F(BiddingBoxTest, FacesShowTheLevelAndTheLanguagesNoTrumpMark) {
  EXPECT_EQ(box.BidButton(4, Spade)->Caption(), QString("4") + QChar(0x2660));
  EXPECT_EQ(box.BidButton(3, NT)->Caption(), "3NT");
  box.SetLanguage(1);
  box.Relabel(false);
  EXPECT_EQ(box.BidButton(3, NT)->Caption(), "3UT");
  box.SetActionCaptions({"&Pas", "&Dobl", "&Redobl", "&Fortryd", "&Tip", "&Byd"});
  EXPECT_EQ(box.ActionButton(baPass)->Caption(), "&Pas");
}

TEST_F(BiddingBoxTest, ClicksReportTheirCodes) {
  box.show();
  QSignalSpy codes(&box, &TBidBoxEuro::OnClick);
  QSignalSpy calls(&box, &TBidBoxEuro::CallClicked);
  QSignalSpy actions(&box, &TBidBoxEuro::ActionClicked);
  box.PrepareFromAuction(Bid(East, {"1N"}), "South");
  QTest::mouseClick(box.BidButton(2, Diamond), Qt::LeftButton);
  QTest::mouseClick(Dbl(), Qt::LeftButton);
  QTest::mouseClick(box.ActionButton(baHint), Qt::LeftButton);
  QTest::mouseClick(Rdbl(), Qt::LeftButton);   // disabled: nothing
  ASSERT_EQ(codes.count(), 3);
  EXPECT_EQ(codes[0][0].toString(), "D2");
  EXPECT_EQ(codes[1][0].toString(), "XD");
  EXPECT_EQ(codes[2][0].toString(), "Hi");
  ASSERT_EQ(calls.count(), 2);
  EXPECT_EQ(calls[0][0].toInt(), MakeBid(2, Diamond));
  EXPECT_EQ(calls[1][0].toInt(), Double);
  ASSERT_EQ(actions.count(), 1);
  EXPECT_EQ(actions[0][0].value<TBoxAction>(), baHint);
  // The face is back in place after the click.
  EXPECT_FALSE(box.BidButton(2, Diamond)->Lowered());
  EXPECT_EQ(box.BidButton(2, Diamond)->Caption(), QString("2") + QChar(0x2666));
}

// The title " Bid Box" sits on light grey: it must stay dark in every skin,
// though each skin gives the box itself white text on its dark ground.
TEST_F(BiddingBoxTest, TheTitleReadsInEverySkin) {
  QWidget window;
  auto* owned = new TBidBoxEuro(&window);
  // As the table colours it: the box as a whole, in skin colour 1.
  owned->setProperty("skinKind", "coloured");
  SetTag(owned, 1);
  auto* title = owned->findChild<QLabel*>("BidTopCaption");
  auto* top = owned->findChild<QFrame*>("BidTopPanel");
  ASSERT_NE(title, nullptr);
  ASSERT_NE(top, nullptr);
  for (const char* skin : {"Teal", "Silver", "Olive"}) {
    ApplySkinToWindow(&window, SkinColorsFor(skin), false);
    const QColor ground = top->palette().color(QPalette::Window);
    const QColor ink = title->palette().color(QPalette::WindowText);
    EXPECT_EQ(ground, QColor(212, 208, 200)) << skin;
    EXPECT_EQ(ink, QColor(Qt::black)) << skin;
  }
}

// Long captions (the Danish and Norwegian Take Back) are drawn smaller so
// that they keep clear of the button's bevel on both sides.
TEST_F(BiddingBoxTest, LongActionCaptionsKeepClearOfTheBevel) {
  box.SetActionCaptions({"&Pas", "&X Dbl", "&XX ReDbl", "&Tag tilbage", "&Vink", "&Meld"});
  for (const TBoxAction action : {baTakeBack, baDouble, baRedouble}) {
    TBoxButton* b = box.ActionButton(action);
    const QImage face = b->grab().toImage();
    const QRgb ground = face.pixel(b->width() / 2, 3);
    for (int y = 3; y < face.height() - 3; ++y)
      for (const int x : {2, 3, 4, face.width() - 5, face.width() - 4, face.width() - 3})
        EXPECT_EQ(face.pixel(x, y), ground) << b->Caption().toStdString() << " at " << x << ", " << y;
  }
}

}  // namespace
}  // namespace quorval
