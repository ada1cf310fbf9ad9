#include "app/folder_list.h"

#include <QDir>
#include <QStyle>

#include "app/drive_list.h"

namespace {
constexpr int kIndent = 2;  // spaces per step down the tree
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

void FolderList::setLocation(const QString& root, const QString& path) {
  root_ = QDir::cleanPath(root);
  setPath(path);
}

void FolderList::setPath(const QString& path) {
  QString clean = QDir::cleanPath(path);
  if (!PathIsUnder(clean, root_)) {
    clean = root_;
  }
  const bool changed = clean != path_;
  path_ = clean;
  fill();
  if (changed) {
    emit pathChanged(path_);
  }
}

void FolderList::fill() {
  clear();
  // The way down from the root, so the user can go back up any number of steps.
  QStringList chain;
  for (QString step = path_; step != root_; step = QDir::cleanPath(step + QStringLiteral("/.."))) {
    chain.prepend(step);
    if (step == QLatin1String("/")) {
      break;  // guards against a root that is not above the path
    }
  }
  chain.prepend(root_);
  int depth = 0;
  for (const QString& step : chain) {
    const QString label = depth == 0 ? root_ : step.section(QLatin1Char('/'), -1);
    addEntry(step, label, depth++, true);
  }
  setCurrentRow(count() - 1);

  const QDir folder(path_);
  const QStringList names =
      folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) {
    addEntry(folder.filePath(name), name, depth, false);
  }
}

void FolderList::addEntry(const QString& path, const QString& label, int depth, bool open) {
  auto* item = new QListWidgetItem(
      style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon),
      QString(depth * kIndent, QLatin1Char(' ')) + label, this);
  item->setData(Qt::UserRole, path);
  item->setToolTip(path);
}
