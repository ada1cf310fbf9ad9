#include "app/main_window.h"

#include <QComboBox>

#include "app/encoding_choice.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/about_window.h"
#include "app/first_run.h"
#include "app/fit_tab.h"
#include "app/movie_length.h"
#include "app/main_window_layout.h"
#include "app/main_window_shortcuts.h"
#include "app/message_presenter.h"
#include "app/open_subtitle_dialog.h"
#include "app/options_dialog.h"
#include "app/window_placement.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

MainWindow::MainWindow(SettingsStore& store, MessagePresenter& presenter, QWidget* parent)
    : QMainWindow(parent),
      store_(store),
      presenter_(presenter),
      ui_(BuildMainWindowLayout(*this)),
      options_(new OptionsDialog(this, store, presenter)),
      settings_(*centralWidget()),
      linkedFields_(ui_, presenter, *this),
      shiftDisplay_(ui_),
      formatFollow_(store, ui_),
      operations_(*this, ui_, presenter, linkedFields_, *options_) {
  ui_.cmdBronZoeken->setFocus();  // the first thing to do is choose a subtitle
  setAcceptDrops(true);           // a dropped file becomes the input
  InstallMainWindowShortcuts(*this, ui_);
  connect(ui_.cmdAfsluiten, &QPushButton::clicked, this, &MainWindow::onExitClicked);
  connect(ui_.cmdBronZoeken, &QPushButton::clicked, this, &MainWindow::onBrowseClicked);
  connect(ui_.cmdOptions, &QPushButton::clicked, this, &MainWindow::onOptionsClicked);
  connect(ui_.cmdOver, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
  connect(options_, &OptionsDialog::resetRequested, this, &MainWindow::onSettingsReset);
  connect(ui_.cboInputEncoding, &QComboBox::currentIndexChanged, this,
          &MainWindow::onEncodingChosen);
  ui_.fitTab->attach(*this, ui_, presenter, linkedFields_, operations_);
  connect(ui_.cmdGuessMovie, &QPushButton::clicked, this,
          [this] { FillMovieLength(*this, ui_, presenter_); });
  connect(options_, &OptionsDialog::resetFinished, this,
          [this] { settings_.showFactory(keys::OnReset::Last); });
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp() {
  settings_.showFactory(keys::kDestinationFrameRate);
  settings_.showFactory(keys::kSourceFramerate);
  setWindowTitle(QString::fromStdString(lumetra::TitleText()));
  options_->reloadFromStore();
  // Nothing stored means the fields keep their design values: here the default is 0.
  if (ToTruth(ReadSetting(store_, keys::kSaveSettings, QStringLiteral("0"))).value_or(false))
    settings_.restore(store_, SettingsBinding::Unfit::KeepShown);
  // Placed before it is first shown, now or after the welcome page, so the window manager
  // keeps it there.
  CenterOnScreen(this);
  if (TakeFirstRunOfThisVersion(store_))
    aboutWindow().showPage(AboutWindow::Page::Welcome);
}

// What Reset puts into the window besides the factory values: no input any more.
void MainWindow::onSettingsReset() {
  settings_.showFactory(keys::OnReset::Factory);
  ui_.txtBron->clear();
  ui_.lblInputFileInformation->setText(QStringLiteral("No subtitle selected."));
  ResetEncodingChoice(ui_.cboInputEncoding);
}

void MainWindow::onExitClicked() {
  saveAtShutDown();
  ended_ = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ended_) {  // after Exit the settings are already written
    saveAtShutDown();
    ended_ = true;
  }
  event->accept();
  QCoreApplication::quit();  // the program ends with its main window
}

void MainWindow::saveAtShutDown() {
  // The stored option counts: a change of "Save settings." takes effect once OK stored it.
  // A value that reads as no truth at all saves nothing.
  if (!ToTruth(ReadSetting(store_, keys::kSaveSettings)).value_or(false))
    return;
  linkedFields_.commit();  // a text still being typed is checked before it is stored
  options_->saveToStore();
  settings_.save(store_);
}

void MainWindow::onOptionsClicked() {
  options_->showOverMainWindow();
}

AboutWindow& MainWindow::aboutWindow() {
  if (!about_)
    about_ = new AboutWindow(this);
  return *about_;
}

void MainWindow::onAboutClicked() {
  aboutWindow().showPage(AboutWindow::Page::About);
}
