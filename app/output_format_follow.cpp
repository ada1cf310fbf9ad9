// The output format follows the input: the input's own format on every tab but "Convert",
// the other one on "Convert". TabAction_Click applies it on every tab change, acceptSubtitle
// to a newly chosen input.
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "app/main_window.h"
#include "app/native_path.h"
#include "settings/settings_access.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"

bool MainWindow::outputFollowsInput() const {
  // The stored option decides, not the options dialog's check box.
  return ToTruth(ReadSetting(store_, setting_keys::kOutputFormatIsInputFormat)).value_or(false);
}

void MainWindow::presetOutputFormat(bool microDvdInput) {
  // Some desktops add "&" shortcuts to tab captions on their own.
  const bool onConvert =
      ui_.TabAction->tabText(ui_.TabAction->currentIndex()).remove(QLatin1Char('&')) ==
      QLatin1String("Convert");
  (microDvdInput != onConvert ? ui_.optMicroDVD : ui_.optSubRip)->setChecked(true);
}

void MainWindow::TabAction_Click() {
  if (!outputFollowsInput() || ui_.txtBron->text().isEmpty())
    return;
  lumetra::SubtitleFormat input = lumetra::SubtitleFormat::Unknown;
  try {
    input = lumetra::InspectSubtitleFile(NativePath(ui_.txtBron->text())).format;
  } catch (const lumetra::SubtitleError&) {
    return;  // a missing or empty file leaves the output format as it is
  }
  if (input != lumetra::SubtitleFormat::Unknown)
    presetOutputFormat(input == lumetra::SubtitleFormat::MicroDvd);
}
