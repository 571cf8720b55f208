#include "scoring/player_results.h"

#include <algorithm>

#include "core/board_key.h"
#include "data/comma_text.h"
#include "data/event_set.h"
#include "data/ini_store.h"
#include "data/library_rules.h"
#include "data/options.h"
#include "scoring/figures.h"
#include "scoring/result_items.h"

namespace quorval {

std::string ResultLine(const Contract& contract, Seat dealer, int declarerTricks, int boardScore,
                       const std::array<double, 22>& resultFigures) {
  const bool passedOut = contract.PassedOut();
  std::string line(1, SeatLetter(passedOut ? PrevSeat(dealer) : contract.declarer));
  line += ',';
  line += ContractText(contract, true);
  line += ',' + std::to_string(passedOut ? 0 : declarerTricks);
  line += ',' + std::to_string(passedOut ? 0 : boardScore);
  for (int n = 1; n <= 21; ++n) line += ',' + std::to_string(FiledFigure(resultFigures[n]));
  return line;
}

bool SaveScore(TBigIniFile& options, const std::string& player, const std::string& boardKey,
               const std::string& line) {
  options.WriteString(player, boardKey, line);
  return options.UpdateFile();
}

std::string FiledLine(const TBigIniFile& options, const std::string& player, const std::string& boardKey) {
  return options.ReadString(player, boardKey, kNoFiledLine);
}

std::optional<int> FiledResult::FiledFigureAt(int index) const {
  if (index < 1 || index > 21) return std::nullopt;
  return WholeNumber(items[3 + index]);
}

Contract FiledContract(const FiledResult& filed) {
  Contract contract;
  std::string text = filed.contract();
  int doubled = 0;
  while (!text.empty() && (text.back() == 'X' || text.back() == 'x')) {
    text.pop_back();
    ++doubled;
  }
  const CallCode bid = ParseCall(text);
  if (!IsBid(bid)) return contract;   // "Pass": passed out
  contract.bid = bid;
  contract.DoubledCount = std::min(doubled, 2);
  contract.declarer = ParseSeat(filed.declarer(), North);
  return contract;
}

std::optional<FiledResult> ReadFiledResult(const std::string& line) {
  FiledResult result;
  result.items = ReadCommaText(line);
  if (result.items.size() < static_cast<size_t>(kFiledItems)) return std::nullopt;
  for (int s = 0; s < 3; ++s) {
    const auto figure = WholeNumber(result.items[22 + s]);
    if (!figure) return std::nullopt;
    result.userFigures[s] = *figure * 0.01;
  }
  return result;
}

std::vector<UnsavedResult> UnsavedResults(const TBigIniFile& options) {
  std::vector<std::string> players;
  for (const TIniChange& change : options.PendingChanges())
    if (std::none_of(players.begin(), players.end(), [&](const std::string& p) { return SameName(p, change.section); }))
      players.push_back(change.section);
  std::vector<UnsavedResult> unsaved;
  for (const std::string& player : players)
    for (const std::string& key : options.PendingKeys(player))
      if (IsBoardKey(key)) unsaved.push_back({player, key});
  return unsaved;
}

std::string UnsavedResultsText(const std::vector<UnsavedResult>& unsaved) {
  std::string text;
  for (size_t i = 0; i < unsaved.size(); ++i) {
    if (i == 0 || unsaved[i].player != unsaved[i - 1].player)
      text += (i ? "; " : "") + unsaved[i].player + ": ";
    else
      text += ", ";
    text += unsaved[i].boardKey;
  }
  return text;
}

std::array<std::optional<FiledResult>, kBoardsPerEvent> ReadSessionResults(
    const TBigIniFile& options, const std::string& player, const std::string& eventKind,
    const std::string& session) {
  std::array<std::optional<FiledResult>, kBoardsPerEvent> results;
  for (int board = 1; board <= kBoardsPerEvent; ++board)
    results[board - 1] = ReadFiledResult(FiledLine(options, player, BoardKey{eventKind, session, board}.Text()));
  return results;
}

std::vector<std::pair<std::string, FiledResult>> ReadPlayerResults(const TBigIniFile& options,
                                                                   const std::string& player) {
  std::vector<std::string> lines;
  options.ReadSectionValues(player, lines);
  std::vector<std::pair<std::string, FiledResult>> results;
  std::string name;
  for (const auto& line : lines) {
    if (!LineName(line, name) || IsSetAsideKey(name)) continue;   // a result of another event set
    if (auto result = ReadFiledResult(line.substr(name.size() + 1))) results.emplace_back(name, std::move(*result));
  }
  return results;
}

}  // namespace quorval
