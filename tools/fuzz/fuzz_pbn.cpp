// The PBN reader: any file reads into boards and refused games without
// failing; every board read holds a whole deal, each refused game names a
// line of the file, and a board written out in export format reads back as
// the same deal, auction and play.
//
// Input: a PBN text. Its first byte, when there is one, picks the rules: a
// hand record or a file of the program's own.
#include "core/deal.h"
#include "data/pbn_board.h"
#include "fuzz_util.h"

using namespace quorval;
using namespace quorval::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  if (size > 64 * 1024) return 0;
  const std::string_view text = Text(data, size);
  const PbnCheck check = size > 0 && (data[0] & 1) ? PbnCheck::Whole : PbnCheck::HandRecord;
  const PbnRead read = ReadPbnText(text, "fuzz.pbn", check);
  size_t lines = 1;
  for (const char c : text) lines += c == '\n' || c == '\r';
  Require(read.boards.size() == read.boardLines.size(), "one first line for each board");
  for (const PbnProblem& p : read.problems) {
    Require(p.line >= 0 && size_t(p.line) <= lines, "a refused game names a line of the file");
    Require(!p.reason.empty(), "a refused game says why");
  }
  for (const PbnBoard& board : read.boards) {
    Require(DealIsComplete(board.deal), "a board read holds a whole deal");
    Require(board.dealer >= North && board.dealer <= West, "the dealer is a seat");
    // What the program writes, it reads back as it was.
    const std::string game = PbnExportHeader() + PbnExportGame(board);
    const PbnRead again = ReadPbnText(game, "again.pbn", PbnCheck::Whole);
    Require(again.problems.empty() && again.boards.size() == 1, "an exported board reads back");
    const PbnBoard& back = again.boards.front();
    Require(back.deal == board.deal && back.dealer == board.dealer && back.vul == board.vul, "the same deal");
    Require(back.calls == board.calls && back.cards == board.cards, "the same auction and play");
  }
  return 0;
}
