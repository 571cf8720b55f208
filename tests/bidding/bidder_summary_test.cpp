// The system summary pages in resources/help are the ones the system
// definitions write, so the help never disagrees with what the computer bids;
// the words of each language come from the phrase table.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "bidding/summary_page.h"
#include "bidding/summary_phrases.h"

namespace quorval::bidder {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SummaryPages, ShippedPagesMatchTheSystemDefinitionsInEveryLanguage) {
  int pages = 0;
  for (HelpLanguage language : kHelpLanguages)
    for (System s : kAllSystems) {
      const std::string path = std::string(QUORVAL_SOURCE_DIR) + "/resources/help/" + SummaryPageName(s, language);
      std::ifstream in(path, std::ios::binary);
      ASSERT_TRUE(in) << path;
      std::ostringstream text;
      text << in.rdbuf();
      EXPECT_EQ(text.str(), SummaryPage(s, language))
          << path << " is out of date: write the pages again with quorval-eventgen summaries resources/help";
      ++pages;
    }
  EXPECT_EQ(pages, 16);
}

TEST(SummaryPages, EveryPhraseIsFoundAndFilledIn) {
  std::string error;
  const PhraseTable& table = SummaryPhrases(&error);
  EXPECT_EQ(error, "");
  EXPECT_GT(table.Size(), 100u);
  const std::regex unfilled("%[1-9]");
  for (HelpLanguage language : kHelpLanguages)
    for (System s : kAllSystems) {
      const std::string page = SummaryPage(s, language);
      EXPECT_FALSE(Contains(page, "[[")) << SummaryPageName(s, language);
      EXPECT_FALSE(std::regex_search(page, unfilled)) << SummaryPageName(s, language);
    }
}

TEST(SummaryPages, NamesAndContentFollowTheSystem) {
  EXPECT_EQ(SummaryPageName(System::DanishBasic), "DKBAS-E.html");
  EXPECT_EQ(SummaryPageName(System::ModernStandard), "MODSTD-E.html");
  EXPECT_EQ(SummaryPageName(System::StdNorwegian, HelpLanguage::Norwegian), "STDNOR-N.html");
  EXPECT_EQ(SummaryPageName(System::ModernBasic, HelpLanguage::Danish), "DKMOD-D.html");
  // Each page names its own no-trump range and slam convention.
  EXPECT_TRUE(Contains(SummaryPage(System::StdNorwegian), "14&ndash;16 points, balanced"));
  EXPECT_TRUE(Contains(SummaryPage(System::ModernBasic), "12&ndash;14 points, balanced"));
  EXPECT_TRUE(Contains(SummaryPage(System::ModernStandard), "key-card 1430"));
  EXPECT_TRUE(Contains(SummaryPage(System::StdNorwegian), "key-card 3014"));
  EXPECT_FALSE(Contains(SummaryPage(System::DanishBasic), "Michaels"));
  // Every section can be opened at its heading.
  for (SummarySection section : {SummarySection::Openings, SummarySection::Responses, SummarySection::NoTrump,
                                 SummarySection::Slam, SummarySection::Competition, SummarySection::Leads})
    EXPECT_TRUE(Contains(SummaryPage(System::ModernBasic, HelpLanguage::Norwegian),
                         std::string("<h2><a name=\"") + SummaryAnchor(section) + "\"></a>"))
        << SummaryAnchor(section);
  EXPECT_TRUE(Contains(SummaryPage(System::StdNorwegian), "multi"));
}

TEST(SummaryPages, EachLanguageHasItsOwnWordsAndNotrumpMark) {
  const std::string danish = SummaryPage(System::DanishBasic, HelpLanguage::Danish);
  EXPECT_TRUE(Contains(danish, "<html lang=\"da\">"));
  EXPECT_TRUE(Contains(danish, "<h2><a name=\"openings\"></a>Åbningsmeldinger</h2>"));
  EXPECT_TRUE(Contains(danish, "<td class=\"call\">1UT</td><td>15&ndash;17 point, balanceret"));
  EXPECT_FALSE(Contains(danish, "points"));
  const std::string norwegian = SummaryPage(System::StdNorwegian, HelpLanguage::Norwegian);
  EXPECT_TRUE(Contains(norwegian, "14&ndash;16 poeng, balansert"));
  EXPECT_TRUE(Contains(norwegian, "nøkkelkort 3014"));
  const std::string swedish = SummaryPage(System::ModernStandard, HelpLanguage::Swedish);
  EXPECT_TRUE(Contains(swedish, "<h2><a name=\"openings\"></a>Öppningsbud</h2>"));
  EXPECT_TRUE(Contains(swedish, "<td class=\"call\">2NT över högfärg</td>"));
  // The links lead to the same language's pages.
  EXPECT_TRUE(Contains(swedish, "href=\"DKBAS-S.html\""));
  EXPECT_TRUE(Contains(swedish, "href=\"Svensk.html\""));
  EXPECT_FALSE(Contains(swedish, "href=\"MODSTD-S.html\""));
}

TEST(PhraseTable, ReadsKeysTextsAndFillsValues) {
  PhraseTable table;
  std::string error;
  ASSERT_TRUE(table.Parse("# comment\n\nrange\t%1 to %2 points\t%1 til %2 point\t%1 til %2 poeng\t%2 >= %1 poäng\r\n",
                          error))
      << error;
  EXPECT_EQ(table.Text("range", HelpLanguage::English, {"6", "9"}), "6 to 9 points");
  EXPECT_EQ(table.Text("range", HelpLanguage::Danish, {"6", "9"}), "6 til 9 point");
  EXPECT_EQ(table.Text("range", HelpLanguage::Swedish, {"6", "9"}), "9 >= 6 poäng");
  EXPECT_EQ(table.Text("range", HelpLanguage::Norwegian, {"6"}), "6 til [[%2]] poeng");
  EXPECT_EQ(table.Text("absent", HelpLanguage::English), "[[absent]]");
}

TEST(PhraseTable, RefusesLinesATranslatorCouldGetWrong) {
  const struct { const char* text; const char* reason; } cases[] = {
      {"a\tone\ttwo\tthree\n", "cells instead"},
      {"a\t1\t2\t3\t4\t5\n", "cells instead"},
      {"a\t1\t2\t3\t4\na\t1\t2\t3\t4\n", "appears twice"},
      {"a\t%1 x\t%1 y\tz\t%1 w\n", "same values"},
      {"a\tx\t%2 y\tz\tw\n", "same values"},
      {"a\tx\t\tz\tw\n", "empty text"},
      {"\tx\ty\tz\tw\n", "no key"},
  };
  for (const auto& c : cases) {
    PhraseTable table;
    std::string error;
    EXPECT_FALSE(table.Parse(c.text, error)) << c.text;
    EXPECT_TRUE(Contains(error, c.reason)) << c.text << " gave " << error;
    EXPECT_TRUE(Contains(error, "phrase line ")) << error;
  }
}

}  // namespace
}  // namespace quorval::bidder
