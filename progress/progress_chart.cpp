#include "progress/progress_chart.h"

#include <string>

#include "scoring/score_pad.h"

namespace quorval {

std::optional<double> BoardMeasure(const BoardProgress& b, ProgressMeasure m, bool imps, int mpScoringSys) {
  const bool passed = b.contract.PassedOut();
  const bool declares = !passed && SideOf(b.contract.declarer) == SideOf(South);
  switch (m) {
    case ProgressMeasure::ScoreA:
    case ProgressMeasure::ScoreB:
    case ProgressMeasure::ScoreC: {
      if (b.imps != imps) return std::nullopt;
      const double figure = b.figures[size_t(static_cast<int>(m) - static_cast<int>(ProgressMeasure::ScoreA))];
      if (imps) return figure;
      // A board's match points as the session's percentage would count them.
      return MatchPointPercentage(1, figure, mpScoringSys);
    }
    case ProgressMeasure::DeclarerLost:
      if (!b.dd || !declares) return std::nullopt;
      return b.dd->declarerLost;
    case ProgressMeasure::DefenderLost:
      if (!b.dd || passed || declares) return std::nullopt;
      return b.dd->defendersLost;
    case ProgressMeasure::LeadKept:
      // South leads when East declares.
      if (!b.dd || passed || b.contract.declarer != East || b.dd->leadKept < 0) return std::nullopt;
      return b.dd->leadKept * 100.0;
    case ProgressMeasure::ImpsVsPar:
      if (!b.dd) return std::nullopt;
      return b.dd->impsAgainstPar;
  }
  return std::nullopt;
}

ProgressCurve MeasureCurve(const std::vector<BoardProgress>& boards, ProgressMeasure m, bool imps,
                           int mpScoringSys, int window) {
  ProgressCurve curve;
  struct Sum {
    std::string session;
    double x = 0, y = 0;
    int n = 0;
  };
  std::vector<Sum> sessions;
  std::vector<double> recent;
  double recentSum = 0;
  for (size_t i = 0; i < boards.size(); ++i) {
    const auto value = BoardMeasure(boards[i], m, imps, mpScoringSys);
    if (!value) continue;
    const double x = static_cast<double>(i + 1);
    Sum* s = nullptr;
    for (Sum& known : sessions)
      if (known.session == boards[i].Session()) s = &known;
    if (!s) {
      sessions.push_back({boards[i].Session()});
      s = &sessions.back();
    }
    s->x += x;
    s->y += *value;
    ++s->n;
    recent.push_back(*value);
    recentSum += *value;
    if (window > 0 && static_cast<int>(recent.size()) > window) {
      recentSum -= recent.front();
      recent.erase(recent.begin());
    }
    curve.running.push_back({x, recentSum / static_cast<double>(recent.size())});
  }
  for (const Sum& s : sessions) curve.sessions.push_back({s.x / s.n, s.y / s.n});
  return curve;
}

}  // namespace quorval
