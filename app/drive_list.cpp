#include "app/drive_list.h"

#include <QDir>
#include <QStorageInfo>

namespace {

VolumeSource& TestSource() {
  static VolumeSource source;
  return source;
}

const QStringList& RemovableMediaPlaces() {
  static const QStringList places = {QStringLiteral("/media"), QStringLiteral("/run/media"),
                                     QStringLiteral("/mnt")};
  return places;
}

// File systems with no files of the user on them.
bool IsPseudoFileSystem(const QByteArray& type) {
  static const QList<QByteArray> pseudo = {
      "proc",        "sysfs",    "devtmpfs",   "devpts",    "tmpfs",      "ramfs",
      "cgroup",      "cgroup2",  "securityfs", "pstore",    "debugfs",    "tracefs",
      "configfs",    "fusectl",  "mqueue",     "hugetlbfs", "bpf",        "autofs",
      "binfmt_misc", "efivarfs", "squashfs",   "nsfs",      "rpc_pipefs", "overlay"};
  return pseudo.contains(type);
}

Volume FromStorage(const QStorageInfo& storage, const QString& name) {
  return Volume{name, QDir::cleanPath(storage.rootPath()), storage.isReady(), storage.isReadOnly()};
}

QString MediaName(const QStorageInfo& storage) {
  const QString root = QDir::cleanPath(storage.rootPath());
  QString label = storage.name();
  if (label.isEmpty()) {
    label = root.section(QLatin1Char('/'), -1);
  }
  return QStringLiteral("%1 (%2)").arg(label, root);
}

bool ContainsRoot(const QList<Volume>& volumes, const QString& root) {
  for (const Volume& volume : volumes) {
    if (volume.rootPath == root) {
      return true;
    }
  }
  return false;
}

}  // namespace

QList<Volume> BrowsableVolumes() {
  QList<Volume> volumes;
  volumes.append(FromStorage(QStorageInfo::root(), QStringLiteral("File System (/)")));

  const QStorageInfo home(QDir::homePath());
  const QString homeRoot = QDir::cleanPath(home.rootPath());
  if (home.isValid() && !ContainsRoot(volumes, homeRoot)) {
    volumes.append(FromStorage(home, QStringLiteral("Home (%1)").arg(homeRoot)));
  }

  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
    const QString root = QDir::cleanPath(storage.rootPath());
    if (!storage.isValid() || IsPseudoFileSystem(storage.fileSystemType()) ||
        !IsRemovableMediaPath(root) || ContainsRoot(volumes, root)) {
      continue;
    }
    volumes.append(FromStorage(storage, MediaName(storage)));
  }
  return volumes;
}

QList<Volume> CurrentVolumes() {
  return TestSource() ? TestSource()() : BrowsableVolumes();
}

void SetVolumeSourceForTesting(VolumeSource source) {
  TestSource() = std::move(source);
}

bool PathIsUnder(const QString& path, const QString& root) {
  if (root == QLatin1String("/")) {
    return path.startsWith(QLatin1Char('/'));
  }
  return path == root || path.startsWith(root + QLatin1Char('/'));
}

int VolumeIndexOf(const QList<Volume>& volumes, const QString& path) {
  const QString clean = QDir::cleanPath(path);
  int best = -1;
  for (int i = 0; i < volumes.size(); ++i) {
    if (PathIsUnder(clean, volumes[i].rootPath) &&
        (best < 0 || volumes[i].rootPath.size() > volumes[best].rootPath.size())) {
      best = i;
    }
  }
  return best;
}

bool IsRemovableMediaPath(const QString& path) {
  const QString clean = QDir::cleanPath(path);
  for (const QString& place : RemovableMediaPlaces()) {
    if (clean.startsWith(place + QLatin1Char('/'))) {
      return true;
    }
  }
  return false;
}

QString FolderText(const QString& folder) {
  const QString clean = QDir::cleanPath(folder);
  return clean == QLatin1String("/") ? clean : clean + QLatin1Char('/');
}
