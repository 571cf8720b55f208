#include "table/table_panels.h"

#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "game/auction_driver.h"
#include "scoring/field_comparison.h"
#include "table/bidding_box.h"
#include "table/board_picture.h"
#include "table/desktop.h"
#include "table/table_learner.h"
#include "ui/bridge_grid.h"
#include "ui/card_control.h"
#include "ui/hands_view.h"
#include "ui/meaning_tip.h"
#include "ui/scaled_layout.h"
#include "ui/skin.h"
#include "ui/symbol_text.h"

namespace quorval {
namespace {

const QColor kCloth(0, 110, 50);   // the green of the table

template <class Panel = QFrame>
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry, bool raised = true) {
  auto* panel = new Panel(parent);
  panel->setObjectName(name);
  panel->setGeometry(geometry);
  if (raised) panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return panel;
}

QPushButton* AddButton(TDeskTop& window, QWidget* panel, const QString& name, const QString& caption,
                       const QRect& geometry, void (TDeskTop::*handler)()) {
  auto* b = new QPushButton(caption, panel);
  b->setObjectName(name);
  b->setGeometry(geometry);
  QObject::connect(b, &QPushButton::clicked, &window, [&window, handler] { (window.*handler)(); });
  return b;
}

}  // namespace

TablePanels::TablePanels(TDeskTop& window, std::array<THands, 4>& hands) {
  desk = new QWidget(&window);
  desk->setObjectName("Desk");
  window.setCentralWidget(desk);

  // Board information panel with the duplicate board picture.
  dupBd = MakePanel(desk, "DupBd", QRect(0, 2, 160, 102));
  dup = new TBoardPicture(dupBd);
  dup->setObjectName("Dup");
  dup->setGeometry(5, 2, 38, 67);
  dup->setToolTip("Duplicate Board");
  auto* l1 = new QLabel("Board", dupBd);
  l1->setObjectName("DupBdLabel1");
  l1->move(47, 11);
  l1->installEventFilter(&window);
  auto* l2 = new QLabel("Dealer", dupBd);
  l2->setObjectName("DupBdLabel2");
  l2->move(47, 28);
  auto* l3 = new QLabel("Vulnerable", dupBd);
  l3->setObjectName("DupBdLabel3");
  l3->move(45, 46);
  bidSysLabel = new QLabel(dupBd);
  bidSysLabel->setObjectName("BidSysLabel");
  bidSysLabel->setGeometry(7, 67, 150, 16);
  sessionLab = new QLabel(dupBd);
  sessionLab->setObjectName("SessionLab");
  sessionLab->setGeometry(7, 83, 150, 16);

  table = MakePanel(desk, "Table", QRect(176, 104, 241, 203));
  table->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  table->setLineWidth(3);
  table->installEventFilter(&window);
  const char* handNames[4] = {"HandNorth", "HandEast", "HandSouth", "HandWest"};
  for (int s = 0; s < 4; ++s) {
    handPanels[s] = new QWidget(desk);
    handPanels[s]->setObjectName(handNames[s]);
  }
  tricksWL = new QWidget(desk);
  tricksWL->setObjectName("TricksWL");
  // Whose turn in the play, marked as the auction marks the seat to call.
  turnMark = new QLabel(table);
  turnMark->setObjectName("TurnMark");
  turnMark->setStyleSheet("background: yellow; color: black; padding: 0px 3px;");
  turnMark->hide();

  // Contract and trick counts.
  playPanel = MakePanel(desk, "PlayPanel", QRect(0, 0, 248, 65));
  const char* playLabels[3][2] = {{"LabelContract", "Contract"}, {"PlayPanelNS", "N-S tricks"},
                                  {"PlayPanelEW", "E-W tricks"}};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(playLabels[i][1], playPanel);
    label->setObjectName(playLabels[i][0]);
    label->setGeometry(6, 2 + 20 * i, 66, 16);
  }
  contractImg = new QLabel(playPanel);
  contractImg->setObjectName("ContractImg");
  contractImg->setGeometry(74, 2, 170, 18);
  nsTricks = new QLabel("0", playPanel);
  nsTricks->setObjectName("PlayPanelNSTrks");
  nsTricks->setGeometry(75, 22, 20, 16);
  ewTricks = new QLabel("0", playPanel);
  ewTricks->setObjectName("PlayPanelEWTrks");
  ewTricks->setGeometry(75, 42, 20, 16);
  playPanel->hide();

  // South's high-card points under the seat's name.
  hcpPanel = MakePanel(desk, "HCPPanel", QRect(4, 312, 74, 40));
  auto* hcpSeat = new QLabel("South", hcpPanel);
  hcpSeat->setObjectName("SouthHCPLabel");
  hcpSeat->setGeometry(2, 3, 70, 15);
  hcpSeat->setAlignment(Qt::AlignCenter);
  hcpText = new QLabel(hcpPanel);
  hcpText->setObjectName("SHCP");
  hcpText->setGeometry(2, 19, 70, 17);
  hcpText->setAlignment(Qt::AlignCenter);
  QFont bold = hcpText->font();
  bold.setBold(true);
  hcpText->setFont(bold);
  hcpPanel->hide();

  // Bidding review over the table: seat headings and four equal columns.
  reviewPanel = MakePanel(desk, "BidReviewPanel", QRect(176, 104, 241, 203));
  const char* headNames[4] = {"BPWest", "BPNorth", "BPEast", "BPSouth"};
  for (int c = 0; c < 4; ++c) {
    seatHeadings[c] = new QLabel(reviewPanel);
    seatHeadings[c]->setObjectName(headNames[c]);
    seatHeadings[c]->setAlignment(Qt::AlignCenter);
    seatHeadings[c]->setGeometry(4 + c * 58, 4, 58, 18);
  }
  bidReview = new TBridgeGrid(reviewPanel);
  bidReview->setObjectName("BidReview");
  bidReview->setGeometry(4, 24, 233, 150);
  bidReview->SetColCount(4);
  bidReview->SetRowCount(3);
  bidReview->SetFixedCols(0);
  bidReview->SetFixedRows(0);
  bidReview->SetGridLines(false, false);
  bidReview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  bidReview->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (int c = 0; c < 4; ++c) bidReview->SetColWidth(c, 58);
  closeReview = new QPushButton("Clear Bidding Review", reviewPanel);
  closeReview->setObjectName("CloseBidReview");
  closeReview->setGeometry(40, 176, 160, 24);
  QObject::connect(closeReview, &QPushButton::clicked, &window, [&window] { window.CloseBidReviewClick(); });
  closeReview->hide();
  reviewPanel->hide();

  bidBox = new TBidBoxEuro(desk);
  bidBox->setObjectName("BidBox");
  QObject::connect(bidBox, &TBidBoxEuro::OnClick, &window, [&window](const QString& code) { window.BidButClick(code); });
  bidBox->hide();
  hintMeanings = new TMeaningList(desk);
  hintMeanings->hide();

  endOfBidding = MakePanel<TGradientPanel>(desk, "EndOfBidding", QRect(0, 0, 189, 104));
  AddButton(window, endOfBidding, "EOBStart", "Start Play", QRect(8, 6, 84, 28), &TDeskTop::EOBStartClick);
  AddButton(window, endOfBidding, "SkipBtn", "Skip Play", QRect(97, 6, 84, 28), &TDeskTop::SkipBtnClick)
      ->setToolTip("Accept a standard play result for this hand");
  AddButton(window, endOfBidding, "EOBNewHand", "Next Hand", QRect(8, 40, 84, 28), &TDeskTop::NewHandClick);
  AddButton(window, endOfBidding, "EOBRebid", "Rebid", QRect(97, 40, 84, 28), &TDeskTop::RebidHandClick);
  endOfBidding->hide();

  endofScoring = MakePanel<TGradientPanel>(desk, "EndofScoring", QRect(0, 0, 189, 104));
  AddButton(window, endofScoring, "EOSNewHand", "Play Next Hand", QRect(8, 6, 108, 28), &TDeskTop::NewHandClick);
  AddButton(window, endofScoring, "ReviewHand", "Review", QRect(120, 6, 61, 28), &TDeskTop::ReviewHandClick)
      ->setToolTip("Where did the tricks go? Every card of the board against double dummy");
  AddButton(window, endofScoring, "ButReplayHand", "Replay This Hand", QRect(8, 38, 173, 28),
            &TDeskTop::EOSReplayClick);
  AddButton(window, endofScoring, "RebidHand2", "Rebid This Hand", QRect(8, 70, 173, 28), &TDeskTop::RebidHandClick);

  playPad = MakePanel<TGradientPanel>(desk, "ThePlayPad", QRect(0, 0, 189, 104));
  AddButton(window, playPad, "ButClearTable", "Clear Table", QRect(8, 6, 84, 28), &TDeskTop::ClearPlay);
  AddButton(window, playPad, "TPPFast", "Finish Play", QRect(97, 6, 84, 28), &TDeskTop::TPPClaimClick)
      ->setToolTip("Have the program play all 4 hands for you");
  AddButton(window, playPad, "ButHint", "Hint", QRect(8, 40, 84, 28), &TDeskTop::ButHintClick);
  AddButton(window, playPad, "ButPlayHint", "Play Hint", QRect(8, 40, 84, 28), &TDeskTop::ButPlayHintClick)->hide();
  AddButton(window, playPad, "TPPBackup", "Take Back", QRect(97, 40, 84, 28), &TDeskTop::TPPBackupClick)
      ->setToolTip("Take back the last card; with Shift, back to your own last card");
  // In Hint's place while a computer seat waits after a take back; the pad's
  // third row stays free.
  AddButton(window, playPad, "ButContinue", "Continue", QRect(8, 40, 84, 28), &TDeskTop::ContinueClick)->hide();
  auto* claim = new QPushButton("Claim...", playPad);
  claim->setObjectName("TPPClaim");
  claim->setGeometry(QRect(97, 72, 84, 28));
  QObject::connect(claim, &QPushButton::clicked, &window, [&window] { window.Learner().ClaimClick(); });
  claim->setToolTip("Claim tricks: your side takes that many of the tricks left (F7)");
  playPad->hide();

  // The score pad lies over the table; the strata pages beside it.
  scorePad = MakePanel(desk, "ScorePad", QRect(176, 104, 241, 203));
  scorePadResults = new TBridgeLab(scorePad);
  scorePadResults->setObjectName("ScorePadResults");
  scorePadResults->setGeometry(4, 6, 233, 22);
  scorePadGrid = new TBridgeGrid(scorePad);
  scorePadGrid->setObjectName("ScorePadGrid");
  scorePadGrid->setGeometry(4, 34, 233, 110);
  scorePadGrid->SetColCount(4);
  scorePadGrid->SetRowCount(4);
  scorePadGrid->SetFixedCols(0);
  scorePadGrid->SetFixedRows(0);
  scorePadGrid->SetGridLines(false, false);
  scorePadGrid->SetDefaultRowHeight(22);
  scorePadGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scorePadGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont small = scorePadGrid->font();
  small.setPointSize(8);
  scorePadGrid->setFont(small);
  scorePad->hide();

  scorePages = new QTabWidget(desk);
  scorePages->setObjectName("ScorePages");
  const char* pageNames[3] = {"A Stratum", "B Stratum", "C Stratum"};
  for (int s = 0; s < 3; ++s) {
    // Each page (TS1 to TS3) holds its stratum's grid (BG1 to BG3).
    auto* page = new QWidget;
    page->setObjectName(QString("TS%1").arg(s + 1));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    strata[s] = new TBridgeGrid(page);
    pageLayout->addWidget(strata[s]);
    strata[s]->setObjectName(QString("BG%1").arg(s + 1));
    strata[s]->SetColCount(7);
    strata[s]->SetRowCount(8);
    strata[s]->SetFixedCols(0);
    strata[s]->SetFixedRows(1);
    strata[s]->SetDefaultRowHeight(22);
    scorePages->addTab(page, pageNames[s]);
  }
    scorePages->hide();

  cards = std::make_unique<TCardTable>(desk, table, handPanels, tricksWL, &hands);
}

TablePanels::~TablePanels() = default;

QSize TablePanels::Layout(int strataWidth) {
  const QRect dup = dupBd->geometry();
  table->setGeometry(176, 104, 241, 203);
  const QRect t = table->geometry();
  // North's face-up row may start 10 pixels left of its panel; the board
  // panel ends that much earlier, so no card lies over it.
  handPanels[North]->setGeometry(dup.right() + 2 + 10, 5, 324, 99);
  handPanels[East]->setGeometry(t.right() + 1 + 6, 104, 189, 205);
  handPanels[South]->setGeometry(82, 311, 339, 104);
  handPanels[West]->setGeometry(t.left() - 160 - 12, 104, 160, 205);
  tricksWL->setGeometry(80, 416, 428, 126);
  const QRect north = handPanels[North]->geometry();
  const QRect east = handPanels[East]->geometry();
  playPanel->move(north.right() + 1 + 10, 3);
  hcpPanel->move(4, 312);
  reviewPanel->setGeometry(t);
  scorePad->setGeometry(t);
  // The bidding box and the strata pages stand right of East's hand, and the
  // window is never narrower than they need: nothing is cut off at its right
  // edge and nothing covers East's cards.
  const int right = east.right() + 1;
  bidBox->setGeometry(right, t.top(), 180, 327);
  scorePages->setGeometry(right, t.top(), strataWidth, 232);
  const QPoint panels(east.left(), handPanels[South]->geometry().top());
  // The meanings of the hint's calls below South's hand and the bidding box,
  // as wide as both together.
  const QRect south = handPanels[South]->geometry();
  hintMeanings->setGeometry(south.left(), std::max(south.bottom(), bidBox->geometry().bottom()) + 4,
                             bidBox->geometry().right() - south.left(), 0);
  endOfBidding->move(panels);
  endofScoring->move(panels);
  playPad->move(panels);
  const int width = std::max(bidBox->geometry().right(), scorePages->geometry().right()) + 6;
  const int height = tricksWL->geometry().bottom() + 18;
  return QSize(width, height);
}

void TablePanels::MarkTurn(int seat, const QString& name) {
  if (seat < 0 || seat > 3) {
    turnMark->hide();
    return;
  }
  turnMark->setText(name);
  // A label with a style sheet keeps the font it was polished with: it takes
  // the cloth's, which grows with the table.
  turnMark->setFont(table->font());
  turnMark->adjustSize();
  // Inside the place of the seat's card on the cloth, at its outer edge: the
  // card covers the mark once it is played.
  const QRect cloth(0, 0, qRound(table->width() / scale), qRound(table->height() / scale));
  const QRect slot = TScaledLayout::Scaled(QRect(TableTarget(Seat(seat), cloth), QSize(kCardWidth, kCardHeight)), scale);
  const QSize mark = turnMark->size();
  QPoint at;
  switch (seat) {
    case North: at = QPoint(slot.center().x() - mark.width() / 2, slot.top()); break;
    case South: at = QPoint(slot.center().x() - mark.width() / 2, slot.bottom() + 1 - mark.height()); break;
    case East: at = QPoint(slot.right() + 1 - mark.width(), slot.center().y() - mark.height() / 2); break;
    default: at = QPoint(slot.left(), slot.center().y() - mark.height() / 2); break;
  }
  turnMark->move(at);
  turnMark->show();
  turnMark->raise();
}

void TablePanels::TagForSkin() {
  SetTag(table, kKeepColourTag);
  table->setAutoFillBackground(true);
  QPalette cloth = table->palette();
  cloth.setColor(QPalette::Window, kCloth);
  table->setPalette(cloth);
  for (QWidget* w : std::initializer_list<QWidget*>{dupBd, playPanel, hcpPanel}) {
    SetTag(w, 6);
    w->setAutoFillBackground(true);
  }
  SetTag(reviewPanel, 5);
  SetTag(scorePad, 5);
  // The bidding box is coloured as a whole; its buttons keep their own colours.
  bidBox->setProperty("skinKind", "coloured");
  SetTag(bidBox, 1);
}

void TablePanels::ColourGrids(const QColor& colour) {
  bidReview->SetColor(colour);
  scorePadGrid->SetColor(colour);
  for (TBridgeGrid* grid : strata) grid->SetColor(colour);
}

void TablePanels::ClearReviewGrid() {
  bidReview->ClearCells();
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) bidReview->SetCell(c, r, " ");
  bidReview->SetRowCount(3);
}

void TablePanels::AddBid(Seat dealer, int index, const QString& text) {
  const auto [row, column] = ReviewCell(dealer, index);
  if (row + 1 > bidReview->RowCount()) bidReview->SetRowCount(row + 1);
  if (column == 0) {
    for (int col = 0; col < 4; ++col) bidReview->SetCell(col, row, " ");
  } else if (index == 0) {
    for (int col = 0; col < column; ++col) bidReview->SetCell(col, 0, QString(" ") + QString(2, QChar(0x2014)));
  }
  bidReview->SetCell(column, row, text);
  bidReview->SetRowCount(row + 1);
  bidReview->verticalScrollBar()->setValue(bidReview->verticalScrollBar()->maximum());
  bidReview->viewport()->update();
}

void TablePanels::ShowSouthPoints(int hcp, const QString& label) {
  hcpText->setText(QString("%1 %2").arg(hcp).arg(label));
}

void TablePanels::DrawContract(const QString& text, QFont font, qreal pixelRatio) {
  QPixmap picture(contractImg->size() * pixelRatio);
  picture.setDevicePixelRatio(pixelRatio);
  // The picture lies on the play panel and takes its ground (skin colour 6),
  // so no block of the window's colour shows around the text.
  picture.fill(playPanel->palette().color(QPalette::Window));
  QPainter p(&picture);
  font.setBold(true);
  p.setFont(font);
  DrawSymbolText(p, 1, 0, 0, text);
  p.end();
  contractImg->setPixmap(picture);
  contractImg->setProperty("contractText", text);
  contractImg->show();
}

void TablePanels::LabelStrataGrid(TBridgeGrid* grid, const std::array<QString, 7>& headings, const QColor& colour,
                                  int userRow) {
  for (int c = 0; c < kGridColumns; ++c) grid->SetCell(c, 0, headings[size_t(c)]);
  grid->SetColor(colour);
  grid->SetOnGetCellFormat([userRow](TBridgeGrid*, int, int row, int, TFormatOptions& f) {
    if (row == 0) {
      f.Font.setBold(true);
      f.Brush = QColor(0xC0, 0xC0, 0xC0);
      f.AlignmentHorz = baLeftJustify;
    } else if (row == userRow) {
      f.Brush = QColor(255, 155, 190);   // the user's own row
    }
  });
}

int TablePanels::StrataPagesWidth(const std::array<QString, 7>& headings, const QColor& colour) {
  // The widest results a board can have: a redoubled grand slam, a
  // passed-out board, a four-figure score and a two-figure IMP loss.
  TBridgeGrid sample;
  sample.setFont(strata[0]->font());
  sample.SetColCount(kGridColumns);
  sample.SetRowCount(3);
  sample.SetFixedCols(0);
  sample.SetFixedRows(1);
  sample.SetDefaultRowHeight(strata[0]->DefaultRowHeight());
  sample.resize(400, 8 * (strata[0]->DefaultRowHeight() + 1) + 4);
  LabelStrataGrid(&sample, headings, colour);
  const char* widest[2][kGridColumns] = {{"A", "18", "W", "7~NXX", "13", "-7600", "-24.00"},
                                         {"C", "12", "E", "Passed out", "0", "-2220", "-12.00"}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < kGridColumns; ++c) sample.SetCell(c, r + 1, widest[r][c]);
  int needed = sample.ContentWidth();
  for (TBridgeGrid* grid : strata)
    if (!grid->Cell(0, 1).isEmpty()) needed = std::max(needed, grid->ContentWidth());
  for (TBridgeGrid* grid : strata) grid->setMinimumWidth(needed);
  return scorePages->minimumSizeHint().width();
}

}  // namespace quorval
