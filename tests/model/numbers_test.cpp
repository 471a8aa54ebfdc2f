#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(ReadNumber, TakesTheLeadingNumericPartOnlyAndStaysFinite) {
  // Leading blanks, a sign, digits and one "."; no exponents, infinities or nans; thousands of
  // digits give neither an infinity nor a stray value.
  const std::string nines(5000, '9');
  const std::pair<std::string, double> cases[] = {
      {"14", 14},   {"  -7abc", -7}, {"2.5", 2.5}, {"3.5.1", 3.5},  {".5", 0.5},
      {"+8", 8},    {"abc", 0},      {"", 0},      {"-", 0},        {".", 0},
      {"1e999", 1}, {"inf", 0},      {"nan", 0},   {"-infinity", 0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(readnumber(text), value) << '"' << text << '"';
  EXPECT_EQ(readnumber("0." + std::string(5000, '0') + "1"), 0);
  EXPECT_TRUE(std::isfinite(readnumber(nines)) && readnumber(nines) > 1e300);
  EXPECT_TRUE(std::isfinite(readnumber("-" + nines)) && readnumber("-" + nines) < -1e300);
}

TEST(FormatNumber, PlainDecimalWithoutLeadingBlankThatReadsBack) {
  // The settings file and the panels show numbers this way.
  const std::pair<double, const char*> cases[] = {{14, "14"},  {-5, "-5"},   {0, "0"},
                                                  {-0.0, "0"}, {2.5, "2.5"}, {14.5, "14.5"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(formatnumber(value), text);
  EXPECT_EQ(readnumber(formatnumber(0.1)), 0.1);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  // Whole-number settings round this way.
  for (const auto& [value, whole] : {std::pair{2.5, 2.0}, {3.5, 4.0}, {-0.5, 0.0}, {7.2, 7.0}}) {
    EXPECT_EQ(roundhalfeven(value), whole) << value;
  }
}
