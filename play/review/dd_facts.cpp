#include "play/review/dd_facts.h"

namespace quorval::review {

std::string ParContractText(const ParContract& par) {
  std::string text = CallToken(par.contract.bid);
  for (int i = 0; i < par.contract.DoubledCount; ++i) text += 'X';
  return text + "-" + SeatLetter(par.contract.declarer);
}

std::string ParContractsText(const ParInfo& par) {
  if (par.contracts.empty()) return "P";
  std::string text;
  for (const ParContract& c : par.contracts) text += (text.empty() ? "" : ",") + ParContractText(c);
  return text;
}

}  // namespace quorval::review
