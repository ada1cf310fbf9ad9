#pragma once

#include <QDialog>

class MainWindow;
class MessagePresenter;
class SettingsStore;
class QCheckBox;

// frmOptions: the four application options and the reset of every setting. Not modal: the
// main window is disabled while the dialog is shown, and every way out enables it again.
class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(MainWindow& mainWindow, SettingsStore& store, MessagePresenter& presenter);

  // cmdOptions: disables the main window and shows the dialog with its current values.
  void showOverMainWindow();
  // The four check boxes from the store; a value that is not 0 or 1 reads as the default.
  void reloadFromStore();

  // Check box values, 0 or 1, as the rest of the program reads them.
  int outputAsInputValue() const;
  int deleteSourceValue() const;
  int saveSettingsValue() const;
  int outputFormatIsInputFormatValue() const;

  // The close box and Escape do what Cancel does.
  void reject() override;

 private:
  void cmdOk_Click();
  void cmdCancel_Click();
  void cmdResetOptions_Click();
  void hideAndEnableMainWindow();

  MainWindow& mainWindow_;
  SettingsStore& store_;
  MessagePresenter& presenter_;
  QCheckBox* chkOutputAsInput_ = nullptr;
  QCheckBox* chkDeleteBronBestand_ = nullptr;
  QCheckBox* chkOutputFormatIsInputFormat_ = nullptr;
  QCheckBox* chkSaveSettings_ = nullptr;
};
