#pragma once
// The current player's settings (TOption), read from and written to the
// player's section of "Options.INI", the choice of player at start-up, the
// language codes, and the board key under which results are filed.

#include <cstdint>
#include <functional>
#include <string>

#include "core/board_key.h"
#include "data/colours.h"
#include "data/ini_store.h"

namespace quorval {

inline constexpr const char* kOptionsFileName = "Options.INI";
inline constexpr const char* kResultLegend =
    "Declarer,Contract,Tricks,Score,MP/IMPS for 1-18, User A, User B, User C";

struct TOption {
  uint8_t ComputerSkill = 8;     // 1..10
  TColor BackColor = -1;         // -1: the design's own colours
  uint8_t BackDesign = 8;        // 0..14
  uint8_t BidSys = 0;            // 0..3: D, M, N, S
  std::string Event = "Imp";     // "Imp" or "Par"
  uint8_t Language = 0;          // index 0..7 (0, 1, 2, 4 have texts)
  double LastPlayed = 0;         // days since 30 December 1899
  int32_t LastStrataSeen = 0;    // 0..2
  uint8_t MPScoringSys = 0;      // 0..3
  std::string ColorSkin = "Teal";
  std::string Session = "01";
  // The computer plays from what its seat can see (the honest computer).
  // Stored as "HonestComputer=1" after the twelve settings, only while on.
  bool HonestComputer = false;
  // South may make any legal call, the computer answering off the stored
  // auctions with the bidder. Stored as "FreeBidding=1", only while on.
  bool FreeBidding = false;
  // The board counter as filed under LastHandPlayed; the table keeps its own
  // copy while a session runs and hands it back before each save.
  int LastHandPlayed = 0;
  // Derived from ColorSkin, never stored.
  TSkinColors SkinColors = SkinColorsFor("Teal");
  // The player whose section is in use.
  std::string CurrentPlayer = "Options";
};

// The one options record of the run.
extern TOption Option;
const std::string& CurrentPlayer();

// The per-machine language setting ("dk", "en", ...); empty when absent.
using LanguageSource = std::function<std::string()>;

// "en","dk","no","fr","sw","dl","it","en" by index; -1 for an unknown code.
const char* LanguageCode(int index);
int LanguageIndex(const std::string& code);
// English, Danish, Norwegian and Swedish have interface texts.
bool LanguageHasTexts(int index);
// The card-back design that a stored -1 stands for in that language.
int DefaultBackDesign(int language);

void ApplyColorSkin(TOption& option, const std::string& skinName);
// The three colour skins by their stored names: "Teal", "Olive" and "Silver"
// (shown as "Navy"). A stored name that is none of them reads as "Teal".
bool IsSkinName(const std::string& name);
std::string ValidSkinName(const std::string& name);

// What the options file can hold as a player's section name.
enum class PlayerNameCheck {
  Ok,
  Empty,
  // "]", "=", a line break or another control character, a blank at either
  // end, or more than kMaxPlayerNameLength characters.
  Refused,
};
inline constexpr int kMaxPlayerNameLength = 64;
PlayerNameCheck CheckPlayerName(const std::string& name);

// The login name, then USERDOMAIN, then USERNAME, then "Options".
std::string DefaultPlayerName();
// The section with the latest LastPlayed (ties: first in the store's order);
// "Options" when none is above 0; the default name when there are no sections.
std::string ChooseStartPlayer(const TBigIniFile& ini, const std::string& defaultName);

// Reads the section option.CurrentPlayer into `option`. Values outside their
// range fall back to their defaults.
void LoadOptions(const TBigIniFile& ini, TOption& option, const LanguageSource& machineLanguage = {});
// Writes the twelve settings (LastPlayed := now) and the Result legend into
// the player's section, then HonestComputer=1 and FreeBidding=1 when they are
// on (each key is removed when it is off), and saves the file; false when the
// save failed.
bool SaveOptions(TBigIniFile& ini, TOption& option, double now);
// The start-up sequence: choose the player, load, save at once.
bool StartUpOptions(TBigIniFile& ini, TOption& option, const std::string& defaultName,
                    const LanguageSource& machineLanguage, double now);

bool IsBoardPlayed(const TBigIniFile& ini, const std::string& player, const std::string& eventKind,
                   const std::string& session, int boardNo);

}  // namespace quorval
