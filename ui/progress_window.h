#pragma once
// TProgressWindow: "My Progress", the player's course in four charts over
// the boards in the order they were filed: the score per session against
// the three strata (IMPs per board or match-point percentage), the tricks
// lost double dummy as declarer and as defender, the opening leads that
// kept their value, and the contracts reached against par. One point per
// session and a running line over the boards. The double-dummy figures are
// worked out on a thread of its own (those not yet kept beside the plays),
// with a progress bar and Cancel, so the window never freezes.

#include <QDialog>
#include <array>
#include <atomic>
#include <functional>
#include <thread>

#include "progress/progress.h"

class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;

namespace quorval {

class TMultiLang;

class TProgressWindow : public QDialog {
  Q_OBJECT

 public:
  // `compute` works the progress out with the run it is given (its step and
  // cancel flag are the window's); it runs on the window's own thread.
  using Compute = std::function<PlayerProgress(const ProgressRun& run)>;
  TProgressWindow(QWidget* parent, Compute compute, int mpScoringSys, int language);
  ~TProgressWindow() override;

  // Waits until the figures are in and drawn (tests and pictures).
  void WaitForFigures();
  bool FiguresIn() const { return done_; }
  const PlayerProgress& Progress() const { return progress_; }
  // Speaks language L (0 English, 1 Danish, 2 Norwegian, 4 Swedish).
  void SetLanguage(int language);
  // Stops the work between two boards; the charts show what is in.
  void CancelClick();

  QChartView* Chart(int index) const { return charts_[size_t(index)]; }
  QProgressBar* Bar() const { return bar_; }
  QPushButton* CancelButton() const { return cancel_; }
  QString StatusText() const;

 private:
  void Step(int done, int total);
  void Finished(PlayerProgress progress);
  void DrawCharts();
  QString Text(const char* key) const;

  PlayerProgress progress_;
  int mpScoringSys_ = 0;
  bool done_ = false;
  std::atomic<bool> stop_{false};
  std::thread worker_;
  std::array<QChartView*, 4> charts_{};
  QLabel* status_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* close_ = nullptr;
  TMultiLang* lang_ = nullptr;
};

}  // namespace quorval
