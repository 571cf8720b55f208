// The hand report drawn on a recording page of 600 pixels per inch: what
// stands after each label, where the auction starts, how the tricks are
// marked and the marks explained, the ranks as the cards show them, and the
// strata tables.

#include <QLabel>

#include "data/kept_play.h"
#include "print/hand_report.h"
#include "tests/data/sample_play.h"
#include "tests/print/recording_device.h"
#include "tests/ui/ui_test_app.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

using testing::DrawnText;
using testing::RecordingDevice;
using testing::UiTest;

// The board of the sample play with an auction and as much play as given.
HandReportData Report(const std::string& auction, const std::string& play, Seat dealer = North) {
  const KeptPlayRead read = ParseKeptPlay({std::string(1, SeatLetter(dealer)), "None", testing::kOneSuitDeal,
                                           auction, play});
  EXPECT_TRUE(read.play.has_value()) << read.fault;
  const KeptPlay& kept = *read.play;
  HandReportData d;
  d.eventText = "Par - 03";
  d.board = 5;
  d.dealer = dealer;
  d.deal = kept.deal;
  d.calls = kept.calls;
  d.contractKnown = kept.AuctionOver();
  d.contract = kept.FinalContract();
  d.tricks = KeptTricks(kept);
  d.resultKnown = kept.Complete();
  d.declarerTricks = KeptDeclarerTricks(kept);
  d.strataKnown = d.resultKnown;
  const char* heads[7] = {"Stratum", "#", "By", "Contract", "Tricks", "Score", "MP"};
  for (int s = 0; s < 3; ++s) {
    for (int c = 0; c < 7; ++c) d.strata[size_t(s)][0][size_t(c)] = heads[c];
    for (int r = 1; r <= 7; ++r) {
      const bool user = r == 2;
      d.strata[size_t(s)][size_t(r)] = {QString(QChar('A' + s)), user ? "-" : QString("%1").arg(r, 2, 10, QChar('0')),
                                        "N", "4~S", "10", user ? "420" : "450", " 6.0"};
    }
  }
  return d;
}

class HandReportTest : public UiTest {
 protected:
  std::unique_ptr<RecordingDevice> Print(const HandReportData& d) {
    auto page = std::make_unique<RecordingDevice>();
    QPainter painter(page.get());
    PrintReport(painter, d, labels);
    painter.end();
    return page;
  }
  // The texts on the line of `anchor` (the first one in the board data,
  // left of the play area), right of it and left of `beforeX`, joined.
  static QString After(const RecordingDevice& page, const QString& anchor, double beforeX = 1e9) {
    const double playArea = page.Find("Cards played at each trick")->at.x();
    const DrawnText* a = nullptr;
    for (const DrawnText& t : page.Texts())
      if (t.text == anchor && t.at.x() < playArea) {
        a = &t;
        break;
      }
    if (!a) return "<no " + anchor + ">";
    beforeX = std::min(beforeX, playArea);
    QString out;
    for (const DrawnText& t : page.OnLine(a->at.y(), 12))
      if (t.at.x() > a->at.x() && t.at.x() < beforeX) out += t.text;
    return out.trimmed();
  }
  static std::vector<DrawnText> All(const RecordingDevice& page, const QString& text) {
    std::vector<DrawnText> out;
    for (const DrawnText& t : page.Texts())
      if (t.text == text) out.push_back(t);
    return out;
  }
  // The texts of the play area (right of its heading, left of the strata).
  static std::vector<DrawnText> PlayArea(const RecordingDevice& page) {
    const double left = page.Find("Cards played at each trick")->at.x() - 1;
    const double right = page.Find("#")->at.x() - 1;
    std::vector<DrawnText> out;
    for (const DrawnText& t : page.Texts())
      if (t.at.x() >= left && t.at.x() < right) out.push_back(t);
    return out;
  }
  static int Count(const std::vector<DrawnText>& texts, const QString& text) {
    return int(std::count_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; }));
  }

  TReportLabels labels;
};

TEST_F(HandReportTest, MadeContractShowsItsDataTenPlusTricksAndThreeMinus) {
  HandReportData d = Report("4S,P,P,P", testing::kTenTricksPlay);
  d.boardScore = 420;
  const auto printed = Print(d);
  const RecordingDevice& page = *printed;
  const double mid = page.Find("North")->at.x();   // North's hand heading stands in the middle column
  EXPECT_EQ(After(page, "Deal:", mid), "5");
  EXPECT_EQ(After(page, "Bid:"), QString::fromUtf8("4\u2660"));
  EXPECT_EQ(After(page, "Dlr:", mid), "North");
  EXPECT_EQ(After(page, "By"), "N");
  EXPECT_EQ(After(page, "Vul:", mid), "None");
  EXPECT_EQ(After(page, "Tricks:"), "10");
  EXPECT_EQ(After(page, "N-S:"), "420");
  ASSERT_NE(page.Find("Match Points"), nullptr);
  EXPECT_NE(page.AllText().indexOf("ORVENDAL QUORVAL 2005  -  Session Par - 03"), -1);

  const auto play = PlayArea(page);
  EXPECT_EQ(Count(play, "+"), 10);
  EXPECT_EQ(Count(play, "-"), 3);
  // The seat names over the play: East (left-hand opponent), South (dummy),
  // West, North (declarer).
  const DrawnText* heading = page.Find("Cards played at each trick");
  const double lineH = page.Find("Dlr:")->at.y() - page.Find("Deal:")->at.y();
  QStringList seats;
  for (const DrawnText& t : page.OnLine(heading->at.y() + lineH, 12))
    if (t.at.x() >= heading->at.x() - 1 && t.at.x() < page.Find("#")->at.x()) seats << t.text;
  EXPECT_EQ(seats, (QStringList{"East", "South", "West", "North"}));
  EXPECT_TRUE(heading->font.bold());

  // Three strata titles in green, the user's row of each framed.
  for (const char* title : {"A Stratum", "B Stratum", "C Stratum"}) {
    const DrawnText* t = page.Find(title);
    ASSERT_NE(t, nullptr) << title;
    EXPECT_EQ(t->colour, QColor(0, 128, 0));
  }
  EXPECT_EQ(page.Frames().size(), 4u + 3u);
}

TEST_F(HandReportTest, DoubledContractDownGoesToTheDefenders) {
  // East runs the hearts from the two up; everyone else plays from the
  // bottom of what they hold.
  const std::string ranks = "23456789TJQKA";
  const char* west[13] = {"2S", "3S", "4S", "5C", "6C", "7C", "8C", "9C", "TC", "JC", "QC", "KC", "AC"};
  const char* north[13] = {"2C", "3C", "4C", "5S", "6S", "7S", "8S", "9S", "TS", "JS", "QS", "KS", "AS"};
  std::string cards = "E:";
  for (int k = 0; k < 13; ++k)
    cards += std::string(k ? "," : "") + ranks[size_t(k)] + "H," + ranks[size_t(k)] + "D," + west[k] + "," + north[k];
  HandReportData d = Report("1N,X,P,P,P", cards);
  ASSERT_EQ(d.tricks.size(), 13u);
  d.boardScore = -1700;
  const auto printed = Print(d);
  const RecordingDevice& page = *printed;
  EXPECT_EQ(After(page, "Bid:"), "1NTX");
  EXPECT_EQ(After(page, "Tricks:"), "0");
  EXPECT_EQ(After(page, "N-S:"), "-1700");
  const auto play = PlayArea(page);
  EXPECT_EQ(Count(play, "+"), 0);
  EXPECT_EQ(Count(play, "-"), 13);
}

TEST_F(HandReportTest, PassedOutBoardPrintsPassAnEmptyPlayAreaAndNoDeclarer) {
  HandReportData d = Report("P,P,P,P", "-", West);
  d.boardScore = 0;
  const auto printed = Print(d);
  const RecordingDevice& page = *printed;
  EXPECT_EQ(After(page, "Bid:"), "Pass");
  EXPECT_EQ(After(page, "By"), "");
  EXPECT_EQ(After(page, "N-S:"), "0");
  const auto play = PlayArea(page);
  ASSERT_EQ(play.size(), 1u);   // the heading alone
  // Four passes, West's column first, one line each after West's.
  const std::vector<DrawnText> passes = All(page, "P");
  ASSERT_EQ(passes.size(), 4u);
  const auto bidHeadings = All(page, "West");
  const DrawnText& westHeading = *std::max_element(bidHeadings.begin(), bidHeadings.end(), [](auto& a, auto& b) {
    return a.at.y() < b.at.y();
  });
  EXPECT_NEAR(passes[0].at.x(), westHeading.at.x(), 1);
  EXPECT_GT(passes[1].at.y(), passes[0].at.y());
  EXPECT_EQ(passes[2].at.y(), passes[1].at.y());
}

TEST_F(HandReportTest, AuctionStartsInTheDealersColumnWithSuitSymbols) {
  // Dealer South: 1H P / 4H P P P.
  const auto printed = Print(Report("1H,P,4H,P,P,P", "-", South));
  const RecordingDevice& page = *printed;
  const auto hearts = All(page, QString::fromUtf8("\u2665"));
  ASSERT_GE(hearts.size(), 2u);
  for (const auto& h : hearts) EXPECT_EQ(h.colour, QColor(255, 0, 0));
  const auto ones = All(page, "1");
  const auto fours = All(page, "4");
  ASSERT_FALSE(ones.empty());
  ASSERT_FALSE(fours.empty());
  const DrawnText& one = ones.back();
  const DrawnText& four = fours.back();
  auto headingOf = [&](const char* seat) {
    const auto all = All(page, seat);
    return *std::max_element(all.begin(), all.end(), [](auto& a, auto& b) { return a.at.y() < b.at.y(); });
  };
  EXPECT_NEAR(one.at.x(), headingOf("South").at.x(), 1);
  EXPECT_NEAR(four.at.x(), headingOf("North").at.x(), 1);
  EXPECT_GT(four.at.y(), one.at.y());   // West's pass ended the first line
  const auto firstLine = page.OnLine(one.at.y(), 12);
  QStringList calls;
  for (const auto& t : firstLine)
    if (t.at.x() < page.Find("Cards played at each trick")->at.x()) calls << t.text;
  EXPECT_EQ(calls.join(' '), QString::fromUtf8("1 \u2665 P"));
  EXPECT_TRUE(headingOf("South").font.underline());
}

TEST_F(HandReportTest, WideResultsWidenTheirColumnsSoNothingRunsTogether) {
  HandReportData d = Report("4S,P,P,P", testing::kTenTricksPlay);
  d.strata[1][5] = {"B", "08", "N", "1~NX", "2", "-1400", "-12.50"};
  const auto printed = Print(d);
  const RecordingDevice& page = *printed;
  const DrawnText* score = page.Find("-1400");
  const DrawnText* figure = page.Find("-12.50");
  ASSERT_NE(score, nullptr);
  ASSERT_NE(figure, nullptr);
  const double scoreEnd = score->at.x() + QFontMetrics(score->font, &page).horizontalAdvance("-1400");
  EXPECT_LT(scoreEnd, figure->at.x());
  // The user's frame and the area's edge take the wider table in.
  const double figureEnd = figure->at.x() + QFontMetrics(figure->font, &page).horizontalAdvance("-12.50");
  double right = 0;
  for (const QRectF& f : page.Frames()) right = std::max(right, f.right());
  EXPECT_GT(right, figureEnd);
}

// The strata titles follow the language, and the longer labels of other
// languages (Swedish "Givare:", Norwegian "Faresone:") end before their values.
TEST_F(HandReportTest, StrataTitlesFollowTheLanguageAndLongLabelsKeepClearOfTheirValues) {
  HandReportData d = Report("P,4S,P,P,P", testing::kTenTricksPlay, West);
  struct Case {
    int language;
    const char* stratum;
    const char* longLabel;
  };
  for (const Case& c : {Case{4, "Grupp", "Givare:"}, Case{2, "Pulje", "Faresone:"}}) {
    SCOPED_TRACE(c.language);
    labels.SetLanguage(c.language);
    d.language = c.language;
    const auto printed = Print(d);
    const RecordingDevice& page = *printed;
    for (const char* letter : {"A-", "B-", "C-"})
      EXPECT_NE(page.Find(QString(letter) + c.stratum), nullptr) << letter << c.stratum;
    EXPECT_EQ(page.Find("A Stratum"), nullptr);
    const DrawnText* l = page.Find(c.longLabel);
    ASSERT_NE(l, nullptr) << c.longLabel;
    const std::vector<DrawnText> line = page.OnLine(l->at.y(), 12);
    // The value: the nearest text right of the label on its line.
    const DrawnText* value = nullptr;
    for (const DrawnText& t : line)
      if (t.at.x() > l->at.x() && (!value || t.at.x() < value->at.x())) value = &t;
    ASSERT_NE(value, nullptr) << c.longLabel;
    EXPECT_LT(l->at.x() + QFontMetrics(l->font, &page).horizontalAdvance(l->text), value->at.x())
        << c.longLabel << " runs into " << value->text.toStdString();
    if (c.language == 4) EXPECT_EQ(value->text, QString::fromUtf8("Väst"));
  }
}

// The ranks as the table's cards show them in the language, "10" for the
// ten; the marks of the trick winners explained below the play.
TEST_F(HandReportTest, RanksAreWrittenAsTheCardsShowThemAndTheMarksAreExplained) {
  HandReportData d = Report("4S,P,P,P", testing::kTenTricksPlay);
  const auto english = Print(d);
  EXPECT_NE(english->AllText().indexOf("AKQJ1098765"), -1) << english->AllText().toStdString();
  EXPECT_EQ(english->AllText().indexOf("QJT"), -1);
  const DrawnText* heading = english->Find("Cards played at each trick");
  const DrawnText* plus = english->Find("+  trick to declarer");
  const DrawnText* minus = english->Find("-  trick to the defence");
  ASSERT_TRUE(heading && plus && minus);
  const double lineH = english->Find("Dlr:")->at.y() - english->Find("Deal:")->at.y();
  EXPECT_EQ(plus->at.x(), heading->at.x());
  EXPECT_NEAR(plus->at.y() - heading->at.y(), 28 * lineH, 2) << "at the foot of the box below the play";
  EXPECT_NEAR(minus->at.y() - plus->at.y(), lineH, 2);

  labels.SetLanguage(1);
  d.language = 1;
  const auto danish = Print(d);
  EXPECT_NE(danish->AllText().indexOf("EKDB1098765"), -1) << danish->AllText().toStdString();
  // North's ten spades, wider with the "10", are drawn smaller rather than
  // into the board data's labels beside them.
  const DrawnText* by = danish->Find("Hos");
  ASSERT_NE(by, nullptr);
  int fitted = 0;
  for (const DrawnText& t : danish->OnLine(by->at.y(), 50))
    if (t.text.contains("EKDB1098765") && t.at.x() < by->at.x()) {
      ++fitted;
      EXPECT_LT(t.at.x() + QFontMetricsF(t.font, danish.get()).horizontalAdvance(t.text), by->at.x());
    }
  EXPECT_EQ(fitted, 1);
  EXPECT_NE(danish->Find("+  stik til spilfører"), nullptr);

  // Without a card played there is nothing to explain.
  HandReportData none = Report("4S,P,P,P", "-");
  EXPECT_EQ(Print(none)->Find("-  stik til modparten"), nullptr);
}

TEST_F(HandReportTest, BeforeTheEndOnlyWhatBelongsToTheBoardIsPrinted) {
  HandReportData d = Report("4S,P,P,P", testing::kTenTricksPlay.substr(0, 2 + 6 * 3 - 1));
  d.boardScore = 9999;   // an earlier board's score is never shown
  const auto printed = Print(d);
  const RecordingDevice& page = *printed;
  EXPECT_EQ(After(page, "Bid:"), QString::fromUtf8("4\u2660"));
  EXPECT_EQ(After(page, "N-S:"), "");
  EXPECT_EQ(After(page, "Tricks:"), "");
  EXPECT_EQ(page.Frames().size(), 4u);   // no user row framed: no strata rows
  EXPECT_EQ(page.Find("450"), nullptr);
  const auto play = PlayArea(page);
  EXPECT_EQ(Count(play, "+"), 1);          // trick 1, North's ruff
  EXPECT_EQ(Count(play, "-"), 0);          // trick 2 is not finished
}

TEST_F(HandReportTest, ALayoutWiderThanThePageIsShrunkToFitIt) {
  RecordingDevice narrow(300, 5.0, 8.0);
  {
    QPainter painter(&narrow);
    PrintReport(painter, Report("4S,P,P,P", testing::kTenTricksPlay), labels);
  }
  ASSERT_FALSE(narrow.Frames().empty());
  for (const QRectF& f : narrow.Frames()) EXPECT_LE(f.right(), narrow.width()) << f.right();
  for (const DrawnText& t : narrow.Texts()) EXPECT_LT(t.at.x(), narrow.width()) << t.text.toStdString();
}

TEST_F(HandReportTest, SuitSymbolsAreMeasuredInThePrintersPixels) {
  RecordingDevice printer(600), screen(96);
  QPainter onPrinter(&printer), onScreen(&screen);
  QFont f(ReportFontFamily());
  f.setPointSize(11);
  onPrinter.setFont(f);
  onScreen.setFont(f);
  const double ratio = double(SymbolTextWidth(onPrinter, "4~S")) / SymbolTextWidth(onScreen, "4~S");
  EXPECT_NEAR(ratio, 600.0 / 96.0, 0.8);
}


TEST_F(HandReportTest, TheAuctionWithMeaningsIsListedBelowAndTheRestStaysInPlace) {
  const HandReportData plain = Report("1N,P,3N,P,P,P", testing::kTenTricksPlay);
  HandReportData none = plain;
  none.meanings.assign(6, QString());
  HandReportData told = plain;
  told.meanings = {"15-17 points, balanced", "", "10-15 points", "", "", ""};
  const auto plainPage = Print(plain), nonePage = Print(none), toldPage = Print(told);
  // No meaning at all: the very same page.
  ASSERT_EQ(nonePage->Texts().size(), plainPage->Texts().size());
  for (size_t i = 0; i < plainPage->Texts().size(); ++i) {
    EXPECT_EQ(nonePage->Texts()[i].text, plainPage->Texts()[i].text);
    EXPECT_EQ(nonePage->Texts()[i].at, plainPage->Texts()[i].at);
  }
  // With meanings: the heading and one line per call under the boxes, the
  // meaning on the line of its call and its seat.
  const DrawnText* heading = toldPage->Find("What the calls mean");
  ASSERT_NE(heading, nullptr);
  double boxesBottom = 0;
  for (const QRectF& f : toldPage->Frames()) boxesBottom = std::max(boxesBottom, f.bottom());
  EXPECT_GT(heading->at.y(), boxesBottom);
  const DrawnText* opening = toldPage->Find("15-17 points, balanced");
  const DrawnText* raise = toldPage->Find("10-15 points");
  ASSERT_NE(opening, nullptr);
  ASSERT_NE(raise, nullptr);
  EXPECT_GT(opening->at.y(), heading->at.y());
  EXPECT_GT(raise->at.y(), opening->at.y());
  QStringList firstLine;
  for (const DrawnText& t : toldPage->OnLine(opening->at.y(), 12)) firstLine << t.text;
  EXPECT_EQ(firstLine.join(' '), "North 1 NT 15-17 points, balanced");
  // Everything still on the page, the strata included.
  for (const DrawnText& t : toldPage->Texts()) EXPECT_LT(t.at.y(), toldPage->height()) << t.text.toStdString();
}

}  // namespace
}  // namespace quorval
