#include "game/auction_driver.h"

#include <algorithm>
#include <cctype>

#include "core/messages.h"

namespace quorval {

void AuctionState::Reset(Seat dealer) {
  Calls.clear();
  HintCalls.clear();
  auction = Auction(dealer);
}

bool AuctionState::Record(CallCode c) {
  if (!auction.Make(c)) return false;
  Calls.push_back(CallToken(c));
  return true;
}

std::vector<std::string> SplitLibraryLine(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  for (const char ch : line) {
    if (ch == ',') {
      fields.push_back(field);
      field.clear();
    } else if (ch != '\r' && ch != '\n') {
      field += ch;
    }
  }
  if (!line.empty()) fields.push_back(field);
  return fields;
}

bool LineAgrees(const std::vector<std::string>& fields, const std::vector<std::string>& calls) {
  const size_t comparable = fields.empty() ? 0 : fields.size() - 1;
  for (size_t i = 0; i < calls.size() && i < comparable; ++i)
    if (fields[i] != calls[i]) return false;
  return true;
}

void FindLine(AuctionState& state) {
  for (const auto& line : state.SequenceLines) {
    state.CurrentLine = SplitLibraryLine(line);
    if (LineAgrees(state.CurrentLine, state.Calls)) return;
  }
}

CallCode LibraryCall(AuctionState& state) {
  FindLine(state);
  const size_t n = state.Calls.size();
  CallCode c = Pass;
  if (state.CurrentLine.size() > n) {
    c = ParseCall(state.CurrentLine[n]);
  } else {
    ShowMessage("Sequence File doesn't contain this bid");
    return Pass;
  }
  if (!state.auction.IsLegal(c)) {
    ShowMessage("Sequence File doesn't contain this bid");
    return Pass;
  }
  return c;
}

bool CallAllowed(AuctionState& state, CallCode c) {
  const size_t n = state.Calls.size();
  for (const auto& line : state.SequenceLines) {
    state.CurrentLine = SplitLibraryLine(line);
    const auto& fields = state.CurrentLine;
    if (fields.size() <= n) continue;
    bool agree = true;
    for (size_t i = 0; i < n && agree; ++i) agree = fields[i] == state.Calls[i];
    if (agree && ParseCall(fields[n]) == c) return state.auction.IsLegal(c);
  }
  return false;
}

void ListAllowedCalls(AuctionState& state) {
  state.HintCalls.clear();
  const size_t n = state.Calls.size();
  for (const auto& line : state.SequenceLines) {
    const auto fields = SplitLibraryLine(line);
    if (fields.size() <= n || !LineAgrees(fields, state.Calls)) continue;
    state.HintCalls.push_back(ParseCall(fields[n]));
  }
}

bool OnStoredLine(const AuctionState& state) {
  const size_t n = state.Calls.size();
  for (const auto& line : state.SequenceLines) {
    const auto fields = SplitLibraryLine(line);
    if (fields.size() > n && std::equal(state.Calls.begin(), state.Calls.end(), fields.begin())) return true;
  }
  return false;
}

std::string StoredAuctionLine(const AuctionState& state) {
  const size_t n = state.Calls.size();
  for (const auto& line : state.SequenceLines) {
    const auto fields = SplitLibraryLine(line);
    if (fields.size() > n && fields[n] == "Lead" && std::equal(state.Calls.begin(), state.Calls.end(), fields.begin()))
      return line;
  }
  return {};
}

CallCode EntryToCall(const std::string& entry, int doubledCount) {
  if (entry.empty()) return NoCall;
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(entry[0])));
  if (first == 'P') return Pass;
  if (first == 'X') return doubledCount == 0 ? Double : Redouble;
  if (entry.size() < 2) return NoCall;
  const char* strains = "CDHSN";
  int strain = -1;
  for (int s = 0; s < 5; ++s)
    if (strains[s] == first) strain = s;
  const int level = entry[1] - '0';
  if (strain < 0 || level < 1 || level > 7) return NoCall;
  return MakeBid(level, strain);
}

std::string CallToEntry(CallCode c) {
  if (IsBid(c)) return std::string{StrainLetter(StrainOf(c)), static_cast<char>('0' + LevelOf(c))};
  if (c == Double) return "X";
  if (c == Redouble) return "XX";
  return "P";
}

int BidKeyPosition(int language, char key, bool levelTyped) {
  static const char* const kRows[8] = {"CDHSNPMIT", "KRHSUPMJT", "KRHSNPMIT", "TKCPSPNAR",
                                       "KRHSNPMJT", "TKCPSPAJB", "FQCPSADET", "CDHSNPMIT"};
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  const char* row = kRows[(language >= 0 && language < 8) ? language : 0];
  for (int pos = 0; pos < 9; ++pos) {
    if (row[pos] != upper) continue;
    if (pos == 3 && (language == 3 || language == 4) && !levelTyped) return 5;
    return pos;
  }
  // Norwegian writes no-trump "G" (grand): it types no-trump beside "N".
  if (language == 2 && upper == 'G') return 4;
  return -1;
}

std::pair<int, int> ReviewCell(Seat dealer, int callIndex) {
  const int column = (dealer + 1 + callIndex) & 3;
  const int row = (((dealer + 1) & 3) + callIndex) / 4;
  return {row, column};
}

}  // namespace quorval
