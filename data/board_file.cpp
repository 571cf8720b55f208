#include "data/board_file.h"

#include <fstream>
#include <sstream>

#include "core/board_key.h"

namespace quorval {

int SiteCount(const std::vector<std::string>& lines) {
  int site = 0;
  return ParseIniInteger(FindValue(lines, "Site").value_or(""), site) ? site : 0;
}

int EventLength(const TBigIniFile& boards, const std::string& eventKind, const std::string& session) {
  for (int n = kBoardsPerEvent; n >= 1; --n) {
    const std::string key = eventKind + session + (n < 10 ? ".0" : ".") + std::to_string(n);
    if (boards.SectionExists(key)) return n;
  }
  return 0;
}

std::map<std::string, int> ReadShortEvents(const std::string& notePath) {
  std::map<std::string, int> events;
  std::ifstream in(notePath, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Short=", 0) != 0) continue;
    std::stringstream list(line.substr(6));
    std::string key;
    while (std::getline(list, key, ',')) {
      const auto parsed = BoardKey::Parse(key);
      if (parsed && parsed->board >= 1 && parsed->board < kBoardsPerEvent) events[parsed->Event()] = parsed->board;
    }
  }
  return events;
}

TBridgeINI::TBridgeINI(const std::string& fileName) : TMyINI(fileName) {
  if (Sections().empty()) {
    MarkModified();
    UpdateFile();
  }
}

void TBridgeINI::AddError(const std::string& message, const std::string& value) {
  DealErrors.push_back(message + " : " + value);
}

std::optional<BoardRecord> TBridgeINI::ReadBoard(const std::string& key, BoardStatus& status) {
  BoardRecord board;
  board.key = key;
  ReadSectionValues(key, board.lines);
  if (board.lines.empty()) {
    status = BoardStatus::NotFound;
    return std::nullopt;
  }
  // ParseDeal reports a rejected text in the board store's error list.
  const std::string dealText = FindValue(board.lines, "Deal").value_or("");
  if (!ParseDeal(dealText, board.deal, DealErrors)) {
    status = BoardStatus::BadDeal;
    return std::nullopt;
  }
  // A text of the right length can still repeat or leave out cards; such a
  // board is not played rather than played with the wrong cards.
  if (!DealIsComplete(board.deal)) {
    AddError(" 52 cards not dealt", dealText);
    status = BoardStatus::BadDeal;
    return std::nullopt;
  }
  board.dealer = ParseSeat(FindValue(board.lines, "Dealer").value_or(""));
  board.vulnerability = ParseVulnerability(FindValue(board.lines, "Vulnerable").value_or(""));
  board.site = SiteCount(board.lines);
  RotateDeal(board.site, board.dealer, board.vulnerability, board.deal);
  DealHoldings = board.deal;
  status = BoardStatus::Found;
  return board;
}

}  // namespace quorval
