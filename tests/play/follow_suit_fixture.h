#pragma once
// Small engine positions for the candidate-rule tests: four hands written
// spades first ("KQ2.A3..JT9"), the contract, and the cards already played.

#include <sstream>
#include <string>
#include <vector>

#include "core/types.h"
#include "play/engine/leads.h"
#include "play/engine/position.h"
#include "play/engine/suit_analysis.h"

namespace quorval::engine::testing {

inline Holding Ranks(const std::string& text) {
  static const std::string kRanks = "23456789TJQKA";
  Holding h = 0;
  for (char c : text) {
    const auto at = kRanks.find(c);
    if (at != std::string::npos) h |= RankBit(static_cast<int>(at) + 2);
  }
  return h;
}

// "KQ2.A3..JT9" -> holdings by suit (clubs 0 .. spades 3).
inline std::array<Holding, 4> Hand(const std::string& text) {
  std::array<Holding, 4> h{};
  std::stringstream in(text);
  std::string part;
  for (int suit = Spade; suit >= Club && std::getline(in, part, '.'); --suit) h[suit] = Ranks(part);
  return h;
}

// "QS" -> the queen of spades.
inline CardCode Card(const std::string& text) { return ParseCard(text); }

// A position with hands given North, East, South, West; declarer is the
// seat before the opening leader. `played` lists the cards in the order
// they were played, from the opening lead on.
inline Position MakePosition(const std::string& north, const std::string& east,
                             const std::string& south, const std::string& west,
                             tAllTrump trump, Seat openingLeader,
                             const std::vector<std::string>& played = {}, int skill = 8) {
  ResetLeadWide();
  Position p;
  p.in.dealt[North] = Hand(north);
  p.in.dealt[East] = Hand(east);
  p.in.dealt[South] = Hand(south);
  p.in.dealt[West] = Hand(west);
  p.in.trump = trump;
  p.in.openingLeader = openingLeader;
  p.in.skill = skill;
  // Replay the cards trick by trick to find who played each one.
  SetUpPosition(p);
  Seat seat = openingLeader;
  int trick = 0, pos = 0;
  TrickFrame f;
  for (const std::string& text : played) {
    const CardCode c = Card(text);
    p.in.played[seat][trick] = c;
    UpdateTrickWinner(f, trump, c, pos, seat);
    seat = NextSeat(seat);
    if (++pos == 4) {
      seat = f.winSeat;
      pos = 0;
      ++trick;
      f = TrickFrame{};
    }
  }
  p.in.cardsPlayed = static_cast<int>(played.size());
  SetUpPosition(p);
  ReplayActualPlay(p);
  LoadNodeHands(p);
  p.Target = 7;
  p.OtherNeed = 6;
  return p;
}

// The candidates the dispatcher proposes for the seat to play.
inline std::vector<std::string> CandidatesAt(Position& p) {
  GenerateCandidates(p);
  std::vector<std::string> out;
  for (CardCode c : p.Candidates)
    if (c) out.push_back(CardText(c));
  return out;
}

}  // namespace quorval::engine::testing
