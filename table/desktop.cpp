#include "table/desktop.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QElapsedTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <cmath>
#include <QTabWidget>
#include <QThread>

#include "table/call_tips.h"
#include "table/event_sets.h"
#include "table/help_menu.h"
#include "table/refused_call_note.h"
#include "table/result_saving.h"
#include "table/table_panels.h"
#include "table/table_printing.h"
#include "table/table_learner.h"
#include "table/table_review.h"
#include "table/table_words.h"
#include "ui/colour_ref.h"
#include "ui/hands_view.h"
#include "ui/menu_bar_style.h"
#include "ui/multi_lang.h"
#include "ui/result_summary.h"
#include "ui/scaled_layout.h"
#include "ui/review_window.h"
#include "ui/session_results.h"
#include "ui/table_message.h"

namespace quorval {
namespace {

// Milliseconds since the program started, shared by every pause.
QElapsedTimer& Clock() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock;
}

}  // namespace

double TableClockSeconds() { return Clock().elapsed() / 1000.0; }

TDeskTop::TDeskTop(TableFiles& files, const TableState& state, QWidget* parent)
    : QMainWindow(parent), files_(files), game_(files, state) {
  setObjectName("DeskTop");
  setWindowTitle("ORVENDAL QUORVAL 2005");
  language_ = Opt().Language;
  printing_ = std::make_unique<TTablePrinting>(*this);
  saving_ = std::make_unique<TResultSaving>(*this);
  eventSets_ = std::make_unique<TEventSets>(*this);
  review_ = std::make_unique<TTableReview>(*this);
  learner_ = std::make_unique<TTableLearner>(*this);
  BuildMenus();
  // The status line says whose turn it is when the play waits or a card is refused.
  statusBar()->setObjectName("StatusLine");
  panels_ = std::make_unique<TablePanels>(*this, game_.HandsOnTable());
  // The table lies centred on its cloth, which scrolls when the window is
  // smaller than the table.
  auto* cloth = new QScrollArea;
  cloth->setObjectName("Cloth");
  cloth->setFrameShape(QFrame::NoFrame);
  cloth->setAlignment(Qt::AlignCenter);
  cloth->setBackgroundRole(QPalette::Window);
  cloth->setProperty("skinKind", "panel");   // the skin's ground, and its colours reach the table
  cloth->viewport()->setBackgroundRole(QPalette::Window);
  cloth->setWidget(takeCentralWidget());
  setCentralWidget(cloth);
  scaler_ = std::make_unique<TScaledLayout>(panels_->desk);
  tips_ = std::make_unique<TCallTips>(*this);
  refusedNote_ = new TRefusedCallNote(this);
  connect(panels_->scorePages, &QTabWidget::currentChanged, this, [this](int page) { Opt().LastStrataSeen = page; });
  LayoutTable();
  panels_->TagForSkin();
  ApplySkin();
  // Every text of the window from its word list, English until the
  // language is applied when the window is shown.
  lang_ = new TMultiLang(this, kTableWordList, TMultiLang::MainWindowCharSets(), TableTextKeys());
  // The card controls report a played card with the table message; the
  // application-wide hook also sees every key before the controls do.
  qApp->installEventFilter(this);
}

TDeskTop::~TDeskTop() {
  qApp->removeEventFilter(this);
  tips_.reset();
  panels_->cards.reset();
}

void TDeskTop::WaitSeconds(double seconds, double since) {
  if (noPauses_ || seconds <= 0) return;
  // The window repaints meanwhile but takes no input, so nothing the user
  // does can overtake the computer's call or card.
  ++busy_;
  while (TableClockSeconds() - since < seconds) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    QThread::msleep(5);
  }
  EndBusy();
}

QAction* TDeskTop::Action(const QString& name) const {
  for (QAction* a : menuBar()->findChildren<QAction*>())
    if (a->objectName() == name) return a;
  return nullptr;
}

QWidget* TDeskTop::Panel(const QString& name) const { return findChild<QWidget*>(name); }

QString TDeskTop::Word(const char* key) const { return TableWord(key, language_); }

void TDeskTop::SetNoPauses(bool on) {
  noPauses_ = on;
  computerTurn_.SetNoPauses(on);
}

void TDeskTop::BuildMenus() {
  auto add = [this](QMenu* menu, const char* name, const QString& text, QKeySequence key,
                    std::function<void()> handler, bool enabled = true) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setEnabled(enabled);
    if (handler) connect(a, &QAction::triggered, this, [handler] { handler(); });
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
  add(file, "MyProgress1", "M&y Progress", {}, [this] { learner_->MyProgressClick(); });
  file->addSeparator();
  add(file, "ExportBoards1", "&Export Boards (PBN)...", {}, [this] { ExportBoards1Click(); });
  add(file, "NewEvents1", "Ne&w Events...", {}, [this] { NewEvents1Click(); });
  add(file, "OpenEventSet1", "&Open Event Set...", {}, [this] { OpenEventSet1Click(); });
  file->addSeparator();
  add(file, "ExitMenu", "E&xit", {}, [this] { ExitMenuClick(); });

  QMenu* options = menu("PlayOptions", "Play &Options");
  add(options, "ReplayHand", "Re&play This Hand", {}, [this] { EOSReplayClick(); }, false);
  add(options, "RebidHand", "&Rebid This Hand", {}, [this] { RebidHandClick(); }, false);
  add(options, "ShowHands", "&Show All 4 Hands", Qt::Key_F8, [this] { ShowHandsClick(); }, false);
  add(options, "HideHands", "&Hide N, E, and W Hands", Qt::Key_F9, [this] { HideHandsClick(); }, false);
  add(options, "ReviewBidding", "Review &Bidding", {}, [this] { ReviewBiddingClick(); }, false);
  // A claim of tricks left; F7 is no card's or call's key.
  add(options, "ClaimMenu", "&Claim...", Qt::Key_F7, [this] { learner_->ClaimClick(); });
  connect(options, &QMenu::aboutToShow, this, [this] { Action("ClaimMenu")->setEnabled(game_.CanClaim()); });
  add(options, "TakeBackToMyLastCard", "&Take Back to My Last Card", {}, [this] { TakeBackToMyLastCardClick(); },
      false);
  options->addSeparator();
  QAction* honest = add(options, "HonestComputer", "Honest &Computer", {}, [this] { HonestComputerClick(); });
  honest->setCheckable(true);
  ShowHonestChoice();
  // South may make any call; the computer answers off the stored auctions.
  add(options, "FreeBidding", "&Free Bidding", {}, [this] { FreeBiddingClick(); })->setCheckable(true);
  ShowFreeBiddingChoice();

  QMenu* systems = menu("BiddingSystem1", "&Bidding System");
  auto* bidSystems = new QActionGroup(this);
  const char* names[4] = {"&Danish Basic", "&Modern Standard", "&Std Norwegian", "Modern &Basic"};
  for (int s = 0; s < 4; ++s) {
    QAction* a = add(systems, qPrintable(QString("BS%1").arg(s)), names[s], {}, [this, s] { BidSysClick(s); });
    a->setCheckable(true);
    a->setChecked(s == game_.State().BidSystem);
    bidSystems->addAction(a);
  }

  menu("Language1", "&Language");
  BuildLanguageMenu();
  help_ = std::make_unique<THelpMenu>(*this);
}

void TDeskTop::LayoutTable() {
  // The layout is made at scale 1 and then scaled as a whole.
  const QSize hintBefore = sizeHint();
  scaler_->Apply(1.0);
  panels_->scale = 1.0;
  const QColor grids = FromColourRef(uint32_t(Opt().SkinColors[5]));
  const int strata = panels_->StrataPagesWidth(printing_->StrataHeadings(game_.State().IsImpEvent()), grids);
  baseSize_ = panels_->Layout(strata);
  panels_->desk->resize(baseSize_);
  scaler_->Remember();
  setMinimumSize(320, 240);
  // A window that held the whole table (or fills the screen) grows with it
  // when the strata pages grow; one the user made smaller than the table scrolls.
  if (isVisible() && (isMaximized() || isFullScreen() || (width() >= hintBefore.width() && height() >= hintBefore.height())))
    HoldWholeTable();
  FitTable();
}

void TDeskTop::HoldWholeTable() {
  if (width() >= sizeHint().width() && height() >= sizeHint().height()) return;
  // A maximised window grows past the screen only for its minimum, which
  // stays until the table is laid out again.
  setMinimumSize(sizeHint());
  resize(size().expandedTo(sizeHint()));
}

QSize TDeskTop::sizeHint() const {
  return baseSize_ + QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

qreal TDeskTop::TableScale() const {
  const QWidget* cloth = centralWidget();
  if (!cloth || baseSize_.isEmpty()) return 1.0;
  const qreal fit = std::min(cloth->width() / qreal(baseSize_.width()), cloth->height() / qreal(baseSize_.height()));
  // In hundredths, so that a window a pixel larger is not laid out again.
  return std::max<qreal>(1.0, std::floor(fit * 100) / 100);
}

void TDeskTop::FitTable() {
  const qreal scale = TableScale();
  if (scale != scaler_->Scale() || panels_->desk->size() != TScaledLayout::Scaled(QRect({}, baseSize_), scale).size())
    ApplyScale(scale);
}

void TDeskTop::ApplyScale(qreal scale) {
  scaler_->Apply(scale);
  panels_->scale = scale;
  panels_->desk->resize(TScaledLayout::Scaled(QRect({}, baseSize_), scale).size());
  panels_->cards->SetScale(scale);
  const Phase phase = game_.phase();
  if (phase == Phase::BiddingOver || phase == Phase::Playing || phase == Phase::BoardOver) DrawContract();
  ShowTurn();
}

bool TDeskTop::RestoreWindowPlace() {
  // "left,top,width,height,maximised" under TableWindow in the player's
  // section; a section of before has none.
  const QStringList parts =
      QString::fromStdString(files_.options.ReadString(files_.PlayerName(), "TableWindow", "")).split(',');
  if (parts.size() != 5) return false;
  std::array<int, 5> v{};
  for (int i = 0; i < 5; ++i) {
    bool ok = false;
    v[size_t(i)] = parts[i].toInt(&ok);
    if (!ok) return false;
  }
  const QRect place(v[0], v[1], v[2], v[3]);
  // A place on no screen now (another monitor, another resolution) is not taken.
  bool onScreen = false;
  for (const QScreen* s : QGuiApplication::screens()) onScreen = onScreen || s->availableGeometry().intersects(place);
  if (place.width() < 100 || place.height() < 100 || !onScreen) return false;
  resize(place.size());
  move(place.topLeft());
  if (v[4]) showMaximized();
  else show();
  return true;
}

void TDeskTop::SetCaption() {
  setWindowTitle(Word("LabelLisk2000") + " - " + QString::fromStdString(files_.PlayerName()));
}

void TDeskTop::FormShow(double splashShownSeconds) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  game_.SetBidPause(game_.State().MarkerFilePresent ? 0.0 : 0.8);
  panels_->cards->SetBacks(Opt().BackDesign, Opt().BackColor);
  panels_->cards->SetupTricksRow();
  ClearBoardFromTable();
  Action(QString("BS%1").arg(game_.State().BidSystem))->setChecked(true);
  // The language: texts, bidding box, board panel and caption.
  ApplyLanguage();
  if (!game_.State().MarkerFilePresent) WaitSeconds(4.0, splashShownSeconds);
  Panel("EOSNewHand")->setFocus();
  QApplication::restoreOverrideCursor();
  tips_->NoteMeaningsProblem();
}

// The menu items whose work is a side job's.
void TDeskTop::PrintHandMenuClick(PrintTarget target) { printing_->PrintHand(target); }
void TDeskTop::SessionResults1Click() { printing_->MakeSessionResults()->exec(); }
void TDeskTop::ResultSummary1Click() { printing_->MakeResultSummary()->exec(); }
void TDeskTop::ReviewHandClick() { review_->ShowCurrentReview(); }
void TDeskTop::ExportBoards1Click() { eventSets_->ExportBoards(); }
void TDeskTop::NewEvents1Click() {
  if (!computerThinking_) eventSets_->NewEvents();
}
void TDeskTop::OpenEventSet1Click() {
  if (!computerThinking_ && ConfirmLeaveBoard()) eventSets_->OpenEventSet();
}
void TDeskTop::UserGuideHelp(int tag) { help_->UserGuideHelp(tag); }
void TDeskTop::BidSysHelp(int tag) { help_->BidSysHelp(tag); }
void TDeskTop::ExitMenuClick() { close(); }

void TDeskTop::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    if (keepPlace_) {
      const QRect place = isMaximized() ? normalGeometry() : geometry();
      files_.options.WriteString(files_.PlayerName(), "TableWindow",
                                 QString("%1,%2,%3,%4,%5").arg(place.x()).arg(place.y()).arg(place.width())
                                     .arg(place.height()).arg(isMaximized() ? 1 : 0).toStdString());
    }
    saving_->SaveSettings();
    // Results not on disk and a board left unfinished: one question for both.
    const bool goOn = saving_->WillOfferUnsavedResults() ? saving_->OfferUnsavedResults(true, UnfinishedBoardQuestion())
                                                         : ConfirmLeaveBoard();
    if (!goOn) {
      closing_ = false;
      event->ignore();
      return;
    }
  }
  event->accept();
}

bool TDeskTop::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && centralWidget() && watched == centralWidget()) {
    FitTable();
    return false;
  }
  // A label given a style sheet (the seat to call in yellow) is polished with
  // the font of scale 1: it takes its panel's, which grows with the table.
  if (event->type() == QEvent::StyleChange && scaler_ && scaler_->Scale() != 1.0) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && !qobject_cast<TCard*>(w) && w->parentWidget() && !w->styleSheet().isEmpty() &&
        panels_->desk->isAncestorOf(w))
      w->setFont(w->parentWidget()->font());
  }
  if (event->type() == kTableMessageType) {
    UserPlays(static_cast<TableMessage*>(event)->card());
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    // A click on the cloth (or a card lying on it) clears a finished trick,
    // or lets the computer seat that a take back left to play play on.
    auto* card = qobject_cast<TMateCard*>(watched);
    const bool onCloth = watched == panels_->table || (card && card->Played() && card->isVisible());
    if (onCloth && game_.TrickOnTable()) {
      ClearPlay();
      return true;
    }
    if (onCloth && ComputerWaits()) {
      ContinueClick();
      return true;
    }
    // A card the hands do not let go (out of turn, or not following suit).
    if (card && game_.phase() == Phase::Playing && card->isVisible() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        (!card->isEnabled() || !panels_->cards->Hand(card->HandSeat()).CardOK(card))) {
      SayRefusedCard(card->Tag());
      return !card->isEnabled();
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
