#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "app/linked_fields.h"
#include "app/main_window_controls.h"
#include "app/operation_runner.h"
#include "app/options_dialog.h"
#include "app/output_format_follow.h"
#include "app/settings_binding.h"
#include "app/shift_display.h"
#include "subtitle/subtitle_input.h"

class AboutWindow;
class MessagePresenter;
class OpenSubtitleDialog;
class SettingsStore;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;

// frmLumetraMain: the input file, the output format and one tab per operation. The window
// owns no settings and shows no box itself: it reads and writes through the store and the
// presenter it is given, so tests can use a temporary file and record the messages. Its parts
// each do one job; the window starts and ends the program, holds the secondary windows and
// takes a new input.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(SettingsStore& store, MessagePresenter& presenter, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: default rates, caption, options, the stored fields and the first-run test.
  void startUp();

  OptionsDialog& optionsDialog() { return *options_; }

  // A recognised subtitle becomes the input, chosen in the open dialog or dropped on the
  // window: txtBron, the kind it was found to be and, where the options say so, the output
  // format.
  void acceptSubtitle(const QString& path, const lumetra::SubtitleFileFacts& facts);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void onExitClicked();
  void onBrowseClicked();
  void onOptionsClicked();
  void onAboutClicked();
  void onSettingsReset();
  AboutWindow& aboutWindow();
  // Exit and close: the options and every field, when the stored "SaveSettings" says so.
  void saveAtShutDown();
  void refuseDrop(const char* text);
  // cboInputEncoding changed: the input's information as read in the chosen code page.
  void onEncodingChosen();

  SettingsStore& store_;
  MessagePresenter& presenter_;
  MainWindowControls ui_;
  QPointer<OptionsDialog> options_;
  QPointer<OpenSubtitleDialog> openDialog_;
  QPointer<AboutWindow> about_;
  SettingsBinding settings_;
  LinkedFields linkedFields_;
  ShiftDisplay shiftDisplay_;
  OutputFormatFollow formatFollow_;
  OperationRunner operations_;
  bool ended_ = false;  // Exit has saved; closing must not save again
};
