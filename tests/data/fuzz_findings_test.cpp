// Inputs the fuzz programs of tools/fuzz found to break a reader's promise,
// kept here with the promise they broke.
#include <gtest/gtest.h>

#include "data/ini_store.h"
#include "data/options.h"

using namespace quorval;

namespace {

TOption Load(const TBigIniFile& ini, const std::string& player) {
  TOption o;
  o.CurrentPlayer = player;
  LoadOptions(ini, o);
  return o;
}

}  // namespace

// A carriage return inside a line made a section name ("[[\xac\xac\xac\r]")
// that a save wrote under another name (line ends become blanks), so the
// player's settings and results went to a new section. A lone CR now ends a
// line, as CR LF and LF do.
TEST(FuzzFindings, ALoneCarriageReturnEndsALine) {
  TMyINI found("");
  found.LoadLines(SplitIniText(std::string("\n[[\xac\xac\xac\r]", 8)));
  EXPECT_TRUE(found.Sections().empty());

  TMyINI ini("");
  ini.LoadLines(SplitIniText("[Ann]\rBidSys=2\rColorSkin=Olive\r\n[Bob]\nBidSys=3\r"));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Ann", "Bob"}));
  TOption ann = Load(ini, "Ann");
  EXPECT_EQ(ann.BidSys, 2);
  EXPECT_EQ(ann.ColorSkin, "Olive");
  EXPECT_EQ(Load(ini, "Bob").BidSys, 3);
  SaveOptions(ini, ann, 45000);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Ann", "Bob"})) << "saved under the name it was read by";
}

// "ColorSkin=" (an empty name) loaded as the Silver colours, but a save
// writes an empty value as the bare key, which reads back as absent: Teal.
// An empty name now reads as absent at once.
TEST(FuzzFindings, AnEmptySkinNameReadsAsTheDefaultBeforeAndAfterASave) {
  TMyINI ini("");
  ini.LoadLines({"[Ann]", "ColorSkin=", "BidSys=1"});
  TOption ann = Load(ini, "Ann");
  EXPECT_EQ(ann.ColorSkin, "Teal");
  EXPECT_EQ(ann.SkinColors, SkinColorsFor("Teal"));
  SaveOptions(ini, ann, 45000);
  EXPECT_EQ(Load(ini, "Ann").ColorSkin, "Teal");
  EXPECT_EQ(ini.ReadString("Ann", "ColorSkin", ""), "Teal");
}
