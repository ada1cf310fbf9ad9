#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "operations/frame.h"

class FitPictureView;
class LinkedFields;
class MessagePresenter;
class OperationRunner;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class WindowFrameView;
struct MainWindowControls;

// The "Fit to movie" tab: the movie (typed, chosen with "..." or dropped), the source of the
// fit and its fields, "Fit". The analysis runs on a thread of its own with a progress bar and
// Cancel, the window staying responsive; what the driver tells the window is shown once it is
// done, in its order. Afterwards the tab draws the whole movie and offers the movie's frame
// rate for "Framerate (Input file)".
class FitTab : public QWidget {
 public:
  explicit FitTab(QWidget* parent = nullptr);
  ~FitTab() override;

  // What a fit needs of the main window, given once the window is built.
  void attach(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter,
              LinkedFields& fields, const OperationRunner& runner);
  bool running() const { return worker_.joinable(); }

  QLineEdit* txtFitMovie = nullptr;
  QPushButton* cmdFitMovie = nullptr;
  QSpinBox* txtFitAudioTrack = nullptr;
  QListWidget* lstFitSource = nullptr;
  QLineEdit* txtFitReference = nullptr;
  QPushButton* cmdFitReference = nullptr;
  QLineEdit* txtFitPoints = nullptr;
  QPushButton* cmdFit = nullptr;
  QPushButton* cmdFitCancel = nullptr;
  QProgressBar* prgFit = nullptr;
  FitPictureView* picFit = nullptr;
  QLabel* lblFitResult = nullptr;
  QPushButton* cmdFitFrameRate = nullptr;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  class Run;
  void onFitClicked();
  void onCancelClicked();
  void onBrowseMovie();
  void onBrowseReference();
  void onSourceChanged();
  void finish();
  void offerFrameRate(double rate);

  QWidget* window_ = nullptr;
  const MainWindowControls* ui_ = nullptr;
  MessagePresenter* presenter_ = nullptr;
  LinkedFields* fields_ = nullptr;
  const OperationRunner* runner_ = nullptr;
  std::unique_ptr<Run> run_;
  std::unique_ptr<WindowFrameView> view_;
  std::thread worker_;
  double offeredRate_ = 0;
};

// Builds the tab and keeps it in `ui`.
QWidget* BuildFitTab(MainWindowControls& ui);
