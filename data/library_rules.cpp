#include "data/library_rules.h"

#include <set>

#include "core/board_key.h"
#include "core/calls.h"
#include "data/ini_store.h"
#include "data/sequence_library.h"

namespace quorval {

namespace {

std::string LineLabel(size_t index) { return "line " + std::to_string(index + 1) + ": "; }

// The index of the first call where two auctions differ, or -1 when one
// holds the other's calls (identical auctions).
int PartingCall(const std::vector<CallCode>& a, const std::vector<CallCode>& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return static_cast<int>(i);
  return -1;
}

}  // namespace

bool IsBoardKey(const std::string& key) {
  const auto parsed = BoardKey::Parse(key);
  if (!parsed || (parsed->eventType != "Imp" && parsed->eventType != "Par")) return false;
  const int session = (parsed->session[0] - '0') * 10 + (parsed->session[1] - '0');
  return session >= 1 && session <= (parsed->eventType == "Imp" ? 9 : 18) && parsed->board >= 1 &&
         parsed->board <= kBoardsPerEvent;
}

std::vector<std::string> CheckLibrarySection(const std::vector<std::string>& lines,
                                             const std::optional<LibraryBoardFacts>& board) {
  std::vector<std::string> problems;
  if (lines.empty() || lines.size() > kMaxLibraryLines)
    problems.push_back("holds " + std::to_string(lines.size()) + " lines, not 1 to 9");

  std::vector<std::optional<LibraryLine>> parsed;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string why;
    parsed.push_back(ParseLibraryLine(lines[i], &why));
    if (!parsed.back()) {
      problems.push_back(LineLabel(i) + why);
      continue;
    }
    if (!board) continue;
    const LibraryLine& line = *parsed.back();
    Auction auction(board->dealer);
    for (const CallCode c : line.calls) auction.Make(c);
    if (auction.Result().PassedOut()) continue;
    const Seat leader = NextSeat(auction.Result().declarer);
    for (const auto& lead : line.leads)
      if (!HoldsCard(board->deal.at(leader, SuitOf(lead.card)), lead.card))
        problems.push_back(LineLabel(i) + "lead " + CardText(lead.card) + " is not held by the opening leader, " +
                           SeatName(leader));
  }

  // Lines are the user's alternatives: wherever two part, it is at a call of
  // the user's seat, the one the computer seats never choose.
  std::optional<int> partingSeat;  // relative to the dealer
  if (board) partingSeat = (South - board->dealer + 4) % 4;
  for (size_t i = 0; i < parsed.size(); ++i) {
    for (size_t j = i + 1; j < parsed.size(); ++j) {
      if (!parsed[i] || !parsed[j]) continue;
      const int at = PartingCall(parsed[i]->calls, parsed[j]->calls);
      if (at < 0) continue;
      if (!partingSeat) partingSeat = at % 4;
      if (at % 4 != *partingSeat)
        problems.push_back(LineLabel(j) + "parts from line " + std::to_string(i + 1) + " at call " +
                           std::to_string(at + 1) + ", which is not " +
                           (board ? std::string("South's") : std::string("the seat where other lines part")));
    }
  }
  return problems;
}

std::vector<std::string> CheckLibraryText(std::string_view text) {
  std::vector<std::string> problems;
  if (text.empty()) {
    problems.push_back("the library is empty");
    return problems;
  }
  if (text.back() != '\n' && text.back() != '\r') problems.push_back("the last line has no line end");

  const std::vector<std::string> lines = SplitLibraryLines(text);
  std::set<std::string> seen;
  std::string section;
  std::vector<std::string> sectionLines;
  bool inSection = false;
  const auto finish = [&] {
    if (!inSection) return;
    for (const auto& p : CheckLibrarySection(sectionLines)) problems.push_back(section + " " + p);
    sectionLines.clear();
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string where = "text line " + std::to_string(i + 1) + ": ";
    if (line.size() > kIniLineLimit) problems.push_back(where + "longer than 255 characters");
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      finish();
      section = line.substr(1, line.size() - 2);
      inSection = true;
      const bool named = section.size() == 10 && IsBoardKey(section.substr(0, 8)) && section[8] == '.' &&
                         std::string("DMNS").find(section[9]) != std::string::npos;
      if (!named) problems.push_back(where + "\"" + section + "\" is not a board key and system letter");
      std::string lower = section;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (!seen.insert(lower).second) problems.push_back(where + "section " + section + " appears twice");
      continue;
    }
    if (!inSection) {
      problems.push_back(where + "stands before the first section");
      continue;
    }
    sectionLines.push_back(line);
  }
  finish();
  return problems;
}

}  // namespace quorval
