#include "bidding/system.h"

namespace quorval::bidder {
namespace {

constexpr std::array<SystemDef, 4> kSystems{{
    {System::DanishBasic, 'D', "Danish Basic", 5, 15, 17, 20, 21, 12, 14,
     TwoLevelStyle::WeakTwos, false, MajorRaiseStyle::Limit, false, SlamAsk::Blackwood,
     true, false, false, false, LeadStyle::Standard},
    {System::ModernStandard, 'M', "Modern Standard", 5, 15, 17, 20, 21, 12, 14,
     TwoLevelStyle::WeakTwos, true, MajorRaiseStyle::JacobySplinters, true, SlamAsk::KeyCard1430,
     true, true, true, true, LeadStyle::Standard},
    {System::StdNorwegian, 'N', "Std Norwegian", 5, 14, 16, 20, 21, 11, 13,
     TwoLevelStyle::MultiAndTwoSuiters, true, MajorRaiseStyle::LimitWith2NTGameRaise, false,
     SlamAsk::KeyCard3014, true, true, true, false, LeadStyle::Norwegian},
    {System::ModernBasic, 'S', "Modern Basic", 4, 12, 14, 20, 21, 15, 17,
     TwoLevelStyle::WeakTwos, false, MajorRaiseStyle::Limit, false, SlamAsk::Blackwood,
     false, false, false, false, LeadStyle::Basic},
}};

}  // namespace

const SystemDef& Definition(System s) { return kSystems[static_cast<int>(s)]; }

bool SystemFromLetter(char letter, System& out) {
  for (const SystemDef& d : kSystems)
    if (d.letter == letter) {
      out = d.id;
      return true;
    }
  return false;
}

const char* LeadStyleName(LeadStyle style) {
  switch (style) {
    case LeadStyle::Standard: return "standard";
    case LeadStyle::Norwegian: return "Norwegian";
    case LeadStyle::Basic: return "basic";
  }
  return "standard";
}

}  // namespace quorval::bidder
