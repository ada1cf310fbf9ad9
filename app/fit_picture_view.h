#pragma once

#include <QWidget>

#include "operations/fit_request.h"

// The whole movie at a glance after a fit: the detected speech (or the subtitle that fits),
// the subtitle as it was, and the subtitle fitted, one band each, so a user sees that the
// fitted subtitle lies on the speech.
class FitPictureView : public QWidget {
 public:
  explicit FitPictureView(QWidget* parent = nullptr);
  void showPicture(const lumetra::FitPicture& picture);
  void clear();
  bool hasPicture() const { return shown_; }
  QSize sizeHint() const override { return {480, 78}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  lumetra::FitPicture picture_;
  bool shown_ = false;
};
