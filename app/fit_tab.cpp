#include "app/fit_tab.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <mutex>
#include <vector>

#include "app/fit_picture_view.h"
#include "app/frame_rate_list.h"
#include "app/linked_fields.h"
#include "app/main_window_controls.h"
#include "app/movie_length.h"
#include "app/native_path.h"
#include "app/operation_runner.h"
#include "app/position_list.h"
#include "app/widget_factory.h"
#include "app/window_frame_view.h"
#include "operations/fit.h"
#include "operations/fit_points.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

// One fit on its worker thread: what the driver tells the window is kept, in order, to be
// shown on the window's thread once it is done; progress is passed on as it comes.
class FitTab::Run final : public lumetra::FrameView, public lumetra::FitObserver {
 public:
  explicit Run(FitTab& tab) : tab_(tab) {}

  using Call = std::function<void(lumetra::FrameView&)>;
  void setSource(const std::string& path) override {
    keep([path](lumetra::FrameView& view) { view.setSource(path); });
  }
  void setInputInformation(const std::string& caption) override {
    keep([caption](lumetra::FrameView& view) { view.setInputInformation(caption); });
  }
  void resetShift() override {
    keep([](lumetra::FrameView& view) { view.resetShift(); });
  }
  void selectCurrentFrameRate(double rate) override {
    keep([rate](lumetra::FrameView& view) { view.selectCurrentFrameRate(rate); });
  }
  void showMessage(const lumetra::Message& message) override {
    keep([message](lumetra::FrameView& view) { view.showMessage(message); });
    std::lock_guard lock(mutex_);
    lastMessage = message.text;
  }

  bool progress(double share) override {
    FitTab* tab = &tab_;
    const int percent = static_cast<int>(share * 100);
    QMetaObject::invokeMethod(
        tab, [tab, percent] { tab->prgFit->setValue(percent); }, Qt::QueuedConnection);
    return !cancelled;
  }
  void fitted(const lumetra::FitPicture& found) override {
    std::lock_guard lock(mutex_);
    picture = found;
    hasPicture = true;
  }

  // Only once the worker has ended.
  std::vector<Call> calls;
  lumetra::FitPicture picture;
  bool hasPicture = false;
  std::string lastMessage;
  std::atomic<bool> cancelled{false};

 private:
  void keep(Call call) {
    std::lock_guard lock(mutex_);
    calls.push_back(std::move(call));
  }
  FitTab& tab_;
  std::mutex mutex_;
};

FitTab::FitTab(QWidget* parent) : QWidget(parent) {
  setAcceptDrops(true);  // a movie dropped on the tab is the movie to fit to
  auto* movie = MakeFrame("FrameFitMovie", QStringLiteral("Movie"));
  txtFitMovie = MakeTextBox("txtFitMovie", QString(), 32767, Qt::AlignLeft);
  cmdFitMovie = MakeButton("cmdFitMovie", QStringLiteral("&Browse..."));
  cmdFitMovie->setAccessibleName(QStringLiteral("Browse for the movie"));
  txtFitAudioTrack = new QSpinBox;
  txtFitAudioTrack->setObjectName(QStringLiteral("txtFitAudioTrack"));
  txtFitAudioTrack->setRange(0, 99);
  txtFitAudioTrack->setSpecialValueText(QStringLiteral("default"));
  auto* movieRow = new QHBoxLayout(movie);
  movieRow->addWidget(txtFitMovie, 1);
  movieRow->addWidget(cmdFitMovie);
  movieRow->addWidget(MakeLabel("lblFitAudioTrack", QStringLiteral("Audio track")));
  movieRow->addWidget(txtFitAudioTrack);

  auto* source = MakeFrame("FrameFitSource", QStringLiteral("Fit to"));
  auto* sources = new PositionList(3);
  sources->setObjectName(QStringLiteral("lstFitSource"));
  sources->addItems({QStringLiteral("The movie's sound"), QStringLiteral("A subtitle that fits"),
                     QStringLiteral("Two points")});
  lstFitSource = sources;
  SelectPosition(lstFitSource, 0);
  txtFitReference = MakeTextBox("txtFitReference", QString(), 32767, Qt::AlignLeft);
  cmdFitReference = MakeButton("cmdFitReference", QStringLiteral("Brows&e..."));
  cmdFitReference->setAccessibleName(QStringLiteral("Browse for the subtitle that fits"));
  txtFitPoints = MakeTextBox("txtFitPoints", QString(), 200, Qt::AlignLeft);
  txtFitPoints->setPlaceholderText(QStringLiteral("12=0:01:02,500,480=1:31:07"));
  auto* grid = new QGridLayout(source);
  grid->addWidget(lstFitSource, 0, 0, 2, 1);
  grid->addWidget(MakeLabel("lblFitReference", QStringLiteral("Subtitle that fits :")), 0, 1);
  grid->addWidget(txtFitReference, 0, 2);
  grid->addWidget(cmdFitReference, 0, 3);
  grid->addWidget(MakeLabel("lblFitPoints", QStringLiteral("Entry=time, entry=time :")), 1, 1);
  grid->addWidget(txtFitPoints, 1, 2, 1, 2);
  grid->setColumnStretch(2, 1);

  prgFit = new QProgressBar;
  prgFit->setObjectName(QStringLiteral("prgFit"));
  prgFit->setRange(0, 100);
  prgFit->setValue(0);
  cmdFitCancel = MakeButton("cmdFitCancel", QStringLiteral("Cance&l"));
  cmdFitCancel->setEnabled(false);
  cmdFit = MakeButton("cmdFit", QStringLiteral("&Fit"));
  picFit = new FitPictureView;
  lblFitResult = MakeLabel("lblFitResult", QString());
  lblFitResult->setWordWrap(true);
  cmdFitFrameRate =
      MakeButton("cmdFitFrameRate",
                 QStringLiteral("Select the movie's frame rate as Framerate (&Input file)"));
  cmdFitFrameRate->setVisible(false);

  // Names for screen readers where no label stands as the control's buddy.
  txtFitMovie->setAccessibleName(QStringLiteral("Movie file"));
  txtFitAudioTrack->setAccessibleName(QStringLiteral("Audio track"));
  lstFitSource->setAccessibleName(QStringLiteral("Fit to"));
  txtFitReference->setAccessibleName(QStringLiteral("Subtitle that fits"));
  txtFitPoints->setAccessibleName(QStringLiteral("Two entries and the times they must start"));
  prgFit->setAccessibleName(QStringLiteral("Progress of the fit"));
  picFit->setAccessibleName(QStringLiteral("The movie's speech and the subtitle before and after"));

  auto* column = new QVBoxLayout(this);
  column->addWidget(movie);
  column->addWidget(source);
  column->addWidget(picFit);
  auto* resultRow = new QHBoxLayout;
  resultRow->addWidget(lblFitResult, 1);
  resultRow->addWidget(cmdFitFrameRate);
  column->addLayout(resultRow);
  column->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(prgFit, 1);
  buttons->addWidget(cmdFitCancel);
  buttons->addWidget(cmdFit);
  column->addLayout(buttons);

  connect(cmdFit, &QPushButton::clicked, this, &FitTab::onFitClicked);
  connect(cmdFitCancel, &QPushButton::clicked, this, &FitTab::onCancelClicked);
  connect(cmdFitMovie, &QPushButton::clicked, this, &FitTab::onBrowseMovie);
  connect(cmdFitReference, &QPushButton::clicked, this, &FitTab::onBrowseReference);
  connect(lstFitSource, &QListWidget::itemSelectionChanged, this, &FitTab::onSourceChanged);
  connect(cmdFitFrameRate, &QPushButton::clicked, this, [this] {
    if (const lumetra::ListedFrameRate* listed = lumetra::ListedRateOf(offeredRate_))
      SelectFrameRate(ui_->lstCurrentFrameRate, *listed);
    cmdFitFrameRate->setVisible(false);
  });
  onSourceChanged();
}

FitTab::~FitTab() {
  if (run_)
    run_->cancelled = true;
  if (worker_.joinable())
    worker_.join();
}

void FitTab::attach(QWidget& window, const MainWindowControls& ui, MessagePresenter& presenter,
                    LinkedFields& fields, const OperationRunner& runner) {
  window_ = &window;
  ui_ = &ui;
  presenter_ = &presenter;
  fields_ = &fields;
  runner_ = &runner;
}

void FitTab::onSourceChanged() {
  const int source = SelectedPosition(lstFitSource);
  txtFitReference->setEnabled(source == 1);
  cmdFitReference->setEnabled(source == 1);
  txtFitPoints->setEnabled(source == 2);
  txtFitAudioTrack->setEnabled(source <= 0);
}

void FitTab::onBrowseMovie() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Movie"),
                                                    txtFitMovie->text(), MovieFileFilter());
  if (!path.isEmpty())
    txtFitMovie->setText(path);
}

void FitTab::onBrowseReference() {
  const QString path = QFileDialog::getOpenFileName(
      this, QStringLiteral("Subtitle that fits"), txtFitReference->text(),
      QStringLiteral("Subtitles (*.srt *.sub *.vtt);;All files (*)"));
  if (!path.isEmpty())
    txtFitReference->setText(path);
}

void FitTab::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && event->mimeData()->urls().size() == 1 &&
      event->mimeData()->urls().first().isLocalFile())
    event->acceptProposedAction();
}

void FitTab::dropEvent(QDropEvent* event) {
  txtFitMovie->setText(event->mimeData()->urls().first().toLocalFile());
  event->acceptProposedAction();
}

void FitTab::onFitClicked() {
  if (running() || runner_ == nullptr)
    return;
  fields_->commit();
  const lumetra::CommonParams params = runner_->commonParams();
  lumetra::FitRequest request;
  const int source = SelectedPosition(lstFitSource);
  request.source = source == 1   ? lumetra::FitSource::Reference
                   : source == 2 ? lumetra::FitSource::Points
                                 : lumetra::FitSource::MovieSound;
  request.moviePath = NativePath(txtFitMovie->text());
  request.audioTrack = txtFitAudioTrack->value();
  request.referencePath = NativePath(txtFitReference->text());
  if (const auto points = lumetra::ParseFitPoints(txtFitPoints->text().toStdString()))
    request.points = *points;

  picFit->clear();
  lblFitResult->clear();
  cmdFitFrameRate->setVisible(false);
  prgFit->setValue(0);
  view_ = std::make_unique<WindowFrameView>(
      *window_, *ui_, *presenter_,
      QList<QPushButton*>{cmdFit, ui_->cmdAfsluiten, ui_->cmdOver, ui_->cmdOptions});
  view_->enterBusy(lumetra::BusyCaption("fitting..."));
  cmdFitCancel->setEnabled(true);
  run_ = std::make_unique<Run>(*this);
  Run* run = run_.get();
  worker_ = std::thread([this, run, params, request] {
    try {
      lumetra::FitToMovie(params, request, *run, run);
    } catch (const std::exception& error) {
      run->showMessage({lumetra::TitleText(),
                        std::string("An error has occurred!\r\r") + error.what(),
                        lumetra::MessageIcon::Critical, lumetra::MessageKind::Failure});
    }
    QMetaObject::invokeMethod(
        this, [this] { finish(); }, Qt::QueuedConnection);
  });
}

void FitTab::onCancelClicked() {
  if (run_)
    run_->cancelled = true;
  cmdFitCancel->setEnabled(false);
}

void FitTab::finish() {
  worker_.join();
  const std::unique_ptr<Run> run = std::move(run_);
  cmdFitCancel->setEnabled(false);
  view_->leaveBusy();
  if (run->cancelled) {
    prgFit->setValue(0);
    lblFitResult->setText(QStringLiteral("Cancelled; nothing was written."));
    return;
  }
  prgFit->setValue(100);
  if (run->hasPicture) {
    picFit->showPicture(run->picture);
    offerFrameRate(run->picture.movieFrameRate);
  }
  QString result = QString::fromStdString(run->lastMessage).replace(QChar('\r'), QChar('\n'));
  if (run->hasPicture)
    result = QStringLiteral(
                 "Above: the movie's speech (green), the subtitle before (grey) and "
                 "after (blue).\n") +
             result;
  lblFitResult->setText(result);
  for (const Run::Call& call : run->calls)
    call(*view_);
  view_.reset();
}

void FitTab::offerFrameRate(double rate) {
  const lumetra::ListedFrameRate* listed = lumetra::ListedRateOf(rate);
  offeredRate_ = rate;
  if (listed == nullptr || SelectedFrameRate(ui_->lstCurrentFrameRate) == listed->value)
    return;
  cmdFitFrameRate->setText(QStringLiteral("Select %1 fps as Framerate (&Input file)")
                               .arg(QString::fromUtf8(listed->text.data(), listed->text.size())));
  cmdFitFrameRate->setVisible(true);
}

QWidget* BuildFitTab(MainWindowControls& ui) {
  ui.fitTab = new FitTab;
  return ui.fitTab;
}
