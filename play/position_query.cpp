#include "play/position_query.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace quorval {

bool ParseContractText(const std::string& text, Seat declarer, Contract& out) {
  std::string t;
  for (char c : text) t += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (t.size() < 2 || t[0] < '1' || t[0] > '7') return false;
  const std::string strains = "CDHSN";
  const size_t strain = strains.find(t[1]);
  if (strain == std::string::npos) return false;
  std::string rest = t.substr(2);
  if (strain == NT && rest.rfind("T", 0) == 0) rest.erase(0, 1);
  int doubled = 0;
  if (rest == "X") doubled = 1;
  else if (rest == "XX") doubled = 2;
  else if (!rest.empty()) return false;
  out = Contract{MakeBid(t[0] - '0', static_cast<tAllTrump>(strain)), doubled, declarer};
  return true;
}

CardCode ParsePlayedCard(const std::string& text) {
  if (text.size() != 2) return 0;
  const std::string t{static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))),
                      static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])))};
  // The program's form is rank then suit ("KH"); suit then rank ("HK") is
  // read as well, as players write it.
  if (const CardCode c = ParseCard(t); c >= 4) return c;
  return ParseCard(std::string{t[1], t[0]}) >= 4 ? ParseCard(std::string{t[1], t[0]}) : 0;
}

CardCode PositionCard(const PositionQuery& q, EngineOptions engine, PositionProblem& problem) {
  problem = {};
  Deal deal;
  std::vector<std::string> errors;
  if (!ParseDeal(q.deal, deal, errors) || !DealIsComplete(deal)) {
    problem.part = PositionPart::Deal;
    return 0;
  }
  if (q.declarer.size() != 1 || std::string("NESW").find(static_cast<char>(
                                     std::toupper(static_cast<unsigned char>(q.declarer[0])))) == std::string::npos) {
    problem.part = PositionPart::Declarer;
    return 0;
  }
  const Seat declarer = ParseSeat(std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(q.declarer[0])))));
  Contract contract;
  if (!ParseContractText(q.contract, declarer, contract)) {
    problem.part = PositionPart::Contract;
    return 0;
  }
  PlayState st;
  StartPlay(st, deal, contract);
  std::stringstream list(q.played);
  std::string item;
  int n = 0;
  while (std::getline(list, item, ',')) {
    ++n;
    const CardCode c = ParsePlayedCard(item);
    if (c < 4 || !PlayCard(st, c)) {
      problem = {PositionPart::Played, n, item};
      return 0;
    }
  }
  if (st.Over()) {
    problem.part = PositionPart::AllPlayed;
    return 0;
  }
  engine.board.contract = contract;
  int target = st.EngineTarget;
  return ChooseCard(st, engine, target);
}

}  // namespace quorval
