// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Numbers as the player types them and as the settings file holds them: the leading numeric part
// of the text (leading blanks, an optional sign, digits and one "."), 0 when there is none.
// No exponents, no "inf" or "nan": the result is always finite.
double readnumber(std::string_view text);

// Plain decimal text without a leading blank: "-" for negatives, "." as the decimal separator,
// the shortest form that reads back to the same value ("14", "2.5", "-5").
std::string formatnumber(double value);

// The whole number nearest to value, halves to the even neighbour.
double roundhalfeven(double value);
