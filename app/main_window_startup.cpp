// Form_Load: every step is guarded; a stored value that does not convert or does not fit its
// control skips that one step without a message.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "app/frame_rates.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/position_list.h"
#include "app/secondary_windows.h"
#include "app/window_placement.h"
#include "operations/message.h"
#include "settings/settings_access.h"

namespace keys = setting_keys;

namespace {

// Selects a stored list position when it is a number and names an entry (or, where the list
// may be left empty, -1).
void ApplyPosition(const QString& stored, QListWidget* list, bool allowNone) {
  const auto position = ToInt16(stored);
  if (!position || *position >= list->count() || *position < (allowNone ? -1 : 0))
    return;
  SelectPosition(list, *position);
}

void ApplyCheck(const QString& stored, QCheckBox* box) {
  const auto value = ToInt16(stored);
  if (value == 0 || value == 1)
    box->setChecked(*value == 1);
}

}  // namespace

void MainWindow::formLoad() {
  version_ = QString::fromLatin1(lumetra::kVersion);
  linkageGuard_ = 0;
  SelectPosition(ui_.lstNewFrameRate, kDefaultFrameRatePosition);
  SelectPosition(ui_.lstCurrentFrameRate, kDefaultFrameRatePosition);
  setWindowTitle(QString::fromStdString(lumetra::TitleText()));
  optionsDialog().reloadFromStore();

  // Nothing stored means the fields keep their design values: here the default is 0.
  const auto save = ToTruth(ReadSetting(store_, keys::kSaveSettings, QStringLiteral("0")));
  if (save.value_or(false))
    applyStoredFields();
  // Placed before it is first shown, now or after the welcome page, so the window manager
  // keeps it there.
  CenterOnScreen(this);
  runFirstRunTest();
}

void MainWindow::applyStoredFields() {
  const auto read = [this](const keys::SettingKey& key) { return ReadSetting(store_, key); };

  if (const auto tab = ToInt16(read(keys::kLastAction));
      tab && *tab >= 0 && *tab < ui_.TabAction->count()) {
    ui_.TabAction->setCurrentIndex(*tab);
  }
  ApplyPosition(read(keys::kSourceFramerate), ui_.lstCurrentFrameRate, false);
  ApplyPosition(read(keys::kDestinationFrameRate), ui_.lstNewFrameRate, false);
  ui_.txtFrames->setText(read(keys::kSegmentSize));
  ui_.txtNumberOfSegments->setText(read(keys::kNumberOfSegments));
  if (const auto shift = ToInt16(read(keys::kSynchronize));
      shift && *shift >= ui_.HScroll1->minimum() && *shift <= ui_.HScroll1->maximum()) {
    ui_.HScroll1->setValue(*shift);
  }
  ApplyCheck(read(keys::kCorrectIl), ui_.chkIl);
  ApplyCheck(read(keys::kCorrectQuotes), ui_.chkQuotes);
  ApplyCheck(read(keys::kCorrectFullStops), ui_.chkLeesteken);
  ApplyCheck(read(keys::kCorrectNumbers), ui_.chkGetallen);
  ui_.txtLengteFilm->setText(read(keys::kGuessMovieLength));
  ApplyPosition(read(keys::kGuessCorrection), ui_.lstGuessCorrection, true);
  ui_.txtCommentsCharacterbegin->setText(read(keys::kBeginCharacter));
  ui_.txtCommentsCharacterEnd->setText(read(keys::kEndCharacter));
  (read(keys::kOutputFormat) == QLatin1String("SubRip") ? ui_.optSubRip : ui_.optMicroDVD)
      ->setChecked(true);
  (read(keys::kLanguage) == QLatin1String("Frans") ? ui_.optFrans : ui_.optEngels)
      ->setChecked(true);
}

void MainWindow::runFirstRunTest() {
  const QString stored = ReadSetting(store_, keys::kVersie);
  if (stored == version_) {
    const auto shown = ToNumber(ReadSetting(store_, keys::kEersteKeer));
    // "EersteKeer" other than 0, or not a number at all: this version has been welcomed.
    if (!shown || *shown != 0)
      return;
  }
  // Both are written whatever "Save settings." says, so the page shows once per version.
  WriteSetting(store_, keys::kEersteKeer, QStringLiteral("1"));
  WriteSetting(store_, keys::kVersie, version_);
  ShowWelcome(this);
}
