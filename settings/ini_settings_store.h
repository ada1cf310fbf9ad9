#pragma once

#include <QMap>
#include <QSettings>
#include <QString>
#include <memory>

#include "settings/settings_store.h"

// The settings store as an INI file, kept through QSettings. The file holds every section
// under its own name ("[General]", "[Settings]") and every key letter for letter, so
// "Correct-I/l" and "Correct-?./!." appear in the file as they are spelled in the program.
//
// Only a regular file (or none yet) is read and written. Anything else under that name (a
// FIFO, a device, a folder) is left alone, since reading it could block for ever: the store
// then starts with the factory values and keeps what is written in memory for this run.
class IniSettingsStore : public SettingsStore {
 public:
  // The per-user file of the application "Lumetra" (~/.config/Lumetra/Lumetra.ini).
  IniSettingsStore();
  // A file of one's own choosing (tests use a temporary folder).
  explicit IniSettingsStore(const QString& filePath);
  ~IniSettingsStore() override;

  QString read(const QString& section, const QString& key, const QString& fallback) const override;
  // The file is written at once; a failing write is ignored, as every caller wants.
  void write(const QString& section, const QString& key, const QString& value) override;

  QString fileName() const { return filePath_; }

 private:
  QString filePath_;
  std::unique_ptr<QSettings> settings_;  // null when the file is not a regular file
  QMap<QString, QString> unsaved_;       // written while the file could not take it
};
