#pragma once

#include <QString>

// The per-user key-value store of the program: sections "General" and "Settings" of the
// application "Lumetra". Values are always text; callers convert them.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Returns the stored text, or `fallback` when the key is absent.
  virtual QString read(const QString& section, const QString& key,
                       const QString& fallback) const = 0;
  // Creates or replaces the value.
  virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};
