#include "bidding/meanings_file.h"

#include <algorithm>
#include <sstream>

#include "bidding/library_check.h"
#include "data/comma_text.h"

namespace quorval::bidder {
namespace {

// The ask and its answers by the convention the system plays for a suit;
// over no trump every system asks for aces.
CallConvention SlamConvention(SlamAsk style, bool answer) {
  switch (style) {
    case SlamAsk::KeyCard1430: return answer ? CallConvention::KeyCard1430Answer : CallConvention::KeyCard1430;
    case SlamAsk::KeyCard3014: return answer ? CallConvention::KeyCard3014Answer : CallConvention::KeyCard3014;
    case SlamAsk::Blackwood: break;
  }
  return answer ? CallConvention::BlackwoodAnswer : CallConvention::Blackwood;
}

CallConvention ConventionOf(const Meaning& m, const SystemDef& system) {
  const SlamAsk style = m.strain >= Club && m.strain <= Spade ? system.slam : SlamAsk::Blackwood;
  switch (m.conv) {
    case Conv::Natural: return CallConvention::Natural;
    case Conv::Strong2C: return CallConvention::Strong2C;
    case Conv::Waiting: return CallConvention::Waiting;
    case Conv::Multi: return CallConvention::Multi;
    case Conv::PassOrCorrect: return CallConvention::PassOrCorrect;
    case Conv::Stayman: return CallConvention::Stayman;
    case Conv::StaymanAnswer: return CallConvention::StaymanAnswer;
    case Conv::Transfer: return CallConvention::Transfer;
    case Conv::TransferComplete: return CallConvention::TransferComplete;
    case Conv::Quantitative: return CallConvention::Quantitative;
    case Conv::AceAsk: return SlamConvention(style, false);
    case Conv::AceAnswer: return SlamConvention(style, true);
    case Conv::SignOff: return CallConvention::SignOff;
    case Conv::Jacoby2NT: return CallConvention::Jacoby2NT;
    case Conv::GameRaise2NT: return CallConvention::GameRaise2NT;
    case Conv::Splinter: return CallConvention::Splinter;
    case Conv::LimitRaise: return CallConvention::LimitRaise;
    case Conv::FeatureAsk: return CallConvention::FeatureAsk;
    case Conv::TakeoutDouble: return CallConvention::TakeoutDouble;
    case Conv::NegativeDouble: return CallConvention::NegativeDouble;
    case Conv::PenaltyDouble: return CallConvention::PenaltyDouble;
    case Conv::Michaels: return CallConvention::Michaels;
    case Conv::Unusual2NT: return CallConvention::Unusual2NT;
    case Conv::CueRaise: return CallConvention::CueRaise;
    case Conv::Redouble: return CallConvention::Redouble;
    case Conv::MinorAsk: return CallConvention::MinorAsk;
    case Conv::Invite: return CallConvention::Invite;
  }
  return CallConvention::Natural;
}

// A reading that found no hand making the call knows only its strain.
bool Plain(const Meaning& m) {
  Meaning bare;
  bare.strain = m.strain;
  return m.conv == bare.conv && m.minPts == bare.minPts && m.maxPts == bare.maxPts && m.minLen == bare.minLen &&
         m.maxLen == bare.maxLen && m.balanced == bare.balanced && m.force == bare.force;
}

const char kSystemOrder[] = "DMNS";

}  // namespace

CallMeaning ToCallMeaning(const Meaning& m, const SystemDef& system) {
  CallMeaning out;
  out.minPts = m.minPts;
  out.maxPts = m.maxPts;
  out.minLen = m.minLen;
  out.maxLen = m.maxLen;
  out.balanced = m.balanced;
  out.force = m.force == Force::Game ? MeaningForce::Game
              : m.force == Force::OneRound ? MeaningForce::OneRound
                                           : MeaningForce::None;
  out.convention = ConventionOf(m, system);
  out.strain = m.strain >= Club && m.strain <= NT ? m.strain : -1;
  return out;
}

CallMeaning JoinBoardReadings(const std::vector<Meaning>& readings, const SystemDef& system) {
  std::vector<Meaning> telling;
  for (const Meaning& m : readings)
    if (!Plain(m)) telling.push_back(m);
  return ToCallMeaning(JoinMeanings(telling.empty() ? readings : telling), system);
}

void MeaningCollector::AddSection(const LibraryBoard& board, System system, const std::vector<LibraryLine>& lines,
                                  TableReading& reading) {
  auto& entries = seen_[Definition(system).letter];
  // A call shared by several lines of the section is this board's reading once.
  std::set<std::string> done;
  for (const LibraryLine& line : lines) {
    View view(system, board.dealer, board.vul);
    for (size_t i = 0; i < line.calls.size(); ++i) {
      const Meaning m = reading.Read(view, line.calls[i]);
      if (!view.Push(line.calls[i], m)) break;
      const std::string key = MeaningKey(line.calls, i + 1);
      if (done.insert(key).second) entries[key].push_back(m);
    }
  }
}

std::map<char, MeaningEntries> MeaningCollector::Entries() const {
  std::map<char, MeaningEntries> out;
  for (const auto& [letter, entries] : seen_) {
    System system;
    SystemFromLetter(letter, system);
    MeaningEntries& target = out[letter];
    for (const auto& [key, readings] : entries) target[key] = JoinBoardReadings(readings, Definition(system));
  }
  return out;
}

std::vector<CallCode> LineCalls(const std::string& line) {
  std::vector<CallCode> calls;
  for (const std::string& field : ReadCommaText(line)) {
    if (field == "Lead") return calls;
    const CallCode c = ParseCall(field);
    if (c == NoCall || CallToken(c) != field) return {};
    calls.push_back(c);
  }
  return {};
}

MeaningsCoverage CoverageOf(const std::string& libraryText, const CallMeanings& meanings) {
  MeaningsCoverage coverage;
  for (const auto& [name, lines] : LibrarySections(libraryText)) {
    if (name.size() < 2 || name[name.size() - 2] != '.') continue;
    const char letter = name.back();
    std::set<std::string> keys;
    for (const std::string& line : lines) {
      const std::vector<CallCode> calls = LineCalls(line);
      for (size_t i = 0; i < calls.size(); ++i) keys.insert(MeaningKey(calls, i + 1));
    }
    int missing = 0;
    std::string first;
    for (const std::string& key : keys) {
      ++coverage.calls;
      if (meanings.Find(letter, key)) continue;
      if (missing++ == 0) first = key;
    }
    coverage.missing += missing;
    if (missing)
      coverage.problems.push_back(name + ": no meaning for " + first +
                                  (missing > 1 ? " and " + std::to_string(missing - 1) + " more" : std::string()));
  }
  return coverage;
}

std::map<char, MeaningsCount> CountMeanings(const CallMeanings& meanings) {
  std::map<char, MeaningsCount> counts;
  for (const auto& [letter, entries] : meanings.Systems()) {
    std::set<std::string> distinct;
    for (const auto& [key, m] : entries) distinct.insert(MeaningValueText(m));
    counts[letter] = {static_cast<int>(entries.size()), static_cast<int>(distinct.size())};
  }
  return counts;
}

std::string MeaningsStatsReport(const std::map<char, MeaningsCount>& counts) {
  std::ostringstream out;
  out << "\nMeanings of the calls            entries  distinct\n";
  for (const char letter : std::string(kSystemOrder)) {
    System system;
    if (!SystemFromLetter(letter, system)) continue;
    const auto it = counts.find(letter);
    const MeaningsCount c = it == counts.end() ? MeaningsCount{} : it->second;
    char row[96];
    std::snprintf(row, sizeof row, "  %-28s %9d %9d\n", Definition(system).name, c.entries, c.distinct);
    out << row;
  }
  return out.str();
}

}  // namespace quorval::bidder
