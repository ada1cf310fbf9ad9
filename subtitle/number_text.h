#pragma once

#include <cstdint>
#include <string>

namespace lumetra {

// The two decimal digits of 0 <= value < 100: a table lookup instead of two divisions.
inline const char* DigitPair(unsigned value) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  return kPairs + 2 * value;
}
// Writes a whole number in decimal at `out` (20 characters at most); returns the end. The
// 20 characters must be free even for a shorter number: bytes after it may be written.
char* PutDecimal(char* out, std::uint64_t value);
// Writes a time of whole units for a writer: below 0 (or no number at all) as 0. Needs
// room for 20 characters, as PutDecimal.
char* PutTime(char* out, double value);
// The whole number of units a writer writes for a time: 0 below 0 or for no number at all.
std::uint64_t WrittenUnits(double value);
// Appends a whole number in decimal.
void AppendDecimal(std::string& out, std::uint64_t value);
// Appends a whole-valued double as a plain decimal integer.
void AppendWholeNumber(std::string& out, double value);
std::string WholeNumberText(double value);
// Shortest decimal text of a finite number with the given decimal separator: 23.976, 24, 24.5.
std::string ShortestDecimal(double value, char decimalSeparator = '.');

}  // namespace lumetra
