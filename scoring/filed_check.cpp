#include "scoring/filed_check.h"

#include <algorithm>
#include <optional>

#include "data/board_file.h"
#include "data/comma_text.h"
#include "data/event_set.h"
#include "data/ini_store.h"
#include "data/kept_play.h"
#include "data/library_rules.h"
#include "scoring/board_result.h"
#include "scoring/contract_score.h"
#include "scoring/field_comparison.h"
#include "scoring/figures.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"

namespace quorval {
namespace {

constexpr const char* kPassedOut = "Passed out";

// A key of a result line's shape ("Imp01.28" too, which names no board):
// event kind, two digits, ".", two digits.
bool LooksLikeBoardKey(const std::string& key) {
  const auto digit = [&key](size_t i) { return key[i] >= '0' && key[i] <= '9'; };
  return key.size() == 8 && (key.rfind("Imp", 0) == 0 || key.rfind("Par", 0) == 0) && digit(3) && digit(4) &&
         key[5] == '.' && digit(6) && digit(7);
}

// The board as it was dealt at the table: turned by its Site, with its 18
// field results turned with it.
struct TableBoard {
  BoardRecord record;
  std::vector<std::string> boardValues;
};

std::optional<TableBoard> ReadTableBoard(const FiledStores& stores, const std::string& key, std::string& problem) {
  BoardStatus status = BoardStatus::NotFound;
  auto record = stores.boards.ReadBoard(key, status);
  if (!record) {
    problem = status == BoardStatus::NotFound ? "the board file has no such board" : "the board's deal cannot be read";
    return std::nullopt;
  }
  std::vector<std::string> section;
  stores.results.ReadSectionValues(key, section);
  std::vector<std::string> field;
  for (std::string& line : section)
    if (line.find_first_not_of(" \t\r\n") != std::string::npos) field.push_back(std::move(line));
  if (field.size() != static_cast<size_t>(kFieldResultCount)) {
    problem = "the board has not 18 field results";
    return std::nullopt;
  }
  TableBoard board{std::move(*record), {}};
  board.boardValues = board.record.lines;
  board.boardValues.insert(board.boardValues.end(), field.begin(), field.end());
  if (board.record.site % 4 != 0)
    RotateFieldResults(field, board.record.site, board.record.dealer, kPassedOut, board.boardValues);
  return board;
}

// Why the contract, tricks and score items cannot be a result of the board,
// or nothing.
std::optional<std::string> ContractFault(const std::vector<std::string>& items, const Contract& contract,
                                         const TableBoard& board) {
  if (ContractText(contract, true) != items[1])
    return "\"" + items[1] + "\" is not a contract as the program files it";
  const auto tricks = WholeNumber(items[2]);
  const auto score = WholeNumber(items[3]);
  if (!tricks || *tricks < 0 || *tricks > 13) return "the tricks \"" + items[2] + "\" are not 0 to 13";
  if (!score) return "the score \"" + items[3] + "\" is not a whole number";
  if (contract.PassedOut()) {
    if (items[0] != std::string(1, SeatLetter(PrevSeat(board.record.dealer))) || *tricks != 0 || *score != 0)
      return "a passed-out board files the seat before the dealer, 0 tricks and score 0";
    return std::nullopt;
  }
  if (items[0].size() != 1 || !DeclarerSeat(items[0]) || items[0] != std::string(1, SeatLetter(contract.declarer)))
    return "the declarer \"" + items[0] + "\" is not a seat letter";
  const int expected = ContractScore(contract, *tricks, board.record.vulnerability);
  if (*score != expected)
    return "the score " + items[3] + " should be " + std::to_string(expected) + " for " + items[1] + " by " +
           items[0] + " with " + items[2] + " tricks";
  return std::nullopt;
}

// The first figure that differs from the comparison with the field, or
// nothing when all 21 agree.
std::optional<std::string> FigureFault(const std::vector<std::string>& items, const Contract& contract,
                                       const TableBoard& board, const std::string& key, bool imps, int mpMethod) {
  const int tricks = WholeNumber(items[2]).value_or(0);
  const UserResult user = MakeUserResult(contract, contract.PassedOut() ? 0 : tricks,
                                         WholeNumber(items[3]).value_or(0), board.record.dealer, kPassedOut);
  std::vector<std::vector<std::string>> field;
  for (int n = 1; n <= kFieldResultCount; ++n)
    field.push_back(LookUpFieldResult(board.boardValues, n, board.record.dealer, kPassedOut));
  ComparisonSettings settings;
  settings.imps = imps;
  settings.mpScoringSys = mpMethod;
  const FieldComparison comparison = CompareWithField(user, field, key, settings);
  if (!comparison.built) return "the field results cannot be read: " + comparison.error.message;
  for (int n = 1; n <= 21; ++n) {
    const int expected = FiledFigure(comparison.ResultFigures[n]);
    if (WholeNumber(items[3 + n]) != expected)
      return std::string(n <= kFieldResultCount ? "the figure of field result " + std::to_string(n)
                                                : std::string("the user's figure in stratum ") +
                                                      StratumLetter(n - kFieldResultCount - 1)) +
             " is " + items[3 + n] + ", not " + std::to_string(expected);
  }
  return std::nullopt;
}

// Why the kept play does not belong to the board and its line, or nothing.
std::optional<std::string> PlayFault(const KeptPlay& play, const std::vector<std::string>& items,
                                     const TableBoard& board) {
  if (play.deal != board.record.deal || play.dealer != board.record.dealer ||
      play.vul != board.record.vulnerability)
    return "the kept play was dealt otherwise than the board";
  const Contract played = play.FinalContract();
  if (ContractText(played, true) != items[1]) return "the kept play ends in " + ContractText(played, true);
  if (played.PassedOut()) return std::nullopt;
  if (std::string(1, SeatLetter(played.declarer)) != items[0])
    return std::string("the kept play's declarer is ") + SeatLetter(played.declarer);
  const int tricks = KeptDeclarerTricks(play);
  if (std::to_string(tricks) != items[2]) return "the kept play gives declarer " + std::to_string(tricks) + " tricks";
  return std::nullopt;
}

void CheckLine(const FiledStores& stores, const std::string& player, const std::string& key, const std::string& line,
               bool needPlay, bool kept, FiledCheck& check) {
  auto fault = [&](const std::string& text) { check.faults.push_back({key, text}); };
  const std::vector<std::string> items = ReadCommaText(line);
  if (items.size() != static_cast<size_t>(kFiledItems)) {
    fault("the line has " + std::to_string(items.size()) + " items, not 25");
    return;
  }
  if (!IsBoardKey(key)) {
    fault("not a board of the program's events");
    return;
  }
  std::string problem;
  const auto board = ReadTableBoard(stores, key, problem);
  if (!board) {
    fault(problem);
    return;
  }
  FiledResult filed;
  filed.items = items;
  const Contract contract = FiledContract(filed);
  if (const auto wrong = ContractFault(items, contract, *board)) {
    fault(*wrong);
    return;
  }
  const bool imps = IsImpEvent(key);
  std::optional<std::string> figures = FigureFault(items, contract, *board, key, imps, 0);
  for (int method = 1; figures && !imps && method <= 3; ++method)
    if (!FigureFault(items, contract, *board, key, imps, method)) figures.reset();
  if (figures) fault(*figures);
  if (!stores.plays || (!kept && !needPlay)) return;
  const KeptPlayRead read = ReadKeptPlay(*stores.plays, player, key);
  if (!read.Sound()) {
    fault("the kept play does not replay: " + read.fault);
    return;
  }
  ++check.plays;
  if (const auto wrong = PlayFault(*read.play, items, *board)) fault(*wrong);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> FiledLines(const TBigIniFile& options, const std::string& player) {
  std::vector<std::string> lines;
  options.ReadSectionValues(player, lines);
  std::vector<std::pair<std::string, std::string>> filed;
  std::string name;
  for (const std::string& line : lines)
    if (LineName(line, name) && LooksLikeBoardKey(name)) filed.emplace_back(name, line.substr(name.size() + 1));
  return filed;
}

FiledCheck CheckFiledBoards(const FiledStores& stores, const std::string& player,
                            const std::set<std::string>& needPlay) {
  FiledCheck check;
  std::set<std::string> kept, filed;
  if (stores.plays)
    for (const std::string& key : KeptBoardKeys(*stores.plays, player)) kept.insert(key);
  for (const auto& [key, line] : FiledLines(stores.options, player)) {
    ++check.lines;
    filed.insert(key);
    CheckLine(stores, player, key, line, needPlay.count(key) > 0, kept.count(key) > 0, check);
  }
  for (const std::string& key : needPlay)
    if (!filed.count(key)) check.faults.push_back({key, "no result line was filed"});
  // Every other kept play replays too: one set aside for another event set,
  // or one left by a filing that failed.
  for (const std::string& key : kept) {
    if (filed.count(key)) continue;
    const KeptPlayRead read = ReadKeptPlay(*stores.plays, player, key);
    if (read.Sound()) ++check.plays;
    else check.faults.push_back({key, "the kept play does not replay: " + read.fault});
  }
  return check;
}

}  // namespace quorval
