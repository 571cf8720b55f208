#pragma once
// What watches a monkey run from outside its actions: the action under way
// (named when the process crashes or hangs), a watchdog thread that ends the
// run when the event loop stops turning or turns while no action can follow
// (a loop inside an action that never ends), and the Qt messages of the run.

#include <QObject>
#include <QTimer>
#include <atomic>
#include <string>
#include <thread>

namespace quorval {

class MonkeyGuard : public QObject {
 public:
  // `hangSeconds`: how long the event loop may stand still.
  explicit MonkeyGuard(int hangSeconds = 60);
  ~MonkeyGuard() override;

  // The action under way, as a crash or a hang reports it.
  void SetAction(int number, const std::string& text);
  // The run's actions are over: only the event loop is watched now.
  void ActionsOver() { lastActionMs_ = 0; }
  // Qt critical messages since the run began (each one fails the run), and
  // the first of them; warnings are only counted.
  int Criticals() const { return criticals_; }
  const std::string& FirstCritical() const { return firstCritical_; }
  int Warnings() const { return warnings_; }
  // Counts a message of Qt's own (the run's message handler calls it).
  void NoteQtMessage(QtMsgType type, const QString& text);

 private:
  void Beat();
  void Watch();

  int hangSeconds_;
  QTimer heartbeat_;
  std::atomic<long long> lastBeatMs_{0};
  std::atomic<long long> lastActionMs_{0};   // 0 until the first action, and again once the run ends
  std::atomic<bool> stop_{false};
  std::thread watchdog_;
  int criticals_ = 0;
  int warnings_ = 0;
  std::string firstCritical_;
};

}  // namespace quorval
