#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "settings/ini_settings_store.h"
#include "settings/settings_store.h"

// A settings store in a fresh temporary folder, thrown away with the test: no test reads or
// writes the real user's settings. `initialText` is the INI file before the store opens it;
// `written` lists "Section/Key" of every write.
class TempIniStore : public SettingsStore {
 public:
  explicit TempIniStore(const QString& initialText = QString())
      : store_(prepare(dir_, initialText)) {}

  QString read(const QString& section, const QString& key, const QString& fallback) const override {
    return store_.read(section, key, fallback);
  }
  void write(const QString& section, const QString& key, const QString& value) override {
    written << section + QLatin1Char('/') + key;
    store_.write(section, key, value);
  }

  QString fileText() const {
    QFile file(store_.fileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
  // A stored value read back from the file through a fresh store.
  QString storedValue(const QString& section, const QString& key) const {
    return IniSettingsStore(store_.fileName()).read(section, key, QStringLiteral("<absent>"));
  }

  QStringList written;

 private:
  static QString prepare(const QTemporaryDir& dir, const QString& initialText) {
    const QString path = dir.filePath(QStringLiteral("Lumetra.ini"));
    QFile file(path);
    if (!initialText.isEmpty() && file.open(QIODevice::WriteOnly))
      file.write(initialText.toUtf8());
    return path;
  }

  QTemporaryDir dir_;
  IniSettingsStore store_;
};
