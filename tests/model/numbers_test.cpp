#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(ReadNumber, TakesTheLeadingNumericPart) {
  EXPECT_EQ(readnumber("14"), 14);
  EXPECT_EQ(readnumber("  -7abc"), -7);
  EXPECT_EQ(readnumber("2.5"), 2.5);
  EXPECT_EQ(readnumber("3.5.1"), 3.5);
  EXPECT_EQ(readnumber(".5"), 0.5);
  EXPECT_EQ(readnumber("+8"), 8);
  EXPECT_EQ(readnumber("abc"), 0);
  EXPECT_EQ(readnumber(""), 0);
  EXPECT_EQ(readnumber("-"), 0);
  EXPECT_EQ(readnumber("."), 0);
}

TEST(ReadNumber, KnowsNoExponentsInfinitiesOrNans) {
  EXPECT_EQ(readnumber("1e999"), 1);
  EXPECT_EQ(readnumber("inf"), 0);
  EXPECT_EQ(readnumber("nan"), 0);
  EXPECT_EQ(readnumber("-infinity"), 0);
}

TEST(ReadNumber, HugeOrTinyDigitStringsStayFinite) {
  const std::string huge(5000, '9');
  EXPECT_TRUE(std::isfinite(readnumber(huge)));
  EXPECT_GT(readnumber(huge), 1e300);
  EXPECT_LT(readnumber("-" + huge), -1e300);
  EXPECT_EQ(readnumber("0." + std::string(5000, '0') + "1"), 0);
}

TEST(FormatNumber, PlainDecimalWithoutLeadingBlank) {
  EXPECT_EQ(formatnumber(14), "14");
  EXPECT_EQ(formatnumber(-5), "-5");
  EXPECT_EQ(formatnumber(0), "0");
  EXPECT_EQ(formatnumber(-0.0), "0");
  EXPECT_EQ(formatnumber(2.5), "2.5");
  EXPECT_EQ(formatnumber(14.5), "14.5");
  EXPECT_EQ(readnumber(formatnumber(0.1)), 0.1);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundhalfeven(2.5), 2);
  EXPECT_EQ(roundhalfeven(3.5), 4);
  EXPECT_EQ(roundhalfeven(-0.5), 0);
  EXPECT_EQ(roundhalfeven(7.2), 7);
}

}  // namespace
