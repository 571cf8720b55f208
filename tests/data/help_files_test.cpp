// The names of the help pages the Help menu looks for in the program folder.
#include <gtest/gtest.h>

#include "data/help_files.h"

using namespace quorval;

TEST(HelpFiles, UserGuidesAndSummariesByLanguageTag) {
  struct Row { int tag; const char* guide; const char* modernStandard; const char* modernBasic; };
  const Row rows[] = {{1, "Dansk.html", "MODSTD-D.html", "DKMOD-D.html"},
                      {2, "English.html", "MODSTD-E.html", "DKMOD-E.html"},
                      {3, "Norsk.html", "MODSTD-N.html", "DKMOD-N.html"},
                      {4, "Svensk.html", "MODSTD-S.html", "DKMOD-S.html"}};
  for (const Row& r : rows) {
    HelpLanguage language{};
    ASSERT_TRUE(HelpLanguageFromTag(r.tag, language)) << r.tag;
    EXPECT_EQ(UserGuideFileName(language), r.guide);
    EXPECT_EQ(SystemSummaryFileName(1, language), r.modernStandard);
    EXPECT_EQ(SystemSummaryFileName(3, language), r.modernBasic);
  }
  EXPECT_EQ(SystemSummaryFileName(0, HelpLanguage::Swedish), "DKBAS-S.html");
  EXPECT_EQ(SystemSummaryFileName(2, HelpLanguage::Danish), "STDNOR-D.html");
}

TEST(HelpFiles, OutOfRangeTagsAndSystemsNameNothing) {
  HelpLanguage language = HelpLanguage::English;
  EXPECT_FALSE(HelpLanguageFromTag(0, language));
  EXPECT_FALSE(HelpLanguageFromTag(5, language));
  EXPECT_EQ(language, HelpLanguage::English);
  EXPECT_EQ(SystemSummaryFileName(-1, HelpLanguage::English), "");
  EXPECT_EQ(SystemSummaryFileName(4, HelpLanguage::English), "");
}

TEST(HelpFiles, MissingFileMessage) {
  EXPECT_EQ(HelpFileMissingMessage("Norsk.html"), "Can not find Norsk.html in the Program's folder!");
}
