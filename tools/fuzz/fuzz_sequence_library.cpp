// The bidding-sequence library: the whole text loaded and checked, every
// line read and written back, an auction bid by the computer seats from each
// section, and the opening leads drawn from each line.
//
// Input: a "SEQ2005.txt" text.
#include "data/library_rules.h"
#include "data/sequence_library.h"
#include "fuzz_util.h"
#include "game/auction_driver.h"
#include "play/library_lead.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

void CheckLine(const std::string& text) {
  const auto line = ParseLibraryLine(text);
  if (!line) return;
  Require(AuctionOver(line->calls), "a library line is a complete auction");
  Require(!line->leads.empty() && line->leads.size() <= 4, "a library line has one to four leads");
  const auto again = ParseLibraryLine(LibraryLineText(*line));
  Require(again && again->calls == line->calls && again->leads.size() == line->leads.size(),
          "a library line reads back");
  const auto items = LeadItems(text);
  for (const int r : {0, 49, 98}) DrawLead(items, r);
}

// The computer seats bid the section's main line from the dealer on; every
// call they make must be legal, and the auction ends.
void BidSection(const std::vector<std::string>& lines, Seat dealer) {
  AuctionState state;
  state.SequenceLines = lines;
  state.Reset(dealer);
  for (int turn = 0; turn < 320 && !AuctionOver(state.auction.calls); ++turn) {
    ListAllowedCalls(state);
    if (!state.HintCalls.empty()) CallAllowed(state, state.HintCalls.back());
    const CallCode call = LibraryCall(state);
    Require(state.Record(call), "the library's call is legal");
  }
  Require(AuctionOver(state.auction.calls), "an auction from the library ends");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::string_view text = Text(data, size);
  SequenceLibrary library;
  library.LoadSequenceLibrary(text);
  CheckLibraryText(text);
  const auto& sections = library.Store().Sections();
  for (size_t i = 0; i < sections.size() && i < 4; ++i) {
    const auto& lines = sections[i].lines;
    CheckLibrarySection(lines);
    for (const std::string& line : lines) CheckLine(line);
    BidSection(lines, static_cast<Seat>(i % 4));
  }
  return 0;
}
