#pragma once
// The meanings of the library's calls: for every auction prefix of every
// stored line, in each bidding system, what the last call of the prefix
// promises (points, suit lengths, balanced, forcing, convention). The event
// generator writes them beside the library as "Meanings2005.txt"; the table
// shows them, and anything that reasons about the auction may read them.
//
// The file is an INI text:
//   [Meanings]
//   Entries=23639                    the number of entries below, so a
//                                    truncated file is known as one
//   [D]                              one section per system letter
//   1N=Natural,15-17,Bal,Strain:N    the calls from the dealer on = meaning
//   1N,P,2D=Transfer,H5+,F1,Strain:H
// A meaning is a comma text: the convention's name first, then any of the
// points ("15-17", "8+"), "Pts" when they count shape (below), suit lengths
// ("S5+", "H0-3", "D4"), "Bal", "F1" (forcing one round), "FG" (game
// forcing) and "Strain:X" (the strain shown or agreed). Lengths a balanced
// meaning leaves out are 2 to 5.
//
// The points of a meaning are high-card points (ace 4, king 3, queen 2, jack
// 1) unless it says "Pts": then they are points, the high-card points plus
// the hand's shape (ShapePoints below, with the meaning's strain as trumps).

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calls.h"

namespace quorval {

inline constexpr const char* kMeaningsFileName = "Meanings2005.txt";
inline constexpr const char* kMeaningsHeader = "Meanings";
inline constexpr const char* kMeaningsCountKey = "Entries";
inline constexpr int kMostPoints = 37;

enum class MeaningForce { None, OneRound, Game };

// What a meaning's point range counts: high-card points, or points (high
// cards and shape).
enum class MeaningMeasure { Hcp, Points };

// What kind of call it is. The names are the file's words.
enum class CallConvention {
  Natural,
  Strong2C,
  Waiting,
  Multi,
  PassOrCorrect,
  Stayman,
  StaymanAnswer,
  Transfer,
  TransferComplete,
  Quantitative,
  Blackwood,
  KeyCard1430,
  KeyCard3014,
  BlackwoodAnswer,
  KeyCard1430Answer,
  KeyCard3014Answer,
  SignOff,
  Jacoby2NT,
  GameRaise2NT,
  Splinter,
  LimitRaise,
  FeatureAsk,
  TakeoutDouble,
  NegativeDouble,
  PenaltyDouble,
  Michaels,
  Unusual2NT,
  CueRaise,
  Redouble,
  MinorAsk,
  Invite,
};
inline constexpr int kConventionCount = static_cast<int>(CallConvention::Invite) + 1;

const char* ConventionName(CallConvention c);
std::optional<CallConvention> ConventionFromName(std::string_view name);

struct CallMeaning {
  int minPts = 0, maxPts = kMostPoints;
  std::array<int, 4> minLen{0, 0, 0, 0};  // by suit, clubs first
  std::array<int, 4> maxLen{13, 13, 13, 13};
  bool balanced = false;
  MeaningForce force = MeaningForce::None;
  CallConvention convention = CallConvention::Natural;
  int strain = -1;  // the strain shown or agreed, -1 none
  MeaningMeasure measure = MeaningMeasure::Hcp;

  bool operator==(const CallMeaning&) const = default;
  // True when it says nothing at all about the hand.
  bool Empty() const;
};

// What shape adds to the high cards: the larger of one for every card beyond
// four in a suit and, with three or more cards in `trump` (a suit; anything
// else counts length only), the short suits beside it: a void 3, a singleton
// 2, a doubleton 1, and with four or more trumps a void 5 and a singleton 3.
int ShapePoints(const std::array<int, 4>& lengths, int trump);

// The figure the meaning's range counts for a hand: its high-card points, or
// those plus its shape with the meaning's strain as trumps.
int MeasuredPoints(const CallMeaning& m, int hcp, const std::array<int, 4>& lengths);

// True when a hand with these high-card points and suit lengths is one the
// meaning describes: its points (as the meaning counts them) and every suit
// length within the meaning's ranges.
bool MeaningAdmits(const CallMeaning& m, int hcp, const std::array<int, 4>& lengths);

// The meaning as the file writes it, and read back. Reading refuses anything
// the writer would not write (unknown words, ranges out of order or out of
// bounds) and says why.
std::string MeaningValueText(const CallMeaning& m);
std::optional<CallMeaning> ParseMeaningValue(std::string_view text, std::string* problem = nullptr);

// The key of a call: the library tokens of the calls from the dealer up to and
// including it, joined by commas ("1N,P,2D").
std::string MeaningKey(const std::vector<CallCode>& calls, size_t count);

// The whole file: header and the four systems' sections, keys in sorted
// order, lines ended by CR LF. `bySystem` maps a system letter to its entries.
using MeaningEntries = std::map<std::string, CallMeaning>;
std::string MeaningsFileText(const std::map<char, MeaningEntries>& bySystem);

class CallMeanings {
 public:
  // Reads a whole file. A file that does not read (a broken line, an unknown
  // word, fewer or more entries than its header counts) leaves the meanings
  // empty and says what was wrong.
  bool Load(std::string_view text, std::string* problem = nullptr);
  void Clear() { entries_.clear(); }

  // The meaning of call number `index` of the calls (from the dealer on) in
  // the system with this letter; none when the file has no such entry.
  const CallMeaning* Find(char systemLetter, const std::vector<CallCode>& calls, size_t index) const;
  const CallMeaning* Find(char systemLetter, const std::string& key) const;
  bool Empty() const { return entries_.empty(); }
  size_t Size() const;
  const std::map<char, MeaningEntries>& Systems() const { return entries_; }

 private:
  std::map<char, MeaningEntries> entries_;
};

}  // namespace quorval
