#include "app/window_frame_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include "app/native_path.h"

#include "app/frame_rates.h"
#include "app/main_window_controls.h"
#include "app/message_presenter.h"
#include "app/position_list.h"

WindowFrameView::WindowFrameView(QWidget& window, const MainWindowControls& controls,
                                 MessagePresenter& presenter, QList<QPushButton*> disableOrder,
                                 QList<QPushButton*> enableOrder)
    : window_(window),
      controls_(controls),
      presenter_(presenter),
      disableOrder_(std::move(disableOrder)),
      enableOrder_(std::move(enableOrder)) {}

void WindowFrameView::enterBusy(const std::string& busyCaption) {
  window_.setWindowTitle(QString::fromStdString(busyCaption));
  for (QPushButton* button : disableOrder_)
    button->setEnabled(false);
  busy_ = true;
}

void WindowFrameView::leaveBusy() {
  window_.setWindowTitle(QString::fromStdString(lumetra::TitleText()));
  for (QPushButton* button : enableOrder_)
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
  controls_.txtSynchronize->setText(QStringLiteral("0 sec"));
}

void WindowFrameView::selectCurrentFrameRate(double rate) {
  const int position = FrameRatePosition(rate);
  if (position >= 0)
    SelectPosition(controls_.lstCurrentFrameRate, position);
}

void WindowFrameView::showMessage(const lumetra::Message& message) {
  presenter_.show(&window_, QString::fromStdString(message.title),
                  QString::fromStdString(message.text), message.icon);
}
