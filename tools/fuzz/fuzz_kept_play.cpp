// The kept plays: every record of every player read back only as far as its
// calls and cards fit the rules and the deal, and a sound record kept and
// read again unchanged.
//
// Input: a "Plays2005.ini" text, or the five values of one record
// (dealer, vulnerability, deal, auction, play) separated by NUL bytes.
#include "data/ini_store.h"
#include "data/kept_play.h"
#include "fuzz_util.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

void CheckRead(const KeptPlayRead& read) {
  if (!read.play) return;
  const KeptPlay& play = *read.play;
  Require(DealIsComplete(play.deal), "a kept play has a complete deal");
  Require(play.cards.size() <= 52, "at most 52 cards");
  const auto tricks = KeptTricks(play);
  Require(tricks.size() <= 13, "at most 13 tricks");
  const int won = KeptDeclarerTricks(play);
  Require(won >= 0 && won <= 13, "declarer's tricks 0..13");
  Require(!play.claim || (play.cards.size() < 52 && play.claim->tricks <= 13 - static_cast<int>(play.cards.size() / 4)),
          "a claim is of the tricks left");
  play.FinalContract();
  if (!read.Sound()) return;
  Require(play.Complete(), "a sound record is a finished board");
  // Kept again and read back, it is the same play.
  TMyINI store("");
  if (!KeepPlay(store, "P", "Imp01.01", play)) return;   // too long for a line of the store
  const KeptPlayRead again = ReadKeptPlay(store, "P", "Imp01.01");
  Require(again.Sound() && again.play->calls == play.calls && again.play->cards == play.cards &&
              again.play->deal == play.deal && again.play->dealer == play.dealer && again.play->vul == play.vul &&
              again.play->claim == play.claim,
          "a sound play kept again reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  const std::string_view text = Text(data, size);
  const std::vector<std::string> parts = Parts(text, 5);
  if (parts.size() == 5) CheckRead(ParseKeptPlay({parts[0], parts[1], parts[2], parts[3], parts[4]}));

  TMyINI store("");
  store.LoadLines(SplitIniText(text));
  for (size_t i = 0; i < store.Sections().size() && i < 4; ++i) {
    const std::string player = store.Sections()[i].name;
    const std::vector<std::string> keys = KeptBoardKeys(store, player);
    for (size_t k = 0; k < keys.size() && k < 8; ++k) CheckRead(ReadKeptPlay(store, player, keys[k]));
  }
  return 0;
}
