#include <gtest/gtest.h>

#include "data/comma_text.h"

using namespace quorval;
using Items = std::vector<std::string>;

TEST(CommaText, ReadsItems) {
  const struct {
    const char* text;
    Items items;
  } rows[] = {
      {"a,,b", {"a", "", "b"}},
      {"a b", {"a", "b"}},
      {"N,4S,10,420", {"N", "4S", "10", "420"}},
      {"  \t a , b", {"a", "b"}},
      {"N,\"Passed out\",0,0", {"N", "Passed out", "0", "0"}},
      {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
      {"\"\"", {""}},
      {"", {}},
      {"   ", {}},
      {",", {"", ""}},
      {"a,", {"a", ""}},
      {"a, ", {"a"}},
      {"\"open", {"open"}},
      {"\"ab\"cd,e", {"ab", "cd", "e"}},
      {"P,1S,P,P,P,Lead,5C,75,QD,25", {"P", "1S", "P", "P", "P", "Lead", "5C", "75", "QD", "25"}},
  };
  for (const auto& row : rows) EXPECT_EQ(ReadCommaText(row.text), row.items) << row.text;
}

TEST(CommaText, WritesItemsQuotingOnlyWhereNeeded) {
  const struct {
    Items items;
    const char* text;
  } rows[] = {
      {{"N", "Passed out"}, "N,\"Passed out\""},
      {{""}, "\"\""},
      {{}, ""},
      {{"a", "", "b"}, "a,,b"},
      {{"a,b"}, "\"a,b\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"tab\there"}, "\"tab\there\""},
      {{"Søren"}, "Søren"},
  };
  for (const auto& row : rows) EXPECT_EQ(WriteCommaText(row.items), row.text) << row.text;
}

TEST(CommaText, EveryWrittenListReadsBack) {
  const Items lists[] = {
      {"", ""},      {"a", ""},           {"", "a"},         {"a", "", ""}, {" lead", "trail "},
      {"\"", ","},   {"x\ny", "\r"},      {std::string("n\0l", 3)},       {"Declarer", "MP/IMPS for 1-18", " User A"},
  };
  for (const auto& items : lists) EXPECT_EQ(ReadCommaText(WriteCommaText(items)), items) << WriteCommaText(items);
}
