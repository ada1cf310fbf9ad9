#include "settings/ini_settings_store.h"

#include "settings/ini_format.h"

namespace {
QString FullKey(const QString& section, const QString& key) {
  return section + QLatin1Char('/') + key;
}
}  // namespace

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(ini_format::Format(), QSettings::UserScope,
                                            QStringLiteral("Lumetra"), QStringLiteral("Lumetra"))) {
}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, ini_format::Format())) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString& section, const QString& key,
                               const QString& fallback) const {
  const QVariant value = settings_->value(FullKey(section, key));
  return value.isValid() ? value.toString() : fallback;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
  settings_->setValue(FullKey(section, key), value);
  settings_->sync();
}

QString IniSettingsStore::fileName() const {
  return settings_->fileName();
}
