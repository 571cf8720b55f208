#include "data/options.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "core/board_key.h"

namespace quorval {

TOption Option;

const std::string& CurrentPlayer() { return Option.CurrentPlayer; }

namespace {

constexpr const char* kLanguageCodes[8] = {"en", "dk", "no", "fr", "sw", "dl", "it", "en"};

int InRange(int value, int low, int high, int fallback) {
  return value >= low && value <= high ? value : fallback;
}

// "Imp" or "Par" in their usual spelling; anything else is the default.
std::string ValidEvent(const std::string& text) {
  if (SameName(text, "Par")) return "Par";
  return "Imp";
}

// Two digits naming an event that exists for the kind: 01..09 for IMP
// events, 01..18 for pairs events.
std::string ValidSession(const std::string& text, const std::string& eventKind) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return "01";
  const int n = (text[0] - '0') * 10 + (text[1] - '0');
  return n >= 1 && n <= (eventKind == "Par" ? 18 : 9) ? text : "01";
}

}  // namespace

const char* LanguageCode(int index) { return kLanguageCodes[index & 7]; }

int LanguageIndex(const std::string& code) {
  for (int i = 0; i < 8; ++i)
    if (SameName(code, kLanguageCodes[i])) return i;
  return -1;
}

bool LanguageHasTexts(int index) { return index == 0 || index == 1 || index == 2 || index == 4; }

int DefaultBackDesign(int language) {
  switch (language) {
    case 1: return 8;
    case 2: return 10;
    case 4: return 9;
    default: return 12;
  }
}

void ApplyColorSkin(TOption& option, const std::string& skinName) { option.SkinColors = SkinColorsFor(skinName); }

bool IsSkinName(const std::string& name) {
  return SameName(name, "Teal") || SameName(name, "Olive") || SameName(name, "Silver");
}

std::string ValidSkinName(const std::string& name) {
  for (const char* skin : {"Teal", "Olive", "Silver"})
    if (SameName(name, skin)) return skin;
  return "Teal";
}

PlayerNameCheck CheckPlayerName(const std::string& name) {
  if (name.empty()) return PlayerNameCheck::Empty;
  if (name.front() == ' ' || name.back() == ' ') return PlayerNameCheck::Refused;
  int characters = 0;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == ']' || c == '=') return PlayerNameCheck::Refused;
    // Counted in characters, not bytes: a UTF-8 continuation byte adds none.
    if ((u & 0xC0) != 0x80) ++characters;
  }
  return characters <= kMaxPlayerNameLength ? PlayerNameCheck::Ok : PlayerNameCheck::Refused;
}

std::string DefaultPlayerName() {
  if (const char* login = ::getlogin(); login && *login) return login;
  if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
  for (const char* var : {"USERDOMAIN", "USERNAME"})
    if (const char* value = std::getenv(var); value && *value) return value;
  return "Options";
}

std::string ChooseStartPlayer(const TBigIniFile& ini, const std::string& defaultName) {
  if (ini.Sections().empty()) return defaultName.empty() ? "Options" : defaultName;
  std::string chosen = "Options";
  double best = 0;
  for (const auto& section : ini.Sections()) {
    const double played = ini.ReadDateTime(section.name, "LastPlayed", 0);
    if (played > best) {
      best = played;
      chosen = section.name;
    }
  }
  return chosen;
}

void LoadOptions(const TBigIniFile& ini, TOption& option, const LanguageSource& machineLanguage) {
  const std::string player = option.CurrentPlayer;
  TOption loaded;
  loaded.CurrentPlayer = player;

  // A code whose language has no texts counts as unknown.
  int language = LanguageIndex(ini.ReadString(player, "Language", "?"));
  if (language < 0 || !LanguageHasTexts(language)) {
    language = machineLanguage ? LanguageIndex(machineLanguage()) : -1;
    if (language < 0 || !LanguageHasTexts(language)) language = 0;
  }
  loaded.Language = static_cast<uint8_t>(language);

  loaded.ComputerSkill = static_cast<uint8_t>(InRange(ini.ReadInteger(player, "ComputerSkill", 8), 1, 10, 8));
  int design = ini.ReadInteger(player, "BackDesign", 8);
  if (design == -1) design = DefaultBackDesign(language);
  loaded.BackDesign = static_cast<uint8_t>(InRange(design, 0, 14, 8));

  const std::string back = ini.ReadString(player, "BackColor", "new");
  if (back == "new") loaded.BackColor = -1;
  else loaded.BackColor = ColorFromText(back).value_or(-1);

  loaded.BidSys = static_cast<uint8_t>(InRange(ini.ReadInteger(player, "BidSys", 0), 0, 3, 0));
  loaded.Event = ValidEvent(ini.ReadString(player, "Event", "Imp"));
  loaded.Session = ValidSession(ini.ReadString(player, "Session", "01"), loaded.Event);
  // 28 is a counter past the last board: the next board opens the chooser.
  loaded.LastHandPlayed = InRange(ini.ReadInteger(player, "LastHandPlayed", 0), 0, 28, 0);
  loaded.LastStrataSeen = InRange(ini.ReadInteger(player, "LastStrataSeen", 0), 0, 2, 0);
  loaded.MPScoringSys = static_cast<uint8_t>(InRange(ini.ReadInteger(player, "MPScoringSys", 0), 0, 3, 0));
  loaded.ColorSkin = ValidSkinName(ini.ReadString(player, "ColorSkin", "Teal"));
  loaded.LastPlayed = ini.ReadDateTime(player, "LastPlayed", 0);
  loaded.HonestComputer = ini.ReadInteger(player, "HonestComputer", 0) == 1;
  loaded.FreeBidding = ini.ReadInteger(player, "FreeBidding", 0) == 1;
  ApplyColorSkin(loaded, loaded.ColorSkin);
  option = loaded;
}

bool SaveOptions(TBigIniFile& ini, TOption& option, double now) {
  const std::string& p = option.CurrentPlayer;
  option.LastPlayed = now;
  ini.WriteInteger(p, "ComputerSkill", option.ComputerSkill);
  ini.WriteInteger(p, "BackDesign", option.BackDesign);
  ini.WriteString(p, "BackColor", ColorToText(option.BackColor));
  ini.WriteInteger(p, "BidSys", option.BidSys);
  ini.WriteString(p, "Language", LanguageCode(option.Language));
  ini.WriteString(p, "Event", option.Event);
  ini.WriteString(p, "Session", option.Session);
  ini.WriteInteger(p, "LastHandPlayed", option.LastHandPlayed);
  ini.WriteInteger(p, "LastStrataSeen", option.LastStrataSeen);
  ini.WriteInteger(p, "MPScoringSys", option.MPScoringSys);
  ini.WriteString(p, "ColorSkin", option.ColorSkin);
  ini.WriteDateTime(p, "LastPlayed", now);
  ini.WriteString(p, "Result", kResultLegend);
  // A setting added after the twelve: written only while it is on, so that
  // the sections of players who never choose it stay exactly as they were.
  if (option.HonestComputer) ini.WriteInteger(p, "HonestComputer", 1);
  else ini.DeleteKey(p, "HonestComputer");
  if (option.FreeBidding) ini.WriteInteger(p, "FreeBidding", 1);
  else ini.DeleteKey(p, "FreeBidding");
  return ini.UpdateFile();
}

bool StartUpOptions(TBigIniFile& ini, TOption& option, const std::string& defaultName,
                    const LanguageSource& machineLanguage, double now) {
  option.CurrentPlayer = ChooseStartPlayer(ini, defaultName);
  LoadOptions(ini, option, machineLanguage);
  return SaveOptions(ini, option, now);
}

bool IsBoardPlayed(const TBigIniFile& ini, const std::string& player, const std::string& eventKind,
                   const std::string& session, int boardNo) {
  return ini.ReadString(player, BoardKey{eventKind, session, boardNo}.Text(), "nope") != "nope";
}

}  // namespace quorval
