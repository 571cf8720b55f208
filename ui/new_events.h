#pragma once
// TNewEvents: File > New Events... makes a new event set for the program:
// fresh deals from a seed (shown, so the same set can be made again) or the
// deals of a hand-record file (PBN), with field results and the library, in a
// folder the user chooses. A bar shows the stage and the board while the set
// is made on a thread of its own; Cancel stops it and nothing is written.
// When the set is ready the window offers to play it. The making itself is
// handed in (the event generator), so the window only asks and shows.

#include <QDialog>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quorval { class TMultiLang; }

namespace quorval {

struct NewEventsRequest {
  bool fromFile = false;
  uint64_t seed = 0;
  int impEvents = 9;        // fresh deals: Imp01 .. Imp0N
  int pairsEvents = 18;     // and Par01 .. ParNN
  QString file;             // a hand-record file
  bool fileImps = false;    // its boards as IMP events (else pairs events)
  QString folder;
};

enum class NewEventsStage { Solving = 0, Bidding = 1, Writing = 2 };
struct NewEventsStep {
  NewEventsStage stage = NewEventsStage::Solving;
  std::string key;   // "Imp03.12"
  int done = 0;
  int total = 0;
};

struct NewEventsOutcome {
  bool made = false;
  bool cancelled = false;
  std::string error;
  int boards = 0;
  std::vector<std::string> refused;   // "club.pbn:35: unknown seat ..."
};

using NewEventsRunner = std::function<NewEventsOutcome(
    const NewEventsRequest& request, const std::function<void(const NewEventsStep&)>& step,
    const std::atomic<bool>& cancel)>;
// A yes-or-no question to the user; the message boxes in the program.
using AskFn = std::function<bool(QWidget* parent, const QString& question)>;

class TNewEvents : public QDialog {
  Q_OBJECT

 public:
  // `suggested` is the folder first offered; the set in use (`workingFolder`)
  // is never replaced. `seed` is the seed first shown.
  TNewEvents(QWidget* parent, const QString& suggested, const QString& workingFolder, uint64_t seed,
             NewEventsRunner runner, AskFn ask = {});
  ~TNewEvents() override;

  // Speaks `language` (the table's interface language).
  void SetLanguage(int language);

  NewEventsRequest Request() const;
  // Checks the choices and starts making the set; false (with a message)
  // when a choice is missing or the user keeps an existing set.
  bool Start();
  void CancelClick();
  // A set is being made (until its outcome has been taken).
  bool Running() const { return worker_.joinable(); }
  // Waits for a run to end and takes its outcome (tests; the window's own
  // flow gets it from the event loop).
  void WaitForRun();
  // The set was made and the user wants to play it now.
  bool PlayNow() const { return playNow_; }
  QString Folder() const;
  const NewEventsOutcome& Outcome() const { return outcome_; }

  QRadioButton* FreshButton() const { return freshRB_; }
  QRadioButton* FileButton() const { return fileRB_; }
  QLineEdit* SeedEdit() const { return seedEdit_; }
  QLineEdit* FileEdit() const { return fileEdit_; }
  QLineEdit* FolderEdit() const { return folderEdit_; }
  QSpinBox* ImpSpin() const { return impSpin_; }
  QSpinBox* PairsSpin() const { return pairsSpin_; }
  QComboBox* FileScoring() const { return fileScoring_; }
  QProgressBar* Progress() const { return progress_; }
  QLabel* StageLabel() const { return stage_; }
  QPushButton* MakeButton() const { return makeBtn_; }

  // Escape and the window's close button: while a set is being made they
  // cancel it, and the window stays until the run has stopped.
  void reject() override;

 private:
  void ShowStep(const NewEventsStep& step);
  void Finished();
  void EnableChoices(bool on);
  QString Text(const char* label) const;

  NewEventsRunner runner_;
  AskFn ask_;
  QString workingFolder_;
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  NewEventsOutcome outcome_;
  bool playNow_ = false;

  QRadioButton* freshRB_ = nullptr;
  QRadioButton* fileRB_ = nullptr;
  QLineEdit* seedEdit_ = nullptr;
  QSpinBox* impSpin_ = nullptr;
  QSpinBox* pairsSpin_ = nullptr;
  QLineEdit* fileEdit_ = nullptr;
  QComboBox* fileScoring_ = nullptr;
  QLineEdit* folderEdit_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* stage_ = nullptr;
  QPushButton* makeBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
  std::vector<QWidget*> choices_;
  TMultiLang* lang_ = nullptr;
};

}  // namespace quorval
