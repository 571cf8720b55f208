#include <gtest/gtest.h>

#include "data/ini_store.h"
#include "data/options.h"
#include "scoring/board_result.h"
#include "scoring/player_results.h"
#include "tests/data/temp_folder.h"

using namespace quorval;

namespace {

std::array<double, 22> Figures(double field, double a, double b, double c) {
  std::array<double, 22> figures{};
  for (int n = 1; n <= 18; ++n) figures[n] = field;
  figures[19] = a;
  figures[20] = b;
  figures[21] = c;
  return figures;
}

std::vector<std::string> SoundBoard() {
  std::vector<std::string> values{"Dealer=S", "Vulnerable=None", "Deal=x", "Site=0"};
  for (int n = 1; n <= 18; ++n) values.push_back((n < 10 ? "0" : "") + std::to_string(n) + "=N,4S,10,420");
  return values;
}

}  // namespace

TEST(PlayerResults, ResultLineHas25ItemsWithFiguresTimes100) {
  const Contract fourSpadesDoubled{MakeBid(4, Spade), 1, South};
  const std::string line = ResultLine(fourSpadesDoubled, North, 10, 590, Figures(-7.0 / 6, 7.5, 12.0, 3.0));
  EXPECT_EQ(line,
            "S,4~SX,10,590,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,-117,"
            "-117,750,1200,300");
  const auto read = ReadFiledResult(line);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->items.size(), 25u);
  EXPECT_EQ(read->declarer(), "S");
  EXPECT_EQ(read->contract(), "4~SX");
  EXPECT_EQ(read->tricks(), "10");
  EXPECT_EQ(read->score(), "590");
  EXPECT_EQ(read->FiledFigureAt(1), -117);
  EXPECT_EQ(read->FiledFigureAt(21), 300);
  EXPECT_FALSE(read->FiledFigureAt(22));
  EXPECT_DOUBLE_EQ(read->userFigures[0], 7.5);
  EXPECT_DOUBLE_EQ(read->userFigures[1], 12.0);
  EXPECT_DOUBLE_EQ(read->userFigures[2], 3.0);
}

TEST(PlayerResults, PassedOutBoardFilesPassNoTricksNoScore) {
  const std::string line = ResultLine(Contract{}, East, 7, 0, Figures(6, 6, 6, 6));
  EXPECT_EQ(line.substr(0, 11), "N,Pass,0,0,");
  EXPECT_EQ(ReadFiledResult(line)->contract(), "Pass");
  // The longest contract text still fits five characters.
  EXPECT_EQ(ReadFiledResult(ResultLine(Contract{MakeBid(6, NT), 2, West}, North, 12, -2980, Figures(0, 0, 0, 0)))
                ->contract(),
            "6~NXX");
}

TEST(PlayerResults, LinesThatDoNotCountAreIgnored) {
  EXPECT_FALSE(ReadFiledResult(kNoFiledLine));
  EXPECT_FALSE(ReadFiledResult(kResultLegend));
  EXPECT_FALSE(ReadFiledResult(""));
  EXPECT_FALSE(ReadFiledResult("S,4~S,10,420,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,600,600"));  // 24 items
  EXPECT_FALSE(ReadFiledResult("S,4~S,10,420,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,600,six,600"));
  // More than 25 items still count; the user's figures are items 22 to 24.
  const auto longer = ReadFiledResult("S,4~S,10,420,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,600,-50,12,extra");
  ASSERT_TRUE(longer);
  EXPECT_DOUBLE_EQ(longer->userFigures[1], -0.5);
}

TEST(PlayerResults, SavingTwiceLeavesOneLineAndReachesTheDisk) {
  const quorval::testing::TempFolder file;
  {
    TMyINI options(file.File("Options.INI"));
    options.WriteString("Ann", "ComputerSkill", "8");
    EXPECT_TRUE(SaveScore(options, "Ann", "Imp01.05", ResultLine(Contract{MakeBid(3, NT), 0, North}, North, 9, 400,
                                                                 Figures(0, 1, 2, 3))));
    EXPECT_TRUE(SaveScore(options, "Ann", "Imp01.05", ResultLine(Contract{MakeBid(3, NT), 0, North}, North, 8, -50,
                                                                 Figures(0, -1, -2, -3))));
    EXPECT_FALSE(options.Modified());
    // On disk already, before the store is closed.
    const std::string text = file.Read("Options.INI");
    EXPECT_EQ(text.find("Imp01.05=N,3~N,9"), std::string::npos);
    EXPECT_NE(text.find("Imp01.05=N,3~N,8,-50,"), std::string::npos);
  }
  TMyINI reopened(file.File("Options.INI"));
  std::vector<std::string> lines;
  reopened.ReadSectionValues("Ann", lines);
  EXPECT_EQ(lines.size(), 2u);
  const auto read = ReadFiledResult(FiledLine(reopened, "Ann", "imp01.05"));
  ASSERT_TRUE(read);
  EXPECT_DOUBLE_EQ(read->userFigures[2], -3);
}

TEST(PlayerResults, SessionResultsAndPlayedBoardsComeFromThePlayersOwnSection) {
  TBigIniFile options("");
  options.WriteString("Ann", "Result", kResultLegend);
  options.WriteString("Ann", "Par03.01", ResultLine(Contract{MakeBid(2, Heart), 0, South}, North, 8, 110,
                                                    Figures(6, 9, 6, 3)));
  options.WriteString("Ann", "Par03.27", ResultLine(Contract{}, North, 0, 0, Figures(6, 6, 6, 6)));
  options.WriteString("Ann", "Par03.14", "S,4~S,10");  // hand-edited, too short
  options.WriteString("Ann", "Par04.02", ResultLine(Contract{}, North, 0, 0, Figures(6, 6, 6, 6)));
  options.WriteString("Bob", "Par03.02", ResultLine(Contract{}, North, 0, 0, Figures(6, 6, 6, 6)));

  const auto session = ReadSessionResults(options, "Ann", "Par", "03");
  int counted = 0;
  for (const auto& board : session) counted += board ? 1 : 0;
  EXPECT_EQ(counted, 2);
  EXPECT_TRUE(session[0]);
  EXPECT_TRUE(session[26]);
  EXPECT_FALSE(session[1]);    // Bob's board, not Ann's
  EXPECT_FALSE(session[13]);
  EXPECT_EQ(FiledLine(options, "Ann", "Par03.02"), "nope");

  options.WriteString("Ann", "0123456789ABCDEF:Par03.04", ResultLine(Contract{}, North, 0, 0, Figures(6, 6, 6, 6)));
  const auto all = ReadPlayerResults(options, "Ann");
  ASSERT_EQ(all.size(), 3u);   // the line of another event set is not among them
  EXPECT_EQ(all[0].first, "Par03.01");
  EXPECT_EQ(all[2].first, "Par04.02");

  EXPECT_TRUE(IsBoardPlayed(options, "Ann", "Par", "03", 1));
  EXPECT_FALSE(IsBoardPlayed(options, "Ann", "Par", "03", 2));
  EXPECT_TRUE(IsBoardPlayed(options, "Bob", "Par", "03", 2));
}

TEST(BoardScoring, EndOfBoardScoresComparesAndFiles) {
  TBigIniFile options("");
  ComparisonSettings settings;
  settings.mpScoringSys = 2;
  EXPECT_FALSE(IsBoardPlayed(options, "Ann", "Par", "01", 5));
  const auto result = ScoreBoard(Contract{MakeBid(4, Spade), 0, North}, 11, 0, South, SoundBoard(), "Par01.05",
                                 settings, options, "Ann");
  EXPECT_EQ(result.BoardScore, 450);
  ASSERT_TRUE(result.comparison.built);
  EXPECT_TRUE(result.filed);
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.comparison.HandFigures[0], "12.0");
  EXPECT_TRUE(IsBoardPlayed(options, "Ann", "Par", "01", 5));
  const auto read = ReadFiledResult(FiledLine(options, "Ann", "Par01.05"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->score(), "450");
  EXPECT_EQ(read->FiledFigureAt(1), 500);  // ties five, loses to the user
  EXPECT_DOUBLE_EQ(read->userFigures[0], 12);

  // A passed-out board is scored 0 and files the seat before the dealer.
  const auto passed = ScoreBoard(Contract{}, 0, 3, South, SoundBoard(), "Par01.06", settings, options, "Ann");
  EXPECT_EQ(passed.BoardScore, 0);
  EXPECT_EQ(FiledLine(options, "Ann", "Par01.06").substr(0, 11), "E,Pass,0,0,");
}

TEST(BoardScoring, ABoardWithABadResultKeepsTheEarlierLine) {
  TBigIniFile options("");
  options.WriteString("Ann", "Imp01.05", "earlier");
  auto values = SoundBoard();
  values[10] = "07=N,4S,10,420,extra";
  ComparisonSettings settings;
  settings.imps = true;
  const auto result = ScoreBoard(Contract{MakeBid(4, Spade), 0, North}, 10, 0, South, values, "Imp01.05", settings,
                                 options, "Ann");
  EXPECT_EQ(result.BoardScore, 420);
  EXPECT_FALSE(result.comparison.built);
  EXPECT_FALSE(result.filed);
  EXPECT_EQ(FiledLine(options, "Ann", "Imp01.05"), "earlier");
}

