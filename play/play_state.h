#pragma once
// The rules of trick play as plain code: whose turn it is, which cards are
// legal, who wins a trick, the tricks of each side, taking cards back and
// replaying the play. The table window owns one PlayState per board and
// shows what it says; the play engine reads it.

#include <array>
#include <string>

#include "core/calls.h"
#include "core/deal.h"
#include "core/types.h"

namespace quorval {

struct PlayLogEntry {
  CardCode card = 0;
  Seat seat = North;
};

// The card each seat played in each trick, 0 when none: [seat][trick].
using TTrickTable = std::array<std::array<CardCode, 13>, 4>;

struct PlayState {
  // The four hands during play. Current holdings lose the cards as they are
  // played; dealt holdings are the holdings when play started.
  std::array<THands, 4> Hands{THands(North), THands(East), THands(South), THands(West)};

  // Cards in playing order. Entry 4*t.seat also names the leader of trick t,
  // so entry 52.seat is the winner of the last trick.
  std::array<PlayLogEntry, 53> PlayLog{};
  int CardsPlayed = 0;
  int TrickNo = 0;    // CardsPlayed / 4
  int TrickPos = 1;   // CardsPlayed % 4 + 1
  Seat Leader = North;
  Seat ToPlay = North;
  TSuit SuitLed = Club;
  CardCode WinCard = 0;
  Seat WinSeat = North;
  int DeclarerTricks = 0;
  Seat LastTrickWinner = North;
  TTrickTable TrickTable{};

  tAllTrump Trump = NT;
  Seat Declarer = North;
  Seat Dummy = South;
  Seat OpeningLeader = East;
  // The engine's trick target for North-South, kept between engine calls;
  // 14 means not yet established.
  int EngineTarget = 14;

  bool Over() const { return CardsPlayed >= 52; }
  bool OnDeclarerSide(Seat s) const { return SameSide(s, Declarer); }
};

// Starts a play of the contract with the given hands: their current holdings
// become the dealt holdings of this play. Declarer's left-hand opponent leads.
void StartPlay(PlayState& st, const std::array<THands, 4>& hands, const Contract& contract);
void StartPlay(PlayState& st, const Deal& deal, const Contract& contract);

// True when `card` is held by the seat to play and follows suit if it can.
bool IsLegalCard(const PlayState& st, CardCode card);
// The legal cards of the seat to play, as holdings per suit.
std::array<Holding, 4> LegalHoldings(const PlayState& st);

// Plays `card` for the seat to play. An illegal card, a card the seat does not
// hold or a card after the 52nd is refused: false, and nothing changes.
bool PlayCard(PlayState& st, CardCode card);

// Gives back the cards of the trick in progress, or the whole last trick when
// none of the next has been played (its trick is then no longer counted).
void UndoTrick(PlayState& st);

// Removes exactly the last card played; the table then shows the unfinished
// trick again, or the previous complete trick when a lead was removed.
// Returns the card taken back (0 when no card had been played).
CardCode TakeBack(PlayState& st);

// Restores the dealt holdings and plays the first n cards of the log again.
// False (state as after the cards that could be replayed) if the log is bad.
bool ReplayPlays(PlayState& st, int n);

// Tricks won so far by a side (1 North-South, 2 East-West).
int SideTricks(const PlayState& st, Side side);
// Seat that won trick t (only for completed tricks).
Seat TrickWinner(const PlayState& st, int t);

// The card the table pre-selects for the seat to play: when following, the
// lowest card of the suit led; otherwise the lowest card of the suit of the
// last trick's winning card, else of the first suit held, clubs upward.
CardCode DefaultCard(const PlayState& st);

// Seconds from the start of a computer seat's choice until its card is shown.
double PauseSeconds(const PlayState& st, bool finishMode);

// The suit (0 clubs to 3 spades) a key names when a card is typed, or -1.
// `letters` holds the interface language's four suit letters, clubs to
// spades (Danish "KRHS"). The English letters C, D, H and S are taken as
// well, except where the language gives that letter to another suit.
int SuitOfKey(const std::string& letters, char key);

}  // namespace quorval
