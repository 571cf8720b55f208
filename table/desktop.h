#pragma once
// TDeskTop: the table window, a view of the board at the table (TableGame):
// it shows the game's state and forwards the user's clicks and keys to it.
// The widgets are TablePanels; each side job is a class of its own: printing
// (table_printing.h), call tips and the hint's meanings (call_tips.h), the
// computer's turn (computer_turn.h), saving (result_saving.h), event sets
// (event_sets.h), the review (table_review.h), help (help_menu.h) and the
// learner's claim, "Play from here" and progress (table_learner.h).

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "data/options.h"
#include "game/table_game.h"
#include "table/computer_turn.h"
#include "ui/print_target.h"

class QAction;

namespace quorval {

class TCallTips;
class TEventSets;
class THelpMenu;
class TMultiLang;
class TRefusedCallNote;
class TResultSaving;
class TScaledLayout;
class TSetupOptions;
class TTablePrinting;
class TTableLearner;
class TTableReview;
struct TablePanels;

// Seconds on the clock every pause of the table measures from.
double TableClockSeconds();

class TDeskTop : public QMainWindow {
  Q_OBJECT

 public:
  // Event, session, board counter and system come from the player's options.
  TDeskTop(TableFiles& files, const TableState& state, QWidget* parent = nullptr);
  ~TDeskTop() override;
  // What the window shows at first; it waits until the splash has been up 4
  // seconds (since `splashShownSeconds`) unless the marker file exists.
  void FormShow(double splashShownSeconds);

  // Board navigation (board_navigation.cpp).
  void NewHandClick();
  void PriorHand1Click();
  void GotoHand1Click();
  void BidSysClick(int system);
  bool ReadHand();
  void StartNewHand();
  void HandActions(bool enable);
  void DupBoard();
  // "Rebid" and "Rebid This Hand": the board dealt again once the user agrees.
  void RebidHandClick();
  // Before a board in the auction or the play is left (another board, a
  // rebid, another system, player or event set, closing): asks the user
  // whether to leave it unfinished. True when the table may go on: no such
  // board, or the user agrees. Automated runs are never asked.
  bool ConfirmLeaveBoard();

  // The auction (desktop_auction.cpp).
  void ProcessHumanBid();
  void BidButClick(const QString& code);
  void BidKeyDown(int key, const QString& text);
  void ButHelpBidClick();
  void ButMakeBidClick();
  void ButTakeBackBidClick();
  void ReviewBiddingClick();
  void CloseBidReviewClick();
  void AddAllBids();

  // The play (desktop_play.cpp); UserPlays is false when a card is refused.
  void EOBStartClick();
  void SkipBtnClick();
  void TPPClaimClick();
  void TPPBackupClick();
  void ButHintClick();
  void ButPlayHintClick();
  void ClearPlay();
  void EOSReplayClick();
  void ShowHandsClick();
  void HideHandsClick();
  void PlayKeyDown(int key, const QString& text);
  bool UserPlays(CardCode card);
  // Whose turn in the play, and what keeps the play waiting (turn_help.cpp):
  // the seat to play marked on the cloth; a refused card said in the status
  // line; after a take back that leaves a computer seat to play, "Continue"
  // (also Enter and a click on the table) lets it play; Shift+Take Back and
  // "Take Back to My Last Card" go back to the user's last card at once.
  void ShowTurn();
  void SayRefusedCard(CardCode card);
  void ContinueClick();
  void TakeBackToMyLastCardClick();
  bool ComputerWaits() const;
  // One board played as by a user ("Make Bid", "Finish Play") to its filing.
  bool AutoPlayBoard(const std::string& event, const std::string& session, int board);

  // The other menu items; the side jobs do the work.
  void PrintHandMenuClick(PrintTarget target = PrintTarget::Printer);
  void SessionResults1Click();
  void ResultSummary1Click();
  void ReviewHandClick();
  void ExportBoards1Click();
  void NewEvents1Click();
  void OpenEventSet1Click();
  void SetupOptions1Click();
  // What the table does once Preferences closes (OK or not).
  void AfterPreferences(bool ok, const std::string& playerBefore);
  void AboutBridgeClassClick();
  void HonestComputerClick();
  void ExitMenuClick();
  // A "Language" item: 0 English, 1 Danish, 2 Norwegian, 4 Swedish.
  void LanguageClick(int language);
  // Help items by tag: 1 Danish, 2 English, 3 Norwegian, 4 Swedish.
  void UserGuideHelp(int tag);
  void BidSysHelp(int tag);

  // The game, the run's files and the side jobs.
  TableGame& Game() { return game_; }
  const TableGame& Game() const { return game_; }
  TableFiles& Files() const { return files_; }
  TOption& Opt() const { return files_.option; }
  TTablePrinting& Printing() const { return *printing_; }
  TCallTips& Tips() const { return *tips_; }
  TResultSaving& Saving() const { return *saving_; }
  TEventSets& EventSets() const { return *eventSets_; }
  TTableReview& Review() const { return *review_; }
  THelpMenu& Help() const { return *help_; }
  TTableLearner& Learner() const { return *learner_; }

  // The run: a language for it alone (call before FormShow), the chooser.
  int InterfaceLanguage() const { return language_; }
  void SetLanguageForRun(int language);
  void SetMachineLanguage(LanguageSource source) { machineLanguage_ = std::move(source); }
  using BoardChoice = std::function<bool(std::string& event, std::string& session, int& board)>;
  void SetBoardChooser(BoardChoice choose) { chooser_ = std::move(choose); }
  void SetNoPauses(bool on);
  void SetHonestOverride(bool on);
  // Free bidding: the Play Options item (saved with the player's options),
  // the run's choice from the command line, and the line a refused call shows.
  void FreeBiddingClick();
  void SetFreeBiddingOverride(bool on);
  TRefusedCallNote* RefusedCallNote() const { return refusedNote_; }
  // South's first calls on every board an automated run plays.
  void SetSouthCalls(std::vector<CallCode> calls) { southCalls_ = std::move(calls); }

  // A run-time text of the table's word list in the interface language.
  QString Word(const char* key) const;
  QString SeatName(Seat s) const;
  QString ReviewCallText(CallCode c) const;

  // Widgets, by name as the handlers know them.
  QAction* Action(const QString& name) const;
  QWidget* Panel(const QString& name) const;
  TablePanels& Panels() const { return *panels_; }
  TMultiLang* Words() const { return lang_; }
  // The window at the size of the table at scale 1 (below it, scroll bars).
  QSize sizeHint() const override;
  // The table's scale: the whole layout, cards and fonts, as large as the
  // window allows (min(W / w0, H / h0), never below 1), centred on its cloth.
  qreal TableScale() const;
  // The window's size and place as the player left it (false: none kept);
  // with `on`, it is kept for the player when the window closes.
  bool RestoreWindowPlace();
  void SetKeepWindowPlace(bool on) { keepPlace_ = on; }
  // The window at least as large as the table at scale 1 (a window on a
  // screen smaller than the table, as pictures are taken).
  void HoldWholeTable();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The learner's moves lay the play out with the window's own steps.
  friend class TTableLearner;
  void BuildMenus();
  // Board navigation without asking (the question is the caller's): the next
  // board, or the board chooser's board (asking once a board is chosen).
  void NextHand();
  void ChooseBoard(bool ask);
  // "Leave board 3 unfinished?" in the interface language; empty when the
  // board on the table is not unfinished.
  QString UnfinishedBoardQuestion() const;
  // One card taken back and shown; then the table made ready for the turn.
  void TakeBackOne();
  void AfterTakeBack();
  void BuildLanguageMenu();
  void LayoutTable();
  // The table at the scale the window now allows.
  void FitTable();
  void ApplyScale(qreal scale);
  void SetCaption();
  void WaitSeconds(double seconds, double since);
  void EndBusy();
  void ResetBids();
  void ReadyPad();
  bool MakeBid(CallCode c, bool user = false);
  void BidToHuman();
  void AcceptBid();
  void AfterBidding();
  void BadKey();
  void DrawContract();
  void StartPlay(bool replay = false);
  void PlayTrickToHuman();
  CardCode GetLisk2000Card();
  CardCode GettheBestCard();
  void MakePlay(CardCode card);
  void SelectACard(CardCode card);
  void BeforeEachPlay();
  void PrintWonTricks();
  void ShowTricksWon();
  void CleanTable();
  void ApplyFaceUp();
  void EndOfHand();
  void HintButton(bool showPlayHint);
  void LogicError();
  void ApplyLanguage();
  void ApplySkin();
  void TakeOverPlayer();
  void ClearBoardFromTable();
  void ShowHonestChoice();
  void ShowFreeBiddingChoice();
  void NoteRefusedCall(CallCode c);
  // South's listed call at South's turn; false, with a message naming it,
  // when bridge does not allow it there.
  bool MakeListedCall(CallCode c);
  void SetUpResultGrids();
  void ShowTheScore();

  TableFiles& files_;
  TableGame game_;
  TComputerTurn computerTurn_;
  std::unique_ptr<TablePanels> panels_;
  std::unique_ptr<TTablePrinting> printing_;
  std::unique_ptr<TCallTips> tips_;
  std::unique_ptr<TResultSaving> saving_;
  std::unique_ptr<TEventSets> eventSets_;
  std::unique_ptr<TTableReview> review_;
  std::unique_ptr<THelpMenu> help_;
  std::unique_ptr<TTableLearner> learner_;
  TMultiLang* lang_ = nullptr;
  TSetupOptions* prefs_ = nullptr;   // made on first use, owned by the window
  TRefusedCallNote* refusedNote_ = nullptr;   // owned by the window
  std::vector<CallCode> southCalls_;
  // The engine at work, the card Enter plays, the keys typed, the language.
  bool computerThinking_ = false, noPauses_ = false, closing_ = false;
  CardCode selectedCard_ = 0;
  std::string rankKey_, suitKey_, pendingEntry_;
  char typedStrain_ = 0, typedLevel_ = 0;
  int language_ = 0, busy_ = 0, pendingLanguage_ = -1;
  BoardChoice chooser_;
  LanguageSource machineLanguage_;
  // The layout's one scale factor; the table's size at scale 1.
  std::unique_ptr<TScaledLayout> scaler_;
  QSize baseSize_;
  bool keepPlace_ = false;
};

}  // namespace quorval
