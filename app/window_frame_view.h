#pragma once

#include <QList>

#include "operations/frame_view.h"

class MessagePresenter;
class QPushButton;
class QWidget;
struct MainWindowControls;

// The main window as an operation sees it while it runs: the busy caption and the disabled
// buttons, the write-backs after success and the messages, in the order the driver calls them.
class WindowFrameView : public lumetra::FrameView {
 public:
  // `disableOrder` and `enableOrder` list the own button, Exit, About and Options in the
  // order this operation disables and enables them.
  WindowFrameView(QWidget& window, const MainWindowControls& controls, MessagePresenter& presenter,
                  QList<QPushButton*> disableOrder, QList<QPushButton*> enableOrder);

  void enterBusy(const std::string& busyCaption) override;
  void leaveBusy() override;
  void setSource(const std::string& path) override;
  void setInputInformation(const std::string& caption) override;
  void resetShift() override;
  void selectCurrentFrameRate(double rate) override;
  void showMessage(const lumetra::Message& message) override;

  bool busy() const { return busy_; }

 private:
  QWidget& window_;
  const MainWindowControls& controls_;
  MessagePresenter& presenter_;
  QList<QPushButton*> disableOrder_;
  QList<QPushButton*> enableOrder_;
  bool busy_ = false;
};
