#include "app/locale_numbers.h"

#include <QLocale>
#include <cmath>

std::optional<double> ParseLocaleNumber(const QString& text) {
  bool ok = false;
  const double value = QLocale().toDouble(text, &ok);
  if (!ok || !std::isfinite(value))
    return std::nullopt;
  return value;
}

QString FlooredNumberText(double value) {
  // Adding 0.0 turns -0 into 0, so "-0" shows as "0".
  return QString::number(std::floor(value) + 0.0, 'f', 0);
}

QString ShortestLocaleDecimal(double value) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

char LocaleDecimalSeparator() {
  const QString separator = QLocale().decimalPoint();
  if (separator.size() == 1 && separator.at(0).unicode() < 128) {
    return static_cast<char>(separator.at(0).unicode());
  }
  return '.';
}
