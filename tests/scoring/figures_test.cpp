#include <gtest/gtest.h>

#include <limits>

#include "scoring/figures.h"

using namespace quorval;

TEST(Figures, ImpScaleAtEveryThreshold) {
  struct Row { int difference, imps; };
  const Row rows[] = {
      {0, 0},      {10, 0},     {19, 0},     {20, 1},     {40, 1},     {49, 1},     {50, 2},
      {90, 3},     {130, 4},    {170, 5},    {220, 6},    {250, 6},    {270, 7},    {320, 8},
      {370, 9},    {430, 10},   {470, 10},   {500, 11},   {520, 11},   {600, 12},   {750, 13},
      {900, 14},   {1100, 15},  {1300, 16},  {1500, 17},  {1750, 18},  {2000, 19},  {2250, 20},
      {2500, 21},  {3000, 22},  {3500, 23},  {3990, 23},  {4000, 24},  {7600, 24},  {-20, -1},
      {-30, -1},   {-10, 0},    {-4000, -24}, {-3990, -23}, {-9000, -24},
  };
  for (const auto& row : rows) EXPECT_EQ(ImpsForDifference(row.difference), row.imps) << row.difference;
}

TEST(Figures, ImpScaleSurvivesExtremeDifferences) {
  EXPECT_EQ(ImpsForDifference(std::numeric_limits<int>::min()), -24);
  EXPECT_EQ(ImpsForDifference(std::numeric_limits<int>::max()), 24);
}

TEST(Figures, FiledFiguresRoundHalvesToEven) {
  struct Row { double figure; int filed; };
  const Row rows[] = {
      {7.5, 750},   {12.0, 1200},   {-7.0 / 6, -117}, {0.125, 12},  {0.375, 38},  {-0.125, -12},
      {26.0 / 6, 433}, {-26.0 / 6, -433}, {1.0 / 6, 17}, {-6.0, -600}, {0.0, 0},   {11.0 / 6, 183},
  };
  for (const auto& row : rows) EXPECT_EQ(FiledFigure(row.figure), row.filed) << row.figure;
}

TEST(Figures, FixedTextsDoNotDependOnTheCLocale) {
  EXPECT_EQ(FixedText(26.0 / 6, 4, 2), "4.33");
  EXPECT_EQ(FixedText(6.0, 4, 1), " 6.0");
  EXPECT_EQ(FixedText(-6.0, 4, 1), "-6.0");
  EXPECT_EQ(FixedText(-1.0 / 6, 4, 2), "-0.17");
  EXPECT_EQ(FixedText(62.5, 6, 1), "  62.5");
  EXPECT_EQ(FixedText(26.0 / 6, 4, 2, ','), "4,33");
  EXPECT_EQ(FixedText(1234.5, 4, 1), "1234.5");
}
