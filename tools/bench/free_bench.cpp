#include "tools/bench/free_bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "bidding/bidder.h"
#include "data/board_file.h"
#include "data/program_folder.h"
#include "data/sequence_library.h"
#include "game/table_game.h"
#include "scoring/score_pad.h"

namespace quorval::bench {
namespace {

// Nothing is filed: the player's results stay as they are.
class NoFiling : public ResultFiling {
 public:
  bool FileResult(const std::string&, const std::string&) override { return true; }
  void KeepPlay(const std::string&, const KeptPlay&) override {}
};

std::string Trimmed(const std::string& text) { return text.substr(std::min(text.size(), text.find_first_not_of(' '))); }

std::string Figure(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Bids the board on the table to its end, every seat with the bidder from
// its own hand: the stored auctions are the bidder's own, so a computer seat
// that followed them would never call off them; here each computer call is
// made and timed as off the stored lines. False when a call is refused.
bool BidBoard(TableGame& game, FreeBenchReport& rep) {
  for (int guard = 0; guard < 320 && !game.Auction().auction.Over(); ++guard) {
    const auto t0 = std::chrono::steady_clock::now();
    const CallCode call = game.BidderCall();
    if (game.SeatToCall() != South)
      rep.callMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    if (!game.PushCall(call) && !game.PushCall(Pass)) return false;
  }
  return game.Auction().auction.Over();
}

}  // namespace

std::optional<FreeBenchReport> RunFreeBench(const BenchOptions& o, std::ostream& log, std::string& error) {
  namespace fs = std::filesystem;
  const fs::path dir(o.dir);
  for (const char* name : {kBoardFileName, kResultsFileName, kLibraryFileName})
    if (!fs::exists(dir / name)) {
      error = "no " + std::string(name) + " in " + o.dir;
      return std::nullopt;
    }
  SetProgramFolder(o.dir);
  SequenceLibrary library;
  library.LoadSequenceLibrary(FileText(dir / kLibraryFileName).value_or(""));
  TBridgeINI boards((dir / kBoardFileName).string());
  TBridgeINI results((dir / kResultsFileName).string());
  TMyINI options("");   // in memory only
  TOption option;
  option.BidSys = static_cast<uint8_t>(std::string("DMNS").find(o.system));
  option.ComputerSkill = static_cast<uint8_t>(o.skill);
  TableFiles files{options, boards, results, library.Store(), option};
  TableState state;
  state.HumanSeats = 0;
  TableGame game(files, state);
  NoFiling filing;
  game.SetFiling(&filing);
  game.SetFreeBiddingOverride(true);
  game.SetSkillOverride(o.skill);
  game.Seed(static_cast<unsigned>(o.seed));
  DirectCardChooser chooser;

  FreeBenchReport rep;
  const std::vector<std::string> keys = o.events.empty() ? boards.SectionNames() : ExpandKeys(o.events, boards.SectionNames());
  for (const std::string& key : keys) {
    const BoardKey board = BoardKey::Parse(key).value_or(BoardKey{});
    if (!game.GoToBoard(board.eventType, board.session, board.board) || !game.NextBoard() || !game.ReadHand() ||
        !game.Deal()) {
      rep.problems.push_back(key + ": board not found or without stored auctions");
      continue;
    }
    if (!BidBoard(game, rep)) {
      rep.problems.push_back(key + ": the auction did not end");
      continue;
    }
    const bool off = !game.OnLibrary();
    game.EndAuction();
    if (game.FinalContract().PassedOut()) game.EndBoard();
    else if (!game.StartPlay() || !game.FinishPlay(chooser)) {
      rep.problems.push_back(key + ": the play did not end");
      continue;
    }
    const TableResult& r = *game.Result();
    if (!r.Built()) {
      rep.problems.push_back(key + ": the field results could not be compared");
      continue;
    }
    ++rep.boards;
    rep.offLibrary += off ? 1 : 0;
    double sum = 0;
    for (int s = 0; s < 3; ++s) sum += r.comparison.ResultFigures[size_t(19 + s)];
    const bool imps = board.eventType == "Imp";
    (imps ? rep.impSum : rep.mpSum) += sum;
    (imps ? rep.impCount : rep.mpCount) += 3;
    log << key << ' ' << (off ? "off" : "on") << " calls " << bidder::AuctionText(r.play.calls) << " contract "
        << (r.contract.PassedOut() ? std::string("pass") : ContractText(r.contract, false) + SeatLetter(r.contract.declarer))
        << " tricks " << r.declarerTricks << " score " << r.score << (imps ? " imps " : " mp_pct ")
        << Trimmed(SessionFigure(imps, 3, sum, option.MPScoringSys))
        << '\n';
  }
  return rep;
}

std::string FreeSummaryLine(const FreeBenchReport& rep) {
  std::string line = "free: boards " + std::to_string(rep.boards) + " off_library " + std::to_string(rep.offLibrary) +
                     " calls " + std::to_string(rep.callMs.size()) + " call_median_ms " + Figure(Percentile(rep.callMs, 0.5)) +
                     " call_max_ms " + Figure(Percentile(rep.callMs, 1.0));
  line += " south_imps " + (rep.impCount ? Trimmed(SessionFigure(true, rep.impCount, rep.impSum, 0)) : std::string("n/a"));
  line += " south_mp_pct " + (rep.mpCount ? Trimmed(SessionFigure(false, rep.mpCount, rep.mpSum, 0)) : std::string("n/a"));
  return line;
}

}  // namespace quorval::bench
