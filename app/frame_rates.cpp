#include "app/frame_rates.h"

#include <cmath>

QStringList FrameRateEntries() {
  return {QStringLiteral("23.976"), QStringLiteral("24"), QStringLiteral("25"),
          QStringLiteral("29.97"), QStringLiteral("30")};
}

double FrameRateOfEntry(const QString& entry) {
  // Only the leading digits and one point count, like reading a number off a label.
  qsizetype end = 0;
  bool point = false;
  while (end < entry.size()) {
    const QChar c = entry.at(end);
    if (c.isDigit() && c.unicode() < 128) {
      ++end;
    } else if (c == QLatin1Char('.') && !point) {
      point = true;
      ++end;
    } else {
      break;
    }
  }
  bool ok = false;
  const double rate = entry.left(end).toDouble(&ok);
  return ok ? rate : 0.0;
}

int FrameRatePosition(double rate) {
  const QStringList entries = FrameRateEntries();
  for (int i = 0; i < entries.size(); ++i) {
    if (std::abs(FrameRateOfEntry(entries.at(i)) - rate) < 1e-9)
      return i;
  }
  return -1;
}
