// The player's filed boards exported as PBN and read back by the program's
// own reader: the same deals, auctions, plays and results.
#include <algorithm>
#include <array>
#include <cmath>

#include <QDir>
#include <QFile>

#include "data/kept_play.h"
#include "data/pbn_board.h"
#include "game/pbn_export.h"
#include "scoring/contract_score.h"
#include "scoring/player_results.h"
#include "tests/table/desk_fixture.h"
#include "ui/export_boards.h"

namespace quorval {
namespace {

class PbnExportTest : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    plays_ = std::make_unique<TMyINI>(kKeptPlayFileName);
    files_->plays = plays_.get();
  }
  void TearDown() override {
    DeskTest::TearDown();
    files_->plays = nullptr;
  }
  void Play(const std::vector<std::string>& keys) {
    TDeskTop& desk = Desk();
    desk.Game().SetSkillOverride(3);   // the play only has to be legal
    for (const std::string& key : keys)
      ASSERT_TRUE(desk.AutoPlayBoard(key.substr(0, 3), key.substr(3, 2), std::stoi(key.substr(6)))) << key;
  }
  FiledResult Filed(const std::string& key) const {
    return ReadFiledResult(FiledLine(*options_, "Tester", key)).value();
  }
  std::unique_ptr<TMyINI> plays_;
};

// The figure of a score-table cell in hundredths, as the results file files it.
int Hundredths(const std::string& cell) { return static_cast<int>(std::lround(std::stod(cell) * 100)); }

// The exported par contract ("NS 4S", "EW 5DX") scored with the exported
// double-dummy tricks: it must give the exported optimum score.
std::string ParScoreOf(const PbnBoard& b) {
  const std::string& par = b.parContract;
  if (par == "Pass") return "NS 0";
  EXPECT_GE(par.size(), 5u) << par;
  if (par.size() < 5) return "?";
  const bool ns = par.substr(0, 3) == "NS ";
  const std::string strains = "CDHSN";
  Contract contract;
  contract.bid = MakeBid(par[3] - '0', static_cast<int>(strains.find(par[4])));
  contract.DoubledCount = static_cast<int>(std::count(par.begin(), par.end(), 'X'));
  int best = -1;
  for (Seat seat : ns ? std::array<Seat, 2>{North, South} : std::array<Seat, 2>{East, West})
    if ((*b.optimum)[size_t(contract.strain())][size_t(seat)] > best) {
      best = (*b.optimum)[size_t(contract.strain())][size_t(seat)];
      contract.declarer = seat;
    }
  return "NS " + std::to_string(ContractScore(contract, best, b.vul));   // North-South's score
}

}  // namespace

TEST_F(PbnExportTest, ExportReadBackGivesTheSameDealsAuctionsPlaysAndResults) {
  // A plain board, a board turned by two seats, one turned by one seat (its
  // field's scores change sign) and one whose field holds a passed-out table.
  const std::vector<std::string> keys = {"Imp01.01", "Imp01.03", "Par01.01", "Par01.04"};
  Play(keys);
  EXPECT_EQ(FiledBoardKeys(*files_), keys);
  const PbnExportResult exported = ExportFiledBoards(*files_, FiledBoardKeys(*files_));
  EXPECT_TRUE(exported.notes.empty()) << exported.notes.front();
  ASSERT_EQ(exported.boards, 4);

  const PbnRead read = ReadPbnText(exported.text, "export.pbn", PbnCheck::Whole);
  ASSERT_TRUE(read.problems.empty()) << read.problems.front().Text();
  ASSERT_EQ(read.boards.size(), 4u);
  for (size_t i = 0; i < keys.size(); ++i) {
    const std::string& key = keys[i];
    const PbnBoard& b = read.boards[i];
    const KeptPlayRead kept = ReadKeptPlay(*plays_, "Tester", key);
    ASSERT_TRUE(kept.Sound()) << key << ": " << kept.fault;
    const FiledResult filed = Filed(key);
    EXPECT_EQ(b.event, key);
    EXPECT_EQ(b.boardNumber, std::stoi(key.substr(6)));
    EXPECT_EQ(b.players[South], "Tester");
    EXPECT_EQ(b.players[North], "Computer");
    EXPECT_EQ(b.scoring, key[0] == 'I' ? "IMP" : "MP");
    EXPECT_EQ(b.deal, kept.play->deal) << key;
    EXPECT_EQ(b.dealer, kept.play->dealer) << key;
    EXPECT_EQ(b.vul, kept.play->vul) << key;
    EXPECT_EQ(b.calls, kept.play->calls) << key;
    EXPECT_EQ(b.cards, kept.play->cards) << key;
    EXPECT_EQ(b.cards.size(), 52u) << key;
    EXPECT_EQ(b.openingLeader, kept.play->openingLeader) << key;
    ASSERT_TRUE(b.contract && b.result) << key;
    EXPECT_EQ(ContractText(*b.contract, true), filed.contract()) << key;
    EXPECT_EQ(SeatLetter(b.contract->declarer), filed.declarer()[0]) << key;
    EXPECT_EQ(std::to_string(*b.result), filed.tricks()) << key;
    EXPECT_EQ(b.score, "NS " + filed.score()) << key;
    EXPECT_TRUE(b.optimum.has_value()) << key;
    EXPECT_EQ(b.optimumScore, ParScoreOf(b)) << key << " " << b.parContract;

    // The field: per stratum the player's row first, then its six results,
    // each with the figure filed for it.
    const PbnTable& t = b.scoreTable;
    ASSERT_EQ(t.rows.size(), 21u) << key;
    const int figure = t.Column(key[0] == 'I' ? "IMP_NS" : "MP_NS");
    ASSERT_GE(figure, 0) << key;
    for (int s = 0; s < 3; ++s) {
      const auto& own = t.rows[size_t(s * 7)];
      EXPECT_EQ(own[0], std::string(1, char('A' + s)));
      EXPECT_EQ(own[1], "Tester");
      EXPECT_EQ(Hundredths(own[size_t(figure)]), *filed.FiledFigureAt(19 + s)) << key;
      for (int r = 1; r <= 6; ++r) {
        const int n = s * 6 + r;
        EXPECT_EQ(t.rows[size_t(s * 7 + r)][1], (n < 10 ? "0" : "") + std::to_string(n));
        EXPECT_EQ(Hundredths(t.rows[size_t(s * 7 + r)][size_t(figure)]), *filed.FiledFigureAt(n)) << key << " " << n;
      }
    }
  }
  // Imp01.03 is turned by two seats: its field result 01, "W,3S,9,-140" in
  // the results file, is East's at the table, with the same score.
  EXPECT_EQ(read.boards[1].scoreTable.rows[1][3], "E");
  EXPECT_EQ(read.boards[1].scoreTable.rows[1][5], "-140");
  // Par01.01 is turned by one seat: "S,4H,10,420" is West's, and the score
  // changes sign.
  EXPECT_EQ(read.boards[2].scoreTable.rows[1][2], "4H");
  EXPECT_EQ(read.boards[2].scoreTable.rows[1][3], "W");
  EXPECT_EQ(read.boards[2].scoreTable.rows[1][5], "-420");
  // Par01.04: result 07 is a passed-out table.
  const auto& passed = read.boards[3].scoreTable.rows[8];
  EXPECT_EQ(passed[1], "07");
  EXPECT_EQ(passed[2], "Pass");
  EXPECT_EQ(passed[5], "0");
}

TEST_F(PbnExportTest, PassedOutBoardHasPassAsContractAndNoPlay) {
  UseLibrary("[Imp01.02.D]\r\nP,P,P,P,Lead,QS,100\r\n");
  Play({"Imp01.02"});
  const PbnExportResult exported = ExportFiledBoards(*files_, {"Imp01.02"});
  ASSERT_EQ(exported.boards, 1);
  EXPECT_NE(exported.text.find("[Declarer \"\"]\r\n[Contract \"Pass\"]\r\n[Result \"\"]\r\n"), std::string::npos)
      << exported.text;
  EXPECT_NE(exported.text.find("Pass Pass Pass Pass\r\n"), std::string::npos);
  EXPECT_EQ(exported.text.find("[Play "), std::string::npos);
  const PbnRead read = ReadPbnText(exported.text, "p.pbn", PbnCheck::Whole);
  ASSERT_EQ(read.boards.size(), 1u);
  EXPECT_TRUE(read.boards[0].contract->PassedOut());
  EXPECT_EQ(read.boards[0].scoreTable.rows[0][2], "Pass");
}

TEST_F(PbnExportTest, BoardsWithoutResultOrWithoutAFittingPlayAreNoted) {
  Play({"Imp01.01", "Imp01.04"});
  // The play of Imp01.04 no longer fits its result.
  plays_->WriteString("Tester", "Imp01.04.Auction", "P,P,P,P");
  const PbnExportResult exported = ExportFiledBoards(*files_, {"Imp01.01", "Imp01.02", "Imp01.04"});
  EXPECT_EQ(exported.boards, 2);
  ASSERT_EQ(exported.notes.size(), 2u);
  EXPECT_EQ(exported.notes[0], "Imp01.02: no filed result, skipped");
  EXPECT_NE(exported.notes[1].find("Imp01.04: exported without its auction and play"), std::string::npos)
      << exported.notes[1];
  const PbnRead read = ReadPbnText(exported.text, "e.pbn", PbnCheck::Whole);
  ASSERT_EQ(read.boards.size(), 2u);
  EXPECT_TRUE(read.boards[1].calls.empty());
  EXPECT_TRUE(read.boards[1].cards.empty());
  ASSERT_TRUE(read.boards[1].contract.has_value());
  EXPECT_EQ(ContractText(*read.boards[1].contract, true), Filed("Imp01.04").contract());

  EXPECT_EQ(FiledBoardKeys(*files_, "Imp", "01"), (std::vector<std::string>{"Imp01.01", "Imp01.04"}));
  EXPECT_TRUE(FiledBoardKeys(*files_, "Par", "01").empty());
  EXPECT_TRUE(ExportFiledBoards(*files_, {"Par01.01"}).text.empty());
}

TEST_F(PbnExportTest, FileIsWrittenWholeOrNotAtAll) {
  const QString path = dir_.filePath("boards.pbn");
  QString error;
  ASSERT_TRUE(WriteExportFile(path, "% PBN 2.1\r\n", error)) << error.toStdString();
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray("% PBN 2.1\r\n"));
  EXPECT_FALSE(WriteExportFile(dir_.filePath("no/such/folder/boards.pbn"), "x", error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace quorval

namespace quorval {

TEST_F(PbnExportTest, AnotherSetIsPlayedByStartingAgainInItsFolderWithThePlayersSettings) {
  TDeskTop& desk = Desk("Imp", 5);
  QStringList started;
  bool startable = true;
  desk.EventSets().SetRestarter([&](const QStringList& arguments) {
    started = arguments;
    return startable;
  });
  ASSERT_TRUE(QDir(dir_.path()).mkdir("club"));
  const QString club = dir_.filePath("club");
  ResetMessageCounts();
  EXPECT_FALSE(desk.EventSets().PlayEventSet(club));   // no board file yet
  EXPECT_TRUE(LastMessage().find("no Lisk2005.ini") != std::string::npos) << LastMessage();
  EXPECT_TRUE(started.isEmpty());

  ASSERT_TRUE(QFile::copy(QString(QUORVAL_FIXTURES "/events/Lisk2005.ini"), club + "/Lisk2005.ini"));
  Option.Language = 2;
  Option.ColorSkin = "Olive";
  startable = false;
  EXPECT_FALSE(desk.EventSets().PlayEventSet(club));   // the program could not be started again: the table stays
  EXPECT_TRUE(desk.isVisible());
  startable = true;
  EXPECT_TRUE(desk.EventSets().PlayEventSet(club));
  EXPECT_EQ(started, (QStringList{"--dir", QDir(club).absolutePath(), "--player", "Tester"}));
  EXPECT_FALSE(desk.isVisible());
  TMyINI there((club + "/Options.INI").toStdString());
  EXPECT_EQ(there.ReadString("Tester", "Language", ""), "no");
  EXPECT_EQ(there.ReadString("Tester", "ColorSkin", ""), "Olive");
  EXPECT_EQ(there.ReadString("Tester", "Session", ""), "01");
  EXPECT_EQ(there.ReadString("Tester", "LastHandPlayed", ""), "0");
  EXPECT_EQ(there.ReadString("Tester", "Event", ""), "Imp");
  // The board the player was at here is kept for his return.
  EXPECT_EQ(options_->ReadString("Tester", "LastHandPlayed", ""), "4");
}

}  // namespace quorval
