#pragma once
// TDeskTop: the table window, a view of the board at the table (TableGame):
// it shows the game's state and forwards the user's clicks and keys to it.
// The widgets are TablePanels; each side job is a class of its own: printing
// (table_printing.h), call tips and the hint's meanings (call_tips.h), the
// computer's turn (computer_turn.h), saving (result_saving.h), event sets
// (event_sets.h), the review (table_review.h) and help (help_menu.h).

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "data/options.h"
#include "game/table_game.h"
#include "table/computer_turn.h"
#include "ui/print_target.h"

class QAction;
class QLabel;

namespace quorval {

class TCallTips;
class TEventSets;
class THelpMenu;
class TMultiLang;
class TRefusedCallNote;
class TResultSaving;
class TSetupOptions;
class TTablePrinting;
class TTableReview;
class TProgressWindow;
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
  // The learner's moves (table_claim.cpp): the user's claim ("Claim..."),
  // asked of `ClaimAsker` when one is set (tests, automated runs) and of the
  // claim dialog otherwise; the computer declarer's claim, true when it
  // ended the board; "Play from here" from the review, which files nothing
  // and brings the table back as it was. The line the table shows a refused
  // claim and a try's outcome on (empty when none).
  void ClaimClick();
  using ClaimAsker = std::function<std::optional<int>(int tricksLeft)>;
  void SetClaimAsker(ClaimAsker ask) { claimAsker_ = std::move(ask); }
  bool ComputerClaims();
  bool PlayFromHere(const std::string& boardKey, const KeptPlay& kept, int cards);
  QString ClaimLineText() const;
  // A board in play may be left (board_navigation.cpp): true to go on.
  bool ConfirmLeaveBoard();
  // "My Progress" (table_progress.cpp): the window is made without being
  // shown (tests, pictures) and shown from the File menu.
  std::unique_ptr<TProgressWindow> MakeProgressWindow();
  void MyProgressClick();
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
  QSize sizeHint() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildLanguageMenu();
  void LayoutTable();
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
  void ShowClaimLine(const QString& text);
  void HideClaimLine();
  void ShowResultTricks();
  void LayOutPlayOnTable();
  void EndOfTry();

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
  ClaimAsker claimAsker_;
  QLabel* claimLine_ = nullptr;
};

}  // namespace quorval
