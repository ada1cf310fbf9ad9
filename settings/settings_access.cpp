#include "settings/settings_access.h"

#include <QLocale>
#include <cmath>
#include <limits>

QString ReadSetting(const SettingsStore& store, const setting_keys::SettingKey& key) {
  return ReadSetting(store, key, setting_keys::FactoryValue(key));
}

QString ReadSetting(const SettingsStore& store, const setting_keys::SettingKey& key,
                    const QString& fallback) {
  return store.read(QString::fromUtf8(key.section), QString::fromUtf8(key.name), fallback);
}

void WriteSetting(SettingsStore& store, const setting_keys::SettingKey& key, const QString& value) {
  store.write(QString::fromUtf8(key.section), QString::fromUtf8(key.name), value);
}

std::optional<int> ToInt16(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || value < std::numeric_limits<short>::min() ||
      value > std::numeric_limits<short>::max()) {
    return std::nullopt;
  }
  return value;
}

std::optional<bool> ToTruth(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
    return true;
  if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
    return false;
  const auto value = ToNumber(trimmed);
  if (!value)
    return std::nullopt;
  return *value != 0;
}

std::optional<double> ToNumber(const QString& text) {
  bool ok = false;
  // Stored numbers are written by this program, so they use "." whatever the locale.
  const double value = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok || std::isnan(value))
    return std::nullopt;
  return value;
}
