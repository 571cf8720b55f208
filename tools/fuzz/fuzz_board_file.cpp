// The event board file and the board as the table reads it: its section,
// its 18 field results and its stored auctions, turned by its "Site".
//
// Input: BOARDS [NUL RESULTS [NUL LIBRARY]], the texts of "Lisk2005.ini",
// "Results2005.ini" and "SEQ2005.txt" (a plain board file alone is one part).
#include "data/board_file.h"
#include "data/options.h"
#include "data/sequence_library.h"
#include "fuzz_util.h"
#include "game/board_record.h"
#include "scoring/field_results.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

void CheckDeal(const Deal& deal) {
  Require(DealIsComplete(deal), "a board is played with 52 cards");
  Deal back;
  std::vector<std::string> errors;
  for (Seat first = 0; first < 4; ++first)
    Require(ParseDeal(DealText(deal, first), back, errors) && back == deal, "a deal's text reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::vector<std::string> parts = Parts(Text(data, size), 3);
  TBridgeINI boards("");
  boards.LoadLines(SplitIniText(parts[0]));
  TBridgeINI results("");
  if (parts.size() > 1) results.LoadLines(SplitIniText(parts[1]));
  SequenceLibrary library;
  if (parts.size() > 2) library.LoadSequenceLibrary(parts[2]);
  TMyINI options("");
  TOption option;
  TableFiles files{options, boards, results, library.Store(), option};

  for (size_t i = 0; i < boards.Sections().size() && i < 6; ++i) {
    const std::string key = boards.Sections()[i].name;
    BoardStatus status = BoardStatus::NotFound;
    if (const auto board = boards.ReadBoard(key, status)) {
      Require(status == BoardStatus::Found, "a board read is found");
      Require(board->dealer >= 0 && board->dealer < 4, "a dealer seat");
      Require(board->vulnerability >= 0 && board->vulnerability < 4, "a vulnerability");
      CheckDeal(board->deal);
    }
    for (const char system : {'D', 'S'}) {
      BoardOnTable rec;
      if (!ReadBoard(files, key, system, "Passed out", rec)) continue;
      CheckDeal(rec.BoardDeal);
      Require(rec.Dealer >= 0 && rec.Dealer < 4, "a dealer seat on the table");
      Require(rec.Vul >= 0 && rec.Vul < 4, "a vulnerability on the table");
      for (int n = 1; n <= kFieldResultCount; ++n) {
        const auto items = LookUpFieldResult(rec.BoardValues, n, rec.Dealer, "Passed out");
        Require(items.size() >= 4, "a field result has at least four items");
      }
    }
  }
  return 0;
}
