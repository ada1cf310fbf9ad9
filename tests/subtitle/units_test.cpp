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

class ConvertUnitsTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(ConvertUnitsTest, RoundsHalvesToEven) {
  const UnitsCase& c = GetParam();
  EXPECT_EQ(ConvertUnits(c.value, c.from, c.to), c.expected)
      << c.value << " from " << c.from << " to " << c.to;
}

INSTANTIATE_TEST_SUITE_P(
    Rates, ConvertUnitsTest,
    ::testing::Values(UnitsCase{100, 1000, 25, 2},                                    // 2.5
                      UnitsCase{180, 1000, 25, 4},                                    // 4.5
                      UnitsCase{60, 1000, 25, 2},                                     // 1.5
                      UnitsCase{1, 23.976, 1000, 42}, UnitsCase{1500, 1000, 25, 38},  // 37.5
                      UnitsCase{1000, 25, 23.976, 959}, UnitsCase{1100, 25, 23.976, 1055},
                      UnitsCase{959, 23.976, 25, 1000}, UnitsCase{12345, 25, 25, 12345}));

TEST(ConvertUnits, RoundTripThroughMillisecondsKeepsEveryFrame) {
  for (const double rate : {23.976, 24.0, 25.0, 29.97, 30.0}) {
    for (double frame = 0; frame < 300000; frame += 7) {
      const double ms = ConvertUnits(frame, rate, 1000);
      ASSERT_EQ(ConvertUnits(ms, 1000, rate), frame) << rate;
    }
  }
}

TEST(NumberText, WholeNumbersAndShortestDecimals) {
  EXPECT_EQ(WholeNumberText(0), "0");
  EXPECT_EQ(WholeNumberText(172800), "172800");
  EXPECT_EQ(WholeNumberText(1e20), "100000000000000000000");
  EXPECT_EQ(ShortestDecimal(23.976), "23.976");
  EXPECT_EQ(ShortestDecimal(25), "25");
  EXPECT_EQ(ShortestDecimal(29.97, ','), "29,97");
  EXPECT_EQ(ShortestDecimal(24.5), "24.5");
}

}  // namespace
}  // namespace lumetra
