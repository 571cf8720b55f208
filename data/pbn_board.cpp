#include "data/pbn_board.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace quorval {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Trimmed(const std::string& text) {
  const size_t a = text.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return text.substr(a, text.find_last_not_of(" \t") - a + 1);
}

// A value that stands for "not known".
bool Unknown(const std::string& value) { return value.empty() || value == "?" || value == "-"; }

std::optional<Seat> SeatFromText(const std::string& text) {
  if (text.size() != 1) return std::nullopt;
  switch (std::toupper(static_cast<unsigned char>(text[0]))) {
    case 'N': return North;
    case 'E': return East;
    case 'S': return South;
    case 'W': return West;
    default: return std::nullopt;
  }
}

std::optional<int> Number(const std::string& text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

// PBN files write ranks in either case ("sa", "hT").
TRank RankLetter(char c) { return RankFromChar(static_cast<char>(std::toupper(static_cast<unsigned char>(c)))); }

int SuitFromChar(char c) {
  switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'C': return Club;
    case 'D': return Diamond;
    case 'H': return Heart;
    case 'S': return Spade;
    default: return -1;
  }
}

// "NT" or "N" for no-trump, else a suit letter.
int StrainFromText(const std::string& text) {
  const std::string up = Upper(text);
  if (up == "NT" || up == "N") return NT;
  return up.size() == 1 ? SuitFromChar(up[0]) : -1;
}

// A card as PBN writes it (suit, then rank: "SA", "HT"); the other order and a
// "10" for the ten are taken too.
CardCode CardFromToken(const std::string& token) {
  std::string t = token;
  if (t.size() == 3 && t.substr(1) == "10") t = std::string{t[0], 'T'};
  if (t.size() == 3 && t.substr(0, 2) == "10") t = std::string{'T', t[2]};
  if (t.size() != 2) return 0;
  int suit = SuitFromChar(t[0]);
  TRank rank = RankLetter(t[1]);
  if (suit < 0 || !rank) {
    suit = SuitFromChar(t[1]);
    rank = RankLetter(t[0]);
  }
  return suit < 0 || !rank ? 0 : MakeCard(rank, suit);
}

// Annotations that may follow a call or card, and tokens that only annotate.
std::string WithoutSuffix(std::string token) {
  while (!token.empty() && (token.back() == '!' || token.back() == '?')) token.pop_back();
  return token;
}
bool AnnotationOnly(const std::string& token) {
  return token.empty() || token[0] == '=' || token[0] == '$' || token[0] == '^';
}

std::optional<CallCode> CallFromToken(const std::string& token) {
  const std::string up = Upper(token);
  if (up == "PASS" || up == "P") return Pass;
  if (up == "X" || up == "DBL" || up == "D") return Double;
  if (up == "XX" || up == "RDBL" || up == "R") return Redouble;
  if (up.size() < 2 || up[0] < '1' || up[0] > '7') return std::nullopt;
  const int strain = StrainFromText(up.substr(1));
  if (strain < 0) return std::nullopt;
  return MakeBid(up[0] - '0', strain);
}

// The contract of a Contract tag; nothing when it cannot be read.
std::optional<Contract> ContractFromText(const std::string& text) {
  std::string up = Upper(Trimmed(text));
  Contract contract;
  if (up == "PASS") return contract;
  int doubled = 0;
  while (!up.empty() && up.back() == 'X' && doubled < 2) {
    up.pop_back();
    ++doubled;
  }
  if (up.size() < 2 || up[0] < '1' || up[0] > '7') return std::nullopt;
  const int strain = StrainFromText(up.substr(1));
  if (strain < 0) return std::nullopt;
  contract.bid = MakeBid(up[0] - '0', strain);
  contract.DoubledCount = doubled;
  return contract;
}

// Reads the tags of one game in the order the checks need them.
class GameReader {
 public:
  GameReader(const PbnGame& game, const PbnGame* previous, PbnCheck check, PbnBoard& board, PbnProblem& problem)
      : game_(game), previous_(previous), whole_(check == PbnCheck::Whole), b_(board), problem_(problem) {}

  bool Read() {
    if (!game_.faults.empty()) {
      problem_ = game_.faults.front();
      return false;
    }
    b_ = PbnBoard{};
    return Names() && TheDeal() && DealerAndVulnerability() && TheContract() && TheAuction() && ThePlay() &&
           Tables();
  }

 private:
  const PbnTag* Tag(const char* name) const { return game_.Find(name); }

  // A tag's value, "#" taking the previous game's value; `fallback` when absent.
  std::string Value(const char* name, const std::string& fallback = "") const {
    const PbnTag* tag = Tag(name);
    if (!tag) return fallback;
    if (tag->value == "#" && previous_) {
      if (const PbnTag* before = previous_->Find(name)) return before->value;
    }
    return tag->value;
  }

  bool Fail(int line, const std::string& reason) {
    problem_.line = line ? line : game_.line;
    problem_.reason = reason;
    return false;
  }
  int LineOf(const char* name) const {
    const PbnTag* tag = Tag(name);
    return tag ? tag->line : game_.line;
  }

  bool Names() {
    b_.event = Value("Event", "?");
    b_.site = Value("Site", "?");
    b_.date = Value("Date", "????.??.??");
    b_.scoring = Value("Scoring");
    b_.board = Value("Board");
    b_.boardNumber = Number(Trimmed(b_.board)).value_or(0);
    const char* seats[4] = {"North", "East", "South", "West"};
    for (Seat s = North; s <= West; ++s) b_.players[size_t(s)] = Value(seats[s], "?");
    return true;
  }

  bool TheDeal() {
    if (!Tag("Deal")) return Fail(game_.line, "the game has no Deal tag");
    const int line = LineOf("Deal");
    const std::string text = Trimmed(Value("Deal"));
    if (text.size() < 2 || text[1] != ':') return Fail(line, "the deal \"" + text + "\" does not start with a seat and \":\"");
    const auto first = SeatFromText(text.substr(0, 1));
    if (!first) return Fail(line, "unknown seat \"" + text.substr(0, 1) + "\" at the start of the deal");
    std::vector<std::string> hands;
    size_t i = 2;
    while (i < text.size()) {
      const size_t end = std::min(text.find_first_of(" \t", i), text.size());
      if (end > i) hands.push_back(text.substr(i, end - i));
      i = end + 1;
    }
    if (hands.size() != 4) return Fail(line, "the deal has " + std::to_string(hands.size()) + " hands, not 4");
    // Every hand read first, so that a deal of 51 or 53 cards is told as such
    // before any card dealt twice.
    std::array<std::array<std::vector<TRank>, 4>, 4> ranks{};
    int unknown = -1, total = 0;
    for (int h = 0; h < 4; ++h) {
      const Seat seat = (*first + h) & 3;
      if (hands[size_t(h)] == "-") {
        if (unknown >= 0) return Fail(line, "the deal leaves more than one hand out");
        unknown = seat;
        continue;
      }
      int suit = Spade;
      for (const char c : hands[size_t(h)]) {
        if (c == '.') {
          if (--suit < Club) return Fail(line, std::string("the ") + SeatName(seat) + " hand has more than four suits");
          continue;
        }
        const TRank r = RankLetter(c);
        if (!r) return Fail(line, std::string("\"") + c + "\" in the " + SeatName(seat) + " hand is not a card");
        ranks[size_t(seat)][size_t(suit)].push_back(r);
        ++total;
      }
      if (suit != Club) return Fail(line, std::string("the ") + SeatName(seat) + " hand has fewer than four suits");
    }
    if (total != (unknown >= 0 ? 39 : 52))
      return Fail(line, "the deal holds " + std::to_string(total) + " cards, not " + (unknown >= 0 ? "39 in three hands" : "52"));
    Deal deal;
    for (Seat seat = North; seat <= West; ++seat)
      for (TSuit suit = Club; suit <= Spade; ++suit)
        for (const TRank r : ranks[size_t(seat)][size_t(suit)]) {
          for (Seat other = North; other <= West; ++other)
            if (deal.at(other, suit) & RankBit(r))
              return Fail(line, "the card " + PbnCardText(MakeCard(r, suit)) + " is dealt twice");
          deal.at(seat, suit) |= RankBit(r);
        }
    // One hand left out holds the cards the others do not.
    if (unknown >= 0) {
      for (TSuit suit = Club; suit <= Spade; ++suit) {
        Holding rest = kRankMask;
        for (Seat s = North; s <= West; ++s) rest &= ~deal.at(s, suit);
        deal.at(unknown, suit) = rest;
      }
    }
    for (Seat s = North; s <= West; ++s) {
      int n = 0;
      for (TSuit suit = Club; suit <= Spade; ++suit) n += CardCount(deal.at(s, suit));
      if (n != 13)
        return Fail(line, std::string("the ") + SeatName(s) + " hand holds " + std::to_string(n) + " cards, not 13");
    }
    b_.deal = deal;
    return true;
  }

  bool DealerAndVulnerability() {
    const std::string dealer = Trimmed(Value("Dealer"));
    if (!Unknown(dealer)) {
      const auto seat = SeatFromText(dealer);
      if (!seat) return Fail(LineOf("Dealer"), "unknown seat \"" + dealer + "\" for the dealer");
      b_.dealer = *seat;
    } else if (b_.boardNumber > 0) {
      b_.dealer = StandardDealer(b_.boardNumber);
    } else {
      return Fail(game_.line, "the game has neither a Dealer nor a Board number to take the dealer from");
    }
    const std::string vul = Upper(Trimmed(Value("Vulnerable")));
    if (!Tag("Vulnerable") || vul.empty() || vul == "?") {
      if (b_.boardNumber <= 0)
        return Fail(game_.line, "the game has neither a Vulnerable tag nor a Board number to take it from");
      b_.vul = StandardVulnerability(b_.boardNumber);
    } else if (vul == "NONE" || vul == "LOVE" || vul == "-") {
      b_.vul = 0;
    } else if (vul == "NS") {
      b_.vul = 1;
    } else if (vul == "EW") {
      b_.vul = 2;
    } else if (vul == "ALL" || vul == "BOTH") {
      b_.vul = 3;
    } else {
      return Fail(LineOf("Vulnerable"), "unknown vulnerability \"" + Value("Vulnerable") + "\"");
    }
    return true;
  }

  // Contract, declarer and result as the tags give them; the auction, when it
  // is complete, decides the contract below.
  bool TheContract() {
    const std::string contract = Trimmed(Value("Contract"));
    if (!Unknown(contract)) {
      const auto c = ContractFromText(contract);
      if (!c) {
        if (whole_) return Fail(LineOf("Contract"), "the contract \"" + contract + "\" cannot be read");
      } else {
        b_.contract = c;
      }
    }
    std::string declarer = Trimmed(Value("Declarer"));
    if (!declarer.empty() && declarer[0] == '^') declarer.erase(0, 1);
    if (b_.contract && !b_.contract->PassedOut()) {
      const auto seat = SeatFromText(declarer);
      if (seat) b_.contract->declarer = *seat;
      else if (whole_) return Fail(LineOf("Declarer"), "unknown seat \"" + declarer + "\" for the declarer");
      else b_.contract.reset();   // a contract without its declarer gives no play to follow
    }
    const std::string result = Trimmed(Value("Result"));
    if (!Unknown(result)) {
      const auto tricks = Number(result);
      if (tricks && *tricks <= 13) b_.result = *tricks;
      else if (whole_) return Fail(LineOf("Result"), "the result \"" + result + "\" is not 0 to 13 tricks");
    }
    return true;
  }

  bool TheAuction() {
    const PbnTag* tag = Tag("Auction");
    if (!tag) return true;
    const std::string first = Trimmed(Value("Auction"));
    const auto seat = SeatFromText(first);
    if (!seat) return Fail(tag->line, "unknown seat \"" + first + "\" for the first call of the auction");
    if (*seat != b_.dealer)
      return Fail(tag->line, std::string("the auction starts with ") + SeatName(*seat) + ", not with the dealer " +
                                 SeatName(b_.dealer));
    Auction auction(b_.dealer);
    for (const PbnSectionLine& line : tag->section) {
      for (const std::string& raw : line.tokens) {
        if (AnnotationOnly(raw) || raw == "-") continue;
        if (raw == "*") return AuctionDone(auction, line.line);
        const std::string token = WithoutSuffix(raw);
        if (Upper(token) == "AP") {
          while (!auction.Over()) auction.Make(Pass);
          continue;
        }
        const auto call = CallFromToken(token);
        if (!call) return Fail(line.line, "\"" + raw + "\" is not a call");
        const std::string which = "call " + std::to_string(auction.calls.size() + 1) + " (" + raw + ")";
        if (auction.Over()) return Fail(line.line, which + " comes after the end of the auction");
        if (!auction.Make(*call)) {
          if (IsBid(*call)) return Fail(line.line, which + " is an insufficient bid");
          return Fail(line.line, which + " is not allowed there");
        }
      }
    }
    return AuctionDone(auction, tag->line);
  }

  bool AuctionDone(const Auction& auction, int line) {
    b_.calls = auction.calls;
    if (!auction.Over()) return true;
    const Contract reached = auction.Result();
    if (whole_ && b_.contract && PbnContractText(*b_.contract) != PbnContractText(reached))
      return Fail(line, "the contract " + PbnContractText(*b_.contract) + " is not the one the auction reached, " +
                            PbnContractText(reached));
    if (whole_ && b_.contract && !reached.PassedOut() && b_.contract->declarer != reached.declarer)
      return Fail(line, std::string("the declarer is ") + SeatName(reached.declarer) + " by the auction");
    b_.contract = reached;
    return true;
  }

  bool ThePlay() {
    const PbnTag* tag = Tag("Play");
    if (!tag) return true;
    const std::string first = Trimmed(Value("Play"));
    if (Unknown(first) && tag->section.empty()) return true;
    const auto leader = SeatFromText(first);
    if (!leader) return Fail(tag->line, "unknown seat \"" + first + "\" for the opening lead");
    if (!b_.contract) return Fail(tag->line, "the play cannot be followed: the contract is not known");
    if (b_.contract->PassedOut()) return Fail(tag->line, "cards are played on a passed-out board");
    if (*leader != NextSeat(b_.contract->declarer))
      return Fail(tag->line, std::string("the opening leader is ") + SeatName(*leader) + ", not " +
                                 SeatName(NextSeat(b_.contract->declarer)));
    b_.openingLeader = *leader;

    // The cards as written: four to a trick, in seat order from the leader.
    struct Written {
      std::string token;
      int line;
    };
    std::vector<Written> written;
    bool ended = false;
    for (const PbnSectionLine& line : tag->section)
      for (const std::string& raw : line.tokens) {
        if (AnnotationOnly(raw) || ended) continue;
        if (raw == "*") ended = true;
        else written.push_back({WithoutSuffix(raw), line.line});
      }

    Deal left = b_.deal;
    const tAllTrump trump = b_.contract->strain();
    Seat trickLeader = *leader;
    bool stopped = false;
    for (size_t t = 0; t * 4 < written.size(); ++t) {
      if (t >= 13) return Fail(written[t * 4].line, "the play has more than 13 tricks");
      CardCode winning = 0;
      Seat winner = trickLeader;
      TSuit led = Club;
      for (int k = 0; k < 4; ++k) {
        const Seat seat = (trickLeader + k) & 3;
        const size_t index = t * 4 + size_t((seat - *leader + 4) & 3);
        if (index >= written.size() || written[index].token == "-") {
          stopped = true;
          continue;
        }
        const Written& w = written[index];
        const CardCode card = CardFromToken(w.token);
        const std::string which = "card " + std::to_string(b_.cards.size() + 1) + " (" + w.token + ")";
        if (stopped) return Fail(w.line, which + " comes after a card that was not played");
        if (card < 4) return Fail(w.line, "\"" + w.token + "\" is not a card");
        const TSuit suit = SuitOf(card);
        if (k == 0) led = suit;
        if (!HoldsCard(left.at(seat, suit), card))
          return Fail(w.line, which + " is not in " + SeatName(seat) + "'s hand");
        if (suit != led && (left.at(seat, led) & kRankMask) != 0) return Fail(w.line, which + " does not follow suit");
        left.at(seat, suit) &= ~RankBit(RankOf(card));
        b_.cards.push_back(card);
        if (k == 0 || CardBeats(card, winning, trump)) {
          winning = card;
          winner = seat;
        }
      }
      trickLeader = winner;
    }
    return true;
  }

  bool Tables() {
    b_.optimumScore = Value("OptimumScore");
    b_.parContract = Value("ParContract");
    b_.score = Value("Score");
    if (const PbnTag* tag = Tag("OptimumResultTable")) {
      PbnTable table = ReadTable(*tag);
      PbnTricks tricks{};
      int filled = 0;
      const int d = table.Column("Declarer"), s = table.Column("Denomination"), r = table.Column("Result");
      for (const auto& row : table.rows) {
        if (d < 0 || s < 0 || r < 0 || row.size() != table.columns.size()) break;
        const auto seat = SeatFromText(row[size_t(d)]);
        const int strain = StrainFromText(row[size_t(s)]);
        const auto n = Number(row[size_t(r)]);
        if (!seat || strain < 0 || !n || *n > 13) break;
        tricks[size_t(strain)][size_t(*seat)] = *n;
        ++filled;
      }
      if (filled == 20 && table.rows.size() == 20) b_.optimum = tricks;
      else if (whole_) return Fail(tag->line, "the optimum result table does not give 20 results");
    }
    if (const PbnTag* tag = Tag("ScoreTable")) {
      b_.scoreTable = ReadTable(*tag);
      for (size_t i = 0; i < b_.scoreTable.rows.size() && whole_; ++i)
        if (b_.scoreTable.rows[i].size() != b_.scoreTable.columns.size())
          return Fail(tag->section[i].line, "a row of the score table has " +
                                                std::to_string(b_.scoreTable.rows[i].size()) + " cells, not " +
                                                std::to_string(b_.scoreTable.columns.size()));
    }
    return true;
  }

  static PbnTable ReadTable(const PbnTag& tag) {
    PbnTable table;
    size_t start = 0;
    const std::string& v = tag.value;
    while (start <= v.size()) {
      const size_t end = std::min(v.find(';', start), v.size());
      std::string column = Trimmed(v.substr(start, end - start));
      column = column.substr(0, column.find('\\'));
      if (!column.empty()) table.columns.push_back(column);
      start = end + 1;
    }
    for (const PbnSectionLine& line : tag.section) table.rows.push_back(line.tokens);
    return table;
  }

  const PbnGame& game_;
  const PbnGame* previous_;
  bool whole_;
  PbnBoard& b_;
  PbnProblem& problem_;
};

// The characters of a UTF-8 text, as a reader sees its width.
size_t Width(const std::string& text) {
  size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// Writes a table with each column as wide as its widest cell: numbers to the
// right, words to the left, a "-" for an empty cell.
std::string TableText(const char* name, const PbnTable& table) {
  const size_t n = table.columns.size();
  std::vector<size_t> width(n, 1);
  std::vector<bool> numeric(n, true);
  std::vector<std::vector<std::string>> cells;
  for (const auto& row : table.rows) {
    std::vector<std::string> out;
    for (size_t c = 0; c < n; ++c) {
      std::string cell = c < row.size() && !row[c].empty() ? row[c] : "-";
      if (cell.find_first_of(" \t\";{}[]") != std::string::npos) cell = PbnQuoted(cell);
      const bool number = cell == "-" || cell.find_first_not_of("-+.0123456789") == std::string::npos;
      numeric[c] = numeric[c] && number;
      width[c] = std::max(width[c], Width(cell));
      out.push_back(cell);
    }
    cells.push_back(out);
  }
  std::string header;
  for (size_t c = 0; c < n; ++c)
    header += (c ? ";" : "") + table.columns[c] + "\\" + std::to_string(width[c]) + (numeric[c] ? "R" : "L");
  std::string text = std::string("[") + name + " " + PbnQuoted(header) + "]\r\n";
  for (const auto& row : cells) {
    std::string line;
    for (size_t c = 0; c < n; ++c) {
      const std::string pad(width[c] - Width(row[c]), ' ');
      std::string cell = numeric[c] ? pad + row[c] : row[c] + pad;
      line += (c ? " " : "") + cell;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\r\n";
  }
  return text;
}

std::string TagLine(const char* name, const std::string& value) {
  return std::string("[") + name + " " + PbnQuoted(value) + "]\r\n";
}

}  // namespace

int PbnTable::Column(const std::string& name) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (columns[i] == name) return static_cast<int>(i);
  return -1;
}

bool ReadPbnBoard(const PbnGame& game, const PbnGame* previous, PbnCheck check, PbnBoard& board,
                  PbnProblem& problem) {
  return GameReader(game, previous, check, board, problem).Read();
}

PbnRead ReadPbnText(std::string_view text, const std::string& file, PbnCheck check) {
  PbnRead read;
  const std::vector<PbnGame> games = SplitPbnGames(text, file);
  for (size_t i = 0; i < games.size(); ++i) {
    PbnBoard board;
    PbnProblem problem{file, games[i].line, {}};
    if (ReadPbnBoard(games[i], i ? &games[i - 1] : nullptr, check, board, problem)) {
      read.boards.push_back(std::move(board));
      read.boardLines.push_back(games[i].line);
    } else {
      read.problems.push_back(problem);
    }
  }
  return read;
}

std::string PbnCallText(CallCode call) {
  if (call == Pass) return "Pass";
  if (call == Double) return "X";
  if (call == Redouble) return "XX";
  if (!IsBid(call)) return "-";
  const tAllTrump strain = StrainOf(call);
  return std::to_string(LevelOf(call)) + (strain == NT ? std::string("NT") : std::string(1, StrainLetter(strain)));
}

std::string PbnContractText(const Contract& contract) {
  if (contract.PassedOut()) return "Pass";
  return PbnCallText(contract.bid) + std::string(size_t(std::clamp(contract.DoubledCount, 0, 2)), 'X');
}

std::string PbnCardText(CardCode card) { return std::string{kStrainLetters[SuitOf(card)], RankChar(RankOf(card))}; }

std::string PbnExportHeader() { return "% PBN 2.1\r\n% EXPORT\r\n"; }

std::string PbnExportGame(const PbnBoard& b) {
  const bool passedOut = b.contract && b.contract->PassedOut();
  const bool known = b.contract && !passedOut;
  std::string text;
  text += TagLine("Event", b.event);
  text += TagLine("Site", b.site);
  text += TagLine("Date", b.date);
  text += TagLine("Board", b.board);
  text += TagLine("West", b.players[West]);
  text += TagLine("North", b.players[North]);
  text += TagLine("East", b.players[East]);
  text += TagLine("South", b.players[South]);
  text += TagLine("Dealer", std::string(1, SeatLetter(b.dealer)));
  static const char* const kVul[4] = {"None", "NS", "EW", "All"};
  text += TagLine("Vulnerable", kVul[b.vul & 3]);
  text += TagLine("Deal", DealText(b.deal, b.dealer));
  text += TagLine("Scoring", b.scoring);
  text += TagLine("Declarer", known ? std::string(1, SeatLetter(b.contract->declarer)) : passedOut ? "" : "?");
  text += TagLine("Contract", b.contract ? PbnContractText(*b.contract) : "?");
  text += TagLine("Result", known && b.result ? std::to_string(*b.result) : passedOut ? "" : "?");
  if (!b.calls.empty()) {
    text += TagLine("Auction", std::string(1, SeatLetter(b.dealer)));
    for (size_t i = 0; i < b.calls.size(); ++i)
      text += PbnCallText(b.calls[i]) + (i % 4 == 3 || i + 1 == b.calls.size() ? "\r\n" : " ");
  }
  if ((!b.cards.empty() || b.claim) && known) {
    // Each trick on a line, the cards in seat order from the opening leader.
    text += TagLine("Play", std::string(1, SeatLetter(b.openingLeader)));
    Seat trickLeader = b.openingLeader;
    for (size_t t = 0; t * 4 < b.cards.size(); ++t) {
      std::array<std::string, 4> bySeat{"-", "-", "-", "-"};
      CardCode winning = 0;
      Seat winner = trickLeader;
      for (size_t k = 0; k < 4 && t * 4 + k < b.cards.size(); ++k) {
        const CardCode card = b.cards[t * 4 + k];
        const Seat seat = (trickLeader + int(k)) & 3;
        bySeat[size_t((seat - b.openingLeader + 4) & 3)] = PbnCardText(card);
        if (k == 0 || CardBeats(card, winning, b.contract->strain())) {
          winning = card;
          winner = seat;
        }
      }
      text += bySeat[0] + " " + bySeat[1] + " " + bySeat[2] + " " + bySeat[3] + "\r\n";
      trickLeader = winner;
    }
    if (b.claim && b.cards.size() < 52)
      text += std::string("{") + (b.claim->side == 1 ? "NS" : "EW") + " claim " + std::to_string(b.claim->tricks) +
              " of the " + std::to_string(13 - b.cards.size() / 4) + " tricks left}\r\n";
    if (b.cards.size() < 52) text += "*\r\n";
  }
  if (!b.score.empty()) text += TagLine("Score", b.score);
  if (b.optimum) {
    PbnTable table{{"Declarer", "Denomination", "Result"}, {}};
    static const char* const kDenominations[5] = {"NT", "S", "H", "D", "C"};
    static constexpr tAllTrump kOrder[5] = {NT, Spade, Heart, Diamond, Club};
    for (Seat s = North; s <= West; ++s)
      for (int d = 0; d < 5; ++d)
        table.rows.push_back({std::string(1, SeatLetter(s)), kDenominations[d],
                              std::to_string((*b.optimum)[size_t(kOrder[d])][size_t(s)])});
    text += TableText("OptimumResultTable", table);
  }
  if (!b.optimumScore.empty()) text += TagLine("OptimumScore", b.optimumScore);
  if (!b.parContract.empty()) text += TagLine("ParContract", b.parContract);
  if (!b.scoreTable.columns.empty()) text += TableText("ScoreTable", b.scoreTable);
  return text + "\r\n";
}

}  // namespace quorval
