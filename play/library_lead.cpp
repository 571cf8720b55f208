#include "play/library_lead.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "core/messages.h"

namespace quorval {

std::vector<std::string> LeadItems(const std::string& sequenceLine) {
  std::vector<std::string> items;
  const size_t at = sequenceLine.find("Lead");
  if (at == std::string::npos || at + 5 > sequenceLine.size()) return items;
  const std::string list = sequenceLine.substr(at + 5, 250);
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    items.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  // "Lead," followed by nothing is an empty list, not one empty item.
  if (items.size() == 1 && items[0].empty()) items.clear();
  return items;
}

CardCode LeadCardOf(const std::string& item) {
  if (item.size() < 2) return 0;
  const char* ranks = "23456789TJQKA";
  const char* r = std::strchr(ranks, std::toupper(static_cast<unsigned char>(item[0])));
  const char* suits = "CDHS";
  const char* s = std::strchr(suits, std::toupper(static_cast<unsigned char>(item[1])));
  if (!r || !*r || !s || !*s) return 0;
  return MakeCard(static_cast<TRank>(r - ranks) + 2, static_cast<TSuit>(s - suits));
}

LeadDraw DrawLead(const std::vector<std::string>& items, int r) {
  LeadDraw d;
  int sum = 0;
  for (size_t i = 0; i < items.size(); i += 2) {
    d.card = LeadCardOf(items[i]);
    if (d.card == 0) {
      d.badItem = items[i];
      return d;
    }
    if (i + 1 < items.size()) sum += std::atoi(items[i + 1].c_str());
    if (r < sum) return d;
  }
  // Weights adding up to less than r: the last card listed stands.
  return d;
}

CardCode GetLisk2000Card(const PlayState& st, const std::string& sequenceLine, std::mt19937& rng,
                         const EngineOptions& options, int& engineTarget) {
  const CardCode engineCard = ChooseCard(st, options, engineTarget);
  // The stored leads were chosen by people who saw all four hands; the
  // honest computer leads from its own hand and the auction.
  if (st.CardsPlayed > 0 || options.honest) return engineCard;
  const std::vector<std::string> items = LeadItems(sequenceLine);
  if (items.empty()) {
    ShowMessage("No Lead for this sequence");
    return engineCard;
  }
  std::uniform_int_distribution<int> draw(0, 98);
  const LeadDraw d = DrawLead(items, draw(rng));
  if (!d.badItem.empty()) {
    ShowMessage("Bad Lead " + d.badItem);
    return engineCard;
  }
  // A library that disagrees with the deal must not make the leader revoke
  // or play a card it does not hold.
  return IsLegalCard(st, d.card) ? d.card : engineCard;
}

}  // namespace quorval
