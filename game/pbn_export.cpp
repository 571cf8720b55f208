#include "game/pbn_export.h"

#include <algorithm>
#include <cctype>

#include "core/board_key.h"
#include "data/event_set.h"
#include "data/library_rules.h"
#include "data/pbn_board.h"
#include "game/board_record.h"
#include "play/dd_table.h"
#include "scoring/field_results.h"
#include "scoring/figures.h"
#include "scoring/player_results.h"
#include "scoring/result_items.h"

namespace quorval {
namespace {

constexpr const char* kSite = "ORVENDAL QUORVAL 2005";
constexpr const char* kComputer = "Computer";
constexpr const char* kPassedOutLabel = "Passed out";

// A field result's contract ("3n", "4SX", "3NT") as PBN writes it.
std::string FieldContract(const std::string& text) {
  std::string up = text;
  for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  int doubled = 0;
  while (!up.empty() && up.back() == 'X') {
    up.pop_back();
    ++doubled;
  }
  if (up.size() >= 3 && up.substr(1) == "NT") up.pop_back();
  const CallCode bid = ParseCall(up);
  if (!IsBid(bid) || up.size() != 2) return text;
  return PbnContractText(Contract{bid, std::min(doubled, 2), North});
}

std::string Figure(std::optional<int> filed) { return filed ? FixedText(*filed * 0.01, 0, 2) : "-"; }

std::string SideScore(int scoreNS) { return "NS " + std::to_string(scoreNS); }

std::string ParText(const ParInfo& par) {
  if (par.passedOut) return "Pass";
  return std::string(SideOf(par.contract.declarer) == 1 ? "NS " : "EW ") + PbnContractText(par.contract);
}

// The score table: per stratum the player's own result, then the stratum's
// six field results, each with its figure as filed.
PbnTable ScoreTable(const std::string& player, bool imps, const FiledResult& filed, const Contract& contract,
                    const BoardOnTable& board) {
  PbnTable table;
  table.columns = {"Stratum", "PairId_NS", "Contract", "Declarer", "Result", "Score_NS", imps ? "IMP_NS" : "MP_NS"};
  for (int s = 0; s < kStratumCount; ++s) {
    const std::string stratum(1, StratumLetter(s));
    const bool passed = contract.PassedOut();
    table.rows.push_back({stratum, player, PbnContractText(contract),
                          passed ? "-" : std::string(1, SeatLetter(contract.declarer)), passed ? "-" : filed.tricks(),
                          filed.score(), Figure(filed.FiledFigureAt(19 + s))});
    for (int n = s * kStratumSize + 1; n <= (s + 1) * kStratumSize; ++n) {
      const auto items = LookUpFieldResult(board.BoardValues, n, board.Dealer, kPassedOutLabel);
      const bool out = items.size() < 4 || items[1] == kPassedOutLabel;
      std::string declarer = out ? "-" : items[0];
      for (char& c : declarer) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      table.rows.push_back({stratum, ResultNumberKey(n), out ? "Pass" : FieldContract(items[1]), declarer,
                            out ? "-" : items[2], out ? "0" : items[3], Figure(filed.FiledFigureAt(n))});
    }
  }
  return table;
}

}  // namespace

PbnExportResult ExportFiledBoards(TableFiles& files, const std::vector<std::string>& keys) {
  PbnExportResult out;
  std::vector<PbnBoard> games;
  for (const std::string& key : keys) {
    const auto filed = ReadFiledResult(FiledLine(files.options, files.PlayerName(), key));
    if (!filed || !IsBoardKey(key)) {
      out.notes.push_back(key + ": no filed result, skipped");
      continue;
    }
    BoardOnTable board;
    if (!ReadBoard(files, key, 'D', kPassedOutLabel, board)) {
      out.notes.push_back(key + ": the board cannot be read, skipped");
      continue;
    }
    PbnBoard b;
    b.event = key;
    b.site = kSite;
    b.boardNumber = BoardKey::Parse(key).value_or(BoardKey{}).board;
    b.board = std::to_string(b.boardNumber);
    b.players = {kComputer, kComputer, files.PlayerName(), kComputer};
    b.dealer = board.Dealer;
    b.vul = board.Vul;
    b.deal = board.BoardDeal;
    const bool imps = key.compare(0, 3, "Imp") == 0;
    b.scoring = imps ? "IMP" : "MP";
    b.contract = FiledContract(*filed);
    std::string problem;
    if (const auto kept = MatchingKeptPlay(files, key, board, *filed, problem)) {
      b.calls = kept->calls;
      b.contract = kept->FinalContract();
      b.openingLeader = kept->openingLeader;
      b.cards = kept->cards;
      b.claim = kept->claim;
    } else {
      out.notes.push_back(key + ": exported without its auction and play (" + problem + ")");
    }
    if (!b.contract->PassedOut()) b.result = WholeNumber(filed->tricks());
    b.score = SideScore(WholeNumber(filed->score()).value_or(0));
    b.scoreTable = ScoreTable(files.PlayerName(), imps, *filed, *b.contract, board);
    games.push_back(std::move(b));
  }

  // The double-dummy tables of all boards at once, over both cores.
  std::vector<Deal> deals;
  for (const PbnBoard& b : games) deals.push_back(b.deal);
  std::vector<DdTable> tables;
  std::string error;
  if (!deals.empty() && !AnalyseDeals(deals, tables, error)) {
    out.notes.push_back("no double-dummy tables: " + error);
    tables.clear();
  }
  for (size_t i = 0; i < tables.size(); ++i) {
    PbnBoard& b = games[i];
    b.optimum = tables[i].tricks;
    const ParInfo par = ComputePar(tables[i], b.dealer, b.vul);
    b.optimumScore = SideScore(par.passedOut ? 0 : par.scoreNS);
    b.parContract = ParText(par);
  }

  if (games.empty()) return out;
  out.text = PbnExportHeader() + "%Creator: " + kSite + "\r\n";
  for (const PbnBoard& b : games) out.text += PbnExportGame(b);
  out.boards = static_cast<int>(games.size());
  return out;
}

std::vector<std::string> FiledBoardKeys(const TableFiles& files, const std::string& event, const std::string& session) {
  std::vector<std::string> lines, keys;
  files.options.ReadSectionValues(files.PlayerName(), lines);
  std::string name;
  for (const std::string& line : lines) {
    if (!LineName(line, name) || !IsBoardKey(name)) continue;
    if (!event.empty() && name.compare(0, 5, event + session) != 0) continue;
    if (ReadFiledResult(line.substr(name.size() + 1))) keys.push_back(name);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

}  // namespace quorval
