#include "data/sequence_library.h"

#include "core/messages.h"
#include "data/comma_text.h"

namespace quorval {

char BidSystemLetter(int bidSys) { return "DMNS"[bidSys & 3]; }

std::string LibrarySectionName(const std::string& boardKey, char systemLetter) {
  return boardKey + "." + systemLetter;
}

std::vector<std::string> SplitLibraryLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  // A byte-order mark left by an editor would hide the first section header.
  const size_t first = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  for (size_t i = first; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

std::optional<CallCode> ParseLibraryToken(const std::string& token) {
  if (token == "P") return Pass;
  if (token == "X") return Double;
  if (token == "XX") return Redouble;
  if (token.size() == 2 && token[0] >= '1' && token[0] <= '7') {
    for (tAllTrump strain = Club; strain <= NT; ++strain)
      if (token[1] == kStrainLetters[strain]) return MakeBid(token[0] - '0', strain);
  }
  return std::nullopt;
}

std::optional<LibraryLine> ParseLibraryLine(const std::string& text, std::string* problem) {
  const auto fail = [problem](const std::string& why) -> std::optional<LibraryLine> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  if (text.size() > kIniLineLimit) return fail("longer than 255 characters");
  for (const char c : text)
    if (static_cast<unsigned char>(c) <= ' ' || c == '"') return fail("holds a blank, a quote or a control character");

  const std::vector<std::string> fields = ReadCommaText(text);
  size_t leadAt = 0;
  while (leadAt < fields.size() && fields[leadAt] != kLeadWord) ++leadAt;
  if (leadAt == fields.size()) return fail("has no \"Lead\" field");

  LibraryLine line;
  Auction auction(North);
  for (size_t i = 0; i < leadAt; ++i) {
    const auto call = ParseLibraryToken(fields[i]);
    if (!call) return fail("call " + std::to_string(i + 1) + " \"" + fields[i] + "\" is not a call");
    if (auction.Over()) return fail("call " + std::to_string(i + 1) + " follows the end of the auction");
    if (!auction.Make(*call)) return fail("call " + std::to_string(i + 1) + " \"" + fields[i] + "\" is not legal");
    line.calls.push_back(*call);
  }
  if (!auction.Over()) return fail("the auction is not complete");

  const size_t pairs = (fields.size() - leadAt - 1) / 2;
  if ((fields.size() - leadAt - 1) % 2 != 0 || pairs < 1 || pairs > 4)
    return fail("needs one to four lead and percentage pairs after \"Lead\"");
  int total = 0;
  for (size_t p = 0; p < pairs; ++p) {
    const std::string& cardText = fields[leadAt + 1 + 2 * p];
    const std::string& percentText = fields[leadAt + 2 + 2 * p];
    const CardCode card = ParseCard(cardText);
    if (card < 4 || cardText.size() != 2 || CardText(card) != cardText)
      return fail("lead \"" + cardText + "\" is not a card");
    for (const auto& earlier : line.leads)
      if (earlier.card == card) return fail("lead " + cardText + " is listed twice");
    int percent = 0;
    if (!ParseIniInteger(percentText, percent) || percent < 1 || percent > 100 ||
        percentText != std::to_string(percent))
      return fail("percentage \"" + percentText + "\" is not a whole number from 1 to 100");
    total += percent;
    line.leads.push_back({card, percent});
  }
  if (total != 100) return fail("lead percentages add up to " + std::to_string(total) + ", not 100");
  return line;
}

std::string LibraryLineText(const LibraryLine& line) {
  std::vector<std::string> fields;
  for (const CallCode c : line.calls) fields.push_back(CallToken(c));
  fields.push_back(kLeadWord);
  for (const auto& lead : line.leads) {
    fields.push_back(CardText(lead.card));
    fields.push_back(std::to_string(lead.percent));
  }
  return WriteCommaText(fields);
}

bool SequenceLibrary::LoadSequenceLibrary(std::string_view text) {
  store_.LoadLines({});
  if (text.empty()) {
    ShowMessage(kLibraryEmpty);
    return false;
  }
  store_.LoadLines(SplitLibraryLines(text));
  return true;
}

void SequenceLibrary::ReadSection(const std::string& boardKey, char systemLetter,
                                  std::vector<std::string>& target) const {
  store_.ReadSectionValues(LibrarySectionName(boardKey, systemLetter), target);
}

std::vector<std::string> SequenceLibrary::SectionLines(const std::string& boardKey, char systemLetter) const {
  std::vector<std::string> lines;
  ReadSection(boardKey, systemLetter, lines);
  return lines;
}

}  // namespace quorval
