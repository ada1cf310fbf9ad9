#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <functional>

#include "app/main_window_controls.h"
#include "operations/message.h"
#include "subtitle/subtitle_input.h"

class MessagePresenter;
class NumberFieldCheck;
class OptionsDialog;
class SettingsStore;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;
namespace lumetra {
class FrameView;
struct CommonParams;
}  // namespace lumetra

// frmLumetraMain: the input file, the output format and one tab per operation. The window
// owns no settings and shows no box itself: it reads and writes through the store and the
// presenter it is given, so tests can use a temporary file and record the messages.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(SettingsStore& store, MessagePresenter& presenter, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Form_Load: default rates, caption, options, the stored fields and the first-run test.
  void formLoad();

  // The options dialog, created hidden on first use.
  OptionsDialog& optionsDialog();
  // What the options reset puts into the window (its step 3), and its last step.
  void resetFieldsToFactory();
  void selectMicroDvdOutput();

  // A recognised subtitle becomes the input, chosen in the open dialog or dropped on the
  // window: txtBron, the kind it was found to be and, where the options say so, the output
  // format.
  void acceptSubtitle(const QString& path, const lumetra::SubtitleFileFacts& facts);

  const MainWindowControls& controls() const { return ui_; }
  // Shows a box through the presenter, over this window.
  void showMessage(const QString& title, const QString& text, lumetra::MessageIcon icon);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Layout (main_window_layout.cpp, main_window_tabs.cpp).
  void buildLayout();
  QWidget* buildFileArea();
  QWidget* buildSplitTab();
  QWidget* buildCorrectTab();
  QWidget* buildChangeFrameRateTab();
  QWidget* buildSynchronizeTab();
  QWidget* buildDeleteCommentsTab();
  QWidget* buildConvertTab();
  QWidget* buildGuessFrameRateTab();
  void connectHandlers();
  void setKeyboardOrder();

  // Start-up and shut-down (main_window_startup.cpp, main_window_shutdown.cpp).
  void applyStoredFields();
  void runFirstRunTest();
  void saveAtShutDown();

  // Window-level events.
  void TabAction_Click();
  // The output format follows the input (output_format_follow.cpp): its own format, or the
  // other one on "Convert", while the stored option says so.
  bool outputFollowsInput() const;
  void presetOutputFormat(bool microDvdInput);
  void cmdAfsluiten_Click();
  void cmdBronZoeken_Click();
  void cmdOptions_Click();
  void cmdOver_Click();

  // Linked fields (linked_fields.cpp).
  // Runs the rules of every number field whose typed text has not been checked yet, so that
  // what is read next is a checked value.
  void commitNumberFields();
  void txtSec_Typed();
  void txtFrames_Typed();
  void framesFollowSeconds(double seconds);
  void secondsFollowFrames(double frames);
  void txtSec_Change();
  void txtFrames_Change();
  void txtLengteFilm_Change();
  void txtNumberOfSegments_Change();
  void HScroll1_Change();
  void lstCurrentFrameRate_Click();
  void lstConvertFrameRate_Click();
  double linkFrameRate() const;
  void showFieldMessage(const char* text);

  // Operations (operation_handlers.cpp).
  void cmdSplitsen_Click();
  void cmdCorrect_Click();
  void cmdChangeFrameRate_Click();
  void cmdSynchronize_Click();
  void cmdDeleteComments_Click();
  void cmdConvert_Click();
  void cmdGuessFrameRate_Click();
  lumetra::CommonParams commonParams() const;
  void runOperation(QPushButton* ownButton, bool splitOrder,
                    const std::function<void(lumetra::FrameView&)>& operation);

  SettingsStore& store_;
  MessagePresenter& presenter_;
  MainWindowControls ui_;
  OptionsDialog* options_ = nullptr;
  QList<NumberFieldCheck*> numberFields_;
  QString version_ = QString::fromLatin1(lumetra::kVersion);
  int linkageGuard_ = 0;  // 1 while the seconds and frames fields update each other
  bool ended_ = false;    // Exit has saved; closing must not save again
};
