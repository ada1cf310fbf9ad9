#pragma once

#include <string>

namespace lumetra {

// Appends a whole-valued double as a plain decimal integer.
void AppendWholeNumber(std::string& out, double value);
std::string WholeNumberText(double value);
// Shortest decimal text of a finite number with the given decimal separator: 23.976, 24, 24.5.
std::string ShortestDecimal(double value, char decimalSeparator = '.');

}  // namespace lumetra
