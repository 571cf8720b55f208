#include "eventsets/board_facts.h"

#include <algorithm>
#include <cstdio>

namespace quorval::eventgen {

Seat BoardDealer(int number) { return StandardDealer(number); }

Vulnerability BoardVulnerability(int number) { return StandardVulnerability(number); }

std::string BoardKey(const std::string& event, int number) {
  char buf[8];
  std::snprintf(buf, sizeof buf, ".%02d", number);
  return event + buf;
}

static bool EventParts(const std::string& name, std::string& kind, int& number) {
  if (name.size() != 5) return false;
  kind = name.substr(0, 3);
  if (kind != "Imp" && kind != "Par") return false;
  if (name[3] < '0' || name[3] > '9' || name[4] < '0' || name[4] > '9') return false;
  number = (name[3] - '0') * 10 + (name[4] - '0');
  return number >= 1 && number <= (kind == "Imp" ? 9 : 18);
}

bool IsKnownEvent(const std::string& event) {
  std::string kind;
  int n = 0;
  return EventParts(event, kind, n);
}

std::vector<std::string> AllEvents() {
  std::vector<std::string> events;
  char buf[8];
  for (int i = 1; i <= 9; ++i) {
    std::snprintf(buf, sizeof buf, "Imp%02d", i);
    events.emplace_back(buf);
  }
  for (int i = 1; i <= 18; ++i) {
    std::snprintf(buf, sizeof buf, "Par%02d", i);
    events.emplace_back(buf);
  }
  return events;
}

bool ParseEventList(const std::string& text, std::vector<std::string>& events, std::string& error) {
  events.clear();
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    const size_t dash = item.find('-');
    const std::string first = item.substr(0, dash);
    const std::string last = dash == std::string::npos ? first : item.substr(dash + 1);
    std::string k1, k2;
    int n1 = 0, n2 = 0;
    if (!EventParts(first, k1, n1) || !EventParts(last, k2, n2) || k1 != k2 || n2 < n1) {
      error = "not an event or range of events: \"" + item + "\"";
      return false;
    }
    for (int n = n1; n <= n2; ++n) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "%s%02d", k1.c_str(), n);
      if (std::find(events.begin(), events.end(), buf) == events.end()) events.emplace_back(buf);
    }
    start = comma + 1;
  }
  // The files list the events in their sorted order whatever the command said.
  const std::vector<std::string> all = AllEvents();
  std::sort(events.begin(), events.end(), [&](const std::string& a, const std::string& b) {
    return std::find(all.begin(), all.end(), a) < std::find(all.begin(), all.end(), b);
  });
  return true;
}

}  // namespace quorval::eventgen
