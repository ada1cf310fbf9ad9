#pragma once

#include <QString>
#include <optional>

#include "settings/setting_keys.h"
#include "settings/settings_store.h"

// Reading and writing through the key table, and the two conversions callers apply to the
// stored text. A text that does not convert gives nullopt: the caller skips its step.

// The user's home folder with a trailing separator: where the open dialog starts by default.
QString DefaultFolder();
// The factory text of a setting ("Folder" gives DefaultFolder()).
QString FactoryValue(const setting_keys::Setting& setting);

// The stored text, or the setting's factory value when it is absent.
QString ReadSetting(const SettingsStore& store, const setting_keys::Setting& setting);
// The stored text, or `fallback` when it is absent (the few reads with another default).
QString ReadSetting(const SettingsStore& store, const setting_keys::Setting& setting,
                    const QString& fallback);
void WriteSetting(SettingsStore& store, const setting_keys::Setting& setting, const QString& value);

// A whole number that fits 16 bits ("4", " -1 "); anything else is nullopt.
std::optional<int> ToInt16(const QString& text);
// Any number written with "." as decimal point ("0", "2.5", "1e3").
std::optional<double> ToNumber(const QString& text);
// A non-zero number or "True" is true; zero or "False" is false (case ignored).
std::optional<bool> ToTruth(const QString& text);
