#include "play/play_state.h"

#include <algorithm>
#include <cctype>

namespace quorval {

namespace {

void ResetCounters(PlayState& st) {
  st.CardsPlayed = 0;
  st.TrickNo = 0;
  st.TrickPos = 1;
  st.DeclarerTricks = 0;
  st.SuitLed = Club;
  st.WinCard = 0;
  st.WinSeat = st.OpeningLeader;
  st.Leader = st.ToPlay = st.OpeningLeader;
  st.LastTrickWinner = st.OpeningLeader;
  st.PlayLog[0] = {0, st.OpeningLeader};
  for (auto& row : st.TrickTable) row.fill(0);
}

void SetCounters(PlayState& st) {
  st.TrickNo = st.CardsPlayed / 4;
  st.TrickPos = st.CardsPlayed % 4 + 1;
  st.ToPlay = (st.Leader + st.CardsPlayed) & 3;
}

Holding HeldIn(const PlayState& st, Seat s, TSuit suit) {
  return st.Hands[s].Suits[suit].CurrentHolding & 0x7FFC;
}

}  // namespace

void StartPlay(PlayState& st, const std::array<THands, 4>& hands, const Contract& contract) {
  st.Hands = hands;
  for (auto& hand : st.Hands) {
    for (auto& s : hand.Suits) {
      s.CurrentHolding &= 0x7FFC;
      s.DealtHolding = s.CurrentHolding;
      s.HighlightMask = 0;
    }
    Recount(hand);
    for (auto& s : hand.Suits) s.CountAtPlayStart = s.CardsLeft;
  }
  st.Trump = contract.PassedOut() ? NT : contract.strain();
  st.Declarer = contract.declarer;
  st.Dummy = PartnerOf(contract.declarer);
  st.OpeningLeader = NextSeat(contract.declarer);
  st.EngineTarget = 14;
  ResetCounters(st);
}

void StartPlay(PlayState& st, const Deal& deal, const Contract& contract) {
  std::array<THands, 4> hands{THands(North), THands(East), THands(South), THands(West)};
  DealToHands(deal, hands);
  StartPlay(st, hands, contract);
}

bool IsLegalCard(const PlayState& st, CardCode card) {
  if (st.Over() || card < 4 || RankOf(card) < 2) return false;
  if ((card & ~3 & ~RankBit(RankOf(card))) != 0) return false;   // more than one rank bit
  const Seat s = st.ToPlay;
  if (!HoldsCard(HeldIn(st, s, SuitOf(card)), card)) return false;
  if (st.TrickPos == 1 || SuitOf(card) == st.SuitLed) return true;
  return HeldIn(st, s, st.SuitLed) == 0;
}

std::array<Holding, 4> LegalHoldings(const PlayState& st) {
  std::array<Holding, 4> out{};
  if (st.Over()) return out;
  for (TSuit u = 0; u < 4; ++u) out[u] = HeldIn(st, st.ToPlay, u);
  if (st.TrickPos > 1 && out[st.SuitLed] != 0)
    for (TSuit u = 0; u < 4; ++u)
      if (u != st.SuitLed) out[u] = 0;
  return out;
}

bool PlayCard(PlayState& st, CardCode card) {
  if (!IsLegalCard(st, card)) return false;
  const Seat s = st.ToPlay;
  const TSuit u = SuitOf(card);
  st.Hands[s].RemoveCard(card);
  st.PlayLog[st.CardsPlayed] = {card, s};
  st.TrickTable[s][st.TrickNo] = card;
  if (st.TrickPos == 1) {
    st.SuitLed = u;
    st.Leader = s;
    st.WinCard = card;
    st.WinSeat = s;
  } else if (CardBeats(card, st.WinCard, st.Trump)) {
    st.WinCard = card;
    st.WinSeat = s;
  }
  if (st.TrickPos == 4) {
    if (st.OnDeclarerSide(st.WinSeat)) ++st.DeclarerTricks;
    st.Leader = st.WinSeat;
    if (st.CardsPlayed == 51) st.LastTrickWinner = st.WinSeat;
  }
  ++st.CardsPlayed;
  SetCounters(st);
  // The log's entry at a trick boundary names the seat that leads it.
  st.PlayLog[4 * st.TrickNo].seat = st.Leader;
  return true;
}

void UndoTrick(PlayState& st) {
  if (st.CardsPlayed == 0) return;
  if (st.TrickPos == 1 && st.OnDeclarerSide(st.Leader)) --st.DeclarerTricks;
  do {
    --st.CardsPlayed;
    const PlayLogEntry e = st.PlayLog[st.CardsPlayed];
    st.Hands[e.seat].ReturnCard(e.card);
    st.TrickTable[e.seat][st.CardsPlayed / 4] = 0;
  } while (st.CardsPlayed % 4 != 0);
  st.Leader = st.PlayLog[st.CardsPlayed].seat;
  SetCounters(st);
  // The trick now starting has no cards yet; the winner of the trick before
  // (if any) is what a leader's default card looks at.
  st.WinCard = 0;
  if (st.CardsPlayed >= 4) {
    const int first = st.CardsPlayed - 4;
    CardCode win = st.PlayLog[first].card;
    for (int i = first + 1; i < st.CardsPlayed; ++i)
      if (CardBeats(st.PlayLog[i].card, win, st.Trump)) win = st.PlayLog[i].card;
    st.WinCard = win;
    st.SuitLed = SuitOf(st.PlayLog[first].card);
  }
  st.WinSeat = st.Leader;
}

CardCode TakeBack(PlayState& st) {
  if (st.CardsPlayed == 0) return 0;
  const int target = st.CardsPlayed - 1;
  const CardCode removed = st.PlayLog[target].card;
  UndoTrick(st);
  if (target > 0 && target % 4 == 0) UndoTrick(st);
  while (st.CardsPlayed < target) {
    if (!PlayCard(st, st.PlayLog[st.CardsPlayed].card)) break;
  }
  return removed;
}

bool ReplayPlays(PlayState& st, int n) {
  const std::array<PlayLogEntry, 53> log = st.PlayLog;
  RestoreDeal(st.Hands);
  ResetCounters(st);
  n = std::clamp(n, 0, 52);
  int i = 0;
  while (i < n && log[i].seat == st.ToPlay && PlayCard(st, log[i].card)) ++i;
  // Entries not replayed stay in the log, so that nothing is lost; the entry
  // that starts the next trick keeps the leader the replay gave it.
  for (int j = i; j < 53; ++j) {
    st.PlayLog[j].card = log[j].card;
    if (j != i || i % 4 != 0) st.PlayLog[j].seat = log[j].seat;
  }
  return i == n;
}

int SideTricks(const PlayState& st, Side side) {
  const Side declSide = SideOf(st.Declarer);
  return side == declSide ? st.DeclarerTricks : st.TrickNo - st.DeclarerTricks;
}

Seat TrickWinner(const PlayState& st, int t) {
  return st.PlayLog[std::clamp(4 * (t + 1), 0, 52)].seat;
}

CardCode DefaultCard(const PlayState& st) {
  if (st.Over()) return 0;
  const Seat s = st.ToPlay;
  auto lowest = [&](TSuit u) -> CardCode {
    const Holding h = HeldIn(st, s, u);
    return h ? MakeCard(LowestRank(h), u) : 0;
  };
  if (st.TrickPos > 1 && HeldIn(st, s, st.SuitLed)) return lowest(st.SuitLed);
  if (st.WinCard != 0 && HeldIn(st, s, SuitOf(st.WinCard))) return lowest(SuitOf(st.WinCard));
  for (TSuit u = 0; u < 4; ++u)
    if (HeldIn(st, s, u)) return lowest(u);
  return 0;
}

double PauseSeconds(const PlayState& st, bool finishMode) {
  if (finishMode) return 0.0;
  const int t = st.TrickNo;
  const bool leading = st.TrickPos == 1;
  const double first = leading ? 2.0 : 0.5;
  const double later = leading ? 1.0 : 0.3;
  if (t == 0) return first;
  if (t <= 6) return first + (later - first) * t / 7.0;
  if (t <= 11) return later;
  return 0.0;
}

int SuitOfKey(const std::string& letters, char key) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  if (upper == 0) return -1;
  const std::string own = letters.size() >= 4 ? letters.substr(0, 4) : std::string("CDHS");
  for (int suit = 0; suit < 4; ++suit)
    if (std::toupper(static_cast<unsigned char>(own[suit])) == upper) return suit;
  const std::string english = "CDHS";
  const std::size_t suit = english.find(upper);
  return suit == std::string::npos ? -1 : static_cast<int>(suit);
}

}  // namespace quorval
