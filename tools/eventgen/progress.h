#pragma once
// Progress of a long run on the terminal: events done and the time left,
// rewritten in place on standard error. Silent when standard error is not a
// terminal, so scripts and tests see no output.

#include <chrono>
#include <string>

namespace quorval::eventgen {

class TerminalProgress {
 public:
  TerminalProgress();
  ~TerminalProgress();
  void Update(const std::string& event, int done, int total);

 private:
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace quorval::eventgen
