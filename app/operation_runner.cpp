#include "app/operation_runner.h"

#include "app/encoding_choice.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <exception>

#include "app/changes_dialog.h"
#include "app/comment_kinds_fields.h"
#include "app/frame_rate_list.h"
#include "app/linked_fields.h"
#include "app/locale_numbers.h"
#include "app/main_window_controls.h"
#include "app/message_presenter.h"
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

OperationRunner::OperationRunner(QWidget& window, const MainWindowControls& ui,
                                 MessagePresenter& presenter, LinkedFields& fields,
                                 const OptionsDialog& options)
    : window_(window), ui_(ui), presenter_(presenter), fields_(fields), options_(options) {
  const std::pair<QPushButton*, void (OperationRunner::*)()> buttons[] = {
      {ui.cmdSplitsen, &OperationRunner::onSplitClicked},
      {ui.cmdCorrect, &OperationRunner::onCorrectClicked},
      {ui.cmdChangeFrameRate, &OperationRunner::onChangeFrameRateClicked},
      {ui.cmdSynchronize, &OperationRunner::onSynchronizeClicked},
      {ui.cmdDeleteComments, &OperationRunner::onDeleteCommentsClicked},
      {ui.cmdConvert, &OperationRunner::onConvertClicked},
      {ui.cmdGuessFrameRate, &OperationRunner::onGuessFrameRateClicked}};
  for (const auto& [button, handler] : buttons)
    connect(button, &QPushButton::clicked, this, handler);
}

lumetra::CommonParams OperationRunner::commonParams() const {
  lumetra::CommonParams params;
  params.inputPath = NativePath(ui_.txtBron->text());
  params.frameRate = SelectedFrameRate(ui_.lstCurrentFrameRate);
  if (ui_.optMicroDVD->isChecked())
    params.outputFormat = lumetra::SubtitleFormat::MicroDvd;
  else if (ui_.optSubRip->isChecked())
    params.outputFormat = lumetra::SubtitleFormat::SubRip;
  else if (ui_.optWebVTT->isChecked())
    params.outputFormat = lumetra::SubtitleFormat::WebVtt;
  // The two options that act after an operation are read from the dialog's check boxes.
  params.deleteSource = options_.deletesSource();
  params.outputAsInput = options_.handsOutputOn();
  params.text = {ChosenEncoding(ui_.cboInputEncoding), options_.writesUtf8()};
  return params;
}

void OperationRunner::run(QPushButton* ownButton,
                          const std::function<void(lumetra::FrameView&)>& driver) {
  fields_.commit();  // a text still being typed is checked before it is read
  WindowFrameView view(window_, ui_, presenter_,
                       {ownButton, ui_.cmdAfsluiten, ui_.cmdOver, ui_.cmdOptions});
  try {
    driver(view);
  } catch (const std::exception& error) {
    // Drivers report failures through the view; this only keeps an unforeseen one from
    // ending the program.
    presenter_.show(&window_, QString::fromStdString(lumetra::TitleText()),
                    QStringLiteral("An error has occurred!\r\r") + QString::fromUtf8(error.what()),
                    lumetra::MessageIcon::Critical);
  }
  if (view.busy())
    view.leaveBusy();  // the window is never left locked
}

void OperationRunner::onSynchronizeClicked() {
  run(ui_.cmdSynchronize, [this](lumetra::FrameView& view) {
    lumetra::Synchronize(commonParams(), ui_.HScroll1->value(), view);
  });
}

void OperationRunner::onConvertClicked() {
  run(ui_.cmdConvert, [this](lumetra::FrameView& view) {
    lumetra::Convert(commonParams(), ui_.HScroll1->value(), view);
  });
}

void OperationRunner::onCorrectClicked() {
  run(ui_.cmdCorrect, [this](lumetra::FrameView& view) {
    lumetra::CorrectSettings settings;
    settings.quotes = ui_.chkQuotes->isChecked();
    settings.il = ui_.chkIl->isChecked();
    settings.fullStops = ui_.chkLeesteken->isChecked();
    settings.digitSpaces = ui_.chkGetallen->isChecked();
    settings.language = ui_.optEngels->isChecked() ? lumetra::CorrectLanguage::English
                                                   : lumetra::CorrectLanguage::French;
    const lumetra::CommonParams params = commonParams();
    const auto leftOut = ChooseChanges(
        &window_, view, lumetra::kCorrecting, [&](const auto& changes, auto& preview) {
          lumetra::PreviewCorrect(params, settings, changes, preview);
        });
    if (leftOut)
      lumetra::Correct(params, settings, view, *leftOut);
  });
}

void OperationRunner::onDeleteCommentsClicked() {
  run(ui_.cmdDeleteComments, [this](lumetra::FrameView& view) {
    const std::optional<lumetra::CommentSettings> settings = CommentSettingsOf(ui_);
    if (!settings) {
      lumetra::Refuse(view, kBadCommentPairs);
      return;
    }
    const lumetra::CommentSettings& comments = *settings;
    const lumetra::CommonParams params = commonParams();
    const auto leftOut = ChooseChanges(
        &window_, view, lumetra::kDeletingComments, [&](const auto& changes, auto& preview) {
          lumetra::PreviewDeleteComments(params, comments, changes, preview);
        });
    if (leftOut)
      lumetra::DeleteComments(params, comments, view, *leftOut);
  });
}

void OperationRunner::onSplitClicked() {
  run(ui_.cmdSplitsen, [this](lumetra::FrameView& view) {
    lumetra::SplitParams split;
    split.numberOfSegments = ParseLocaleNumber(ui_.txtNumberOfSegments->text());
    split.segmentFrames = ui_.txtFrames->text().isEmpty()
                              ? std::optional<double>(0.0)
                              : ParseLocaleNumber(ui_.txtFrames->text());
    lumetra::Split(commonParams(), split, view);
  });
}

void OperationRunner::onChangeFrameRateClicked() {
  run(ui_.cmdChangeFrameRate, [this](lumetra::FrameView& view) {
    const lumetra::CommonParams common = commonParams();
    lumetra::ChangeFrameRateParams params;
    params.inputPath = common.inputPath;
    // This operation reads the entries' texts its own way.
    params.currentRateText = SelectedText(ui_.lstCurrentFrameRate).toStdString();
    params.newRateText = SelectedText(ui_.lstNewFrameRate).toStdString();
    params.decimalSeparator = LocaleDecimalSeparator();
    params.deleteSource = common.deleteSource;
    params.outputAsInput = common.outputAsInput;
    params.text = common.text;
    lumetra::ChangeFrameRate(params, view);
  });
}

void OperationRunner::onGuessFrameRateClicked() {
  run(ui_.cmdGuessFrameRate, [this](lumetra::FrameView& view) {
    const lumetra::CommonParams common = commonParams();
    lumetra::GuessFrameRateParams params;
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
