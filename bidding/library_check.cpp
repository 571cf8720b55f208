#include "bidding/library_check.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>

#include "bidding/bidder.h"
#include "bidding/seat_view.h"

namespace quorval::bidder {
namespace {

std::vector<std::string> SplitComma(const std::string& line) {
  std::vector<std::string> out;
  std::string item;
  std::istringstream in(line);
  while (std::getline(in, item, ',')) out.push_back(item);
  if (!line.empty() && line.back() == ',') out.push_back("");
  return out;
}

bool WholeNumber(const std::string& t, int& n) {
  if (t.empty() || t.size() > 3) return false;
  n = 0;
  for (char ch : t) {
    if (ch < '0' || ch > '9') return false;
    n = n * 10 + (ch - '0');
  }
  return true;
}

// The calls of a line, or an empty list when the line has no "Lead".
std::vector<std::string> CallFields(const std::vector<std::string>& fields) {
  const auto lead = std::find(fields.begin(), fields.end(), "Lead");
  return {fields.begin(), lead};
}

const char kSystemOrder[] = "DMNS";

}  // namespace

std::string LineProblem(const std::string& line, const LibraryBoard& board) {
  if (line.size() > 255) return "line longer than 255 characters";
  if (line.find(' ') != std::string::npos) return "line holds a blank";
  const std::vector<std::string> fields = SplitComma(line);
  const auto lead = std::find(fields.begin(), fields.end(), "Lead");
  if (lead == fields.end()) return "no \"Lead\" field";
  Auction auction(board.dealer);
  std::vector<CallCode> calls;
  for (auto it = fields.begin(); it != lead; ++it) {
    const CallCode c = ParseCall(*it);
    if (c == NoCall || CallToken(c) != *it) return "\"" + *it + "\" is not a call";
    if (auction.Over()) return "calls after the end of the auction";
    if (!auction.Make(c)) return "illegal call " + *it + " at call " + std::to_string(calls.size() + 1);
    calls.push_back(c);
  }
  if (!auction.Over()) return "the auction is not complete";
  const int pairs = static_cast<int>(fields.end() - lead - 1);
  if (pairs < 2 || pairs > 8 || pairs % 2) return "the lead list needs one to four card and percentage pairs";
  const Seat leader = OpeningLeader(calls, board.dealer);
  int sum = 0;
  std::vector<CardCode> seen;
  for (auto it = lead + 1; it != fields.end(); it += 2) {
    const CardCode card = ParseCard(*it);
    if (card < 4 || CardText(card) != *it) return "\"" + *it + "\" is not a card";
    if (!HoldsCard(board.deal.at(leader, SuitOf(card)), card))
      return "lead " + *it + " is not held by the opening leader " + SeatLetter(leader);
    if (std::find(seen.begin(), seen.end(), card) != seen.end()) return "lead " + *it + " listed twice";
    seen.push_back(card);
    int pct = 0;
    if (!WholeNumber(*(it + 1), pct) || pct < 1) return "\"" + *(it + 1) + "\" is not a percentage";
    sum += pct;
  }
  if (sum != 100) return "lead percentages add up to " + std::to_string(sum);
  return {};
}

std::vector<LibraryProblem> CheckLibraryText(const std::string& text, const std::vector<LibraryBoard>& boards) {
  std::vector<LibraryProblem> problems;
  const std::string file = kLibraryFileName;
  const auto add = [&](const std::string& key, const std::string& what) { problems.push_back({key, what}); };
  // Line ends: the program stores a line at its carriage return and drops a
  // line ended by a line feed alone, so every line must end in CR LF.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
      add(file, "a line ends without a carriage return");
      break;
    }
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
      add(file, "a carriage return without a line feed");
      break;
    }
  }
  if (!text.empty() && text.back() != '\n') add(file, "the last line is not ended (it would be lost)");

  std::map<std::string, const LibraryBoard*> byKey;
  for (const LibraryBoard& b : boards) byKey[b.key] = &b;
  // Split into sections with their lines, keeping empty lines to check the layout.
  struct Section {
    std::string name;
    std::vector<std::string> lines;
    int trailingEmpty = 0;
  };
  std::vector<Section> sections;
  std::istringstream in(text);
  std::string line;
  int stray = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[' && line.back() == ']') {
      sections.push_back({line.substr(1, line.size() - 2), {}, 0});
    } else if (sections.empty()) {
      if (!line.empty()) ++stray;
    } else if (line.empty()) {
      ++sections.back().trailingEmpty;
    } else {
      if (sections.back().trailingEmpty) add(sections.back().name, "an empty line inside the section");
      sections.back().lines.push_back(line);
    }
  }
  if (stray) add(file, std::to_string(stray) + " line(s) before the first section");

  std::map<std::string, std::string> present;  // board key -> system letters seen
  std::string previous;
  for (const Section& s : sections) {
    const std::string& name = s.name;
    if (name.size() != 10 || name[8] != '.' || !std::strchr(kSystemOrder, name[9]) || name[9] == 0) {
      add(name, "section name is not a board key and a system letter");
      continue;
    }
    const std::string key = name.substr(0, 8);
    const std::string order = key + std::to_string(std::strchr(kSystemOrder, name[9]) - kSystemOrder);
    if (!previous.empty() && order <= previous) add(name, "section out of order or repeated");
    previous = order;
    present[key] += name[9];
    if (s.trailingEmpty != 2) add(name, "section not followed by two empty lines");
    const auto board = byKey.find(key);
    if (board == byKey.end()) {
      add(name, "no such board in the board file");
      continue;
    }
    if (s.lines.empty() || s.lines.size() > kMaxLines)
      add(name, std::to_string(s.lines.size()) + " lines (1 to 9 allowed)");
    std::vector<std::vector<std::string>> auctions;
    for (size_t i = 0; i < s.lines.size(); ++i) {
      const std::string problem = LineProblem(s.lines[i], *board->second);
      if (!problem.empty()) add(name, "line " + std::to_string(i + 1) + ": " + problem);
      auctions.push_back(CallFields(SplitComma(s.lines[i])));
    }
    // Lines may part only at a call of the user's seat: the computer seats
    // always follow the first line that fits.
    const Seat user = board->second->UserSeat();
    for (size_t i = 0; i < auctions.size(); ++i)
      for (size_t j = i + 1; j < auctions.size(); ++j) {
        const auto& a = auctions[i];
        const auto& b = auctions[j];
        size_t k = 0;
        while (k < a.size() && k < b.size() && a[k] == b[k]) ++k;
        if (k == a.size() && k == b.size()) continue;  // the same auction twice
        if (k == a.size() || k == b.size()) {
          add(name, "line " + std::to_string(j + 1) + " continues an auction that line " + std::to_string(i + 1) + " ends");
          continue;
        }
        const Seat seat = (board->second->dealer + static_cast<int>(k)) & 3;
        if (seat != user)
          add(name, "lines " + std::to_string(i + 1) + " and " + std::to_string(j + 1) + " part at call " +
                        std::to_string(k + 1) + " of " + SeatLetter(seat) + ", not of the user's seat " + SeatLetter(user));
      }
  }
  for (const LibraryBoard& b : boards)
    if (present[b.key] != kSystemOrder) add(b.key, "library sections " + present[b.key] + " (want DMNS)");
  return problems;
}

std::map<std::string, std::vector<std::string>> LibrarySections(const std::string& text) {
  std::map<std::string, std::vector<std::string>> sections;
  std::string current, line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') current = line.substr(1, line.size() - 2);
    else if (!current.empty()) sections[current].push_back(line);
  }
  return sections;
}

namespace {

// The problems of one line of a section against the seats' own hands.
void CheckLineCalls(const std::vector<CallCode>& calls, bool mainLine, const LibraryBoard& board, System system,
                    TableReading& reading, std::vector<std::string>& problems, const std::string& where) {
  const Seat user = board.UserSeat();
  View table(system, board.dealer, board.vul);
  for (size_t i = 0; i < calls.size(); ++i) {
    const Seat seat = table.ToAct();
    const Hand hand = HandOf(board.deal, seat);
    const CallCode own = OwnCall(hand, table);
    const std::string call = CallToken(calls[i]) + " at call " + std::to_string(i + 1);
    if (calls[i] != own) {
      if (seat != user || mainLine) {
        problems.push_back(where + call + " is not what " + SeatLetter(seat) + "'s own hand bids (" + CallToken(own) + ")");
        return;  // the later calls answer a call the bidder does not make
      }
      const View view = SeatView(hand, table);
      if (!WithinAPoint(reading.Read(table, calls[i]), EvaluateHolding(hand), view.know[PartnerOf(seat)]))
        problems.push_back(where + "the user's " + call + " misses its meaning by more than a point");
    }
    if (!reading.Push(table, calls[i])) return;
  }
}

}  // namespace

std::vector<LibraryProblem> CheckSeatCalls(const std::string& text, const std::vector<LibraryBoard>& boards) {
  std::map<std::string, const LibraryBoard*> byKey;
  for (const LibraryBoard& b : boards) byKey[b.key] = &b;
  std::vector<LibraryProblem> problems;
  TableReading reading;
  for (const auto& [name, lines] : LibrarySections(text)) {
    System system;
    if (name.size() != 10 || !SystemFromLetter(name[9], system)) continue;
    const auto board = byKey.find(name.substr(0, 8));
    if (board == byKey.end()) continue;
    std::vector<std::string> found;
    for (size_t k = 0; k < lines.size(); ++k) {
      if (!LineProblem(lines[k], *board->second).empty()) continue;
      std::vector<CallCode> calls;
      for (const std::string& token : CallFields(SplitComma(lines[k]))) calls.push_back(ParseCall(token));
      CheckLineCalls(calls, k == 0, *board->second, system, reading, found, "line " + std::to_string(k + 1) + ": ");
    }
    for (const std::string& f : found) problems.push_back({name, f});
  }
  return problems;
}

std::vector<LibraryBoard> BoardsFromBoardFile(const std::string& text) {
  std::vector<LibraryBoard> boards;
  std::istringstream in(text);
  std::string line;
  LibraryBoard current;
  bool open = false, hasDeal = false;
  const auto flush = [&] {
    if (open && hasDeal) boards.push_back(current);
    current = LibraryBoard{};
    hasDeal = false;
  };
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      flush();
      open = true;
      current.key = line.substr(1, line.size() - 2);
      continue;
    }
    const auto eq = line.find('=');
    if (!open || eq == std::string::npos) continue;
    std::string name = line.substr(0, eq);
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const std::string value = line.substr(eq + 1);
    if (name == "dealer") current.dealer = ParseSeat(value);
    else if (name == "vulnerable") current.vul = ParseVulnerability(value);
    else if (name == "site") {
      int n = 0;
      current.site = WholeNumber(value, n) ? n % 4 : 0;
    } else if (name == "deal") {
      std::vector<std::string> errors;
      hasDeal = ParseDeal(value, current.deal, errors);
    }
  }
  flush();
  return boards;
}

}  // namespace quorval::bidder
