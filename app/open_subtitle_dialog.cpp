#include "app/open_subtitle_dialog.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/folder_list.h"
#include "app/message_presenter.h"
#include "app/subtitle_recognition.h"
#include "app/window_placement.h"
#include "operations/message.h"
#include "settings/settings_access.h"

namespace {

const QString kCR(QChar(lumetra::kCR));

QString HomeFolder() {
  return QDir::cleanPath(QDir::homePath());
}

template <typename Widget>
Widget* Named(const QString& name, const QString& caption = {}) {
  auto* widget = new Widget(caption);
  widget->setObjectName(name);
  return widget;
}

bool StoredAsTrue(const SettingsStore& store, const setting_keys::Setting& key) {
  return ToTruth(ReadSetting(store, key)).value_or(false);
}

}  // namespace

OpenSubtitleDialog::OpenSubtitleDialog(QWidget* mainWindow, SettingsStore& store,
                                       MessagePresenter& presenter)
    : QWidget(mainWindow, Qt::Window), main_(mainWindow), store_(store), presenter_(presenter) {
  setObjectName(QStringLiteral("frmLumetraBestandOpenen"));
  setAttribute(Qt::WA_DeleteOnClose);  // the close box discards the dialog
  buildControls();
}

void OpenSubtitleDialog::buildControls() {
  drives_ = new QComboBox;
  drives_->setObjectName(QStringLiteral("Drive1"));
  folders_ = new FolderList;
  folders_->setObjectName(QStringLiteral("Dir1"));
  files_ = new QListWidget;
  files_->setObjectName(QStringLiteral("File1"));
  files_->setSortingEnabled(false);  // filled in name order already
  fileName_ = Named<QLineEdit>(QStringLiteral("txtBestandsnaam"));
  fileName_->setReadOnly(true);
  fileName_->setFocusPolicy(Qt::NoFocus);
  QPalette grey = fileName_->palette();
  grey.setColor(QPalette::Base, grey.color(QPalette::Window));
  fileName_->setPalette(grey);
  ok_ = Named<QPushButton>(QStringLiteral("cmdOk"), QStringLiteral("&Open"));
  cancel_ = Named<QPushButton>(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"));

  auto* directory = Named<QGroupBox>(QStringLiteral("Frame2"), QStringLiteral("Directory:"));
  auto* driveRow = new QHBoxLayout;
  driveRow->addWidget(Named<QLabel>(QStringLiteral("lblDrive"), QStringLiteral("Drive:")));
  driveRow->addWidget(drives_, 1);
  auto* directoryLayout = new QVBoxLayout(directory);
  directoryLayout->addLayout(driveRow);
  directoryLayout->addWidget(folders_, 1);

  auto* fileList = Named<QGroupBox>(QStringLiteral("Frame3"), QStringLiteral("File list:"));
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(Named<QLabel>(QStringLiteral("lblBestandsnaam"), QStringLiteral("Filename:")));
  nameRow->addWidget(fileName_, 1);
  auto* fileLayout = new QVBoxLayout(fileList);
  fileLayout->addWidget(files_, 1);
  fileLayout->addLayout(nameRow);

  auto* buttons = Named<QGroupBox>(QStringLiteral("Frame1"));
  auto* buttonLayout = new QHBoxLayout(buttons);
  buttonLayout->addStretch(1);
  buttonLayout->addWidget(ok_);
  buttonLayout->addWidget(cancel_);

  auto* lists = new QHBoxLayout;
  lists->addWidget(directory, 1);
  lists->addWidget(fileList, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addWidget(buttons);
  resize(640, 420);

  connect(drives_, &QComboBox::currentIndexChanged, this, &OpenSubtitleDialog::driveChanged);
  connect(folders_, &FolderList::pathChanged, this, &OpenSubtitleDialog::folderChanged);
  connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> selected = files_->selectedItems();
    if (!selected.isEmpty()) {
      fileName_->setText(selected.first()->text());
    }
  });
  connect(files_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    fileName_->setText(item->text());
    confirm();
  });
  connect(ok_, &QPushButton::clicked, this, &OpenSubtitleDialog::confirm);
  connect(cancel_, &QPushButton::clicked, this, &OpenSubtitleDialog::cancel);
}

void OpenSubtitleDialog::open() {
  fillDriveList();

  // Start where a fresh dialog starts: the home folder, on its volume.
  const QString home = HomeFolder();
  const int homeVolume = std::max(0, VolumeIndexOf(volumes_, home));
  lastFolderOf_.insert(volumes_[homeVolume].rootPath, home);
  {
    const QSignalBlocker quiet(drives_);
    drives_->setCurrentIndex(homeVolume);
  }
  folders_->setLocation(volumes_[homeVolume].rootPath, home);

  // Then go on to the stored folder. A folder that is gone falls back to its volume's root;
  // one below the media places with nothing mounted there stays at the home folder.
  const QString stored = QDir::cleanPath(ReadSetting(store_, setting_keys::kFolder));
  const bool exists = QDir::isAbsolutePath(stored) && QFileInfo(stored).isDir();
  int volume = QDir::isAbsolutePath(stored) ? VolumeIndexOf(volumes_, stored) : -1;
  if (!exists && volume >= 0 && IsRemovableMediaPath(stored) &&
      !IsRemovableMediaPath(volumes_[volume].rootPath)) {
    volume = -1;
  }
  if (volume >= 0 && volumes_[volume].ready && selectDrive(volume)) {
    folders_->setLocation(volumes_[volume].rootPath, exists ? stored : volumes_[volume].rootPath);
  }

  main_->setEnabled(false);
  setEnabled(true);  // a window of the main window's is disabled along with it
  setWindowTitle(QString::fromStdString(lumetra::WindowCaption("Open Subtitle")));
  if (!isVisible()) {
    CenterOverMainWindow(this, main_);
  }
  show();
  raise();
  activateWindow();
}

void OpenSubtitleDialog::fillDriveList() {
  volumes_ = CurrentVolumes();
  if (VolumeIndexOf(volumes_, QStringLiteral("/")) < 0) {
    volumes_.prepend(Volume{QStringLiteral("File System (/)"), QStringLiteral("/")});
  }
  const QSignalBlocker quiet(drives_);
  drives_->clear();
  for (const Volume& volume : volumes_) {
    drives_->addItem(volume.name);
  }
}

bool OpenSubtitleDialog::selectDrive(int index) {
  drives_->setCurrentIndex(index);  // runs driveChanged when the drive differs
  return drives_->currentIndex() == index;
}

void OpenSubtitleDialog::driveChanged(int index) {
  if (index < 0 || index >= volumes_.size()) {
    return;
  }
  // Ask again: a disc may have been taken out since the list was filled.
  Volume volume = volumes_[index];
  volume.ready = false;
  for (const Volume& now : CurrentVolumes()) {
    if (now.rootPath == volume.rootPath) {
      volume = now;
    }
  }
  if (!volume.ready) {
    refuseDrive(QStringLiteral("No disc in drive ") + volumes_[index].name);
    return;
  }
  if (volume.readOnly) {
    refuseDrive(QStringLiteral("This drive is read-only!") + kCR +
                QStringLiteral("Copy the subtitle to the harddisk to edit it!"));
    return;
  }
  // Each volume keeps its own current folder, as each drive does.
  QString folder = lastFolderOf_.value(volume.rootPath, volume.rootPath);
  if (!QFileInfo(folder).isDir()) {
    folder = volume.rootPath;
  }
  folders_->setLocation(volume.rootPath, folder);
}

void OpenSubtitleDialog::refuseDrive(const QString& text) {
  message(QString::fromLatin1(lumetra::kProgramName), text);
  // Back to the volume the folder list is on; it was accepted when the list went there.
  const QSignalBlocker quiet(drives_);
  drives_->setCurrentIndex(VolumeIndexOf(volumes_, folders_->path()));
}

void OpenSubtitleDialog::folderChanged(const QString& folder) {
  lastFolderOf_.insert(folders_->root(), folder);
  files_->clear();
  const QStringList names =
      QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
  files_->addItems(names);
  fileName_->clear();
}

void OpenSubtitleDialog::confirm() {
  const QString name = fileName_->text();
  if (name.isEmpty()) {
    message(QString::fromLatin1(lumetra::kProgramName),
            QString::fromLatin1(lumetra::kSelectASubtitle));
    return;
  }
  const QString folderText = FolderText(folders_->path());
  // Remembered even when the file turns out not to be a subtitle.
  if (StoredAsTrue(store_, setting_keys::kSaveSettings)) {
    WriteSetting(store_, setting_keys::kFolder, folderText);
  }
  const QString path = folderText + name;
  if (const auto facts = RecogniseSubtitle(path, presenter_, this)) {
    main_->setEnabled(true);
    hide();
    emit subtitleChosen(path, *facts);
  }
}

void OpenSubtitleDialog::cancel() {
  main_->setEnabled(true);
  hide();
}

void OpenSubtitleDialog::keyPressEvent(QKeyEvent* event) {
  // Escape reaches the dialog only when no control wants it: an open drive list closes
  // itself first.
  if (event->matches(QKeySequence::Cancel)) {
    cancel();
    return;
  }
  QWidget::keyPressEvent(event);
}

void OpenSubtitleDialog::closeEvent(QCloseEvent* event) {
  cancel();
  event->accept();  // and the dialog is discarded: the next use makes a new one
}

void OpenSubtitleDialog::message(const QString& title, const QString& text) {
  presenter_.show(this, title, text, lumetra::MessageIcon::Critical);
}
