#include "tools/eventgen/bidder/library.h"

#include <algorithm>
#include <cstdlib>

#include "scoring/contract_score.h"
#include "tools/eventgen/bidder/bidder.h"
#include "tools/eventgen/bidder/hand.h"
#include "tools/eventgen/stats.h"

namespace quorval::bidder {
namespace {

// True when the call's meaning says something about the hand (a catch-all
// pass says nothing) and the hand is one it allows: its points and the suit
// lengths it shows.
bool Describes(const Meaning& m, const HandFacts& hand) {
  const Meaning any;
  if (m.minPts == any.minPts && m.maxPts == any.maxPts && m.minLen == any.minLen && m.maxLen == any.maxLen)
    return false;
  if (hand.hcp < m.minPts || hand.hcp > m.maxPts) return false;
  for (TSuit s = 0; s < 4; ++s)
    if (hand.len[s] < m.minLen[s] || hand.len[s] > m.maxLen[s]) return false;
  return true;
}

// Alternatives offered at one turn of the user: well-scored calls besides the
// bidder's own, fewer at later turns so that a section stays within nine lines.
// A player who values the hand two points higher or lower than the bidder
// makes the other natural choice, so those calls are offered too.
std::vector<Candidate> Alternatives(const Deal& deal, const View& view, int turn, const Judgement& base) {
  const std::vector<Candidate> cands = Candidates(deal, view, base);
  std::vector<Candidate> out;
  const auto add = [&](const Candidate& c) {
    if (c.call == cands.front().call) return;
    for (const Candidate& x : out)
      if (x.call == c.call) return;
    out.push_back(c);
  };
  const int best = cands.front().score;
  for (size_t i = 1; i < cands.size(); ++i)
    if (cands[i].score >= kAlternative && cands[i].score >= best - 20) add(cands[i]);
  // At the first call a bolder player still has a say; later the
  // partnership has said too much for that.
  for (int shift : {2, -2, 3, -3, 4}) {
    if (turn > 0 && shift == 4) continue;
    Judgement j = base;
    j.optimism[view.ToAct()] += shift;
    add(Candidates(deal, view, j).front());
  }
  for (size_t i = 1; i < cands.size(); ++i)
    if (cands[i].score >= 65 && cands[i].score >= best - 35) add(cands[i]);
  // A first call with nothing else to weigh still offers the quieter choice a
  // cautious player makes, such as passing instead of a free bid or a double,
  // but only one whose meaning the hand could have: nobody passes partner's
  // opening with an opening hand of their own.
  if (turn == 0 && out.empty()) {
    const HandFacts hand = Evaluate(deal, view.ToAct());
    for (size_t i = 1; i < cands.size(); ++i)
      if (cands[i].score > kPossible && cands[i].score >= best - 50 && Describes(cands[i].meaning, hand))
        add(cands[i]);
  }
  const size_t limit = turn == 0 ? 3 : 2;
  if (out.size() > limit) out.resize(limit);
  return out;
}

LeadHints HintsFor(const View& view, Seat leader) {
  LeadHints hints;
  for (TSuit s = 0; s < 4; ++s) {
    hints.partnerSuit[s] = view.know[PartnerOf(leader)].minLen[s] >= 4;
    hints.declarerSideSuit[s] =
        view.know[NextSeat(leader)].minLen[s] >= 4 || view.know[PrevSeat(leader)].minLen[s] >= 4;
  }
  return hints;
}

LibraryLine MakeLine(const Deal& deal, const View& done, LeadStyle style, LeadSolver* solver) {
  LibraryLine line;
  line.calls = done.calls();
  const Contract contract = done.auction.Result();
  const Seat leader = OpeningLeader(line.calls, done.dealer);
  const tAllTrump strain = contract.PassedOut() ? NT : contract.strain();
  if (contract.PassedOut()) {
    // No play follows, but the line still names one lead.
    const std::vector<WeightedLead> best = ChooseLeads(deal, leader, NT, style, {}, nullptr);
    line.leads = {{best.front().card, 100}};
    return line;
  }
  LeadValues values;
  const bool solved = solver != nullptr && solver->Solve(deal, leader, strain, values);
  line.leads = ChooseLeads(deal, leader, strain, style, HintsFor(done, leader), solved ? &values : nullptr);
  return line;
}

}  // namespace

Seat OpeningLeader(const std::vector<CallCode>& calls, Seat dealer) {
  Auction a(dealer);
  for (CallCode c : calls) a.Make(c);
  if (!IsBid(a.lastBid)) return NextSeat(dealer);
  return NextSeat(a.declarer);
}

namespace {

// IMPs between the auction's result double dummy and par.
int LossAgainstPar(const LibraryBoard& board, const Contract& contract) {
  int score = 0;
  if (!contract.PassedOut())
    score = ContractScore(contract, board.ddTricks[contract.strain()][contract.declarer], board.vul);
  return std::abs(eventgen::Imps(score - board.parNS));
}

// The judgement the main line is bid with: each side values its hands up to
// four points higher or lower, and the auction closest to par wins, the
// plainest judgement first among equals.
Judgement MainJudgement(const LibraryBoard& board, System system) {
  Judgement best;
  if (!board.hasDd) return best;
  int bestLoss = 1 << 20, bestSpread = 1 << 20;
  for (int spread = 0; spread <= 8; ++spread)
    for (int ns = -4; ns <= 4; ++ns)
      for (int ew = -4; ew <= 4; ++ew) {
        if (std::abs(ns) + std::abs(ew) != spread) continue;
        Judgement j;
        j.optimism = {ns, ew, ns, ew};
        const int loss = LossAgainstPar(board, BidDeal(board.deal, board.dealer, board.vul, system, j).contract);
        if (loss < bestLoss || (loss == bestLoss && spread < bestSpread)) {
          best = j;
          bestLoss = loss;
          bestSpread = spread;
        }
      }
  return best;
}

}  // namespace

std::vector<LibraryLine> SectionLines(const LibraryBoard& board, System system, LeadSolver* solver) {
  const LeadStyle style = Definition(system).leads;
  const Judgement judge = MainJudgement(board, system);
  View main(system, board.dealer, board.vul);
  Complete(board.deal, main, judge);
  std::vector<LibraryLine> lines{MakeLine(board.deal, main, style, solver)};
  const Seat user = board.UserSeat();
  // Branch at the user's turns of the main line, first decision first.
  View prefix(system, board.dealer, board.vul);
  int turn = 0;
  for (int i = 0; i < main.Size() && static_cast<int>(lines.size()) < kMaxLines && turn < 3; ++i) {
    if (prefix.ToAct() == user) {
      for (const Candidate& alt : Alternatives(board.deal, prefix, turn, judge)) {
        if (static_cast<int>(lines.size()) >= kMaxLines) break;
        View branch = prefix;
        if (!branch.Push(alt.call, alt.meaning)) continue;
        Complete(board.deal, branch, judge);
        const bool seen = std::any_of(lines.begin(), lines.end(),
                                      [&](const LibraryLine& l) { return l.calls == branch.calls(); });
        if (!seen) lines.push_back(MakeLine(board.deal, branch, style, solver));
      }
      ++turn;
    }
    prefix.Push(main.calls()[i], main.meanings[i]);
  }
  return lines;
}

std::string LineText(const LibraryLine& line) {
  std::string text = AuctionText(line.calls);
  text += ",Lead";
  for (const WeightedLead& l : line.leads) text += "," + CardText(l.card) + "," + std::to_string(l.percent);
  return text;
}

std::string SectionText(const std::string& key, char systemLetter, const std::vector<LibraryLine>& lines) {
  std::string text = "[" + key + "." + systemLetter + "]\r\n";
  for (const LibraryLine& l : lines) text += LineText(l) + "\r\n";
  return text + "\r\n\r\n";
}

}  // namespace quorval::bidder
