// The options file: the choice of player at start-up, every player's
// settings and filed results, and the settings written and read back.
//
// Input: an "Options.INI" text.
#include <cmath>

#include "data/colours.h"
#include "data/date_time.h"
#include "data/ini_store.h"
#include "data/options.h"
#include "fuzz_util.h"
#include "scoring/player_results.h"

using namespace quorval;
using namespace quorval::fuzz;

namespace {

void CheckInRange(const TOption& o) {
  Require(o.ComputerSkill >= 1 && o.ComputerSkill <= 10, "ComputerSkill 1..10");
  Require(o.BackDesign <= 14, "BackDesign 0..14");
  Require(o.BidSys <= 3, "BidSys 0..3");
  Require(o.Event == "Imp" || o.Event == "Par", "Event Imp or Par");
  Require(o.Session.size() == 2, "Session two digits");
  const int session = (o.Session[0] - '0') * 10 + (o.Session[1] - '0');
  Require(session >= 1 && session <= (o.Event == "Imp" ? 9 : 18), "Session names an event");
  Require(LanguageHasTexts(o.Language), "a language with texts");
  Require(o.LastHandPlayed >= 0 && o.LastHandPlayed <= 28, "LastHandPlayed 0..28");
  Require(o.LastStrataSeen >= 0 && o.LastStrataSeen <= 2, "LastStrataSeen 0..2");
  Require(o.MPScoringSys <= 3, "MPScoringSys 0..3");
  Require(o.SkinColors == SkinColorsFor(o.ColorSkin), "skin colours follow the skin");
}

void CheckResults(const TBigIniFile& ini, const TOption& o) {
  for (const auto& [key, result] : ReadPlayerResults(ini, o.CurrentPlayer)) {
    Require(result.items.size() >= 25, "a counted result has 25 items");
    for (const double f : result.userFigures) Require(std::isfinite(f), "figures are numbers");
    for (int i = 0; i <= 22; ++i) result.FiledFigureAt(i);
  }
  int counted = 0;
  for (const auto& r : ReadSessionResults(ini, o.CurrentPlayer, o.Event, o.Session)) counted += r.has_value();
  for (int board = 1; board <= 27; ++board) IsBoardPlayed(ini, o.CurrentPlayer, o.Event, o.Session, board);
  Require(counted <= 27, "at most 27 boards a session");
}

// The settings as saved read back the same.
void CheckSaved(const TOption& o) {
  TMyINI out("");
  TOption saved = o;
  SaveOptions(out, saved, 45000.5);
  TOption back;
  back.CurrentPlayer = o.CurrentPlayer;
  LoadOptions(out, back, [] { return std::string("xx"); });
  Require(back.ComputerSkill == o.ComputerSkill && back.BackDesign == o.BackDesign && back.BackColor == o.BackColor &&
              back.BidSys == o.BidSys && back.Event == o.Event && back.Language == o.Language &&
              back.LastStrataSeen == o.LastStrataSeen && back.MPScoringSys == o.MPScoringSys &&
              back.ColorSkin == o.ColorSkin && back.Session == o.Session && back.LastHandPlayed == o.LastHandPlayed,
          "saved settings read back the same");
  Require(back.LastPlayed == 45000.5, "LastPlayed reads back");
}

void CheckValueForms(const TBigIniFile& ini, const std::string& player) {
  double when = 0;
  if (ParseDateTime(ini.ReadString(player, "LastPlayed", ""), when)) {
    double again = -1;
    Require(ParseDateTime(DateTimeText(when), again) && again == when, "a date-time reads back");
  }
  if (const auto colour = ColorFromText(ini.ReadString(player, "BackColor", ""))) {
    Require(ColorFromText(ColorToText(*colour)) == colour, "a colour reads back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QuietMessages();
  TMyINI ini("");
  ini.LoadLines(SplitIniText(Text(data, size)));
  std::vector<std::string> players{ChooseStartPlayer(ini, "Default")};
  for (size_t i = 0; i < ini.Sections().size() && i < 2; ++i) players.push_back(ini.Sections()[i].name);
  for (const std::string& player : players) {
    TOption o;
    o.CurrentPlayer = player;
    LoadOptions(ini, o, [] { return std::string("sw"); });
    CheckInRange(o);
    CheckResults(ini, o);
    CheckSaved(o);
    CheckValueForms(ini, player);
  }
  // The start-up sequence on the store itself.
  TOption started;
  StartUpOptions(ini, started, "Default", {}, 45000.25);
  CheckInRange(started);
  return 0;
}
