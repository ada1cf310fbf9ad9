#pragma once

#include <QString>
#include <optional>

// Numbers the user types are read in the user's locale (QLocale's default); numbers the
// program shows back in number fields are plain whole numbers.

// The value of a text the locale accepts as a number (sign, decimal separator, grouping,
// exponent, surrounding spaces); nullopt for anything else, infinities and NaN included.
std::optional<double> ParseLocaleNumber(const QString& text);
// The decimal text of the integer part (towards minus infinity) of a value: 12.5 -> "12".
QString FlooredNumberText(double value);
// The shortest decimal text of a value with the locale's decimal separator: 1.5, 0.25, 30.
QString ShortestLocaleDecimal(double value);
// The locale's decimal separator as one byte, '.' when it is not plain ASCII.
char LocaleDecimalSeparator();
