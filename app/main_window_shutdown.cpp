// Exit and closing the window: both save the options and every field once, when the stored
// "SaveSettings" says so, then end the program.
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/position_list.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

namespace {
QString CheckText(const QCheckBox* box) {
  return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}
}  // namespace

void MainWindow::cmdAfsluiten_Click() {
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
  const auto save = ToTruth(ReadSetting(store_, keys::kSaveSettings));
  if (!save.value_or(false))
    return;
  commitNumberFields();  // a text still being typed is checked before it is stored

  OptionsDialog& options = optionsDialog();
  WriteSetting(store_, keys::kOutputAsInput, QString::number(options.outputAsInputValue()));
  WriteSetting(store_, keys::kDeleteSource, QString::number(options.deleteSourceValue()));
  WriteSetting(store_, keys::kSaveSettings, QString::number(options.saveSettingsValue()));
  WriteSetting(store_, keys::kOutputFormatIsInputFormat,
               QString::number(options.outputFormatIsInputFormatValue()));

  WriteSetting(store_, keys::kLastAction, QString::number(ui_.TabAction->currentIndex()));
  WriteSetting(store_, keys::kSourceFramerate,
               QString::number(SelectedPosition(ui_.lstCurrentFrameRate)));
  WriteSetting(store_, keys::kDestinationFrameRate,
               QString::number(SelectedPosition(ui_.lstNewFrameRate)));
  WriteSetting(store_, keys::kSegmentSize, ui_.txtFrames->text());
  WriteSetting(store_, keys::kNumberOfSegments, ui_.txtNumberOfSegments->text());
  WriteSetting(store_, keys::kSynchronize, QString::number(ui_.HScroll1->value()));
  WriteSetting(store_, keys::kCorrectIl, CheckText(ui_.chkIl));
  WriteSetting(store_, keys::kCorrectQuotes, CheckText(ui_.chkQuotes));
  WriteSetting(store_, keys::kCorrectFullStops, CheckText(ui_.chkLeesteken));
  WriteSetting(store_, keys::kCorrectNumbers, CheckText(ui_.chkGetallen));
  WriteSetting(store_, keys::kGuessMovieLength, ui_.txtLengteFilm->text());
  WriteSetting(store_, keys::kGuessCorrection,
               QString::number(SelectedPosition(ui_.lstGuessCorrection)));
  WriteSetting(store_, keys::kBeginCharacter, ui_.txtCommentsCharacterbegin->text());
  WriteSetting(store_, keys::kEndCharacter, ui_.txtCommentsCharacterEnd->text());
  if (ui_.optMicroDVD->isChecked()) {
    WriteSetting(store_, keys::kOutputFormat, QStringLiteral("MicroDVD"));
  } else if (ui_.optSubRip->isChecked()) {
    WriteSetting(store_, keys::kOutputFormat, QStringLiteral("SubRip"));
  }
  if (ui_.optEngels->isChecked()) {
    WriteSetting(store_, keys::kLanguage, QStringLiteral("Engels"));
  } else if (ui_.optFrans->isChecked()) {
    WriteSetting(store_, keys::kLanguage, QStringLiteral("Frans"));
  }
}
