#pragma once
// TDeskTop: the table window. It owns the game of the whole run (the board
// at the table, game/table_game.h) and shows it; each concern lives in its
// own source file (frame and menus here, board navigation, auction, play and
// the score view beside it); the rules themselves are in the game.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/deal.h"
#include "data/help_files.h"
#include "data/kept_play.h"
#include "game/table_game.h"
#include "table/computer_turn.h"
#include "play/engine/engine.h"
#include "play/play_state.h"
#include "play/review/board_review.h"
#include "print/hand_report.h"
#include "print/print_job.h"
#include "print/session_print.h"
#include "ui/new_events.h"
#include "ui/unsaved_results.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QMenu;

namespace quorval {

class TBidBoxEuro;
class TBridgeGrid;
class TMultiLang;
class TBridgeLab;
class TCardTable;
class TBoardPicture;
class THelpWindow;
class TSetupOptions;
class TSessionResult;
class TFormSummary;
class TMeaningTip;
class TMeaningList;
class TReviewForm;

// Seconds on the clock every pause of the table measures from.
double TableClockSeconds();

class TDeskTop : public QMainWindow {
  Q_OBJECT

 public:
  // `state` brings the folder facts (marker file); event, session, board
  // counter and system come from the player's options.
  TDeskTop(TableFiles& files, const TableState& state, QWidget* parent = nullptr);
  ~TDeskTop() override;

  // What the window shows at first: panels laid out, hands created, the
  // offer to "Play Next Hand". `splashShown` is when the splash came up; the
  // window waits until 4 seconds have passed unless the marker file exists.
  void FormShow(double splashShownSeconds);

  // Board navigation.
  void NewHandClick();
  void PriorHand1Click();
  void GotoHand1Click();
  void BidSysClick(int system);
  bool ReadHand();
  void StartNewHand();
  void HandActions(bool enable);
  void DupBoard();

  // The auction.
  void ProcessHumanBid();
  void BidButClick(const QString& code);
  void BidKeyDown(int key, const QString& text);
  void ButHelpBidClick();
  void ButMakeBidClick();
  void ButTakeBackBidClick();
  void ReviewBiddingClick();
  void CloseBidReviewClick();
  void AddAllBids();

  // The play.
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
  // A card the user clicked or dropped; false (and a beep) when refused.
  bool UserPlays(CardCode card);

  // Results and printing (desktop_results.cpp). The windows are made by
  // the Make functions and shown modally by the menu handlers.
  void PrintHandMenuClick(PrintTarget target = PrintTarget::Printer);
  void SessionResults1Click();
  void ResultSummary1Click();
  std::unique_ptr<TSessionResult> MakeSessionResults();
  std::unique_ptr<TFormSummary> MakeResultSummary();
  // The report of the board on the table: only what belongs to it so far.
  HandReportData CurrentHandReport() const;
  // The report of a filed board from its kept play; nothing when the board
  // has no filed result or cannot be read. `problem` says what was wrong,
  // also when the board is reported without its auction and play.
  std::optional<HandReportData> FiledHandReport(const std::string& boardKey, std::string& problem);
  SessionPrintPage SessionListPage(const TSessionResult& window) const;
  SessionPrintPage SessionListPage(const std::string& event, const std::string& session);
  TReportLabels& ReportLabels() const { return *reportLabels_; }
  // Replaces the print dialogs (tests): gets the pages and where they go.
  using Printer = std::function<bool(QWidget* parent, const QString& name, const std::vector<PageDrawer>& pages,
                                     PrintTarget target)>;
  void SetPrinter(Printer printer) { printer_ = std::move(printer); }

  // The double-dummy review (desktop_review.cpp): "Review" at the end of a
  // board, and a filed board's review from the session results. The Make
  // functions build the window without showing it (nothing when there is
  // no play to review; `problem` says why).
  void ReviewHandClick();
  void ReviewFiledBoard(const std::string& boardKey, QWidget* parent);
  std::unique_ptr<TReviewForm> MakeCurrentReview();
  std::unique_ptr<TReviewForm> MakeFiledReview(const std::string& boardKey, QWidget* parent, std::string& problem);
  // Stand-ins for the solver in the review windows (tests).
  void SetReviewSolvers(review::ReviewSolvers solvers) { reviewSolvers_ = std::move(solvers); }

  void ExitMenuClick();

  // Boards in and out (desktop_events.cpp): the filed boards as a PBN file,
  // a new event set made from fresh deals or a hand record, and another set
  // opened. The program plays another set by starting again in its folder.
  void ExportBoards1Click();
  void NewEvents1Click();
  void OpenEventSet1Click();
  bool PlayEventSet(const QString& folder);
  // How a new set is made (the event generator; replaced in tests) and how
  // the program starts again (replaced in tests): false when it could not.
  void SetEventsRunner(NewEventsRunner runner) { eventsRunner_ = std::move(runner); }
  using Restarter = std::function<bool(const QStringList& arguments)>;
  void SetRestarter(Restarter restart) { restarter_ = std::move(restart); }

  // Preferences and About (desktop_preferences.cpp). "Preferences" opens the
  // modal dialog; what the table does once it closes (OK or not) follows.
  void SetupOptions1Click();
  void AfterPreferences(bool ok, const std::string& playerBefore);
  void AboutBridgeClassClick();
  // The per-machine language the options fall back on when a player's own
  // is unknown (the dialog loads players' options with it).
  void SetMachineLanguage(LanguageSource source) { machineLanguage_ = std::move(source); }

  // Languages (desktop_language.cpp). A "Language" item: the language index
  // (0 English, 1 Danish, 2 Norwegian, 4 Swedish; the item's tag minus 10)
  // becomes the interface language and the player's Language option.
  void LanguageClick(int language);
  // The language the windows speak; the Language option unless the run was
  // started with another one (SetLanguageForRun).
  int InterfaceLanguage() const { return language_; }
  // This run speaks `language`; the player's option is left as it is (until
  // the user chooses a language from the menu). Call before FormShow.
  void SetLanguageForRun(int language);
  // The text of one of the window's hidden labels ("LabelPass", "vul2", ...)
  // in the interface language.
  QString Text(const char* label) const;
  TMultiLang* Words() const { return lang_; }

  // Help (desktop_help.cpp): a "User Guide" or "Bidding System Summary" item
  // by its tag, 1 Danish, 2 English, 3 Norwegian, 4 Swedish.
  void UserGuideHelp(int tag);
  void BidSysHelp(int tag);
  THelpWindow* HelpWindow() const { return help_; }

  // What the calls mean (desktop_meanings.cpp), in the interface language;
  // empty when the meanings file has none. Call number `index` of the
  // auction, or what `c` would mean as the next call.
  QString CallMeaningText(int index) const;
  QString NextCallMeaningText(CallCode c) const;
  // The tip of the call under a point of the auction grid's viewport; false
  // (and no tip) when there is no call there or it has no meaning.
  bool ShowCallTip(const QPoint& viewportPos);
  // Opens the bidding-system summary at the section telling of call `index`.
  bool OpenMeaningSummary(int index);
  TMeaningTip* MeaningTip() const { return meaningTip_; }
  TMeaningList* HintMeanings() const { return hintMeanings_; }

  // Replaces the modal board chooser (automated runs and tests); it returns
  // false when cancelled.
  using BoardChoice = std::function<bool(std::string& event, std::string& session, int& board)>;
  void SetBoardChooser(BoardChoice choose) { chooser_ = std::move(choose); }
  // Seeds the opening-lead draw and the honest computer's layouts.
  void SeedRandom(unsigned seed) { game_.Seed(seed); }
  // The honest computer for this run only (the player's setting stays).
  void SetHonestOverride(bool on);
  // "Honest computer" in the Play Options menu: the player's setting.
  void HonestComputerClick();
  // No pauses at all (automated play).
  void SetNoPauses(bool on) {
    noPauses_ = on;
    computerTurn_.SetNoPauses(on);
  }
  // The pause before each computer call; FormShow sets 0.8 seconds, or 0
  // with the marker file.
  void SetBidPause(double seconds) { game_.SetBidPause(seconds); }
  // The engine's skill for this run only (the player's setting stays).
  void SetSkillOverride(int skill) { game_.SetSkillOverride(skill); }
  // What to ask when results could not be written to the options file (the
  // dialog at the screen). Without one the run goes on and the results not
  // written are left to the end of the run to report.
  using UnsavedResultsOffer = std::function<UnsavedAnswer(const UnsavedOffer&)>;
  void SetUnsavedResultsOffer(UnsavedResultsOffer offer) { unsavedOffer_ = std::move(offer); }
  // While results are not on disk: offers to try again or to save them in
  // another file, until they are saved or the user puts it off. False when
  // the user, asked on closing, chose not to quit.
  bool OfferUnsavedResults(bool closing);
  // Plays one board as a user would with "Make Bid" at every turn and
  // "Finish Play" after the auction, so it is scored and filed. False when
  // the board could not be read or did not reach its end.
  bool AutoPlayBoard(const std::string& event, const std::string& session, int board);

  // State for tests and the automated player.
  TableGame& Game() { return game_; }
  const TableState& State() const { return game_.State(); }
  const AuctionState& Bidding() const { return game_.Auction(); }
  const PlayState& Play() const { return game_.Play(); }
  const BoardOnTable& Board() const { return game_.Board(); }
  int BoardScore() const { return game_.Result() ? game_.Result()->score : 0; }
  bool ResultFiled() const { return game_.ResultFiled(); }
  // The board's line also reached the options file on disk.
  bool ResultWritten() const { return game_.ResultWritten(); }
  QAction* Action(const QString& name) const;
  QWidget* Panel(const QString& name) const;
  TBidBoxEuro* BidBox() const { return bidBox_; }
  TBridgeGrid* ReviewGrid() const { return bidReview_; }
  TBridgeGrid* StrataGrid(int stratum) const { return strata_[stratum]; }
  TBridgeGrid* ScorePadGrid() const { return scorePadGrid_; }
  TCardTable* Cards() const { return cards_.get(); }
  QTabWidget* ScorePages() const { return scorePages_; }
  // The window's own size: everything it shows, the strata pages included.
  QSize sizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Frame (desktop.cpp).
  void BuildMenus();
  void BuildPanels();
  void LayoutTable();
  QPushButton* AddButton(QWidget* panel, const QString& name, const QString& caption,
                         const QRect& geometry, void (TDeskTop::*handler)());
  void SaveSettings();
  TOption& Opt() const { return files_.option; }
  void SetCaption();
  void WaitSeconds(double seconds, double since);
  double Now() const;

  // What the calls mean (desktop_meanings.cpp).
  void BuildMeaningWidgets();
  void NoteMeaningsProblem();
  QString MeaningTextOf(const std::vector<CallCode>& calls, size_t index) const;
  int ReviewCallAt(const QPoint& viewportPos) const;
  bool MeaningEvent(QObject* watched, QEvent* event);
  void ShowHintMeanings();
  // The meanings a printed hand report lists, when "Print Auction with
  // Meanings" is ticked; none otherwise.
  std::vector<QString> ReportMeanings(const std::vector<CallCode>& calls) const;
  // The auction the review window can show with meanings.
  void GiveReviewAuction(TReviewForm& window, const std::vector<CallCode>& calls, Seat dealer) const;
  void HideHintMeanings();

  // Help (desktop_help.cpp).
  void BuildHelpMenu();
  std::string HelpFile(bool userGuide, HelpLanguage language) const;
  bool OpenHelpFile(const std::string& name, const QString& topic);

  // Preferences and the skin (desktop_preferences.cpp).
  void TagPanels();
  void ApplySkin();
  void TakeOverPlayer();
  void ClearBoardFromTable();
  void ShowNoBoardPanels();

  // Board navigation (board_navigation.cpp).
  void DealBoard();
  void HideBoardPanels();

  // The auction (desktop_auction.cpp).
  void ResetBids();
  void InitEachBid();
  void ReadyPad();
  void MakeBid(CallCode c);
  void ShowCall(CallCode c, int index);
  void AddBid(CallCode c, int index);
  void ClearReviewGrid();
  void BidToHuman();
  void AcceptBid();
  void AfterBidding();
  void BadKey();
  void DrawContract();
  QString SeatName(Seat s) const;
  // A call as the auction grid shows it, in the interface language.
  QString ReviewCallText(CallCode c) const;

  // The honest computer's menu item (desktop_engine.cpp).
  void ShowHonestChoice();

  // The play (desktop_play.cpp).
  void StartPlay();
  void ShowPlayStart();
  void PlayTrickToHuman();
  CardCode GetLisk2000Card();
  CardCode GettheBestCard();
  void MakePlay(CardCode card);
  void SelectACard(CardCode card);
  void ReadyforHuman();
  void BeforeEachPlay();
  void PrintWonTricks();
  void ShowTricksWon();
  void CleanTable();
  void RefreshHands();
  void ApplyFaceUp();
  void EndOfHand();
  void HintButton(bool showPlayHint);
  void LogicError();

  // Languages (desktop_language.cpp).
  void BuildTextLabels();
  void BuildLanguageMenu(QMenu* menu);
  void ApplyLanguage();
  void LabelSeatHeadings();
  void ShowSouthPoints();
  QString ContractCaption() const;
  void BeginBusy() { ++busy_; }
  void EndBusy();
  // Results and printing (desktop_results.cpp).
  void FillReportStrata(HandReportData& d, const FieldComparison* cmp) const;
  bool PrintFiledHand(const std::string& boardKey, PrintTarget target, QWidget* parent);
  bool SendPages(QWidget* parent, const QString& name, const std::vector<PageDrawer>& pages, PrintTarget target);
  std::array<QString, 7> StrataHeadings(bool imps) const;

  // The score (score_view.cpp).
  void SetUpResultGrids();
  void FillStrataGrids();
  void ShowTheScore();
  void LabelResultGrid();
  void ScorePagesChange(int page);
  void LabelStrataGrid(TBridgeGrid* grid);
  int StrataPagesWidth();

  TableFiles& files_;
  TableGame game_;
  TComputerTurn computerTurn_;   // the engine on its own thread

  // What the user is doing at the table.
  bool computerThinking_ = false;
  bool noPauses_ = false;
  CardCode selectedCard_ = 0;
  std::string rankKey_, suitKey_;
  std::string pendingEntry_;
  char typedStrain_ = 0, typedLevel_ = 0;
  UnsavedResultsOffer unsavedOffer_;
  BoardChoice chooser_;
  bool closing_ = false;
  int language_ = 0;           // the interface language
  int busy_ = 0;               // inside a pause or while the engine thinks
  int pendingLanguage_ = -1;   // a language chosen meanwhile
  LanguageSource machineLanguage_;
  TSetupOptions* prefs_ = nullptr;   // made on first use, owned by the window

  // Widgets: menus, panels, buttons (named as the table's handlers know them).
  std::vector<QAction*> actions_;
  QActionGroup* bidSystems_ = nullptr;
  QActionGroup* languages_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  TMultiLang* lang_ = nullptr;
  QWidget* texts_ = nullptr;   // the hidden labels
  QWidget* desk_ = nullptr;
  QFrame* table_ = nullptr;
  std::array<QWidget*, 4> handPanels_{};
  QWidget* tricksWL_ = nullptr;
  QFrame* dupBd_ = nullptr;
  TBoardPicture* dup_ = nullptr;
  QLabel* bidSysLabel_ = nullptr;
  QLabel* sessionLab_ = nullptr;
  QFrame* playPanel_ = nullptr;
  QLabel* contractImg_ = nullptr;
  QLabel* nsTricks_ = nullptr;
  QLabel* ewTricks_ = nullptr;
  QFrame* hcpPanel_ = nullptr;
  QLabel* hcpText_ = nullptr;
  QFrame* reviewPanel_ = nullptr;
  std::array<QLabel*, 4> seatHeadings_{};
  TBridgeGrid* bidReview_ = nullptr;
  QPushButton* closeReview_ = nullptr;
  TBidBoxEuro* bidBox_ = nullptr;
  QFrame* endOfBidding_ = nullptr;
  QFrame* endofScoring_ = nullptr;
  QFrame* playPad_ = nullptr;
  QFrame* scorePad_ = nullptr;
  TBridgeLab* scorePadResults_ = nullptr;
  TBridgeGrid* scorePadGrid_ = nullptr;
  QTabWidget* scorePages_ = nullptr;
  std::array<TBridgeGrid*, 3> strata_{};
  std::unique_ptr<TCardTable> cards_;
  THelpWindow* help_ = nullptr;
  TMeaningTip* meaningTip_ = nullptr;
  TMeaningList* hintMeanings_ = nullptr;
  int tipCall_ = -1;   // the call whose meaning the tip shows
  std::unique_ptr<TReportLabels> reportLabels_;
  Printer printer_;
  NewEventsRunner eventsRunner_;
  Restarter restarter_;
  review::ReviewSolvers reviewSolvers_;
};

}  // namespace quorval
