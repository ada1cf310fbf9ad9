#include "app/output_format_follow.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "app/main_window_controls.h"
#include "app/native_path.h"
#include "settings/settings_access.h"
#include "subtitle/subtitle_error.h"
#include "subtitle/subtitle_input.h"

OutputFormatFollow::OutputFormatFollow(const SettingsStore& store, const MainWindowControls& ui)
    : store_(store), ui_(ui) {
  connect(ui.TabAction, &QTabWidget::currentChanged, this, &OutputFormatFollow::onTabChanged);
}

bool OutputFormatFollow::enabled() const {
  // The stored option decides, not the options dialog's check box.
  return ToTruth(ReadSetting(store_, setting_keys::kOutputFormatIsInputFormat)).value_or(false);
}

void OutputFormatFollow::followInput(lumetra::SubtitleFormat format) {
  if (format == lumetra::SubtitleFormat::Unknown || !enabled())
    return;
  // Some desktops add "&" shortcuts to tab captions on their own.
  const bool onConvert =
      ui_.TabAction->tabText(ui_.TabAction->currentIndex()).remove(QLatin1Char('&')) ==
      QLatin1String("Convert");
  const bool microDvd = format == lumetra::SubtitleFormat::MicroDvd;
  (microDvd != onConvert ? ui_.optMicroDVD : ui_.optSubRip)->setChecked(true);
}

void OutputFormatFollow::onTabChanged() {
  if (!enabled() || ui_.txtBron->text().isEmpty())
    return;
  try {
    followInput(lumetra::InspectSubtitleFile(NativePath(ui_.txtBron->text())).format);
  } catch (const lumetra::SubtitleError&) {
    // A missing or empty file leaves the output format as it is.
  }
}
