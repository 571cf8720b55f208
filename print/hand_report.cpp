#include "print/hand_report.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/multi_lang.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

const QColor kLabelBlue(0, 0, 255);
const QColor kTitleGreen(0, 128, 0);

const std::pair<const char*, const char*> kLabels[] = {
    {"LabelN", "North"},          {"LabelE", "East"},
    {"LabelS", "South"},          {"LabelW", "West"},
    {"LabelNone", "None"},        {"LabelNS", "N-S"},
    {"LabelEW", "E-W"},           {"LabelBoth", "Both"},
    {"LabelDeal", "Deal:"},       {"LabelDlr", "Dlr:"},
    {"LabelVul", "Vul:"},         {"LabelBid", "Bid:"},
    {"Labelby", "By"},            {"LabelTrks", "Tricks:"},
    {"LabelScore", "N-S:"},       {"LabelMsg", "Cards played at each trick"},
    {"LabelMeanings", "What the calls mean"},
    {"LabelPass", "Pass"},        {"LabelMP", "MP"},
    {"LabelMatch", "Match Points"}, {"LabelPct", "Pct this Session"},
    {"LabelName", "ORVENDAL QUORVAL 2005"}, {"LabelStrata", "Stratum"},
    {"LabelSession", "Session"},  {"LabelMade", "Made:"},
    {"LabelDown", "Down:"},       {"LabelMPEvent", "MPs in this Event"},
    {"LabelMPSession", "MPs in this Session"},
    {"LabelNewPlayer", "Go to the \"Preferences\" screen and type in a New Player Name"},
    {"LabelPlusLegend", "+  trick to declarer"},
    {"LabelMinusLegend", "-  trick to the defence"},
    {"LabelClaim", "%1 claimed %2 of the %3 tricks left"}};

// Headings of the strata tables when the caller has none.
const char* const kStrataHeadings[7] = {"Stratum", "#", "By", "Contract", "Tricks", "Score", "MP"};

// A card as the play area prints it: the rank as the table's cards show it
// in the language, and the suit mark.
QString CardMarkup(CardCode card, int language) {
  return CardRankText(RankOf(card), language) + '~' + QChar::fromLatin1(StrainLetter(SuitOf(card)));
}

// A hand's suit as the deal prints it: the suit mark and its ranks from the
// highest, as the table's cards show them ("~S AK104").
QString HoldingMarkup(TSuit suit, Holding holding, int language) {
  QString text = QStringLiteral("~") + QChar::fromLatin1(StrainLetter(suit)) + ' ';
  for (TRank r = Ace; r >= 2; --r)
    if (holding & RankBit(r)) text += CardRankText(r, language);
  return text;
}

// A call's short token, a bid with the mark after its level (1~C).
QString CallMarkup(CallCode c) {
  QString token = QString::fromStdString(CallToken(c));
  if (IsBid(c)) token.insert(1, '~');
  return token;
}

// The page, laid out in the device's pixels as the report's steps need it.
class ReportPage {
 public:
  ReportPage(QPainter& p, const HandReportData& d, const TReportLabels& labels)
      : p_(p), d_(d), labels_(labels) {
    const QPaintDevice* device = p.device();
    dpiX_ = device->logicalDpiX();
    dpiY_ = device->logicalDpiY();
    SetFont(11, false);
    const QFontMetrics fm = p.fontMetrics();
    top_ = Round(0.9 * dpiY_);
    lineH_ = Round(1.2 * fm.height());
    charW_ = fm.horizontalAdvance('A');
    L_ = Round(0.25 * dpiX_);
    M_ = L_ + Round(2.7 * dpiX_);
    mid_ = L_ + Round(1.0 * dpiX_);
    right_ = M_ - Round(0.9 * dpiX_);
    int names = 0;
    for (Seat s = North; s <= West; ++s) names += fm.horizontalAdvance(labels_.TranslatedSeatName(s));
    SetFont(11, true);
    const int heading = p.fontMetrics().horizontalAdvance(labels_.Text("LabelMsg"));
    SetFont(11, false);
    P_ = std::max(M_ + names + 5 * charW_, M_ + heading + 3 * charW_);
    gap_ = (P_ - M_ - names) / 4;
    areaBottom_ = Y(16) + Round(lineH_ / 2.0);
    // Column edges of the strata tables, from their headings, widened where
    // a result is wider than its heading (a score of -1400, an IMP figure
    // of -12.50) so that no two columns run into each other.
    x_[0] = P_ + charW_;
    for (int c = 1; c <= 7; ++c) {
      int width = fm.horizontalAdvance(Heading(c));
      for (int s = 0; s < 3 && d_.strataKnown && c < 7; ++s)
        for (int r = 1; r <= 7; ++r)
          width = std::max(width, SymbolTextWidth(p_, d_.strata[size_t(s)][size_t(r)][size_t(c)].trimmed()) +
                                      (RightInset(c) - 1) * charW_);
      x_[c] = x_[c - 1] + width + charW_ + (c == 1 ? charW_ : 0);
    }
    strataRight_ = x_[7] - Round(0.1 * dpiX_);
  }

  void Print() {
    // The whole layout on the page: a page smaller than the layout (or a
    // wide font) shrinks it instead of cutting the strata off.
    const double pageW = p_.device()->width(), pageH = p_.device()->height();
    const double scale = std::min({1.0, pageW / (strataRight_ + L_), pageH / (Y(LastLine()) + lineH_)});
    p_.save();
    p_.scale(scale, scale);
    p_.fillRect(QRectF(0, 0, pageW / scale, pageH / scale), Qt::white);
    SetFont(13, true);
    const QString title = labels_.Text("LabelName") + "  -  " + labels_.Text("LabelSession") + " " + d_.eventText;
    p_.setPen(Qt::black);
    DrawSymbolText(p_, int(std::lround((pageW / scale - SymbolTextWidth(p_, title)) / 2)),
                   top_ - lineH_ - lineH_ / 2, 0, title);
    SetFont(11, false);
    ShowStrata();
    Frames();
    Show4Hands();
    BoardData();
    ShowBids();
    ShowPlay();
    ShowMeanings();
    p_.restore();
  }

 private:
  static int Round(double v) { return int(std::lround(v)); }
  int Y(int line) const { return top_ + line * lineH_ + 4; }

  void SetFont(int points, bool bold, bool underline = false) {
    QFont f(ReportFontFamily());
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(bold);
    f.setUnderline(underline);
    p_.setFont(f);
  }
  void Put(int x, int y, const QString& text, const QColor& colour = Qt::black) {
    p_.setPen(colour);
    DrawSymbolText(p_, x - 2, y, 0, text);
  }
  void PutRight(int right, int y, const QString& text, const QColor& colour = Qt::black) {
    p_.setPen(colour);
    DrawSymbolText(p_, right - SymbolTextWidth(p_, text) - 2, y, 0, text);
  }
  // How many character widths a column's results end before its edge.
  static int RightInset(int col) { return (col == 3 || col == 5) ? 2 : col == 4 ? 3 : 1; }
  QString Heading(int col) const {
    if (col >= 7) return {};
    const QString h = d_.strata[0][0][size_t(col)];
    return h.isEmpty() ? QString(kStrataHeadings[col]) : h;
  }

  void Frames() {
    p_.save();
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, Round(dpiX_ / 200.0)));
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRect(QPoint(L_, top_), QPoint(M_, areaBottom_)));
    p_.drawRect(QRect(QPoint(M_, top_), QPoint(P_, areaBottom_)));
    p_.drawRect(QRect(QPoint(L_, areaBottom_), QPoint(P_, Y(31))));
    p_.drawRect(QRect(QPoint(P_, top_), QPoint(strataRight_, Y(31))));
    p_.restore();
  }

  void Show4Hands() {
    // Each hand has the room up to what stands right of it: North the board
    // data's right labels, West the East hand, East and South the play area.
    const struct {
      Seat seat;
      int line, x, room;
    } blocks[] = {{North, 1, mid_, right_ - mid_ - charW_ / 2},
                  {South, 11, mid_, M_ - mid_ - charW_},
                  {West, 6, L_ + charW_, right_ - L_ - 2 * charW_},
                  {East, 6, right_, M_ - right_ - charW_ / 2}};
    for (const auto& b : blocks) {
      SetFont(11, false, true);
      Put(b.x, Y(b.line), labels_.TranslatedSeatName(b.seat));
      SetFont(11, false);
      for (int i = 0; i < 4; ++i) {
        const TSuit suit = Spade - i;
        PutFitted(b.x, Y(b.line + 1 + i), HoldingMarkup(suit, d_.deal.at(b.seat, suit), d_.language), b.room);
      }
    }
  }

  // A text drawn smaller when it is wider than `room` (a long suit, or the
  // two-letter jacks of Norwegian), so it never runs into its neighbour.
  void PutFitted(int x, int y, const QString& text, int room, const QColor& colour = Qt::black) {
    p_.save();
    QFont f = p_.font();
    while (SymbolTextWidth(p_, text) > room && f.pointSizeF() > 6) {
      f.setPointSizeF(f.pointSizeF() - 0.5);
      p_.setFont(f);
    }
    Put(x, y, text, colour);
    p_.restore();
  }

  void BoardData() {
    const int leftLabel = L_ + charW_, leftValue = mid_ - charW_, rightValue = M_ - charW_;
    // A long label and its value share a narrow column ("Faresone:" and
    // "Ingen", "Givare:" and "Väst", "Match Points" before North's hand):
    // both a size smaller until they part.
    const auto pair = [&](int labelX, int valueRight, int line, const QString& label, const QString& value) {
      const int room = valueRight - labelX - charW_ / 2;
      const auto wide = [&] { return SymbolTextWidth(p_, label) + SymbolTextWidth(p_, value.trimmed()) > room; };
      for (int points = 10; points >= 7 && wide(); --points) SetFont(points, false);
      Put(labelX, Y(line), label, kLabelBlue);
      if (!value.isEmpty()) PutRight(valueRight, Y(line), value);
      SetFont(11, false);
    };
    const auto row = [&](int line, const QString& label, const QString& value, const QString& rlabel,
                         const QString& rvalue) {
      pair(leftLabel, leftValue, line, label, value);
      pair(right_, rightValue, line, rlabel, rvalue);
    };
    const bool passedOut = d_.contractKnown && d_.contract.PassedOut();
    QString bid, by;
    if (d_.contractKnown) {
      bid = passedOut ? labels_.Text("LabelPass")
                      : QString::fromStdString(CallLongText(d_.contract.bid, d_.contract.DoubledCount));
      if (!passedOut) by = labels_.TranslatedSeatName(d_.contract.declarer).left(1);
    }
    row(1, labels_.Text("LabelDeal"), QString::number(d_.board), labels_.Text("LabelBid"), bid);
    row(2, labels_.Text("LabelDlr"), labels_.TranslatedSeatName(d_.dealer), labels_.Text("Labelby"), by);
    row(3, labels_.Text("LabelVul"), labels_.VulnerabilityText(d_.vul), labels_.Text("LabelTrks"),
        d_.resultKnown ? QString::asprintf("%4d", passedOut ? 0 : d_.declarerTricks) : QString());
    row(4, d_.imps ? QString("IMP") : labels_.Text("LabelMatch"), {}, labels_.Text("LabelScore"),
        d_.resultKnown ? QString::asprintf("%6d", d_.boardScore) : QString());
  }

  void ShowBids() {
    const auto column = [&](Seat s) { return L_ + charW_ + Round(0.75 * dpiX_ * s); };
    SetFont(11, false, true);
    for (Seat s = North; s <= West; ++s) Put(column(s), Y(17), labels_.TranslatedSeatName(s));
    SetFont(11, false);
    int line = 18;
    Seat seat = d_.dealer & 3;
    for (const CallCode c : d_.calls) {
      Put(column(seat), Y(line), CallMarkup(c));
      if (seat == West) ++line;
      seat = NextSeat(seat);
    }
  }

  void ShowPlay() {
    const int x0 = M_ + charW_;
    SetFont(11, true);
    Put(x0, Y(1), labels_.Text("LabelMsg"));
    SetFont(11, false);
    if (!d_.contractKnown || d_.contract.PassedOut()) return;
    const Seat declarer = d_.contract.declarer;
    const Seat order[4] = {NextSeat(declarer), PartnerOf(declarer), PrevSeat(declarer), declarer};
    std::array<int, 4> x{};
    x[0] = x0;
    for (int i = 1; i < 4; ++i) x[size_t(i)] = x[size_t(i - 1)] + p_.fontMetrics().horizontalAdvance(labels_.TranslatedSeatName(order[i - 1])) + gap_;
    SetFont(11, false, true);
    for (int i = 0; i < 4; ++i) Put(x[size_t(i)], Y(2), labels_.TranslatedSeatName(order[i]));
    SetFont(11, false);
    for (size_t t = 0; t < d_.tricks.size() && t < 13; ++t) {
      const KeptTrick& trick = d_.tricks[t];
      for (int i = 0; i < 4; ++i) {
        const CardCode card = trick.cards[size_t(order[i])];
        if (card == 0) continue;
        QString text = CardMarkup(card, d_.language);
        if (trick.complete && trick.winner == order[i]) text += trick.declarerSide ? "+" : "-";
        Put(x[size_t(i)], Y(3 + int(t)), text);
      }
    }
    // A claim that ended the play, on the line after the last card.
    if (d_.claim) {
      const int complete = static_cast<int>(
          std::count_if(d_.tricks.begin(), d_.tricks.end(), [](const KeptTrick& t) { return t.complete; }));
      const int line = 3 + static_cast<int>(d_.tricks.size());
      Put(x0, Y(line), labels_.Text("LabelClaim")
                           .arg(labels_.Text(d_.claim->side == 1 ? "LabelNS" : "LabelEW"))
                           .arg(d_.claim->tricks)
                           .arg(13 - complete));
    }
    // What the marks of the trick winners mean: a note at the foot of the
    // box below the play area.
    if (d_.tricks.empty() && !d_.claim) return;
    Put(x0, Y(29), labels_.Text("LabelPlusLegend"));
    Put(x0, Y(30), labels_.Text("LabelMinusLegend"));
  }

  // The calls told with meanings: one line per call, one line of heading.
  int MeaningLines() const {
    const bool any = std::any_of(d_.meanings.begin(), d_.meanings.end(), [](const QString& m) { return !m.isEmpty(); });
    return any ? 2 + static_cast<int>(d_.calls.size()) : 0;
  }
  int LastLine() const { return 31 + MeaningLines(); }

  // Below the boxes: who called, the call and what it means.
  void ShowMeanings() {
    if (MeaningLines() == 0) return;
    SetFont(11, true);
    Put(L_ + charW_, Y(32), labels_.Text("LabelMeanings"));
    SetFont(11, false);
    const int callX = L_ + charW_ + Round(0.75 * dpiX_), meaningX = callX + Round(0.6 * dpiX_);
    Seat seat = d_.dealer & 3;
    for (size_t i = 0; i < d_.calls.size(); ++i) {
      const int y = Y(33 + static_cast<int>(i));
      Put(L_ + charW_, y, labels_.TranslatedSeatName(seat));
      Put(callX, y, CallMarkup(d_.calls[i]));
      if (i < d_.meanings.size()) Put(meaningX, y, d_.meanings[i]);
      seat = NextSeat(seat);
    }
  }

  void ShowStrata() {
    for (int s = 0; s < 3; ++s) {
      const int f = 10 * s + 1;
      const QString letter(QChar('A' + s));
      const QString title = letter + (d_.language == 0 ? " " : "-") + labels_.Text("LabelStrata");
      SetFont(11, true);
      Put((x_[2] + x_[3]) / 2, Y(f), title, kTitleGreen);
      SetFont(11, false);
      for (int c = 1; c <= 7; ++c) Put(x_[c - 1], Y(f + 1), Heading(c), kLabelBlue);
      if (!d_.strataKnown) continue;
      for (int r = 1; r <= 7; ++r) {
        const auto& cells = d_.strata[size_t(s)][size_t(r)];
        for (int c = 1; c <= 6; ++c) {
          PutRight(x_[c] - RightInset(c) * charW_, Y(f + 1 + r), cells[size_t(c)].trimmed());
        }
        if (cells[1] == "-") {
          p_.save();
          QPen pen(Qt::black);
          pen.setWidth(std::max(1, Round(dpiX_ / 300.0)));
          p_.setPen(pen);
          p_.setBrush(Qt::NoBrush);
          const int rowTop = Y(f + 1 + r);
          p_.drawRect(QRect(QPoint(P_ + Round(0.05 * dpiX_), rowTop),
                            QPoint(x_[7] - Round(0.15 * dpiX_), rowTop + lineH_ - 5)));
          p_.restore();
        }
      }
    }
  }

  QPainter& p_;
  const HandReportData& d_;
  const TReportLabels& labels_;
  int dpiX_ = 96, dpiY_ = 96;
  int top_ = 0, lineH_ = 0, charW_ = 0, L_ = 0, M_ = 0, mid_ = 0, right_ = 0, P_ = 0, gap_ = 0;
  int areaBottom_ = 0, strataRight_ = 0;
  std::array<int, 8> x_{};
};

}  // namespace

TReportLabels::TReportLabels(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HandReport");
  std::vector<WindowText> texts;
  for (const auto& [name, text] : kLabels) texts.push_back({name, text});
  lang_ = new TMultiLang(this, QStringLiteral("hand_report"), std::move(texts));
}

void TReportLabels::SetLanguage(int language) { lang_->SetActiveLanguage(language); }

QString TReportLabels::Text(const char* label) const { return lang_->Text(label); }

QString TReportLabels::TranslatedSeatName(Seat s) const {
  const char* names[4] = {"LabelN", "LabelE", "LabelS", "LabelW"};
  return Text(names[s & 3]);
}

QString TReportLabels::VulnerabilityText(Vulnerability v) const {
  const char* names[4] = {"LabelNone", "LabelNS", "LabelEW", "LabelBoth"};
  return Text(names[v & 3]);
}

QString ReportFontFamily() {
  static const QString family = [] {
    const QStringList families = QFontDatabase::families();
    if (families.contains("MS Sans Serif")) return QString("MS Sans Serif");
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return family;
}

void PrintReport(QPainter& painter, const HandReportData& data, const TReportLabels& labels) {
  ReportPage(painter, data, labels).Print();
}

}  // namespace quorval
