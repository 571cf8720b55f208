#pragma once
// The field: the 18 results other pairs scored on a board, kept in
// "Results2005.ini" as one section per board with lines 01= to 18=. Each
// result is a comma text Declarer,Contract,Tricks,Score from North-South's
// side. Results 01-06 form stratum A, 07-12 stratum B, 13-18 stratum C.
//
// The table keeps a board's lines in `BoardValues`: the board's own section
// followed by its 18 result lines. The functions here fill, turn and read
// those lines. Where the table must tell the user something they show the
// message themselves (through the one message sink) and report it back.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/types.h"

namespace quorval {

inline constexpr int kFieldResultCount = 18;
inline constexpr int kStratumCount = 3;
inline constexpr int kStratumSize = 6;

// "01" .. "18".
std::string ResultNumberKey(int number);
// Stratum 0, 1, 2 (A, B, C) of result 1..18.
constexpr int StratumOf(int number) { return (number - 1) / kStratumSize; }
constexpr char StratumLetter(int stratum) { return static_cast<char>('A' + stratum); }

// Appends the board's result section to `boardValues` when it holds exactly
// 18 lines. Otherwise shows "Not 18 results for this hand " and the board key
// and returns false (the board cannot be played).
bool AppendFieldResults(const std::vector<std::string>& resultSection, const std::string& boardKey,
                        std::vector<std::string>& boardValues);

// What a passed-out result (fewer than four items) reads as: the dealer's
// letter, the localised "Passed out" label, 0 tricks, score 0.
std::vector<std::string> PassedOutItems(Seat dealer, const std::string& passedOutLabel);

// Result `number` (1..18) from `boardValues`: the first line so named
// (without regard to case), split as comma text, a passed-out result
// replaced. A missing line reads as passed out.
std::vector<std::string> LookUpFieldResult(const std::vector<std::string>& boardValues, int number,
                                           Seat dealer, const std::string& passedOutLabel);

// Turns the 18 results with the board by `rotation` seats. Each result is
// read again from the board's section of the results file, its line taken
// out of `boardValues` and appended again turned: the declarer moves on by
// the rotation, and for an odd rotation the score changes sign (it now
// belongs to the other side). A passed-out result gets the dealer as turned.
// A number with no line in `boardValues` shows "error in scores" and is
// appended unturned. Returns the number of such messages. Nothing happens
// for a rotation of 0 (or any multiple of 4).
int RotateFieldResults(const std::vector<std::string>& resultSection, int rotation, Seat turnedDealer,
                       const std::string& passedOutLabel, std::vector<std::string>& boardValues);

// One field result, read and checked.
struct FieldResult {
  int number = 0;           // 1..18
  std::string declarer;     // the seat letter as filed ("N", "e", ...)
  std::string contract;     // as filed ("4S", "3nt", "2HX") or the passed-out label
  int tricks = 0;
  int score = 0;            // North-South score
};

// Why a result could not be used: the board, the result number and a text.
struct FieldResultError {
  std::string boardKey;
  int number = 0;
  std::string message;      // the text shown to the user
};

// Reads the items of result `number` of board `boardKey`. A result must have
// exactly four items, whole-number tricks and score, and a contract of at
// least two characters; otherwise `error` is filled and nothing is returned.
// More than four items gives "Error on hand <n>" and the items; the other
// faults name the board as well.
std::optional<FieldResult> ReadFieldResult(const std::vector<std::string>& items, int number,
                                           const std::string& boardKey, FieldResultError& error);

// Checks a whole result section as a tool would before shipping it: the line
// count, every number 01..18 present once, and every result readable. One
// error per fault found; none for a sound section.
std::vector<FieldResultError> CheckFieldResults(const std::vector<std::string>& resultSection,
                                                const std::string& boardKey, Seat dealer);

// Seat of a result's declarer letter (N, E, S, W in either case), or nothing.
std::optional<Seat> DeclarerSeat(const std::string& letter);

// The seat's letter as the interface language writes it: the first
// character of its name there ("Ø" for East in Danish), or the file's
// letter when the name is empty.
std::string SeatInitial(Seat seat, const std::array<std::string, 4>& seatNames);

}  // namespace quorval
