#include <gtest/gtest.h>

#include "subtitle/number_text.h"
#include "subtitle/units.h"

namespace lumetra {
namespace {

struct UnitsCase {
  double value;
  double from;
  double to;
  double expected;
};

TEST(ConvertUnits, RoundsToTheNearestAndExactHalvesToEven) {
  const UnitsCase cases[] = {
      {100, 1000, 25, 2},        {180, 1000, 25, 4},       {60, 1000, 25, 2},
      {1, 23.976, 1000, 42},     {1500, 1000, 25, 38},     {1000, 25, 23.976, 959},
      {1100, 25, 23.976, 1055},  {959, 23.976, 25, 1000},  {12345, 25, 25, 12345},
      {138140, 1000, 25, 3454},  {2180, 1000, 25, 54},     {-100, 1000, 25, -2},
      {999, 29.97, 23.976, 799}, {4995, 1000, 29.97, 150}, {1e15, 25, 1000, 4e16},
  };
  for (const UnitsCase& c : cases) {
    EXPECT_EQ(ConvertUnits(c.value, c.from, c.to), c.expected)
        << c.value << " from " << c.from << " to " << c.to;
  }
}

TEST(NumberText, WholeNumbersAndShortestDecimals) {
  EXPECT_EQ(WholeNumberText(172800), "172800");
  EXPECT_EQ(WholeNumberText(1e20), "100000000000000000000");
  EXPECT_EQ(ShortestDecimal(23.976), "23.976");
  EXPECT_EQ(ShortestDecimal(25), "25");
  EXPECT_EQ(ShortestDecimal(29.97, ','), "29,97");
  EXPECT_EQ(ShortestDecimal(1e300).size(), 301u);
}

}  // namespace
}  // namespace lumetra
