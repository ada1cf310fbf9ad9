// TabAction_Click: on every tab change the output format follows the input, the input's own
// format on every tab but "Convert", the other one on "Convert".
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include "app/native_path.h"

#include "app/main_window.h"
#include "settings/settings_access.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"

void MainWindow::TabAction_Click() {
  // The stored option decides, not the options dialog's check box.
  const auto follow = ToTruth(ReadSetting(store_, setting_keys::kOutputFormatIsInputFormat));
  if (!follow.value_or(false))
    return;
  if (ui_.txtBron->text().isEmpty())
    return;

  lumetra::SubtitleFormat input = lumetra::SubtitleFormat::Unknown;
  try {
    input = lumetra::InspectSubtitleFile(NativePath(ui_.txtBron->text())).format;
  } catch (const lumetra::SubtitleError&) {
    return;  // a missing or empty file leaves the output format as it is
  }
  if (input == lumetra::SubtitleFormat::Unknown)
    return;

  const bool convertTab =
      ui_.TabAction->tabText(ui_.TabAction->currentIndex()) == QLatin1String("Convert");
  const bool microDvd = (input == lumetra::SubtitleFormat::MicroDvd) != convertTab;
  (microDvd ? ui_.optMicroDVD : ui_.optSubRip)->setChecked(true);
}
