#include "table/desktop.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <QVBoxLayout>

#include "data/date_time.h"
#include "table/bidding_box.h"
#include "table/board_picture.h"
#include "ui/bridge_grid.h"
#include "ui/hands_view.h"
#include "ui/meaning_tip.h"
#include "ui/menu_bar_style.h"
#include "ui/multi_lang.h"
#include "ui/skin.h"
#include "ui/symbol_text.h"
#include "ui/table_message.h"

namespace quorval {
namespace {

template <class Panel = QFrame>
QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry, bool raised = true) {
  auto* panel = new Panel(parent);
  panel->setObjectName(name);
  panel->setGeometry(geometry);
  if (raised) panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return panel;
}

// Milliseconds since the program started, shared by every pause.
QElapsedTimer& Clock() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock;
}

}  // namespace

TDeskTop::TDeskTop(TableFiles& files, const TableState& state, QWidget* parent)
    : QMainWindow(parent), files_(files), game_(files, state) {
  setObjectName("DeskTop");
  setWindowTitle("ORVENDAL QUORVAL 2005");
  language_ = Opt().Language;
  reportLabels_ = std::make_unique<TReportLabels>();
  BuildMenus();
  BuildPanels();
  // Every text of the window from its word list, English until the
  // language is applied when the window is shown.
  lang_ = new TMultiLang(this, "main_window", TMultiLang::MainWindowCharSets());
  // The card controls report a played card with the table message; the
  // application-wide hook also sees every key before the controls do.
  qApp->installEventFilter(this);
}

TDeskTop::~TDeskTop() {
  qApp->removeEventFilter(this);
  cards_.reset();
}

double TDeskTop::Now() const { return Clock().elapsed() / 1000.0; }

void TDeskTop::WaitSeconds(double seconds, double since) {
  if (noPauses_ || seconds <= 0) return;
  // The window repaints meanwhile but takes no input, so nothing the user
  // does can overtake the computer's call or card.
  BeginBusy();
  while (Now() - since < seconds) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(5);
  }
  EndBusy();
}

QAction* TDeskTop::Action(const QString& name) const {
  for (QAction* a : actions_)
    if (a->objectName() == name) return a;
  return nullptr;
}

QWidget* TDeskTop::Panel(const QString& name) const { return findChild<QWidget*>(name); }

void TDeskTop::BuildMenus() {
  auto add = [this](QMenu* menu, const char* name, const QString& text, QKeySequence key,
                    std::function<void()> handler, bool enabled = true) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setEnabled(enabled);
    if (handler) connect(a, &QAction::triggered, this, [handler] { handler(); });
    actions_.push_back(a);
    return a;
  };
  auto menu = [this](const char* name, const QString& title) {
    QMenu* m = menuBar()->addMenu(title);
    m->setObjectName(name);
    return m;
  };
  // A picture beside a menu's title (the Language menu's flag).
  auto* barStyle = new TMenuBarStyle;
  barStyle->setParent(menuBar());
  menuBar()->setStyle(barStyle);

  QMenu* file = menu("File1", "&File");
  add(file, "Preferences1", "&Preferences", Qt::Key_F2, [this] { SetupOptions1Click(); });
  add(file, "NewHandMenu", "&Next Hand", Qt::Key_F3, [this] { NewHandClick(); });
  add(file, "PriorHand1", "P&rior Hand", Qt::Key_F4, [this] { PriorHand1Click(); });
  add(file, "GotoHand1", "&Go to Hand", Qt::Key_F5, [this] { GotoHand1Click(); });
  add(file, "PrintHandMenu", "Pr&int Hand", Qt::Key_F6, [this] { PrintHandMenuClick(PrintTarget::Printer); }, false);
  add(file, "PrintPreviewMenu", "Print Pre&view", {}, [this] { PrintHandMenuClick(PrintTarget::Preview); }, false);
  add(file, "SavePdfMenu", "Save Hand as P&DF...", {}, [this] { PrintHandMenuClick(PrintTarget::Pdf); }, false);
  // The printed hand reports list the auction with the meaning of each call.
  add(file, "PrintMeanings", "Print Auction with &Meanings", {}, {})->setCheckable(true);
  add(file, "SessionResults1", "&Session Results", {}, [this] { SessionResults1Click(); });
  add(file, "ResultSummary1", "Result S&ummary", {}, [this] { ResultSummary1Click(); });
  file->addSeparator();
  add(file, "ExportBoards1", "&Export Boards (PBN)...", {}, [this] { ExportBoards1Click(); });
  add(file, "NewEvents1", "Ne&w Events...", {}, [this] { NewEvents1Click(); });
  add(file, "OpenEventSet1", "&Open Event Set...", {}, [this] { OpenEventSet1Click(); });
  file->addSeparator();
  add(file, "ExitMenu", "E&xit", {}, [this] { ExitMenuClick(); });

  QMenu* options = menu("PlayOptions", "Play &Options");
  add(options, "ReplayHand", "Re&play This Hand", {}, [this] { EOSReplayClick(); }, false);
  add(options, "RebidHand", "&Rebid This Hand", {}, [this] { StartNewHand(); }, false);
  add(options, "ShowHands", "&Show All 4 Hands", Qt::Key_F8, [this] { ShowHandsClick(); }, false);
  add(options, "HideHands", "&Hide N, E, and W Hands", Qt::Key_F9, [this] { HideHandsClick(); }, false);
  add(options, "ReviewBidding", "Review &Bidding", {}, [this] { ReviewBiddingClick(); }, false);
  options->addSeparator();
  QAction* honest = add(options, "HonestComputer", "Honest &Computer", {}, [this] { HonestComputerClick(); });
  honest->setCheckable(true);
  ShowHonestChoice();

  QMenu* systems = menu("BiddingSystem1", "&Bidding System");
  bidSystems_ = new QActionGroup(this);
  const char* names[4] = {"&Danish Basic", "&Modern Standard", "&Std Norwegian", "Modern &Basic"};
  for (int s = 0; s < 4; ++s) {
    QAction* a = add(systems, qPrintable(QString("BS%1").arg(s)), names[s], {}, [this, s] { BidSysClick(s); });
    a->setCheckable(true);
    a->setChecked(s == game_.State().BidSystem);
    bidSystems_->addAction(a);
  }

  languageMenu_ = menu("Language1", "&Language");
  BuildLanguageMenu(languageMenu_);

  BuildHelpMenu();
}

QPushButton* TDeskTop::AddButton(QWidget* panel, const QString& name, const QString& caption,
                                 const QRect& geometry, void (TDeskTop::*handler)()) {
  auto* b = new QPushButton(caption, panel);
  b->setObjectName(name);
  b->setGeometry(geometry);
  connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
  return b;
}

void TDeskTop::BuildPanels() {
  desk_ = new QWidget(this);
  desk_->setObjectName("Desk");
  setCentralWidget(desk_);

  // Board information panel with the duplicate board picture.
  dupBd_ = MakePanel(desk_, "DupBd", QRect(0, 2, 160, 102));
  dup_ = new TBoardPicture(dupBd_);
  dup_->setObjectName("Dup");
  dup_->setGeometry(5, 2, 38, 67);
  dup_->setToolTip("Duplicate Board");
  auto* l1 = new QLabel("Board", dupBd_);
  l1->setObjectName("DupBdLabel1");
  l1->move(47, 11);
  l1->installEventFilter(this);
  auto* l2 = new QLabel("Dealer", dupBd_);
  l2->setObjectName("DupBdLabel2");
  l2->move(47, 28);
  auto* l3 = new QLabel("Vulnerable", dupBd_);
  l3->setObjectName("DupBdLabel3");
  l3->move(45, 46);
  bidSysLabel_ = new QLabel(dupBd_);
  bidSysLabel_->setObjectName("BidSysLabel");
  bidSysLabel_->setGeometry(7, 67, 150, 16);
  sessionLab_ = new QLabel(dupBd_);
  sessionLab_->setObjectName("SessionLab");
  sessionLab_->setGeometry(7, 83, 150, 16);

  table_ = MakePanel(desk_, "Table", QRect(176, 104, 241, 203));
  table_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  table_->setLineWidth(3);
  table_->installEventFilter(this);
  const char* handNames[4] = {"HandNorth", "HandEast", "HandSouth", "HandWest"};
  for (int s = 0; s < 4; ++s) {
    handPanels_[s] = new QWidget(desk_);
    handPanels_[s]->setObjectName(handNames[s]);
  }
  tricksWL_ = new QWidget(desk_);
  tricksWL_->setObjectName("TricksWL");

  // Contract and trick counts.
  playPanel_ = MakePanel(desk_, "PlayPanel", QRect(0, 0, 248, 65));
  const char* playLabels[3][2] = {{"LabelContract", "Contract"}, {"PlayPanelNS", "N-S tricks"},
                                  {"PlayPanelEW", "E-W tricks"}};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(playLabels[i][1], playPanel_);
    label->setObjectName(playLabels[i][0]);
    label->setGeometry(6, 2 + 20 * i, 66, 16);
  }
  contractImg_ = new QLabel(playPanel_);
  contractImg_->setObjectName("ContractImg");
  contractImg_->setGeometry(74, 2, 170, 18);
  nsTricks_ = new QLabel("0", playPanel_);
  nsTricks_->setObjectName("PlayPanelNSTrks");
  nsTricks_->setGeometry(75, 22, 20, 16);
  ewTricks_ = new QLabel("0", playPanel_);
  ewTricks_->setObjectName("PlayPanelEWTrks");
  ewTricks_->setGeometry(75, 42, 20, 16);
  playPanel_->hide();

  // South's high-card points under the seat's name.
  hcpPanel_ = MakePanel(desk_, "HCPPanel", QRect(4, 312, 74, 40));
  auto* hcpSeat = new QLabel("South", hcpPanel_);
  hcpSeat->setObjectName("SouthHCPLabel");
  hcpSeat->setGeometry(2, 3, 70, 15);
  hcpSeat->setAlignment(Qt::AlignCenter);
  hcpText_ = new QLabel(hcpPanel_);
  hcpText_->setObjectName("SHCP");
  hcpText_->setGeometry(2, 19, 70, 17);
  hcpText_->setAlignment(Qt::AlignCenter);
  QFont bold = hcpText_->font();
  bold.setBold(true);
  hcpText_->setFont(bold);
  hcpPanel_->hide();

  // Bidding review over the table: seat headings and four equal columns.
  reviewPanel_ = MakePanel(desk_, "BidReviewPanel", QRect(176, 104, 241, 203));
  const char* headNames[4] = {"BPWest", "BPNorth", "BPEast", "BPSouth"};
  for (int c = 0; c < 4; ++c) {
    seatHeadings_[c] = new QLabel(reviewPanel_);
    seatHeadings_[c]->setObjectName(headNames[c]);
    seatHeadings_[c]->setAlignment(Qt::AlignCenter);
    seatHeadings_[c]->setGeometry(4 + c * 58, 4, 58, 18);
  }
  bidReview_ = new TBridgeGrid(reviewPanel_);
  bidReview_->setObjectName("BidReview");
  bidReview_->setGeometry(4, 24, 233, 150);
  bidReview_->SetColCount(4);
  bidReview_->SetRowCount(3);
  bidReview_->SetFixedCols(0);
  bidReview_->SetFixedRows(0);
  bidReview_->SetGridLines(false, false);
  bidReview_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  bidReview_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (int c = 0; c < 4; ++c) bidReview_->SetColWidth(c, 58);
  closeReview_ = new QPushButton("Clear Bidding Review", reviewPanel_);
  closeReview_->setObjectName("CloseBidReview");
  closeReview_->setGeometry(40, 176, 160, 24);
  connect(closeReview_, &QPushButton::clicked, this, [this] { CloseBidReviewClick(); });
  closeReview_->hide();
  reviewPanel_->hide();

  bidBox_ = new TBidBoxEuro(desk_);
  bidBox_->setObjectName("BidBox");
  connect(bidBox_, &TBidBoxEuro::OnClick, this, [this](const QString& code) { BidButClick(code); });
  bidBox_->hide();
  BuildMeaningWidgets();

  endOfBidding_ = MakePanel<TGradientPanel>(desk_, "EndOfBidding", QRect(0, 0, 189, 104));
  AddButton(endOfBidding_, "EOBStart", "Start Play", QRect(8, 6, 84, 28), &TDeskTop::EOBStartClick);
  AddButton(endOfBidding_, "SkipBtn", "Skip Play", QRect(97, 6, 84, 28), &TDeskTop::SkipBtnClick)
      ->setToolTip("Accept a standard play result for this hand");
  AddButton(endOfBidding_, "EOBNewHand", "Next Hand", QRect(8, 40, 84, 28), &TDeskTop::NewHandClick);
  AddButton(endOfBidding_, "EOBRebid", "Rebid", QRect(97, 40, 84, 28), &TDeskTop::StartNewHand);
  endOfBidding_->hide();

  endofScoring_ = MakePanel<TGradientPanel>(desk_, "EndofScoring", QRect(0, 0, 189, 104));
  AddButton(endofScoring_, "EOSNewHand", "Play Next Hand", QRect(8, 6, 108, 28), &TDeskTop::NewHandClick);
  AddButton(endofScoring_, "ReviewHand", "Review", QRect(120, 6, 61, 28), &TDeskTop::ReviewHandClick)
      ->setToolTip("Where did the tricks go? Every card of the board against double dummy");
  AddButton(endofScoring_, "ButReplayHand", "Replay This Hand", QRect(8, 38, 173, 28),
            &TDeskTop::EOSReplayClick);
  AddButton(endofScoring_, "RebidHand2", "Rebid This Hand", QRect(8, 70, 173, 28), &TDeskTop::StartNewHand);

  playPad_ = MakePanel<TGradientPanel>(desk_, "ThePlayPad", QRect(0, 0, 189, 104));
  AddButton(playPad_, "ButClearTable", "Clear Table", QRect(8, 6, 84, 28), &TDeskTop::ClearPlay);
  AddButton(playPad_, "TPPFast", "Finish Play", QRect(97, 6, 84, 28), &TDeskTop::TPPClaimClick)
      ->setToolTip("Have the program play all 4 hands for you");
  AddButton(playPad_, "ButHint", "Hint", QRect(8, 40, 84, 28), &TDeskTop::ButHintClick);
  AddButton(playPad_, "ButPlayHint", "Play Hint", QRect(8, 40, 84, 28), &TDeskTop::ButPlayHintClick)->hide();
  AddButton(playPad_, "TPPBackup", "Take Back", QRect(97, 40, 84, 28), &TDeskTop::TPPBackupClick);
  playPad_->hide();

  // The score pad lies over the table; the strata pages beside it.
  scorePad_ = MakePanel(desk_, "ScorePad", QRect(176, 104, 241, 203));
  scorePadResults_ = new TBridgeLab(scorePad_);
  scorePadResults_->setObjectName("ScorePadResults");
  scorePadResults_->setGeometry(4, 6, 233, 22);
  scorePadGrid_ = new TBridgeGrid(scorePad_);
  scorePadGrid_->setObjectName("ScorePadGrid");
  scorePadGrid_->setGeometry(4, 34, 233, 110);
  scorePadGrid_->SetColCount(4);
  scorePadGrid_->SetRowCount(4);
  scorePadGrid_->SetFixedCols(0);
  scorePadGrid_->SetFixedRows(0);
  scorePadGrid_->SetGridLines(false, false);
  scorePadGrid_->SetDefaultRowHeight(22);
  scorePadGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scorePadGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont small = scorePadGrid_->font();
  small.setPointSize(8);
  scorePadGrid_->setFont(small);
  scorePad_->hide();

  scorePages_ = new QTabWidget(desk_);
  scorePages_->setObjectName("ScorePages");
  const char* pageNames[3] = {"A Stratum", "B Stratum", "C Stratum"};
  for (int s = 0; s < 3; ++s) {
    // Each page (TS1 to TS3) holds its stratum's grid (BG1 to BG3).
    auto* page = new QWidget;
    page->setObjectName(QString("TS%1").arg(s + 1));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    strata_[s] = new TBridgeGrid(page);
    pageLayout->addWidget(strata_[s]);
    strata_[s]->setObjectName(QString("BG%1").arg(s + 1));
    strata_[s]->SetColCount(7);
    strata_[s]->SetRowCount(8);
    strata_[s]->SetFixedCols(0);
    strata_[s]->SetFixedRows(1);
    strata_[s]->SetDefaultRowHeight(22);
    scorePages_->addTab(page, pageNames[s]);
  }
  connect(scorePages_, &QTabWidget::currentChanged, this, [this](int page) { ScorePagesChange(page); });
  scorePages_->hide();

  cards_ = std::make_unique<TCardTable>(desk_, table_, handPanels_, tricksWL_, &game_.HandsOnTable());
  BuildTextLabels();
  LayoutTable();
  TagPanels();
  ApplySkin();
}

void TDeskTop::LayoutTable() {
  const QRect dup = dupBd_->geometry();
  table_->setGeometry(176, 104, 241, 203);
  const QRect t = table_->geometry();
  // North's face-up row may start 10 pixels left of its panel; the board
  // panel ends that much earlier, so no card lies over it.
  handPanels_[North]->setGeometry(dup.right() + 2 + 10, 5, 324, 99);
  handPanels_[East]->setGeometry(t.right() + 1 + 6, 104, 189, 205);
  handPanels_[South]->setGeometry(82, 311, 339, 104);
  handPanels_[West]->setGeometry(t.left() - 160 - 12, 104, 160, 205);
  tricksWL_->setGeometry(80, 416, 428, 126);
  const QRect north = handPanels_[North]->geometry();
  const QRect east = handPanels_[East]->geometry();
  playPanel_->move(north.right() + 1 + 10, 3);
  hcpPanel_->move(4, 312);
  reviewPanel_->setGeometry(t);
  scorePad_->setGeometry(t);
  // The bidding box and the strata pages stand right of East's hand, and the
  // window is never narrower than they need: nothing is cut off at its right
  // edge and nothing covers East's cards.
  const int right = east.right() + 1;
  bidBox_->setGeometry(right, t.top(), 180, 327);
  scorePages_->setGeometry(right, t.top(), StrataPagesWidth(), 232);
  const QPoint panels(east.left(), handPanels_[South]->geometry().top());
  // The meanings of the hint's calls below South's hand and the bidding box,
  // as wide as both together.
  const QRect south = handPanels_[South]->geometry();
  hintMeanings_->setGeometry(south.left(), std::max(south.bottom(), bidBox_->geometry().bottom()) + 4,
                             bidBox_->geometry().right() - south.left(), 0);
  endOfBidding_->move(panels);
  endofScoring_->move(panels);
  playPad_->move(panels);
  const int width = std::max(bidBox_->geometry().right(), scorePages_->geometry().right()) + 6;
  const int height = tricksWL_->geometry().bottom() + 18;
  setMinimumSize(width, height + menuBar()->sizeHint().height());
}

QSize TDeskTop::sizeHint() const { return minimumSize(); }

void TDeskTop::SaveSettings() {
  TOption& option = Opt();
  const TableState& state = game_.State();
  option.Event = state.EventType;
  option.Session = state.Session;
  option.LastHandPlayed = state.BoardNo;
  option.BidSys = static_cast<uint8_t>(state.BidSystem);
  SaveOptions(files_.options, option, NowDateTime());
}

void TDeskTop::SetCaption() {
  setWindowTitle(Text("LabelLisk2000") + " - " + QString::fromStdString(files_.PlayerName()));
}

void TDeskTop::FormShow(double splashShownSeconds) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  game_.SetBidPause(game_.State().MarkerFilePresent ? 0.0 : 0.8);
  game_.ClearBoard();
  cards_->SetBacks(Opt().BackDesign, Opt().BackColor);
  cards_->SetupTricksRow();
  ShowNoBoardPanels();
  Action(QString("BS%1").arg(game_.State().BidSystem))->setChecked(true);
  // The language: texts, bidding box, board panel and caption.
  ApplyLanguage();
  if (!game_.State().MarkerFilePresent) WaitSeconds(4.0, splashShownSeconds);
  Panel("EOSNewHand")->setFocus();
  QApplication::restoreOverrideCursor();
  NoteMeaningsProblem();
}

double TableClockSeconds() { return Clock().elapsed() / 1000.0; }

void TDeskTop::ExitMenuClick() { close(); }

void TDeskTop::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    SaveSettings();
    if (!OfferUnsavedResults(true)) {
      closing_ = false;
      event->ignore();
      return;
    }
  }
  event->accept();
}

void TDeskTop::keyPressEvent(QKeyEvent* event) { QMainWindow::keyPressEvent(event); }

bool TDeskTop::eventFilter(QObject* watched, QEvent* event) {
  if (MeaningEvent(watched, event)) return true;
  if (event->type() == kTableMessageType) {
    UserPlays(static_cast<TableMessage*>(event)->card());
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == table_ && game_.TrickOnTable()) {
      ClearPlay();
      return true;
    }
    if (watched->objectName() == "DupBdLabel1") CloseBidReviewClick();
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this || QApplication::activeModalWidget()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
  if (game_.phase() == Phase::Bidding) {
    BidKeyDown(key->key(), key->text());
    return true;
  }
  if (game_.phase() == Phase::Playing) {
    PlayKeyDown(key->key(), key->text());
    return true;
  }
  return false;
}

}  // namespace quorval
