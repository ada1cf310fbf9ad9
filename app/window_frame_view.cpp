#include "app/window_frame_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/frame_rate_list.h"
#include "app/main_window_controls.h"
#include "app/message_presenter.h"
#include "app/native_path.h"
#include "app/output_messages.h"

WindowFrameView::WindowFrameView(QWidget& window, const MainWindowControls& controls,
                                 MessagePresenter& presenter, QList<QPushButton*> buttons)
    : window_(window),
      controls_(controls),
      presenter_(presenter),
      buttons_(std::move(buttons)),
      inputPath_(controls.txtBron->text()) {}

void WindowFrameView::enterBusy(const std::string& busyCaption) {
  window_.setWindowTitle(QString::fromStdString(busyCaption));
  for (QPushButton* button : buttons_)
    button->setEnabled(false);
  busy_ = true;
}

void WindowFrameView::leaveBusy() {
  window_.setWindowTitle(QString::fromStdString(lumetra::TitleText()));
  for (QPushButton* button : buttons_)
    button->setEnabled(true);
  busy_ = false;
}

void WindowFrameView::setSource(const std::string& path) {
  controls_.txtBron->setText(DisplayPath(path));
}

void WindowFrameView::setInputInformation(const std::string& caption) {
  controls_.lblInputFileInformation->setText(QString::fromStdString(caption));
}

void WindowFrameView::resetShift() {
  controls_.HScroll1->setValue(0);  // its handler shows "0 sec"
}

void WindowFrameView::selectCurrentFrameRate(double rate) {
  if (const lumetra::ListedFrameRate* listed = lumetra::ListedRateOf(rate))
    SelectFrameRate(controls_.lstCurrentFrameRate, *listed);
}

void WindowFrameView::showMessage(const lumetra::Message& message) {
  QString text = QString::fromStdString(message.text);
  if (message.kind == lumetra::MessageKind::Failure && message.inputLine > 0)
    text += StoppedAt(inputPath_, message.inputLine);
  else if (message.kind == lumetra::MessageKind::Completion)
    text += WrittenOutputs(written_);
  presenter_.show(&window_, QString::fromStdString(message.title), text, message.icon);
}

bool WindowFrameView::replaceExisting(const std::vector<std::string>& existing) {
  return presenter_.ask(&window_, QString::fromStdString(lumetra::TitleText()),
                        ReplaceQuestion(existing));
}

void WindowFrameView::outputsWritten(const std::vector<std::string>& paths) {
  written_ = paths;
}
