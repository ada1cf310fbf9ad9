#include "settings/setting_keys.h"

#include <QDir>
#include <cstring>

namespace setting_keys {

QString DefaultFolder() {
  QString home = QDir::homePath();
  if (!home.endsWith(QLatin1Char('/')))
    home += QLatin1Char('/');
  return home;
}

QString FactoryValue(const SettingKey& key) {
  if (std::strcmp(key.name, kFolder.name) == 0)
    return DefaultFolder();
  return QString::fromUtf8(key.factory);
}

}  // namespace setting_keys
