#include "data/board_file.h"

namespace quorval {

int SiteCount(const std::vector<std::string>& lines) {
  int site = 0;
  return ParseIniInteger(FindValue(lines, "Site").value_or(""), site) ? site : 0;
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
