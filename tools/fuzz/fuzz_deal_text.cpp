// The deal text of a board ("N:AKQ.JT9.876.5432 ...") and the other short
// texts of a board section: seat, vulnerability, call and library token.
//
// Input: one deal text (or any short value).
#include "core/calls.h"
#include "core/deal.h"
#include "data/sequence_library.h"
#include "fuzz_util.h"

using namespace quorval;
using namespace quorval::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::string text(Text(data, size));
  Deal deal;
  deal.at(North, Spade) = RankBit(14);   // a rejected text must leave this
  const Deal before = deal;
  std::vector<std::string> errors;
  if (ParseDeal(text, deal, errors)) {
    Require(errors.empty(), "an accepted deal reports nothing");
    for (const Holding h : deal.holdings) Require((h & ~0x7FFC) == 0, "holdings hold ranks 2 to ace only");
    if (DealIsComplete(deal)) {
      Deal back;
      Require(ParseDeal(DealText(deal, South), back, errors) && back == deal, "a complete deal's text reads back");
      Seat dealer = West;
      Vulnerability vul = 2;
      Deal turned = deal;
      for (int k = 0; k < 4; ++k) RotateDeal(1, dealer, vul, turned);
      Require(turned == deal && dealer == West && vul == 2, "four turns bring the board back");
      RotateDeal(-7, dealer, vul, turned);
      Require(DealIsComplete(turned), "a turned deal is complete");
    }
  } else {
    Require(deal == before, "a rejected deal leaves the deal as it was");
    Require(errors.size() == 1, "a rejected deal is reported once");
  }
  const Vulnerability v = ParseVulnerability(text);
  Require(v >= 0 && v < 4, "a vulnerability");
  const Seat s = ParseSeat(text, East);
  Require(s >= 0 && s < 4, "a seat");
  const CallCode c = ParseCall(text);
  Require(c <= NoCall, "a call code");
  if (const auto token = ParseLibraryToken(text)) Require(*token <= 37, "a library token is a call");
  return 0;
}
