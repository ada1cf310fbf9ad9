#include "settings/ini_settings_store.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "settings/ini_format.h"

namespace {

QString FullKey(const QString& section, const QString& key) {
  return section + QLatin1Char('/') + key;
}

// Where QSettings keeps the user's file of an application; named here so that the file can
// be looked at before QSettings opens it.
QString UserFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Lumetra/Lumetra.ini");
}

bool IsRegularOrAbsent(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isFile();
}

}  // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(UserFilePath()) {}

IniSettingsStore::IniSettingsStore(const QString& filePath) : filePath_(filePath) {
  if (IsRegularOrAbsent(filePath_)) {
    settings_ = std::make_unique<QSettings>(filePath_, ini_format::Format());
  }
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString& section, const QString& key,
                               const QString& fallback) const {
  const QString fullKey = FullKey(section, key);
  if (const auto kept = unsaved_.constFind(fullKey); kept != unsaved_.constEnd()) {
    return *kept;
  }
  const QVariant value = settings_ ? settings_->value(fullKey) : QVariant();
  return value.isValid() ? value.toString() : fallback;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
  const QString fullKey = FullKey(section, key);
  // Checked at every write: the file may have been replaced since the start.
  if (!settings_ || !IsRegularOrAbsent(filePath_)) {
    unsaved_.insert(fullKey, value);
    return;
  }
  unsaved_.remove(fullKey);
  settings_->setValue(fullKey, value);
  settings_->sync();
}
