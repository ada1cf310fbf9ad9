#include "app/typed_shift.h"

#include <cmath>

namespace {
constexpr double kFarTooLong = 1e9;  // seconds; held here so that the milliseconds fit
}

std::optional<long long> TypedShiftMs(const QString& typed) {
  QString text = typed.trimmed();
  if (text.endsWith(QStringLiteral("sec"), Qt::CaseInsensitive))
    text = text.chopped(3).trimmed();
  int sign = 1;
  if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')) ||
      text.startsWith(QChar(0x2212))) {
    sign = text.startsWith(QLatin1Char('+')) ? 1 : -1;
    text = text.mid(1).trimmed();
  }
  QString digits;
  bool seenMark = false;
  for (const QChar c : text) {
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
      if (seenMark)
        return std::nullopt;
      seenMark = true;
      digits += QLatin1Char('.');
    } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digits += c;
    } else {
      return std::nullopt;
    }
  }
  if (digits.isEmpty() || digits == QLatin1String("."))
    return std::nullopt;
  // Plain ASCII digits and "." only by now, which every locale reads alike.
  const double seconds = std::fmin(digits.toDouble(), kFarTooLong);
  return sign * std::llround(seconds * 1000.0);
}
