#pragma once

#include <QList>
#include <QString>
#include <functional>

// The drives of the open dialog, as Linux has them: the mounted volumes a user would browse.
struct Volume {
  QString name;      // shown in the drive list, e.g. "Home (/home)"
  QString rootPath;  // clean absolute path: "/" or without a trailing "/"
  bool ready = true;
  bool readOnly = false;
};

using VolumeSource = std::function<QList<Volume>()>;

// The root file system first, then the volume of the home folder and the media mounted under
// /media, /run/media and /mnt; pseudo file systems are left out.
QList<Volume> BrowsableVolumes();
// The volumes the dialog shows now: BrowsableVolumes() unless a test has put in its own.
QList<Volume> CurrentVolumes();
// Tests stand in their own volumes (read-only discs, empty drives); nullptr restores the real.
void SetVolumeSourceForTesting(VolumeSource source);

// True when `path` is `root` itself or lies inside it.
bool PathIsUnder(const QString& path, const QString& root);
// The volume whose root holds `path` most closely, -1 when none does.
int VolumeIndexOf(const QList<Volume>& volumes, const QString& path);
// True for paths below the places where removable media are mounted.
bool IsRemovableMediaPath(const QString& path);
// The folder as the settings keep it: with a trailing "/", except "/" itself, so that the
// folder text followed by a file name is always one correct path.
QString FolderText(const QString& folder);
