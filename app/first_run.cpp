#include "app/first_run.h"

#include "settings/settings_access.h"

namespace keys = setting_keys;

bool TakeFirstRunOfThisVersion(SettingsStore& store) {
  const QString version = QString::fromLatin1(lumetra::kVersion);
  if (ReadSetting(store, keys::kVersie) == version) {
    const auto shown = ToNumber(ReadSetting(store, keys::kEersteKeer));
    // "EersteKeer" other than 0, or not a number at all: this version has been welcomed.
    if (!shown || *shown != 0)
      return false;
  }
  WriteSetting(store, keys::kEersteKeer, QStringLiteral("1"));
  WriteSetting(store, keys::kVersie, version);
  return true;
}
