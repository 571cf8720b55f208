// The export options of quorval's command line and the combinations it
// refuses; whole events expand to as many boards as the event set holds.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace quorval {
namespace {

CommandLine Parse(QStringList args) {
  args.prepend("quorval");
  return ParseCommandLine(args);
}

TEST(QuorvalExportOptions, ExportGoesWithOutAndNothingElse) {
  const CommandLine cl = Parse({"--player", "Ann", "--export-pbn", "Imp03,Par01.05", "--out", "b.pbn"});
  EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
  EXPECT_EQ(cl.exportPbn, "Imp03,Par01.05");
  EXPECT_EQ(cl.out, "b.pbn");
  const struct {
    QStringList args;
    const char* error;
  } cases[] = {
      {{"--export-pbn", "Imp03"}, "--export-pbn and --out go together"},
      {{"--out", "b.pbn"}, "--export-pbn and --out go together"},
      {{"--export-pbn", "Imp03", "--out", "b.pbn", "--autoplay", "Imp03"},
       "--export-pbn goes with neither --autoplay, --review nor printing"},
      {{"--export-pbn", "Imp03", "--out", "b.pbn", "--print-hands", "Imp03", "--print-to", "h.pdf"},
       "--export-pbn goes with neither --autoplay, --review nor printing"},
      {{"--export-pbn", "Imp03", "--out", "b.pbn", "--review", "Imp03"},
       "--export-pbn goes with neither --autoplay, --review nor printing"},
      {{"--export-pbn", "", "--out", "b.pbn"}, "--export-pbn needs sessions or board keys"},
  };
  for (const auto& c : cases) {
    const CommandLine bad = Parse(c.args);
    EXPECT_EQ(bad.error.toStdString(), c.error) << c.args.join(' ').toStdString();
    EXPECT_EQ(AnswerCommandLine(bad), 2);
  }
}

TEST(QuorvalExportOptions, AWholeEventIsAsLongAsTheSetSays) {
  QStringList bad;
  const auto length = [](const std::string& event, const std::string& session) {
    return event == "Par" && session == "02" ? 3 : 27;
  };
  const auto boards = ExpandBoardKeys("Par02,Par01.27,Par02.05", bad, length);
  ASSERT_EQ(boards.size(), 5u);
  EXPECT_EQ(boards[2].board, 3);
  EXPECT_EQ(boards[3].board, 27);
  EXPECT_EQ(boards[4].board, 5);   // a board named by its key is taken as it is
  EXPECT_TRUE(bad.isEmpty());
  EXPECT_EQ(ExpandBoardKeys("Imp01", bad).size(), 27u);
}

}  // namespace
}  // namespace quorval
