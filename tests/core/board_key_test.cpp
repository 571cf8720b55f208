// Board keys: written and read back in one place.
#include <gtest/gtest.h>

#include "core/board_key.h"

namespace quorval {
namespace {

TEST(BoardKeys, NamesTheBoardSectionAndReadsBackItsParts) {
  EXPECT_EQ((BoardKey{"Par", "12", 7}.Text()), "Par12.07");
  EXPECT_EQ((BoardKey{"Imp", "01", 27}.Text()), "Imp01.27");
  const auto parsed = BoardKey::Parse("Imp03.09");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(*parsed, (BoardKey{"Imp", "03", 9}));
  EXPECT_EQ(parsed->Event(), "Imp03");
  EXPECT_EQ(parsed->Text(), "Imp03.09");
  // The case is kept as written; ranges are the callers' to check.
  EXPECT_EQ(BoardKey::Parse("par18.99")->eventType, "par");
  for (const char* bad : {"", "Imp03", "Imp03.9", "Imp03.091", "Imp03-09", "Im103.09", "ImpA3.09", "Imp03.0x"})
    EXPECT_FALSE(BoardKey::Parse(bad)) << bad;
}

}  // namespace
}  // namespace quorval
