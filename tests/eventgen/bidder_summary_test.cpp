// The system summary pages in resources/help are the ones the system
// definitions write, so the help never disagrees with what the computer bids.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/eventgen/bidder/summary_page.h"

namespace quorval::bidder {
namespace {

TEST(SummaryPages, ShippedPagesMatchTheSystemDefinitions) {
  for (System s : kAllSystems) {
    const std::string path = std::string(QUORVAL_SOURCE_DIR) + "/resources/help/" + SummaryPageName(s);
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), SummaryPage(s)) << path << " is out of date: write it again from the definitions";
  }
}

TEST(SummaryPages, NamesAndContentFollowTheSystem) {
  EXPECT_EQ(SummaryPageName(System::DanishBasic), "DKBAS-E.html");
  EXPECT_EQ(SummaryPageName(System::ModernStandard), "MODSTD-E.html");
  EXPECT_EQ(SummaryPageName(System::StdNorwegian), "STDNOR-E.html");
  EXPECT_EQ(SummaryPageName(System::ModernBasic, 'D'), "DKMOD-D.html");
  // Each page names its own no-trump range and slam convention.
  EXPECT_NE(SummaryPage(System::StdNorwegian).find("14&ndash;16 points, balanced"), std::string::npos);
  EXPECT_NE(SummaryPage(System::ModernBasic).find("12&ndash;14 points, balanced"), std::string::npos);
  EXPECT_NE(SummaryPage(System::ModernStandard).find("key-card 1430"), std::string::npos);
  EXPECT_NE(SummaryPage(System::StdNorwegian).find("key-card 3014"), std::string::npos);
  EXPECT_EQ(SummaryPage(System::DanishBasic).find("Michaels"), std::string::npos);
  EXPECT_NE(SummaryPage(System::StdNorwegian).find("multi"), std::string::npos);
}

}  // namespace
}  // namespace quorval::bidder
