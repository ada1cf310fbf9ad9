#pragma once

#include <QList>
#include <QString>

#include "operations/frame_view.h"

class MessagePresenter;
class QPushButton;
class QWidget;
struct MainWindowControls;

// The main window as an operation sees it while it runs: the busy caption and the disabled
// buttons, the write-backs after success and the messages, in the order the driver calls them.
class WindowFrameView : public lumetra::FrameView {
 public:
  // `buttons`: the operation's own button, Exit, About and Options, disabled while it runs.
  WindowFrameView(QWidget& window, const MainWindowControls& controls, MessagePresenter& presenter,
                  QList<QPushButton*> buttons);

  void enterBusy(const std::string& busyCaption) override;
  void leaveBusy() override;
  void setSource(const std::string& path) override;
  void setInputInformation(const std::string& caption) override;
  void resetShift() override;
  void selectCurrentFrameRate(double rate) override;
  // A failure adds the input and its line; a completion adds what was written.
  void showMessage(const lumetra::Message& message) override;
  // Asks the user through the presenter.
  bool replaceExisting(const std::vector<std::string>& existing) override;
  void outputsWritten(const std::vector<std::string>& paths) override;

  bool busy() const { return busy_; }

 private:
  QWidget& window_;
  const MainWindowControls& controls_;
  MessagePresenter& presenter_;
  QList<QPushButton*> buttons_;
  bool busy_ = false;
  QString inputPath_;                 // txtBron as the run began
  std::vector<std::string> written_;  // named in the completion message
};
