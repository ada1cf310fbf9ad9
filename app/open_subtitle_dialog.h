#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include "app/drive_list.h"
#include "subtitle/subtitle_input.h"

class FolderList;
class MessagePresenter;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class SettingsStore;

// The open-subtitle dialog (frmLumetraBestandOpenen): a small file browser that accepts only a
// file it recognises as MicroDVD or SubRip and hands it to the main window. It is a window of
// its own above the main window, which stays disabled while the dialog is shown. OK with an
// accepted file and Cancel hide it; its close box discards it.
class OpenSubtitleDialog : public QWidget {
  Q_OBJECT

 public:
  OpenSubtitleDialog(QWidget* mainWindow, SettingsStore& store, MessagePresenter& presenter);

  // cmdBronZoeken: goes to the stored folder, disables the main window and shows the dialog.
  void open();

 signals:
  // A file recognised as a subtitle was confirmed; the dialog is hidden by then.
  void subtitleChosen(const QString& path, const lumetra::SubtitleFileFacts& facts);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void fillDriveList();
  // Selects a drive as the user would (running driveChanged); true when it was kept.
  bool selectDrive(int index);
  void driveChanged(int index);
  void folderChanged(const QString& folder);
  void confirm();
  void cancel();
  void refuseDrive(const QString& text);
  void message(const QString& title, const QString& text);

  QWidget* main_;
  SettingsStore& store_;
  MessagePresenter& presenter_;
  QList<Volume> volumes_;
  QHash<QString, QString> lastFolderOf_;  // each volume's current folder, as drives have one

  QComboBox* drives_ = nullptr;
  FolderList* folders_ = nullptr;
  QListWidget* files_ = nullptr;
  QLineEdit* fileName_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
