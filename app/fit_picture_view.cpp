#include "app/fit_picture_view.h"

#include <QPainter>
#include <algorithm>

FitPictureView::FitPictureView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picFit"));
  setMinimumHeight(78);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void FitPictureView::showPicture(const lumetra::FitPicture& picture) {
  picture_ = picture;
  shown_ = true;
  update();
}

void FitPictureView::clear() {
  picture_ = {};
  shown_ = false;
  update();
}

void FitPictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  if (!shown_)
    return;
  const lumetra::FitModel& model = picture_.model;
  double seconds = double(picture_.speech.size()) / 100;
  for (const lumetra::TimedSpan& span : picture_.before)
    seconds = std::max({seconds, span.end, model.speed * span.end + model.shiftSeconds});
  if (seconds <= 0)
    return;
  const int bandHeight = (height() - 12) / 3;
  const double perPixel = seconds / std::max(1, width());
  const auto band = [&](int row) { return 3 + row * (bandHeight + 3); };
  // Speech: a pixel column is marked when any of its 10 ms steps is.
  painter.setPen(QColor(0x2e, 0x8b, 0x57));
  for (int x = 0; x < width(); ++x) {
    const auto from = static_cast<std::size_t>(x * perPixel * 100);
    const auto to =
        std::min(picture_.speech.size(), static_cast<std::size_t>((x + 1) * perPixel * 100) + 1);
    if (std::any_of(picture_.speech.begin() + std::min(from, to), picture_.speech.begin() + to,
                    [](std::uint8_t on) { return on != 0; }))
      painter.drawLine(x, band(0), x, band(0) + bandHeight - 1);
  }
  const auto spans = [&](int row, QColor colour, double speed, double shift) {
    for (const lumetra::TimedSpan& span : picture_.before) {
      const int left = static_cast<int>((speed * span.start + shift) / perPixel);
      const int right = static_cast<int>((speed * span.end + shift) / perPixel);
      painter.fillRect(left, band(row), std::max(1, right - left), bandHeight, colour);
    }
  };
  spans(1, QColor(0x99, 0x99, 0x99), 1, 0);
  spans(2, QColor(0x1e, 0x5a, 0xa8), model.speed, model.shiftSeconds);
}
