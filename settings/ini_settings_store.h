#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "settings/settings_store.h"

// The settings store as an INI file, kept through QSettings. The file holds every section
// under its own name ("[General]", "[Settings]") and every key letter for letter, so
// "Correct-I/l" and "Correct-?./!." appear in the file as they are spelled in the program.
class IniSettingsStore : public SettingsStore {
 public:
  // The per-user file of the application "Lumetra".
  IniSettingsStore();
  // A file of one's own choosing (tests use a temporary folder).
  explicit IniSettingsStore(const QString& filePath);
  ~IniSettingsStore() override;

  QString read(const QString& section, const QString& key, const QString& fallback) const override;
  // The file is written at once; a failing write is ignored, as every caller wants.
  void write(const QString& section, const QString& key, const QString& value) override;

  QString fileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};
