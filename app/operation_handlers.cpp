// The seven operation buttons. Each handler only gathers the values of its controls and
// calls the operation's driver; the driver tells the window, through the frame view, what to
// show and write back, in the order the user sees it.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <exception>

#include "app/frame_rates.h"
#include "app/locale_numbers.h"
#include "app/main_window.h"
#include "app/native_path.h"
#include "app/options_dialog.h"
#include "app/position_list.h"
#include "app/window_frame_view.h"
#include "operations/change_frame_rate.h"
#include "operations/convert.h"
#include "operations/correct.h"
#include "operations/delete_comments.h"
#include "operations/guess_frame_rate.h"
#include "operations/split.h"
#include "operations/synchronize.h"

lumetra::CommonParams MainWindow::commonParams() const {
  lumetra::CommonParams params;
  params.inputPath = NativePath(ui_.txtBron->text());
  params.frameRate = FrameRateOfEntry(SelectedText(ui_.lstCurrentFrameRate));
  if (ui_.optMicroDVD->isChecked())
    params.outputFormat = lumetra::SubtitleFormat::MicroDvd;
  else if (ui_.optSubRip->isChecked())
    params.outputFormat = lumetra::SubtitleFormat::SubRip;
  // The two options that act after an operation are read from the dialog's check boxes.
  const OptionsDialog& options = *options_;
  params.deleteSource = options.deleteSourceValue() == 1;
  params.outputAsInput = options.outputAsInputValue() == 1;
  return params;
}

void MainWindow::runOperation(QPushButton* ownButton, bool splitOrder,
                              const std::function<void(lumetra::FrameView&)>& operation) {
  optionsDialog();       // the options exist from start-up on; this only makes sure
  commitNumberFields();  // a text still being typed is checked before it is read
  QList<QPushButton*> disable{ownButton, ui_.cmdAfsluiten, ui_.cmdOver, ui_.cmdOptions};
  if (splitOrder)
    disable = {ownButton, ui_.cmdAfsluiten, ui_.cmdOptions, ui_.cmdOver};
  WindowFrameView view(*this, ui_, presenter_, disable,
                       {ownButton, ui_.cmdAfsluiten, ui_.cmdOver, ui_.cmdOptions});
  try {
    operation(view);
  } catch (const std::exception& error) {
    // Drivers report failures as results; this only keeps an unforeseen one from ending
    // the program.
    showMessage(QString::fromStdString(lumetra::TitleText()),
                QStringLiteral("An error has occurred!\r\r") + QString::fromUtf8(error.what()),
                lumetra::MessageIcon::Critical);
  }
  if (view.busy())
    view.leaveBusy();  // the window is never left locked
}

void MainWindow::cmdSynchronize_Click() {
  runOperation(ui_.cmdSynchronize, false, [this](lumetra::FrameView& view) {
    lumetra::Synchronize(commonParams(), ui_.HScroll1->value(), view);
  });
}

void MainWindow::cmdConvert_Click() {
  runOperation(ui_.cmdConvert, false, [this](lumetra::FrameView& view) {
    lumetra::Convert(commonParams(), ui_.HScroll1->value(), view);
  });
}

void MainWindow::cmdCorrect_Click() {
  runOperation(ui_.cmdCorrect, false, [this](lumetra::FrameView& view) {
    lumetra::CorrectSettings settings;
    settings.quotes = ui_.chkQuotes->isChecked();
    settings.il = ui_.chkIl->isChecked();
    settings.fullStops = ui_.chkLeesteken->isChecked();
    settings.digitSpaces = ui_.chkGetallen->isChecked();
    settings.language = ui_.optEngels->isChecked() ? lumetra::CorrectLanguage::English
                                                   : lumetra::CorrectLanguage::French;
    lumetra::Correct(commonParams(), settings, view);
  });
}

void MainWindow::cmdDeleteComments_Click() {
  runOperation(ui_.cmdDeleteComments, false, [this](lumetra::FrameView& view) {
    lumetra::DeleteComments(commonParams(), ui_.txtCommentsCharacterbegin->text().toStdString(),
                            ui_.txtCommentsCharacterEnd->text().toStdString(), view);
  });
}

void MainWindow::cmdSplitsen_Click() {
  runOperation(ui_.cmdSplitsen, true, [this](lumetra::FrameView& view) {
    lumetra::SplitParams split;
    split.numberOfSegments = ParseLocaleNumber(ui_.txtNumberOfSegments->text());
    split.segmentFrames = ui_.txtFrames->text().isEmpty()
                              ? std::optional<double>(0.0)
                              : ParseLocaleNumber(ui_.txtFrames->text());
    lumetra::Split(commonParams(), split, view);
  });
}

void MainWindow::cmdChangeFrameRate_Click() {
  runOperation(ui_.cmdChangeFrameRate, false, [this](lumetra::FrameView& view) {
    const lumetra::CommonParams common = commonParams();
    lumetra::ChangeFrameRateParams params;
    params.inputPath = common.inputPath;
    params.currentRateText = SelectedText(ui_.lstCurrentFrameRate).toStdString();
    params.newRateText = SelectedText(ui_.lstNewFrameRate).toStdString();
    params.decimalSeparator = LocaleDecimalSeparator();
    params.deleteSource = common.deleteSource;
    params.outputAsInput = common.outputAsInput;
    lumetra::ChangeFrameRate(params, view);
  });
}

void MainWindow::cmdGuessFrameRate_Click() {
  runOperation(ui_.cmdGuessFrameRate, false, [this](lumetra::FrameView& view) {
    lumetra::GuessFrameRateParams params;
    const lumetra::CommonParams common = commonParams();
    params.inputPath = common.inputPath;
    params.lengthText = ui_.txtLengteFilm->text().toStdString();
    params.lengthSeconds = ParseLocaleNumber(ui_.txtLengteFilm->text());
    const QList<QListWidgetItem*> correction = ui_.lstGuessCorrection->selectedItems();
    if (!correction.isEmpty())
      params.correctionMinutes = correction.first()->data(Qt::UserRole).toInt();
    params.decimalSeparator = LocaleDecimalSeparator();
    params.deleteSource = common.deleteSource;
    lumetra::GuessFrameRate(params, view);
  });
}
