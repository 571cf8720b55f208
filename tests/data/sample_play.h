#pragma once
// A board whose play can be followed by eye: every hand holds (nearly) one
// suit. North has ten spades and the 4-3-2 of clubs, East all hearts, South
// all diamonds, West ten clubs and the 4-3-2 of spades.
//
// In 4S by North, East leads a heart and North ruffs; North then leads a
// club and West takes three club tricks; West's fourth club is ruffed and
// North draws trumps: ten tricks to declarer, three to the defenders
// (tricks 2, 3 and 4).

#include <string>

namespace quorval::testing {

inline const std::string kOneSuitDeal =
    "N:AKQJT98765...432 .AKQJT98765432.. ..AKQJT98765432. 432...AKQJT98765";

inline const std::string kTenTricksPlay =
    "E:2H,2D,5C,5S,"   // 1 North ruffs
    "2C,3H,3D,AC,"     // 2 West
    "KC,3C,4H,4D,"     // 3 West
    "QC,4C,5H,5D,"     // 4 West
    "JC,6S,6H,6D,"     // 5 North ruffs
    "AS,7H,7D,2S,"     // 6..13 North
    "KS,8H,8D,3S,"
    "QS,9H,9D,4S,"
    "JS,TH,TD,TC,"
    "TS,JH,JD,9C,"
    "9S,QH,QD,8C,"
    "8S,KH,KD,7C,"
    "7S,AH,AD,6C";

}  // namespace quorval::testing
