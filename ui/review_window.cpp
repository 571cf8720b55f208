#include "ui/review_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <algorithm>

#include "ui/bridge_grid.h"
#include "ui/colour_ref.h"
#include "ui/multi_lang.h"
#include "ui/review_view.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

constexpr int kWidth = 980, kHeight = 740;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The words of the summary, each a row of the window's word list.
struct WordLabel {
  const char* name;
  std::string review::ReviewWords::*member;
};
const WordLabel kWordLabels[] = {
    {"LabCardName", &review::ReviewWords::cardName},       {"LabRanksOnly", &review::ReviewWords::ranksOnly},
    {"LabOr", &review::ReviewWords::orWord},               {"LabTricksSame", &review::ReviewWords::tricksSame},
    {"LabTricksFewer", &review::ReviewWords::tricksFewer}, {"LabTricksMore", &review::ReviewWords::tricksMore},
    {"LabYourCostly", &review::ReviewWords::yourCostly},   {"LabYourNone", &review::ReviewWords::yourNone},
    {"LabOtherCostly", &review::ReviewWords::otherCostly}, {"LabTrickYou", &review::ReviewWords::trickYou},
    {"LabTrickSeat", &review::ReviewWords::trickSeat},     {"LabCostOne", &review::ReviewWords::costOne},
    {"LabCostMany", &review::ReviewWords::costMany},       {"LabLeadNothing", &review::ReviewWords::leadNothing},
    {"LabLeadOne", &review::ReviewWords::leadOne},         {"LabLeadMany", &review::ReviewWords::leadMany},
    {"LabContractScore", &review::ReviewWords::contractScore},
    {"LabPassedOut", &review::ReviewWords::passedOut},     {"LabPar", &review::ReviewWords::par},
    {"LabParPass", &review::ReviewWords::parPass},         {"LabByWord", &review::ReviewWords::byWord},
    {"LabAtPar", &review::ReviewWords::atPar},             {"LabAbovePar", &review::ReviewWords::abovePar},
    {"LabBelowPar", &review::ReviewWords::belowPar},       {"LabFieldSame", &review::ReviewWords::fieldSame},
    {"LabFieldContracts", &review::ReviewWords::fieldContracts},
    {"LabFieldItem", &review::ReviewWords::fieldItem},     {"LabFieldSide", &review::ReviewWords::fieldSide},
    {"LabFieldPassed", &review::ReviewWords::fieldPassed},
    {"LabFieldBeat", &review::ReviewWords::fieldBeat},     {"LabPlayStops", &review::ReviewWords::playStops},
    {"LabNotAvailable", &review::ReviewWords::notAvailable},
    {"LabNotAnalysed", &review::ReviewWords::notAnalysed},
    {"LabClaim", &review::ReviewWords::claim},             {"LabClaimDd", &review::ReviewWords::claimDd},
};
const char* const kSuitLabels[4] = {"LabClubs", "LabDiamonds", "LabHearts", "LabSpades"};
const char* const kHonourLabels[4] = {"LabJack", "LabQueen", "LabKing", "LabAce"};
const char* const kSeatLabels[4] = {"LabNorth", "LabEast", "LabSouth", "LabWest"};
const char* const kSideLabels[2] = {"LabNorthSouth", "LabEastWest"};
const char* const kVulLabels[4] = {"LabVulNone", "LabVulNS", "LabVulEW", "LabVulBoth"};

// The rows and columns of the makeable-contracts table.
const Seat kTableSeats[4] = {North, South, East, West};
const tAllTrump kTableStrains[5] = {NT, Spade, Heart, Diamond, Club};

// The window's own words, not part of the summary.
const std::pair<const char*, const char*> kWindowLabels[] = {
    {"LabHeader", "Board %1     Dealer %2     Vulnerable %3"},
    {"LabContractLine", "%1 by %2: %3 tricks, %4 for North-South"},
    {"LabParShort", "Par %1: %2"},
    {"LabTrick", "Trick"},
    {"LabDeclarerMark", "declarer"},
    {"LabDummyMark", "dummy"},
    {"LabAnalysing", "Analysing the play... %1%"},
    {"LabAnalysisDone", "Analysis complete"},
    {"LabCostNothing", "%1 cost nothing."},
    {"LabPending", "%1: the solver is still at work."},
    {"LabBeforeLead", "Before the opening lead: %1 is on lead."},
    {"LabVulNone", "None"},
    {"LabVulNS", "N-S"},
    {"LabVulEW", "E-W"},
    {"LabVulBoth", "Both"},
};

QPushButton* StepButton(QWidget* parent, const char* name, const QString& caption, const QString& hint, int x, int y) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setGeometry(x, y, 84, 28);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

// The words the window composes its texts from, rows of its word list.
std::vector<WindowText> ReviewTexts() {
  const review::ReviewWords english;
  std::vector<WindowText> texts;
  auto add = [&texts](const char* name, const std::string& text) { texts.push_back({name, Q(text)}); };
  for (const WordLabel& w : kWordLabels) add(w.name, english.*(w.member));
  for (int i = 0; i < 4; ++i) {
    add(kSuitLabels[i], english.suits[size_t(i)]);
    add(kHonourLabels[i], english.honours[size_t(i)]);
    add(kSeatLabels[i], english.seats[size_t(i)]);
  }
  for (int i = 0; i < 2; ++i) add(kSideLabels[i], english.sides[size_t(i)]);
  for (const auto& [name, text] : kWindowLabels) add(name, text);
  return texts;
}

}  // namespace

QString SymbolHtml(const QString& text) {
  QString html;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == '~' && i + 1 < text.size() && QString("CDHSN").contains(text[i + 1])) {
      const QChar letter = text[++i];
      const QColor ink = FromColourRef(MarkupColour(char(letter.toLatin1())));
      html += QString("<span style=\"color:%1\">%2</span>").arg(ink.name(), StrainGlyph(letter, SymbolLanguage()).toHtmlEscaped());
    } else if (c == '\n') {
      html += "<br>";
    } else {
      html += QString(c).toHtmlEscaped();
    }
  }
  return html;
}

TReviewForm::TReviewForm(QWidget* parent, review::BoardReview review, review::ReviewSolvers solvers)
    : QDialog(parent), review_(std::move(review)) {
  setObjectName("ReviewForm");
  setWindowTitle("ORVENDAL QUORVAL 2005 - Review");
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(kWidth, kHeight);
  BuildWindow();
  lang_ = new TMultiLang(this, QStringLiteral("review"), ReviewTexts());
  Relabel();
  StartAnalysis(std::move(solvers));
}

TReviewForm::~TReviewForm() { StopAnalysis(); }

void TReviewForm::BuildWindow() {
  header_ = new TBridgeLab(this);
  header_->setObjectName("HeaderLab");
  header_->setGeometry(12, 8, 470, 20);
  contractLab_ = new TBridgeLab(this);
  contractLab_->setObjectName("ContractLab");
  contractLab_->setGeometry(12, 30, 470, 20);

  deal_ = new TReviewDeal(this);
  deal_->setObjectName("ReviewDeal");
  deal_->setGeometry(8, 54, 480, 360);
  deal_->SetReview(&review_);

  detail_ = new QLabel(this);
  detail_->setObjectName("DetailLab");
  detail_->setGeometry(12, 418, 470, 40);
  detail_->setWordWrap(true);
  detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  const int y = 462;
  steps_[0] = StepButton(this, "FirstBtn", "Start", "The deal before the opening lead (Home)", 12, y);
  steps_[1] = StepButton(this, "BackBtn", "Back", "One card back (Left arrow)", 104, y);
  steps_[2] = StepButton(this, "ForwardBtn", "Forward", "One card on (Right arrow)", 196, y);
  steps_[3] = StepButton(this, "LastBtn", "End", "The whole play (End)", 288, y);
  connect(steps_[0], &QPushButton::clicked, this, [this] { FirstClick(); });
  connect(steps_[1], &QPushButton::clicked, this, [this] { BackClick(); });
  connect(steps_[2], &QPushButton::clicked, this, [this] { ForwardClick(); });
  connect(steps_[3], &QPushButton::clicked, this, [this] { LastClick(); });

  progress_ = new QProgressBar(this);
  progress_->setObjectName("AnalysisBar");
  progress_->setGeometry(500, 478, 468, 20);
  progress_->setRange(0, static_cast<int>(review_.cards.size()) + 1);
  progress_->setTextVisible(true);

  auto* legend = new QLabel(
      "Marks: the tricks each card cost its side double dummy (0 it kept them, -1, -2 ... it cost, ? not "
      "known). Next to play: best cards green, the card played underlined.",
      this);
  legend->setObjectName("LegendLab");
  legend->setGeometry(500, 500, 468, 30);
  QFont small = legend->font();
  small.setPointSize(8);
  legend->setFont(small);
  legend->setWordWrap(true);
  legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  close_ = new QPushButton("Close", this);
  close_->setObjectName("CloseBtn");
  close_->setGeometry(396, y, 84, 28);
  close_->setFocusPolicy(Qt::NoFocus);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  // "Play from here": the window closes with the cards before the card
  // shown last chosen; the table lays the board out with them played.
  playFrom_ = new QPushButton("Play from here", this);
  playFrom_->setObjectName("PlayFromHere");
  playFrom_->setToolTip("Play the board on from just before the card shown last");
  playFrom_->setGeometry(12, 496, 176, 28);
  playFrom_->setFocusPolicy(Qt::NoFocus);
  playFrom_->hide();
  connect(playFrom_, &QPushButton::clicked, this, [this] { PlayFromHereClick(); });

  makeableGroup_ = new QGroupBox("Makeable contracts", this);
  makeableGroup_->setObjectName("MakeableGroup");
  makeableGroup_->setGeometry(500, 8, 468, 156);
  makeable_ = new TBridgeGrid(makeableGroup_);
  makeable_->setObjectName("MakeableGrid");
  makeable_->setGeometry(10, 20, 448, 112);
  makeable_->SetColCount(6);
  makeable_->SetRowCount(5);
  makeable_->SetFixedCols(1);
  makeable_->SetFixedRows(1);
  makeable_->SetDefaultRowHeight(21);
  makeable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  makeable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  makeable_->setFocusPolicy(Qt::NoFocus);
  for (int c = 0; c < 6; ++c) makeable_->SetColWidth(c, c == 0 ? 98 : 69);
  makeable_->SetOnGetCellFormat([this](TBridgeGrid*, int col, int row, int, TFormatOptions& f) {
    f.AlignmentHorz = col == 0 ? baLeftJustify : baCenter;
    // In the middle of the row: at its top the grid line covers the dots of a Swedish "Öst".
    f.AlignmentVert = baMiddle;
    // Figures of seven tricks or more make a contract: they stand out.
    if (row > 0 && col > 0 && review_.tableKnown) {
      const int tricks = review_.table.at(kTableStrains[col - 1], kTableSeats[row - 1]);
      f.Font.setBold(tricks >= 7);
      f.FontColor = tricks >= 7 ? QColor(Qt::black) : QColor(150, 150, 150);
    }
  });
  parLab_ = new TBridgeLab(makeableGroup_);
  parLab_->setObjectName("ParLab");
  parLab_->setGeometry(10, 132, 448, 22);

  playGroup_ = new QGroupBox("The play", this);
  playGroup_->setObjectName("PlayGroup");
  playGroup_->setGeometry(500, 168, 468, 304);
  tricks_ = new TReviewTricks(playGroup_);
  tricks_->setObjectName("ReviewTricks");
  tricks_->setGeometry(8, 20, 452, 280);
  tricks_->SetReview(&review_);
  connect(tricks_, &TReviewTricks::CardClicked, this, [this](int index) { StepTo(index + 1); });

  summaryGroup_ = new QGroupBox("Summary", this);
  summaryGroup_->setObjectName("SummaryGroup");
  summaryGroup_->setGeometry(8, 534, kWidth - 16, kHeight - 542);
  summary_ = new QTextBrowser(summaryGroup_);
  summary_->setObjectName("SummaryText");
  summary_->setGeometry(8, 20, kWidth - 32, kHeight - 542 - 28);
  summary_->setFocusPolicy(Qt::NoFocus);
  summary_->setOpenLinks(false);
  meaningsBox_ = new QCheckBox("Auction with meanings", summaryGroup_);
  meaningsBox_->setObjectName("AuctionMeanings");
  meaningsBox_->setGeometry(kWidth - 16 - 260, 0, 250, 20);
  meaningsBox_->setFocusPolicy(Qt::NoFocus);
  meaningsBox_->hide();
  connect(meaningsBox_, &QCheckBox::toggled, this, [this] { ShowSummary(); });

}

QString TReviewForm::Label(const char* name) const { return lang_->Text(name); }

review::ReviewWords TReviewForm::Words() const {
  review::ReviewWords words;
  for (const WordLabel& w : kWordLabels) words.*(w.member) = S(Label(w.name));
  for (int i = 0; i < 4; ++i) {
    words.suits[size_t(i)] = S(Label(kSuitLabels[i]));
    words.honours[size_t(i)] = S(Label(kHonourLabels[i]));
    words.seats[size_t(i)] = S(Label(kSeatLabels[i]));
  }
  for (int i = 0; i < 2; ++i) words.sides[size_t(i)] = S(Label(kSideLabels[i]));
  return words;
}

void TReviewForm::Relabel() {
  const review::ReviewWords words = Words();
  std::array<QString, 4> seats, letters;
  for (Seat s = North; s <= West; ++s) {
    seats[size_t(s)] = Q(words.seats[size_t(s)]);
    letters[size_t(s)] = seats[size_t(s)].left(1);
  }
  deal_->SetSeatWords(seats, Label("LabDeclarerMark"), Label("LabDummyMark"));
  tricks_->SetHeadings(Label("LabTrick"), letters);

  header_->SetCaption(Q(review::FillIn(S(Label("LabHeader")), {review_.key, words.seats[size_t(review_.dealer & 3)],
                                                                   S(Label(kVulLabels[review_.vul & 3]))})));
  const review::BoardReview& r = review_;
  if (r.contract.PassedOut()) {
    contractLab_->SetCaption(Q(words.passedOut));
  } else {
    std::string contract = std::to_string(r.contract.level()) + "~" + StrainLetter(r.contract.strain());
    for (int i = 0; i < r.contract.DoubledCount; ++i) contract += 'X';
    contractLab_->SetCaption(Q(review::FillIn(S(Label("LabContractLine")),
                                              {contract, words.seats[size_t(r.contract.declarer)],
                                               std::to_string(r.DeclarerTricks()),
                                               r.scoreKnown ? review::SignedScore(r.scoreNS) : std::string("?")})));
  }
  // The makeable table's headings: strains across, declarers down.
  const char* strains[5] = {"~N", "~S", "~H", "~D", "~C"};
  for (int c = 0; c < 5; ++c) makeable_->SetCell(c + 1, 0, strains[c]);
  const Seat rows[4] = {North, South, East, West};
  for (int i = 0; i < 4; ++i) makeable_->SetCell(0, i + 1, seats[size_t(rows[i])]);
  ShowTable();
  ShowStep();
  ShowSummary();
  ShowProgress();
}

void TReviewForm::SetLanguage(int language) {
  if (lang_->SetActiveLanguage(language)) Relabel();
}

// ------------------------------------------------------------- the solver

void TReviewForm::StartAnalysis(review::ReviewSolvers solvers) {
  const review::BoardReview board = review_;
  worker_ = std::thread([this, board, solvers] {
    review::BoardReview solved = board;
    review::SolveDeal(solved, solvers.table);
    QMetaObject::invokeMethod(this, [this, solved] { TableReady(solved); }, Qt::QueuedConnection);
    if (cancel_.load()) return;
    review::ReviewPlay(
        board.Play(),
        [this](const review::CardReview& card) {
          QMetaObject::invokeMethod(this, [this, card] { CardReady(card); }, Qt::QueuedConnection);
        },
        &cancel_, solvers.card);
    // What best play gave declarer's side of the tricks a claim settled.
    if (board.claimSide != 0 && !cancel_.load()) {
      review::BoardReview claimed = board;
      review::SolveClaim(claimed);
      const int dd = claimed.claimDdDeclarerTricks;
      QMetaObject::invokeMethod(
          this, [this, dd] {
            review_.claimDdDeclarerTricks = dd;
            ShowSummary();
          },
          Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(this, [this] { AnalysisFinished(); }, Qt::QueuedConnection);
  });
}

void TReviewForm::StopAnalysis() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

void TReviewForm::WaitForAnalysis() {
  if (worker_.joinable()) worker_.join();
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TReviewForm::TableReady(const review::BoardReview& solvedDeal) {
  review_.tableDone = true;
  review_.tableKnown = solvedDeal.tableKnown;
  review_.table = solvedDeal.table;
  review_.tableError = solvedDeal.tableError;
  review_.par = solvedDeal.par;
  ShowTable();
  ShowSummary();
  ShowProgress();
}

void TReviewForm::CardReady(const review::CardReview& card) {
  if (card.index < 0 || card.index >= static_cast<int>(review_.cardReviews.size())) return;
  review_.cardReviews[size_t(card.index)] = card;
  deal_->update();
  tricks_->update();
  if (card.index == step_ - 1 || card.index == step_) ShowStep();
  ShowSummary();
  ShowProgress();
}

void TReviewForm::AnalysisFinished() {
  analysisDone_ = true;
  if (worker_.joinable()) worker_.join();
  ShowProgress();
}

// ------------------------------------------------------------- the views

void TReviewForm::ShowTable() {
  for (int i = 0; i < 4; ++i)
    for (int c = 0; c < 5; ++c)
      makeable_->SetCell(c + 1, i + 1,
                         review_.tableKnown ? QString::number(review_.table.at(kTableStrains[c], kTableSeats[i])) : QString());
  const review::ReviewWords words = Words();
  if (!review_.tableDone) {
    parLab_->SetCaption({});
  } else if (!review_.tableKnown || !review_.par.known) {
    parLab_->SetCaption(Q(review::FillIn(S(Label("LabParShort")), {"", words.notAvailable})));
  } else {
    const std::string contracts =
        review_.par.contracts.empty() ? words.fieldPassed : review::ParContractsWords(review_.par, words);
    parLab_->SetCaption(Q(review::FillIn(S(Label("LabParShort")), {review::SignedScore(review_.par.scoreNS), contracts})));
  }
}

QString TReviewForm::DetailText() const { return detail_->text(); }

QString TReviewForm::SummaryText() const { return summary_->toPlainText(); }

void TReviewForm::ShowStep() {
  const int count = static_cast<int>(review_.cards.size());
  step_ = std::clamp(step_, 0, count);
  deal_->SetStep(step_);
  tricks_->SetStep(step_);
  steps_[0]->setEnabled(step_ > 0);
  steps_[1]->setEnabled(step_ > 0);
  steps_[2]->setEnabled(step_ < count);
  steps_[3]->setEnabled(step_ < count);

  const review::ReviewWords words = Words();
  if (step_ == 0) {
    const Seat leader = review_.contract.PassedOut() ? review_.dealer : NextSeat(review_.contract.declarer);
    detail_->setText(count == 0 ? QString() : Q(review::FillIn(S(Label("LabBeforeLead")), {words.seats[size_t(leader)]})));
    return;
  }
  const auto& card = review_.cardReviews[size_t(step_ - 1)];
  if (card && card->analysed && card->cost > 0) {
    detail_->setText(Q(review::CostlyCardLine(review_, *card, words)));
    return;
  }
  // The card as it was played, before the solver has said anything of it.
  review::CardReview shown = card.value_or(review::CardReview{});
  if (!card) {
    shown.index = step_ - 1;
    shown.trick = (step_ - 1) / 4 + 1;
    shown.card = review_.cards[size_t(step_ - 1)];
    shown.seat = ReviewCardPlaces(review_)[size_t(step_ - 1)].seat;
  }
  const std::string prefix =
      review_.UserPlayed(shown) ? review::FillIn(words.trickYou, {std::to_string(shown.trick)})
                                : review::FillIn(words.trickSeat, {std::to_string(shown.trick), words.seats[size_t(shown.seat)]});
  const std::string what = review::CardWords(shown.card, words);
  std::string text;
  if (!card) text = review::FillIn(S(Label("LabPending")), {what});
  else if (!card->analysed) text = what + ": " + words.notAvailable;
  else text = review::FillIn(S(Label("LabCostNothing")), {what});
  detail_->setText(Q(prefix + " " + text));
}

void TReviewForm::ShowSummary() {
  QString html;
  for (const std::string& paragraph : review::SummaryParagraphs(review_, Words()))
    html += "<p style=\"margin-top:0; margin-bottom:3px\">" + SymbolHtml(Q(paragraph)) + "</p>";
  if (meaningsBox_->isChecked()) {
    html += "<p style=\"margin-top:6px; margin-bottom:3px\"><b>" + meaningsBox_->text().remove('&').toHtmlEscaped() +
            "</b></p><table cellspacing=\"0\" cellpadding=\"1\">";
    for (const AuctionLine& line : auction_)
      html += "<tr><td>" + line.seat.toHtmlEscaped() + "&nbsp;&nbsp;</td><td>" + SymbolHtml(line.call) +
              "&nbsp;&nbsp;</td><td>" + line.meaning.toHtmlEscaped() + "</td></tr>";
    html += "</table>";
  }
  // The reader's place in the summary stays where it was as answers come in.
  const int scroll = summary_->verticalScrollBar()->value();
  summary_->setHtml(html);
  summary_->verticalScrollBar()->setValue(scroll);
}

void TReviewForm::SetAuction(std::vector<AuctionLine> lines) {
  auction_ = std::move(lines);
  meaningsBox_->setVisible(
      std::any_of(auction_.begin(), auction_.end(), [](const AuctionLine& l) { return !l.meaning.isEmpty(); }));
  ShowSummary();
}

void TReviewForm::ShowProgress() {
  const int done = review_.CardsReviewed() + (review_.tableDone ? 1 : 0);
  progress_->setValue(done);
  const int total = progress_->maximum();
  const int percent = total > 0 ? done * 100 / total : 100;
  if (done >= total) progress_->setFormat(Label("LabAnalysisDone"));
  else progress_->setFormat(Q(review::FillIn(S(Label("LabAnalysing")), {std::to_string(percent)})));
}

// ------------------------------------------------------------- stepping

void TReviewForm::StepTo(int cardsPlayed) {
  step_ = std::clamp(cardsPlayed, 0, static_cast<int>(review_.cards.size()));
  ShowStep();
}

void TReviewForm::FirstClick() { StepTo(0); }
void TReviewForm::BackClick() { StepTo(step_ - 1); }
void TReviewForm::ForwardClick() { StepTo(step_ + 1); }
void TReviewForm::LastClick() { StepTo(static_cast<int>(review_.cards.size())); }
void TReviewForm::TrickBack() { StepTo(step_ <= 0 ? 0 : (step_ - 1) / 4 * 4); }
void TReviewForm::TrickForward() { StepTo((step_ / 4 + 1) * 4); }

// The symbol labels draw on the ground of what they lie on, in the skin
// the window was given.
void TReviewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (TBridgeLab* lab : {header_, contractLab_, parLab_})
    lab->SetColor(lab->parentWidget()->palette().color(QPalette::Window));
}

void TReviewForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Right: ForwardClick(); return;
    case Qt::Key_Left: BackClick(); return;
    case Qt::Key_Down:
    case Qt::Key_PageDown: TrickForward(); return;
    case Qt::Key_Up:
    case Qt::Key_PageUp: TrickBack(); return;
    case Qt::Key_Home: FirstClick(); return;
    case Qt::Key_End: LastClick(); return;
    default: QDialog::keyPressEvent(event);
  }
}

void TReviewForm::OfferPlayFromHere(bool offer) {
  playFrom_->setVisible(offer && !review_.contract.PassedOut() && !review_.cards.empty());
}

void TReviewForm::PlayFromHereClick() {
  if (!playFrom_->isVisible()) return;
  playFromCards_ = std::max(0, std::min(step_, static_cast<int>(review_.cards.size())) - 1);
  accept();
}

}  // namespace quorval
