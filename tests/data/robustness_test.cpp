// Thousands of damaged inputs through every reader of the data files: none
// may crash, and whatever is read must obey the readers' own promises. The
// seed is fixed so a failure repeats; the sanitizer build runs this too.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <unordered_set>

#include "data/comma_text.h"
#include "data/ini_store.h"
#include "data/library_rules.h"
#include "data/options.h"
#include "data/sequence_library.h"
#include "temp_folder.h"

using namespace quorval;
using quorval::testing::TempFolder;

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Mutator {
 public:
  explicit Mutator(uint32_t seed) : rng_(seed) {}

  int Below(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

  char AnyByte() {
    static const char special[] = {'\0', '\x1A', '\r', '\n', '[', ']', '=', ',', '"', ' ', '\t', '\xC3', '\xA9'};
    return Below(3) == 0 ? special[Below(sizeof special)] : static_cast<char>(Below(256));
  }

  // One to four random edits: flips, inserts, deletions, repeated ranges
  // (duplicate sections), long runs, case changes and truncation.
  std::string Mutate(std::string text) {
    const int edits = 1 + Below(4);
    for (int e = 0; e < edits; ++e) {
      const size_t n = text.size();
      const size_t at = n ? static_cast<size_t>(Below(static_cast<int>(n) + 1)) : 0;
      switch (Below(8)) {
        case 0:
          if (at < n) text[at] = AnyByte();
          break;
        case 1: text.insert(at, 1, AnyByte()); break;
        case 2: text.erase(at, static_cast<size_t>(Below(40))); break;
        case 3: {
          const size_t len = static_cast<size_t>(Below(200));
          text.insert(at, text.substr(at, len));
          break;
        }
        case 4: text.insert(at, static_cast<size_t>(300 + Below(3000)), static_cast<char>('A' + Below(26))); break;
        case 5:
          for (size_t i = at; i < std::min(n, at + 12); ++i) text[i] = static_cast<char>(std::toupper(text[i]));
          break;
        case 6: text.resize(at); break;
        default: {
          std::string junk(static_cast<size_t>(Below(64)), '\0');
          for (char& c : junk) c = AnyByte();
          text.insert(at, junk);
        }
      }
    }
    return text;
  }

  std::string Garbage(size_t maxLen) {
    std::string s(static_cast<size_t>(Below(static_cast<int>(maxLen))), '\0');
    for (char& c : s) c = AnyByte();
    return s;
  }

 private:
  std::mt19937 rng_;
};

const std::string kSeed =
    "[Imp01.01]\r\nDealer=N\r\nVulnerable=None\r\nDeal=N:Q963.QT2.QJ976.T T7.J986.K83.AKJ5 KJ852.AK.5.Q9743 "
    "A4.7543.AT42.862\r\nSite=0\r\n\r\n[Imp01.02]\r\nDealer=E\r\nDeal\r\n01=N,4S,10,620\r\n07=\r\n\r\n"
    "[Karen]\r\nComputerSkill=8\r\nBackColor=$FFFFFFFF\r\nLanguage=dk\r\nLastPlayed=2026-12-09 05:31:45\r\n";

std::vector<std::string> WrittenSections(const TBigIniFile& ini) {
  std::vector<std::string> out;
  for (const auto& s : ini.Sections()) {
    if (s.lines.empty()) continue;
    out.push_back("[" + s.name + "]");
    out.insert(out.end(), s.lines.begin(), s.lines.end());
  }
  return out;
}

}  // namespace

TEST(Robustness, IniStoreReadsAnythingAndWritesWhatItRead) {
  Mutator m(20051209);
  TempFolder dir;
  const std::string path = dir.File("m.ini");
  for (int round = 0; round < 1500; ++round) {
    const std::string text = m.Mutate(kSeed);
    // Most rounds go through LoadLines; some through a real file, written
    // back and read again (few, since every save is flushed to disk).
    const bool onDisk = round % 100 == 0;
    if (onDisk) std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    TBigIniFile ini(onDisk ? path : std::string());
    if (!onDisk) {
      std::vector<std::string> lines;
      size_t start = 0;
      while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
      }
      ini.LoadLines(lines);
    }

    std::unordered_set<std::string> names;
    for (const auto& s : ini.Sections()) {
      std::string lower = s.name;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      ASSERT_TRUE(names.insert(lower).second) << "duplicate section kept: " << s.name;
      for (const auto& line : s.lines) ASSERT_LE(line.size(), kIniLineLimit);
    }
    ini.ReadString("Imp01.01", "Deal", "");
    ini.ReadInteger("Karen", "ComputerSkill", 8);
    ini.ReadDateTime("Karen", "LastPlayed", 0);

    if (onDisk) {
      ini.WriteString("Extra", "k", "v");
      ASSERT_TRUE(ini.UpdateFile());
      TBigIniFile back(path);
      ASSERT_EQ(WrittenSections(back), WrittenSections(ini));
      ASSERT_FALSE(back.Modified());
    }
  }
}

TEST(Robustness, OptionsFromDamagedSectionsStayInRange) {
  Mutator m(7);
  for (int round = 0; round < 1500; ++round) {
    TBigIniFile ini("");
    std::vector<std::string> lines{"[P]"};
    for (const char* key : {"ComputerSkill", "BackDesign", "BackColor", "BidSys", "Language", "Event", "Session",
                            "LastHandPlayed", "LastStrataSeen", "MPScoringSys", "ColorSkin", "LastPlayed"})
      lines.push_back(std::string(key) + "=" + (m.Below(2) ? m.Garbage(12) : std::to_string(m.Below(40) - 5)));
    ini.LoadLines(lines);
    TOption o;
    o.CurrentPlayer = "P";
    LoadOptions(ini, o, [&] { return m.Garbage(4); });
    ASSERT_TRUE(o.ComputerSkill >= 1 && o.ComputerSkill <= 10);
    ASSERT_LE(o.BackDesign, 14);
    ASSERT_LE(o.BidSys, 3);
    ASSERT_TRUE(LanguageHasTexts(o.Language));
    ASSERT_TRUE(o.Event == "Imp" || o.Event == "Par");
    ASSERT_TRUE(IsBoardKey(BoardKey{o.Event, o.Session, 1}.Text()));
    ASSERT_TRUE(o.LastStrataSeen >= 0 && o.LastStrataSeen <= 2);
    ASSERT_LE(o.MPScoringSys, 3);
    ASSERT_TRUE(o.LastHandPlayed >= 0 && o.LastHandPlayed <= 28);
  }
}

TEST(Robustness, CommaTextReadsAnythingAndListsRoundTrip) {
  Mutator m(42);
  for (int round = 0; round < 4000; ++round) {
    const std::string text = m.Mutate("N,\"Passed out\",0,0,a,,b c");
    const auto items = ReadCommaText(text);
    // Whatever was read is written so that it reads back the same.
    ASSERT_EQ(ReadCommaText(WriteCommaText(items)), items) << text;

    std::vector<std::string> list(static_cast<size_t>(m.Below(6)));
    for (auto& item : list) item = m.Garbage(10);
    ASSERT_EQ(ReadCommaText(WriteCommaText(list)), list);
  }
}

TEST(Robustness, LibraryLinesEitherParseCompletelyOrAreRejected) {
  Mutator m(2916);
  const std::string text = ReadText(std::string(QUORVAL_FIXTURES) + "/events/SEQ2005.txt");
  ASSERT_FALSE(text.empty());
  SequenceLibrary library;
  for (int round = 0; round < 300; ++round) {
    const std::string damaged = m.Mutate(text);
    CheckLibraryText(damaged);
    library.LoadSequenceLibrary(damaged);
    for (const auto& section : library.Store().Sections()) {
      CheckLibrarySection(section.lines);
      for (const auto& line : section.lines) {
        const auto parsed = ParseLibraryLine(line);
        if (!parsed) continue;
        Auction auction(North);
        for (const CallCode c : parsed->calls) ASSERT_TRUE(auction.Make(c)) << line;
        ASSERT_TRUE(auction.Over()) << line;
        int total = 0;
        for (const auto& lead : parsed->leads) total += lead.percent;
        ASSERT_EQ(total, 100) << line;
        ASSERT_EQ(LibraryLineText(*parsed), line);
      }
    }
  }
}

TEST(Robustness, DealTextsNeverGiveAWrongDeal) {
  Mutator m(52);
  const std::string good = "N:Q963.QT2.QJ976.T T7.J986.K83.AKJ5 KJ852.AK.5.Q9743 A4.7543.AT42.862";
  for (int round = 0; round < 4000; ++round) {
    const std::string text = m.Below(8) ? m.Mutate(good) : m.Garbage(90);
    Deal deal;
    const Deal before = deal;
    std::vector<std::string> errors;
    if (!ParseDeal(text, deal, errors)) {
      ASSERT_EQ(deal, before);
      ASSERT_EQ(errors.size(), 1u);
      continue;
    }
    if (!DealIsComplete(deal)) continue;
    Deal again;
    ASSERT_TRUE(ParseDeal(DealText(deal, North), again, errors));
    ASSERT_EQ(again, deal);
  }
}
