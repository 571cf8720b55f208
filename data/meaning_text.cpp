#include "data/meaning_text.h"

#include <algorithm>

namespace quorval {
namespace {

constexpr const char* kSuitWords[4] = {"MeaningClubs", "MeaningDiamonds", "MeaningHearts", "MeaningSpades"};
constexpr TSuit kTellOrder[4] = {Spade, Heart, Diamond, Club};

// "%1 points" with %1 .. %9 replaced.
std::string Fill(std::string pattern, const std::vector<std::string>& args) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const size_t arg = static_cast<size_t>(pattern[i + 1] - '1');
      if (arg < args.size()) out += args[arg];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string Range(int lo, int hi, int most) {
  if (hi >= most) return std::to_string(lo) + "+";
  if (lo == hi) return std::to_string(lo);
  return std::to_string(lo) + "-" + std::to_string(hi);
}

// A part of the line: the least `priority` is told first when the line has
// to be shortened; `order` is its place in the line.
struct Part {
  int priority;
  int order;
  std::string text;
};

// The count an ace or key-card answer shows, by the step of the answer
// (5C the first step); the queen of trumps with the two higher steps.
std::string AnswerDetail(CallConvention c, CallCode call, const MeaningWords& words) {
  const int step = LevelOf(call) == 5 ? StrainOf(call) : -1;
  if (step < 0 || step > 3) return {};
  const auto either = [&](const char* a, const char* b) { return Fill(words("MeaningOr"), {a, b}); };
  if (c == CallConvention::BlackwoodAnswer) {
    static const char* const kAces[4] = {"", "1", "2", "3"};
    return Fill(words("MeaningAces"), {step == 0 ? either("0", "4") : std::string(kAces[step])});
  }
  std::string count;
  if (step >= 2) count = "2";
  else if ((c == CallConvention::KeyCard1430Answer) == (step == 0)) count = either("1", "4");
  else count = either("0", "3");
  std::string text = Fill(words("MeaningKeyCards"), {count});
  if (step == 2) text += " " + words("MeaningNoQueen");
  if (step == 3) text += " " + words("MeaningQueen");
  return text;
}

bool IsAnswer(CallConvention c) {
  return c == CallConvention::BlackwoodAnswer || c == CallConvention::KeyCard1430Answer ||
         c == CallConvention::KeyCard3014Answer;
}

bool IsAsk(CallConvention c) {
  return c == CallConvention::Blackwood || c == CallConvention::KeyCard1430 || c == CallConvention::KeyCard3014;
}

}  // namespace

MeaningWords WordsOf(const WordList& list, int language) {
  return [&list, language](std::string_view key) { return list.Find(key, language).value_or(std::string()); };
}

std::vector<std::string> MeaningWordKeys() {
  std::vector<std::string> keys{"MeaningHcp", "MeaningPoints", "MeaningLength", "MeaningBalanced", "MeaningForcing",
                                "MeaningGameForcing", "MeaningNothing", "MeaningTrumps", "MeaningAces",
                                "MeaningKeyCards", "MeaningOr", "MeaningQueen", "MeaningNoQueen"};
  for (const char* suit : kSuitWords) keys.push_back(suit);
  for (int i = 1; i < kConventionCount; ++i)
    keys.push_back(std::string("Meaning") + ConventionName(static_cast<CallConvention>(i)));
  return keys;
}

size_t TextLength(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

std::string MeaningText(CallCode call, const CallMeaning& m, const MeaningWords& words, size_t limit) {
  std::vector<Part> parts;
  const auto length = [&](TSuit s) {
    return Fill(words("MeaningLength"), {Range(m.minLen[s], m.maxLen[s], 13), words(kSuitWords[s])});
  };
  if (IsAnswer(m.convention)) parts.push_back({0, 0, AnswerDetail(m.convention, call, words)});
  if (m.minPts > 0 || m.maxPts < kMostPoints) {
    const char* measure = m.measure == MeaningMeasure::Points ? "MeaningPoints" : "MeaningHcp";
    parts.push_back({1, 1, Fill(words(measure), {Range(m.minPts, m.maxPts, kMostPoints)})});
  }
  const bool suitShown = m.strain >= Club && m.strain <= Spade;
  for (int i = 0; i < 4; ++i) {
    const TSuit s = kTellOrder[i];
    const bool told = m.minLen[s] > 0 || m.maxLen[s] < 13;
    if (!told) continue;
    if (suitShown && s == m.strain) parts.push_back({2, 2, length(s)});
    else if (m.minLen[s] >= 4) parts.push_back({4, 3 + i, length(s)});
    else if (m.maxLen[s] <= 1) parts.push_back({5, 7 + i, length(s)});
    else if (m.minLen[s] == 3) parts.push_back({6, 11 + i, length(s)});
    // A balanced hand already says it holds two to five of every suit.
    else if (!m.balanced) parts.push_back({7, 15 + i, length(s)});
  }
  if (m.balanced) parts.push_back({3, 20, words("MeaningBalanced")});
  if (m.force == MeaningForce::OneRound) parts.push_back({3, 21, words("MeaningForcing")});
  if (m.force == MeaningForce::Game) parts.push_back({3, 21, words("MeaningGameForcing")});
  if (IsAsk(m.convention) && suitShown)
    parts.push_back({2, 22, Fill(words("MeaningTrumps"), {words(kSuitWords[m.strain])})});
  parts.erase(std::remove_if(parts.begin(), parts.end(), [](const Part& p) { return p.text.empty(); }), parts.end());

  const std::string label =
      m.convention == CallConvention::Natural ? std::string() : words(std::string("Meaning") + ConventionName(m.convention));
  // The most telling parts that fit, told in their own order.
  std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.priority < b.priority; });
  std::vector<Part> kept;
  size_t used = TextLength(label);
  for (const Part& p : parts) {
    const size_t extra = TextLength(p.text) + (used > 0 ? 2 : 0);
    if (used + extra > limit) continue;
    kept.push_back(p);
    used += extra;
  }
  std::stable_sort(kept.begin(), kept.end(), [](const Part& a, const Part& b) { return a.order < b.order; });
  std::string told;
  for (const Part& p : kept) told += (told.empty() ? "" : ", ") + p.text;
  if (label.empty()) return told.empty() ? words("MeaningNothing") : told;
  return told.empty() ? label : label + ": " + told;
}

SummarySection SectionOfCall(const std::vector<CallCode>& calls, size_t index, const CallMeaning& meaning) {
  switch (meaning.convention) {
    case CallConvention::Blackwood:
    case CallConvention::KeyCard1430:
    case CallConvention::KeyCard3014:
    case CallConvention::BlackwoodAnswer:
    case CallConvention::KeyCard1430Answer:
    case CallConvention::KeyCard3014Answer: return SummarySection::Slam;
    case CallConvention::Stayman:
    case CallConvention::StaymanAnswer:
    case CallConvention::Transfer:
    case CallConvention::TransferComplete:
    case CallConvention::Quantitative: return SummarySection::NoTrump;
    case CallConvention::TakeoutDouble:
    case CallConvention::NegativeDouble:
    case CallConvention::PenaltyDouble:
    case CallConvention::Michaels:
    case CallConvention::Unusual2NT:
    case CallConvention::CueRaise:
    case CallConvention::Redouble:
    case CallConvention::MinorAsk: return SummarySection::Competition;
    case CallConvention::Jacoby2NT:
    case CallConvention::GameRaise2NT:
    case CallConvention::Splinter:
    case CallConvention::LimitRaise:
    case CallConvention::Waiting: return SummarySection::Responses;
    case CallConvention::Strong2C:
    case CallConvention::Multi:
    case CallConvention::PassOrCorrect:
    case CallConvention::FeatureAsk: return SummarySection::Openings;
    case CallConvention::Natural:
    case CallConvention::SignOff:
    case CallConvention::Invite: break;
  }
  size_t first = 0;
  while (first < calls.size() && !IsBid(calls[first])) ++first;
  if (first >= calls.size() || index <= first) return SummarySection::Openings;
  if ((index - first) % 2 == 1) return SummarySection::Competition;
  const CallCode opening = calls[first];
  if (StrainOf(opening) == NT && LevelOf(opening) <= 2) return SummarySection::NoTrump;
  return SummarySection::Responses;
}

}  // namespace quorval
