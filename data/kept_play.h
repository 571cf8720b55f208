#pragma once
// The kept play of a filed board: the deal as it lay on the table, the
// auction as bid and the cards as played, kept for each player beside the
// filed result line, so that a board can be printed, reviewed or exported
// long after it was played. The 25-item result line in "Options.INI" is left
// as it is; the play lives in a file of its own.
//
// The store is "Plays2005.ini" in the program folder: one section per player
// (named as the player's section of "Options.INI") and five lines per board,
// under keys made of the board key and a field name:
//
//   [Tester]
//   Imp01.05.Dealer=W
//   Imp01.05.Vulnerable=EW
//   Imp01.05.Deal=N:QT6.AKJ2.763.J82 KJ94.T654.8.AQ65 A75.Q.AKJT952.K9 832.9873.Q4.T743
//   Imp01.05.Auction=P,P,P,1D,P,3N,P,P,P
//   Imp01.05.Play=E:5H,QH,AH,3H,...
//   Imp01.05.Filed=2026-12-10 04:37:00
//
// Dealer, vulnerability and deal are the board as dealt at the table, turned
// so that the user's hand is South's. The auction lists the calls from the
// dealer on ("P", "X", "XX", "1C" .. "7N"). The play names the opening leader
// and then the 52 cards in the order played ("AS", "TC"); a passed-out board
// keeps "-" there. A play ended by a claim lists the cards played before it
// and then the claim as its last item: "claimNS9" when North-South claimed
// nine of the tricks left, "claimEW2" for East-West. The filing time is a
// line of its own, which boards kept before it was written do not have.
// Reading checks every call and card against the rules and
// the deal and stops at the first one that does not fit: what a reader gets
// is always a true prefix of what was played, never a wrong card.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/calls.h"
#include "core/deal.h"

namespace quorval {

class TBigIniFile;

inline constexpr const char* kKeptPlayFileName = "Plays2005.ini";

// A claim that ended the play: the side that claimed (1 North-South, 2
// East-West) and how many of the tricks left it took.
struct KeptClaim {
  Side side = 1;
  int tricks = 0;
  bool operator==(const KeptClaim&) const = default;
};

struct KeptPlay {
  Seat dealer = North;
  Vulnerability vul = 0;
  Deal deal;                     // as dealt at the table, the user's hand South
  std::vector<CallCode> calls;   // the auction, the dealer's call first
  Seat openingLeader = North;    // who led to the first trick (with cards only)
  std::vector<CardCode> cards;   // in the order played, at most 52
  std::optional<KeptClaim> claim;   // the claim after the cards, if one ended the play

  // The contract the auction reached: its final bid (Pass while the auction
  // is passed out or not over), doubles and declarer.
  Contract FinalContract() const;
  bool AuctionOver() const;
  // A finished board: the auction is over and either passed out with no
  // cards, or all 52 cards are played, or a claim ended the play.
  bool Complete() const;
};

// One trick of a play. Cards are by seat; a seat that has not played to an
// unfinished trick holds 0.
struct KeptTrick {
  Seat leader = North;
  std::array<CardCode, 4> cards{};
  bool complete = false;
  Seat winner = North;           // of a complete trick
  bool declarerSide = false;     // a complete trick won by declarer or dummy
};

// The tricks of a play, in order, up to the first card that does not fit.
std::vector<KeptTrick> KeptTricks(const KeptPlay& play);
// Tricks won by declarer's side: among the complete tricks, and of the
// tricks a claim settled.
int KeptDeclarerTricks(const KeptPlay& play);
// Of the tricks left at the claim, those declarer's side took (0 without a
// claim).
int KeptClaimedDeclarerTricks(const KeptPlay& play);

// The five values of a record as they are stored.
struct KeptPlayText {
  std::string dealer;      // "W"
  std::string vulnerable;  // "None", "NS", "EW", "Both"
  std::string deal;        // the 69-character deal text
  std::string auction;     // "P,P,P,1D,P,3N,P,P,P"
  std::string play;        // "E:5H,QH,AH,3H,...", "E:5H,...,claimNS9" or "-" for no cards
};
KeptPlayText KeptPlayToText(const KeptPlay& play);

// A record read back. `play` is empty when there is no record or its deal
// cannot be read; otherwise it holds every call and card up to the first
// fault. `fault` says what was wrong (empty for a sound, finished record).
struct KeptPlayRead {
  std::optional<KeptPlay> play;
  std::string fault;
  bool Sound() const { return play.has_value() && fault.empty(); }
};

// Checks every value: the dealer a seat letter, the vulnerability one of its
// four names, the deal complete; each call legal where it stands; the leader
// the one the contract gives; each card a card that the seat to play holds
// and that follows suit when it can; a claim the last item, before the last
// trick, of no more tricks than are left. A record that stops before the
// board is finished is a fault as well.
KeptPlayRead ParseKeptPlay(const KeptPlayText& text);

// The record of a board from the store; "no kept play for <key>" when there
// is none.
KeptPlayRead ReadKeptPlay(const TBigIniFile& store, const std::string& player, const std::string& boardKey);

// Keeps the play of a board, replacing any earlier one, and writes the store
// to disk at once (atomically, through the INI store). False when the record
// does not fit a line of the store (the earlier record is then removed, so a
// reader never takes an old play for the new result) or the file could not
// be written (the store has reported that).
bool KeepPlay(TBigIniFile& store, const std::string& player, const std::string& boardKey, const KeptPlay& play);

// When the board was filed (data/date_time.h's value); nothing for a board
// kept before the filing time was written, or a time that does not read.
std::optional<double> ReadFiledTime(const TBigIniFile& store, const std::string& player, const std::string& boardKey);
// Writes the filing time beside the board's kept play; the store is written
// to disk with the next UpdateFile (KeepPlay's, when it follows).
void KeepFiledTime(TBigIniFile& store, const std::string& player, const std::string& boardKey, double filed);

// Board keys that have a record for the player, in the store's order.
std::vector<std::string> KeptBoardKeys(const TBigIniFile& store, const std::string& player);

}  // namespace quorval
