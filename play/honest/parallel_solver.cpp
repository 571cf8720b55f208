#include "play/honest/parallel_solver.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace quorval::honest {

std::vector<SolverResult> SolveAll(const std::vector<SolveJob>& jobs) {
  std::vector<SolverResult> results(jobs.size());
  std::atomic<size_t> next{0};
  auto work = [&](int threadIndex) {
    for (size_t i = next++; i < jobs.size(); i = next++)
      results[i] = SolveWith(jobs[i].position, jobs[i].target, jobs[i].solutions, threadIndex);
  };
  const int workers = std::min<int>(SolverThreads(), static_cast<int>(jobs.size()));
  std::vector<std::thread> threads;
  for (int t = 1; t < workers; ++t) threads.emplace_back(work, t);
  work(0);
  for (std::thread& t : threads) t.join();
  return results;
}

}  // namespace quorval::honest
