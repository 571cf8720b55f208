#include "tools/eventgen/progress.h"

#include <unistd.h>

#include <cstdio>

namespace quorval::eventgen {

TerminalProgress::TerminalProgress()
    : enabled_(::isatty(STDERR_FILENO) != 0), start_(std::chrono::steady_clock::now()) {}

TerminalProgress::~TerminalProgress() {
  if (shown_) std::fputc('\n', stderr);
}

void TerminalProgress::Update(const std::string& event, int done, int total) {
  if (!enabled_ || total <= 0) return;
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const double left = done > 0 ? elapsed * (total - done) / done : 0;
  std::fprintf(stderr, "\r%s done: %d of %d events, about %.0f s left   ", event.c_str(), done, total, left);
  std::fflush(stderr);
  shown_ = true;
}

}  // namespace quorval::eventgen
