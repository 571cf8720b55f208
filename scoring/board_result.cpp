#include "scoring/board_result.h"

#include "data/ini_store.h"
#include "scoring/contract_score.h"
#include "scoring/player_results.h"

namespace quorval {

bool IsImpEvent(const std::string& eventKind) {
  return eventKind.size() >= 3 && SameName(eventKind.substr(0, 3), "Imp");
}

BoardScoring ScoreAgainstField(const Contract& contract, int declarerTricks, Vulnerability vul, Seat dealer,
                               const std::vector<std::string>& boardValues, const std::string& boardKey,
                               const ComparisonSettings& settings) {
  BoardScoring result;
  result.BoardScore = ContractScore(contract, declarerTricks, vul);
  const UserResult user = MakeUserResult(contract, declarerTricks, result.BoardScore, dealer, settings.passedOutLabel);
  result.comparison = BuildResultGrids(user, boardValues, dealer, boardKey, settings);
  if (result.comparison.built)
    result.line = ResultLine(contract, dealer, declarerTricks, result.BoardScore, result.comparison.ResultFigures);
  return result;
}

BoardScoring ScoreBoard(const Contract& contract, int declarerTricks, Vulnerability vul, Seat dealer,
                        const std::vector<std::string>& boardValues, const std::string& boardKey,
                        const ComparisonSettings& settings, TBigIniFile& options, const std::string& player) {
  BoardScoring result = ScoreAgainstField(contract, declarerTricks, vul, dealer, boardValues, boardKey, settings);
  if (!result.comparison.built) return result;
  result.filed = true;
  result.written = SaveScore(options, player, boardKey, result.line);
  return result;
}

}  // namespace quorval
