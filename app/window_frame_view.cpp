#include "app/window_frame_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/frame_rate_list.h"
#include "app/main_window_controls.h"
#include "app/message_presenter.h"
#include "app/native_path.h"

WindowFrameView::WindowFrameView(QWidget& window, const MainWindowControls& controls,
                                 MessagePresenter& presenter, QList<QPushButton*> buttons)
    : window_(window), controls_(controls), presenter_(presenter), buttons_(std::move(buttons)) {}

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
  presenter_.show(&window_, QString::fromStdString(message.title),
                  QString::fromStdString(message.text), message.icon);
}
