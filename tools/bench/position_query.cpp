// quorval-bench --position: the card the engine plays next in a position
// given on the command line.
#include <cctype>
#include <sstream>

#include "tools/bench/bench.h"

namespace quorval::bench {

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

CardCode PositionCard(const PositionQuery& q, const BenchOptions& o, std::string& error) {
  Deal deal;
  std::vector<std::string> errors;
  if (!ParseDeal(q.deal, deal, errors) || !DealIsComplete(deal)) {
    error = "--position takes a whole deal, as \"N:AKQ2.J54.T9.8765 ...\" (four hands of 13 cards)";
    return 0;
  }
  if (q.declarer.size() != 1 || std::string("NESW").find(static_cast<char>(
                                     std::toupper(static_cast<unsigned char>(q.declarer[0])))) == std::string::npos) {
    error = "--declarer takes N, E, S or W";
    return 0;
  }
  const Seat declarer = ParseSeat(std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(q.declarer[0])))));
  Contract contract;
  if (!ParseContractText(q.contract, declarer, contract)) {
    error = "--contract takes a contract such as 4S, 3NT or 2HX";
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
      error = "--played: card " + std::to_string(n) + " (" + item + ") cannot be played there";
      return 0;
    }
  }
  if (st.Over()) {
    error = "--played: all 52 cards are played";
    return 0;
  }
  EngineOptions engine;
  engine.skill = o.skill;
  engine.timeRule = o.timeRule;
  engine.honest = o.honest;
  engine.board.contract = contract;
  engine.board.seed = o.seed;
  int target = st.EngineTarget;
  return ChooseCard(st, engine, target);
}

}  // namespace quorval::bench
