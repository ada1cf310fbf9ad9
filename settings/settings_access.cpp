#include "settings/settings_access.h"

#include <QDir>
#include <QLocale>
#include <cmath>
#include <cstring>
#include <limits>

QString DefaultFolder() {
  QString home = QDir::homePath();
  if (!home.endsWith(QLatin1Char('/')))
    home += QLatin1Char('/');
  return home;
}

QString FactoryValue(const setting_keys::Setting& setting) {
  if (std::strcmp(setting.key, setting_keys::kFolder.key) == 0)
    return DefaultFolder();
  return QString::fromUtf8(setting.factory);
}

QString ReadSetting(const SettingsStore& store, const setting_keys::Setting& setting) {
  return ReadSetting(store, setting, FactoryValue(setting));
}

QString ReadSetting(const SettingsStore& store, const setting_keys::Setting& setting,
                    const QString& fallback) {
  return store.read(QString::fromUtf8(setting.section), QString::fromUtf8(setting.key), fallback);
}

void WriteSetting(SettingsStore& store, const setting_keys::Setting& setting,
                  const QString& value) {
  store.write(QString::fromUtf8(setting.section), QString::fromUtf8(setting.key), value);
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
