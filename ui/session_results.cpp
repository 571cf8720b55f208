#include "ui/session_results.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "core/board_key.h"
#include "data/options.h"
#include "scoring/session_results.h"
#include "ui/bridge_grid.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"
#include "ui/session_controls.h"

namespace quorval {
namespace {

constexpr int kWidth = 600;
constexpr int kGridHeight = 352;
constexpr int kButtonW = 118, kButtonH = 28;
const QColor kSelectedRow(204, 228, 247);

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(caption);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  b->setPopupMode(QToolButton::MenuButtonPopup);
  b->resize(kButtonW, kButtonH);
  // The arrow of the menu half is drawn in the window-text colour, which
  // the skin turns white on its dark panels: the button keeps the dark ink
  // of its own face for it.
  QPalette ink = b->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    ink.setColor(group, QPalette::WindowText, ink.color(group, QPalette::ButtonText));
  b->setPalette(ink);
  return b;
}

}  // namespace

TSessionResult::TSessionResult(QWidget* parent, const TBigIniFile& options, const std::string& player,
                               const std::string& event, const std::string& session, int mpScoringSys,
                               const QColor& gridColour)
    : QDialog(parent), options_(options), player_(player), mpScoringSys_(mpScoringSys), tableEvent_(event),
      tableSession_(session) {
  setObjectName("SessionResult");
  setWindowTitle("ORVENDAL QUORVAL 2005 - Session Results");
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  panel6_ = new QFrame(this);
  panel6_->setObjectName("Panel6");
  SetTag(panel6_, 1);   // the window's main panel takes the skin's colour 1

  grid_ = MakeResultsGrid(panel6_, kSessionListColumns, gridColour);
  grid_->setGeometry(8, 8, kWidth - 16, kGridHeight);
  grid_->viewport()->installEventFilter(this);
  grid_->SetOnGetCellFormat([this](TBridgeGrid*, int col, int row, int, TFormatOptions& f) {
    if (col == 0) f.AlignmentHorz = baCenter;
    f.Font.setBold(row <= 1 || col == 0);
    if (row == selectedRow_ && row >= 2) f.Brush = kSelectedRow;
  });

  eventRG_ = new QGroupBox("Scoring Method", panel6_);
  eventRG_->setObjectName("EventRG");
  eventRG_->setGeometry(8, kGridHeight + 16, 170, 52);
  eventRG_->setProperty("radioGroup", true);   // its items are translated in order
  const char* items[2] = {"IMP", "MP"};
  for (int i = 0; i < 2; ++i) {
    eventItems_[size_t(i)] = new QRadioButton(items[i], eventRG_);
    eventItems_[size_t(i)]->setGeometry(10 + i * 80, 22, 76, 20);
    connect(eventItems_[size_t(i)], &QRadioButton::clicked, this, [this, i] { EventRGClick(i); });
  }

  sesRG_ = new QGroupBox("Session", panel6_);
  sesRG_->setObjectName("SesRG");
  sesRG_->setGeometry(8, eventRG_->geometry().bottom() + 1 + 8, 322, 76);
  sessions_ = MakeSessionButtons(sesRG_, 22, [this](int n) { SessionClick(n); });

  const int buttonsTop = sesRG_->geometry().bottom() + 1 + 8;
  printBtn_ = MakeToolButton(panel6_, "PrintBtn", "Print");
  printBtn_->setMenu(PrintMenu("PrintMenu", &TSessionResult::PrintBtnClick));
  connect(printBtn_, &QToolButton::clicked, this, [this] { PrintBtnClick(PrintTarget::Printer); });
  printHandBtn_ = MakeToolButton(panel6_, "PrintHandBtn", "Print Hand");
  printHandBtn_->setToolTip("Print the hand report of the board selected in the list");
  printHandBtn_->setMenu(PrintMenu("PrintHandMenu", &TSessionResult::PrintHandClick));
  connect(printHandBtn_, &QToolButton::clicked, this, [this] { PrintHandClick(PrintTarget::Printer); });
  reviewBtn_ = new QPushButton("Review", panel6_);
  reviewBtn_->setObjectName("ReviewBtn");
  reviewBtn_->setToolTip("Review the play of the board selected in the list against double dummy");
  reviewBtn_->resize(kButtonW, kButtonH);
  connect(reviewBtn_, &QPushButton::clicked, this, [this] { ReviewClick(); });
  closeBtn_ = new QPushButton("Close", panel6_);
  closeBtn_->setObjectName("CloseBtn");
  closeBtn_->resize(kButtonW, kButtonH);
  connect(closeBtn_, &QPushButton::clicked, this, &QDialog::accept);
  for (QWidget* b : std::initializer_list<QWidget*>{printBtn_, printHandBtn_, reviewBtn_, closeBtn_}) b->move(0, buttonsTop);

  setFixedSize(kWidth, buttonsTop + kButtonH + 10);
  // The words of the list, from the window's word list.
  lang_ = new TMultiLang(this, QStringLiteral("session_results"),
                         {{"LabContract", "Contract"}, {"LabBy", "By"}, {"LabTricks", "Tricks"},
                          {"LabScore", "Score"}, {"LabTotals", "Totals"}, {"LabPct", "Pct"},
                          {"LabAveIMP", "Ave. IMPs/Bd"}, {"xpTabSheet1", "A Stratum"}, {"xpTabSheet2", "B Stratum"},
                          {"xpTabSheet3", "C Stratum"},
                          // The seats, whose initials stand for the declarer in the "By" column.
                          {"LabNorth", "North"}, {"LabEast", "East"}, {"LabSouth", "South"}, {"LabWest", "West"},
                          // Words the list carries that the window does not show.
                          {"LabHandsPlayed", "Hands Played"}, {"LabHighHand", "High Hand"},
                          {"LabLowHand", "Low Hand"}, {"LabMPs", "MPs"}, {"LabTotalHands", "Total Hands"}});
  FormShow();
}

void TSessionResult::SetLanguage(int language) {
  lang_->SetActiveLanguage(language);
  PageClick();
}

QMenu* TSessionResult::PrintMenu(const char* name, void (TSessionResult::*print)(PrintTarget)) {
  auto* menu = new QMenu(this);
  menu->setObjectName(name);
  QAction* preview = menu->addAction("Print Preview...");
  preview->setObjectName(QString(name) + "Preview");
  connect(preview, &QAction::triggered, this, [this, print] { (this->*print)(PrintTarget::Preview); });
  QAction* pdf = menu->addAction("Save as PDF...");
  pdf->setObjectName(QString(name) + "Pdf");
  connect(pdf, &QAction::triggered, this, [this, print] { (this->*print)(PrintTarget::Pdf); });
  return menu;
}

void TSessionResult::SetPrinters(std::function<void(PrintTarget)> printList,
                                 std::function<void(const std::string&, PrintTarget)> printHand) {
  printList_ = std::move(printList);
  printHand_ = std::move(printHand);
}

QString TSessionResult::Text(const char* label) const { return lang_->Text(label); }

QString TSessionResult::ScoringItemText() const {
  return eventItems_[0]->isChecked() ? eventItems_[0]->text() : eventItems_[1]->text();
}

void TSessionResult::FormShow() {
  const bool pairs = tableEvent_ == "Par";
  eventItems_[pairs ? 1 : 0]->setChecked(true);
  EventRGClick(pairs ? 1 : 0);
  SessionClick(SessionNumber(tableSession_, pairs));
  closeBtn_->setFocus();
}

void TSessionResult::EventRGClick(int item) {
  if (item < 0 || item > 1) return;
  eventItems_[size_t(item)]->setChecked(true);
  shownEvent_ = item == 0 ? "Imp" : "Par";
  shownSession_ = "01";
  ShowSessions(sessions_, item == 1, 1);
  PageClick();
}

void TSessionResult::SessionClick(int session) {
  if (session < 1 || session > 18 || !sessions_[size_t(session - 1)]->isEnabled()) return;
  sessions_[size_t(session - 1)]->setChecked(true);
  shownSession_ = SessionText(session);
  PageClick();
}

void TSessionResult::PageClick() {
  SessionListLabels labels;
  labels.contract = Text("LabContract").toStdString();
  labels.by = Text("LabBy").toStdString();
  labels.tricks = Text("LabTricks").toStdString();
  labels.score = Text("LabScore").toStdString();
  labels.totals = Text("LabTotals").toStdString();
  labels.pct = Text("LabPct").toStdString();
  labels.aveImp = Text("LabAveIMP").toStdString();
  for (int s = 0; s < 3; ++s) labels.strata[size_t(s)] = Text(qPrintable(QString("xpTabSheet%1").arg(s + 1))).toStdString();
  labels.scoringItem = ScoringItemText().toStdString();
  const char* const seats[4] = {"LabNorth", "LabEast", "LabSouth", "LabWest"};
  for (int s = 0; s < 4; ++s) labels.seatNames[size_t(s)] = Text(seats[s]).toStdString();
  const bool imps = eventItems_[0]->isChecked();
  rows_ = BuildSessionList(ReadSessionResults(options_, player_, shownEvent_, shownSession_), imps, mpScoringSys_,
                           labels);

  grid_->ClearCells();
  grid_->SetRowCount(std::max<int>(2, int(rows_.size())));
  for (size_t r = 0; r < rows_.size(); ++r)
    for (int c = 0; c < kSessionListColumns; ++c)
      grid_->SetCell(c, int(r), QString::fromStdString(rows_[r].cells[size_t(c)]));
  totalsRow_ = int(rows_.size()) - 2;
  grid_->verticalScrollBar()->setValue(0);
  SelectRow(-1);
  grid_->AutoSizeColumns();
}

int TSessionResult::SelectedBoard() const {
  return selectedRow_ >= 0 && selectedRow_ < int(rows_.size()) ? rows_[size_t(selectedRow_)].board : 0;
}

void TSessionResult::SelectRow(int row) {
  selectedRow_ = row >= 0 && row < int(rows_.size()) && rows_[size_t(row)].board > 0 ? row : -1;
  printHandBtn_->setEnabled(SelectedBoard() > 0);
  reviewBtn_->setEnabled(SelectedBoard() > 0);
  grid_->viewport()->update();
}

void TSessionResult::PrintBtnClick(PrintTarget target) {
  if (printList_) printList_(target);
}

void TSessionResult::PrintHandClick(PrintTarget target) {
  const int board = SelectedBoard();
  if (board > 0 && printHand_) printHand_(BoardKey{shownEvent_, shownSession_, board}.Text(), target);
}

void TSessionResult::ReviewClick() {
  const int board = SelectedBoard();
  if (board > 0 && review_) review_(BoardKey{shownEvent_, shownSession_, board}.Text());
}

void TSessionResult::Panel6Resize() {
  panel6_->setGeometry(rect());
  grid_->AutoSizeColumns();
  // The four buttons spread evenly over the width.
  const int gap = (panel6_->width() - 4 * kButtonW) / 5;
  int x = gap;
  for (QWidget* b : std::initializer_list<QWidget*>{printBtn_, printHandBtn_, reviewBtn_, closeBtn_}) {
    b->move(x, b->y());
    x += kButtonW + gap;
  }
}

void TSessionResult::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Panel6Resize();
}

void TSessionResult::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Panel6Resize();
}

// A click on a board's row selects it; a double click prints its hand.
bool TSessionResult::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int stride = grid_->DefaultRowHeight() + (grid_->HorzLines() ? grid_->GridLineWidth() : 0);
    int row = int(mouse->position().y()) / stride;
    if (row >= grid_->FixedRows()) row += grid_->verticalScrollBar()->value();
    SelectRow(row);
    if (event->type() == QEvent::MouseButtonDblClick && SelectedBoard() > 0) PrintHandClick(PrintTarget::Preview);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quorval
