// The contract of a result's items, as the field and the filed lines write it.
#include <gtest/gtest.h>

#include "scoring/result_items.h"

namespace quorval {
namespace {

TEST(ResultContract, AnyCaseDoublesAndTheNoTrumpSpellings) {
  struct Row {
    const char* declarer;
    const char* contract;
    CallCode bid;
    int doubled;
    Seat seat;
  };
  const Row rows[] = {{"N", "4S", MakeBid(4, Spade), 0, North},  {"w", "3nt", MakeBid(3, NT), 0, West},
                      {"E", "5HX", MakeBid(5, Heart), 1, East},   {"s", "6cxx", MakeBid(6, Club), 2, South},
                      {"S", "1NTX", MakeBid(1, NT), 1, South},   {"W", "7DXXX", MakeBid(7, Diamond), 2, West}};
  for (const Row& r : rows) {
    const Contract c = ResultContract(r.declarer, r.contract);
    EXPECT_EQ(c.bid, r.bid) << r.contract;
    EXPECT_EQ(c.DoubledCount, r.doubled) << r.contract;
    EXPECT_EQ(c.declarer, r.seat) << r.contract;
  }
}

TEST(ResultContract, WhatNamesNoBidIsPassedOut) {
  for (const char* text : {"Passed out", "PASS", "", "8S", "X"}) EXPECT_TRUE(ResultContract("N", text).PassedOut()) << text;
}

}  // namespace
}  // namespace quorval
