#pragma once

#include <QDialog>
#include <optional>

#include "app/settings_binding.h"

class MessagePresenter;
class SettingsStore;
class QCheckBox;

// frmOptions: the five application options and the reset of every setting. Not modal: the
// main window is disabled while the dialog is shown, and every way out enables it again.
class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(QWidget* mainWindow, SettingsStore& store, MessagePresenter& presenter);

  // cmdOptions: disables the main window and shows the dialog with its current values.
  void showOverMainWindow();
  // The five check boxes from the store; a value that is not 0 or 1 reads as the factory one.
  void reloadFromStore();
  // The five check boxes into the store.
  void saveToStore();

  // The two options that act after an operation, as their check boxes show them.
  bool deletesSource() const;
  bool handsOutputOn() const;
  // The option that has outputs written in UTF-8.
  bool writesUtf8() const;

  // The close box and Escape do what Cancel does.
  void reject() override;

 signals:
  // Reset has stored every factory value: the main window shows them.
  void resetRequested();
  // Reset's message has been dismissed and the main window enabled again.
  void resetFinished();

 private:
  void onOkClicked();
  void onCancelClicked();
  void onResetClicked();
  void hideAndEnableMainWindow();

  QWidget& mainWindow_;
  SettingsStore& store_;
  MessagePresenter& presenter_;
  QCheckBox* chkOutputAsInput_ = nullptr;
  QCheckBox* chkDeleteBronBestand_ = nullptr;
  QCheckBox* chkWriteUtf8_ = nullptr;
  std::optional<SettingsBinding> options_;  // bound once the check boxes exist
};
