#pragma once

#include <QListWidget>
#include <QString>

// The folder list of the open dialog (Dir1): the folders from the volume's root down to the
// current folder, each one step further in, then the folders inside the current one. Activating
// an entry (double click or Enter) makes it the current folder.
class FolderList : public QListWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent = nullptr);

  const QString& path() const { return path_; }
  const QString& root() const { return root_; }
  // Shows `path` (which must lie under `root`) and announces it when it differs.
  void setLocation(const QString& root, const QString& path);
  // Moves to another folder under the same root.
  void setPath(const QString& path);

 signals:
  void pathChanged(const QString& path);

 private:
  void fill();
  void addEntry(const QString& path, const QString& label, int depth, bool open);

  QString root_ = QStringLiteral("/");
  QString path_;
};
