#include "app/main_window.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "app/message_presenter.h"
#include "app/number_field_check.h"
#include "app/options_dialog.h"
#include "app/secondary_windows.h"

MainWindow::MainWindow(SettingsStore& store, MessagePresenter& presenter, QWidget* parent)
    : QMainWindow(parent), store_(store), presenter_(presenter) {
  buildLayout();
  setKeyboardOrder();
  ui_.cmdBronZoeken->setFocus();  // the first thing to do is choose a subtitle
  connectHandlers();
  setAcceptDrops(true);  // a dropped file becomes the input (main_window_input.cpp)
}

MainWindow::~MainWindow() = default;

void MainWindow::connectHandlers() {
  // Direct connections: a handler that sets a control runs that control's handler nested,
  // before its own next step, as the linked fields rely on.
  connect(ui_.TabAction, &QTabWidget::currentChanged, this, [this] { TabAction_Click(); });
  connect(ui_.cmdAfsluiten, &QPushButton::clicked, this, [this] { cmdAfsluiten_Click(); });
  connect(ui_.cmdBronZoeken, &QPushButton::clicked, this, [this] { cmdBronZoeken_Click(); });
  connect(ui_.cmdOptions, &QPushButton::clicked, this, [this] { cmdOptions_Click(); });
  connect(ui_.cmdOver, &QPushButton::clicked, this, [this] { cmdOver_Click(); });

  numberFields_ = {
      new NumberFieldCheck(
          ui_.txtSec, [this] { txtSec_Change(); }, [this] { txtSec_Typed(); }),
      new NumberFieldCheck(
          ui_.txtFrames, [this] { txtFrames_Change(); }, [this] { txtFrames_Typed(); }),
      new NumberFieldCheck(ui_.txtLengteFilm, [this] { txtLengteFilm_Change(); }),
      new NumberFieldCheck(ui_.txtNumberOfSegments, [this] { txtNumberOfSegments_Change(); })};
  connect(ui_.HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
  connect(ui_.lstCurrentFrameRate, &QListWidget::itemSelectionChanged, this,
          [this] { lstCurrentFrameRate_Click(); });
  connect(ui_.lstConvertFrameRate, &QListWidget::itemSelectionChanged, this,
          [this] { lstConvertFrameRate_Click(); });

  connect(ui_.cmdSplitsen, &QPushButton::clicked, this, [this] { cmdSplitsen_Click(); });
  connect(ui_.cmdCorrect, &QPushButton::clicked, this, [this] { cmdCorrect_Click(); });
  connect(ui_.cmdChangeFrameRate, &QPushButton::clicked, this,
          [this] { cmdChangeFrameRate_Click(); });
  connect(ui_.cmdSynchronize, &QPushButton::clicked, this, [this] { cmdSynchronize_Click(); });
  connect(ui_.cmdDeleteComments, &QPushButton::clicked, this,
          [this] { cmdDeleteComments_Click(); });
  connect(ui_.cmdConvert, &QPushButton::clicked, this, [this] { cmdConvert_Click(); });
  connect(ui_.cmdGuessFrameRate, &QPushButton::clicked, this,
          [this] { cmdGuessFrameRate_Click(); });
}

OptionsDialog& MainWindow::optionsDialog() {
  if (options_ == nullptr) {
    options_ = new OptionsDialog(*this, store_, presenter_);
  }
  return *options_;
}

void MainWindow::showMessage(const QString& title, const QString& text, lumetra::MessageIcon icon) {
  presenter_.show(this, title, text, icon);
}

void MainWindow::cmdOver_Click() {
  ShowAbout(this);
}

void MainWindow::cmdOptions_Click() {
  optionsDialog().showOverMainWindow();
}
