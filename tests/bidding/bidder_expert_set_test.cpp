// The expert set: textbook situations in the four systems, each with the calls
// (or opening leads) an expert accepts, written from the summary pages and
// bridge practice, not from the bidder's answers. The bidder is asked every
// case as the bid and lead commands ask it; every disagreement is printed with
// the rate per system, and the overall rate must stay under the ceiling.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>

#include "core/calls.h"
#include "bidding/library.h"
#include "bidding/one_hand.h"

namespace quorval::bidder {
namespace {

// The share of cases on which the bidder may differ from the experts. The
// bidder is not mended yet (it differs on 120 of 830, 14.5%): the ceiling keeps
// it from getting worse, and the commit that mends it lowers this to 0.03.
constexpr double kCeiling = 0.16;

struct ExpertCase {
  std::string id, system, vul, hand, calls, reason;
  std::vector<std::string> accepted;
  int line = 0;
};

std::vector<std::string> Fields(const std::string& text, char sep) {
  std::vector<std::string> out;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, sep))
    if (!part.empty() || sep == '\t') out.push_back(part);
  return out;
}

std::vector<ExpertCase> ReadCases(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in.good()) << path;
  std::vector<ExpertCase> cases;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (text.empty() || text[0] == '#') continue;
    const std::vector<std::string> f = Fields(text, '\t');
    if (f.size() != 7) {
      ADD_FAILURE() << path << ":" << line << ": seven TAB-separated fields expected";
      continue;
    }
    cases.push_back({f[0], f[1], f[2], f[3], f[4] == "-" ? "" : f[4], f[6], Fields(f[5], ' '), line});
  }
  return cases;
}

// "we" and "they" name the side of the seat that acts.
std::string VulnerabilityFor(const std::string& vul, Seat seat) {
  const bool northSouth = seat == North || seat == South;
  if (vul == "we") return northSouth ? "NS" : "EW";
  if (vul == "they") return northSouth ? "EW" : "NS";
  return vul == "both" ? "Both" : "None";
}

// A call the auction allows, or a card the hand holds: a typing slip in the
// set must not pass for a disagreement of the bidder.
bool Possible(const HandQuestion& q, bool lead, const std::string& token) {
  if (lead) {
    const CardCode card = ParseCard(token);
    return card >= 4 && HoldsCard(q.hand[SuitOf(card)], card);
  }
  Auction auction(q.dealer);
  for (CallCode c : q.calls) auction.Make(c);
  return auction.IsLegal(ParseCall(token));
}

struct Tally {
  int cases = 0, disagreements = 0;
  double Rate() const { return cases ? static_cast<double>(disagreements) / cases : 0.0; }
};

TEST(ExpertSet, TheBidderAgreesWithTheExperts) {
  const std::vector<ExpertCase> cases = ReadCases(QUORVAL_FIXTURES "/bidding/expert_set.txt");
  ASSERT_GE(cases.size(), 250u);
  TableReading reading;
  Tally all;
  std::map<std::string, Tally> bySystem, byKind;
  std::ostringstream report;
  for (const ExpertCase& c : cases) {
    const std::string where = "expert_set.txt:" + std::to_string(c.line) + " " + c.id;
    HandQuestion q;
    std::string error;
    ASSERT_TRUE(ReadHandQuestion(c.system, c.hand, c.calls, "N", "None", q, error)) << where << ": " << error;
    const bool lead = AuctionOver(q.calls);
    const Seat seat = lead ? OpeningLeader(q.calls, North) : static_cast<Seat>(q.calls.size() & 3);
    ASSERT_TRUE(ReadHandQuestion(c.system, c.hand, c.calls, "N", VulnerabilityFor(c.vul, seat), q, error)) << where;
    for (const std::string& a : c.accepted) EXPECT_TRUE(Possible(q, lead, a)) << where << ": " << a;

    std::string answer;
    ASSERT_TRUE(lead ? LeadAnswer(q, reading, answer, error) : BidAnswer(q, reading, answer, error))
        << where << ": " << error;
    const std::string got = lead ? answer.substr(0, answer.find(',')) : answer;
    const bool agrees = std::find(c.accepted.begin(), c.accepted.end(), got) != c.accepted.end();
    for (Tally* t : {&all, &bySystem[c.system], &byKind[c.id.substr(0, c.id.find('.'))]}) {
      ++t->cases;
      t->disagreements += agrees ? 0 : 1;
    }
    if (!agrees) {
      std::string accepted;
      for (const std::string& a : c.accepted) accepted += (accepted.empty() ? "" : " ") + a;
      report << c.id << "  " << c.system << " " << c.hand << " after " << (c.calls.empty() ? "-" : c.calls)
             << (c.vul == "none" ? "" : " vul " + c.vul) << "  got " << (lead ? answer : got) << "  accepted "
             << accepted << "  (" << c.reason << ")\n";
    }
  }
  report << std::fixed << std::setprecision(1);
  for (const auto& [name, t] : bySystem)
    report << "system " << name << ": " << t.disagreements << " of " << t.cases << " disagree, " << 100 * t.Rate()
           << "%\n";
  for (const auto& [name, t] : byKind)
    report << "kind " << name << ": " << t.disagreements << " of " << t.cases << "\n";
  report << "overall: " << all.disagreements << " of " << all.cases << " disagree, " << 100 * all.Rate() << "%\n";
  std::cout << report.str();
  EXPECT_LE(all.Rate(), kCeiling);
}

}  // namespace
}  // namespace quorval::bidder
