#pragma once
// The four bidding systems as data. The bidder reads its choices from these
// records and the summary pages are written from the same records, so the help
// and the library can never disagree. The systems are in the order of the
// program's bidding-system numbers 0 to 3.
#include <array>
#include <string>

namespace quorval::bidder {

enum class System { DanishBasic, ModernStandard, StdNorwegian, ModernBasic };
inline constexpr std::array<System, 4> kAllSystems{System::DanishBasic, System::ModernStandard,
                                                   System::StdNorwegian, System::ModernBasic};

enum class TwoLevelStyle { WeakTwos, MultiAndTwoSuiters };
enum class MajorRaiseStyle { Limit, JacobySplinters, LimitWith2NTGameRaise };
enum class SlamAsk { Blackwood, KeyCard1430, KeyCard3014 };
enum class LeadStyle { Standard, Norwegian, Basic };

struct SystemDef {
  System id;
  char letter;                 // library section suffix: D, M, N, S
  const char* name;            // "Danish Basic"
  int majorLength;             // cards promised by a one-level major opening
  int ntMin, ntMax;            // 1NT opening range
  int nt2Min, nt2Max;          // 2NT opening range
  int rebid1NTMin, rebid1NTMax;  // opener's 1NT rebid after a one-level response
  TwoLevelStyle twos;
  bool transfers;              // Jacoby transfers over 1NT and 2NT
  MajorRaiseStyle raises;
  bool twoOverOneGameForcing;
  SlamAsk slam;
  bool ntOvercall;             // 15-18 1NT overcall
  bool negativeDoubles;
  bool michaels;
  bool unusual2NT;
  LeadStyle leads;
};

const SystemDef& Definition(System s);
// The system named by its library letter; false for any other letter.
bool SystemFromLetter(char letter, System& out);
const char* LeadStyleName(LeadStyle style);

}  // namespace quorval::bidder
