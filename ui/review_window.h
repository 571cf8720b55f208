#pragma once
// TReviewForm: the modal "Review" window of a board. It shows the deal as
// it was played, stepping through the play card by card (buttons and arrow
// keys) with the hands shrinking, every card marked with what it cost its
// side double dummy and the best cards where it cost; the makeable-contract
// table and par; and the summary in plain words. The solver works on a
// thread of its own and the window fills in its answers as they come, with
// a progress bar, so it never freezes.

#include <QDialog>
#include <QString>
#include <array>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "play/review/review_words.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;

namespace quorval {

class TBridgeGrid;
class TBridgeLab;
class TMultiLang;
class TReviewDeal;
class TReviewTricks;

class TReviewForm : public QDialog {
  Q_OBJECT

 public:
  // `review` is the board with its play (the solver's part still empty);
  // `solvers` put stand-ins in place of the solver (tests).
  TReviewForm(QWidget* parent, review::BoardReview review, review::ReviewSolvers solvers = {});
  ~TReviewForm() override;

  // Stepping: the number of cards shown played, 0 to all of them.
  int Step() const { return step_; }
  void StepTo(int cardsPlayed);
  void FirstClick();
  void BackClick();
  void ForwardClick();
  void LastClick();
  void TrickBack();
  void TrickForward();

  const review::BoardReview& Review() const { return review_; }
  bool AnalysisDone() const { return analysisDone_; }
  // Waits until the solver has answered everything and shows it (tests and
  // pictures; the window itself never waits).
  void WaitForAnalysis();
  // The words of the summary in the window's language (its hidden labels).
  review::ReviewWords Words() const;
  // What the window says about the card shown last and in the summary.
  QString DetailText() const;
  QString SummaryText() const;
  // Shows the words of the window's labels again (after a language change).
  void Relabel();
  // Speaks language L (0 English, 1 Danish, 2 Norwegian, 4 Swedish): the
  // window's word list applied, every composed text made again.
  void SetLanguage(int language);

  // The auction with the meaning of each call, shown below the summary when
  // "Auction with meanings" is ticked; the box is offered only when some
  // call has a meaning.
  struct AuctionLine {
    QString seat;
    QString call;  // suit markup ("1~N", "Pass")
    QString meaning;
  };
  void SetAuction(std::vector<AuctionLine> lines);
  QCheckBox* AuctionMeaningsBox() const { return meaningsBox_; }

  // "Play from here": offered when the table can play the board again; the
  // button closes the window with the cards before the card shown last
  // chosen (none before the opening lead).
  void OfferPlayFromHere(bool offer);
  void PlayFromHereClick();
  std::optional<int> PlayFromCards() const { return playFromCards_; }
  QPushButton* PlayFromButton() const { return playFrom_; }

  TReviewDeal* Deal() const { return deal_; }
  TReviewTricks* Tricks() const { return tricks_; }
  TBridgeGrid* MakeableGrid() const { return makeable_; }
  QProgressBar* Progress() const { return progress_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWindow();
  void StartAnalysis(review::ReviewSolvers solvers);
  void StopAnalysis();
  void TableReady(const review::BoardReview& solvedDeal);
  void CardReady(const review::CardReview& card);
  void AnalysisFinished();
  void ShowStep();
  void ShowTable();
  void ShowSummary();
  void ShowProgress();
  QString Label(const char* name) const;

  review::BoardReview review_;
  int step_ = 0;
  bool analysisDone_ = false;
  std::atomic<bool> cancel_{false};
  std::thread worker_;

  TBridgeLab* header_ = nullptr;
  TBridgeLab* contractLab_ = nullptr;
  TReviewDeal* deal_ = nullptr;
  QLabel* detail_ = nullptr;
  std::array<QPushButton*, 4> steps_{};
  QProgressBar* progress_ = nullptr;
  QGroupBox* makeableGroup_ = nullptr;
  TBridgeGrid* makeable_ = nullptr;
  TBridgeLab* parLab_ = nullptr;
  QGroupBox* playGroup_ = nullptr;
  TReviewTricks* tricks_ = nullptr;
  QGroupBox* summaryGroup_ = nullptr;
  QTextBrowser* summary_ = nullptr;
  QCheckBox* meaningsBox_ = nullptr;
  std::vector<AuctionLine> auction_;
  QPushButton* close_ = nullptr;
  QPushButton* playFrom_ = nullptr;
  std::optional<int> playFromCards_;
  TMultiLang* lang_ = nullptr;
};

// The summary's suit markup ("4~S") as coloured suit symbols in rich text,
// every line of the text a line of its own.
QString SymbolHtml(const QString& text);

}  // namespace quorval
