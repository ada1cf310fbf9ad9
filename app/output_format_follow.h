#pragma once

#include <QObject>

#include "subtitle/format.h"

class SettingsStore;
struct MainWindowControls;

// The output format follows the input while "Auto set outputformat" is stored as on: the
// input's own format on every tab but "Convert", the other one on "Convert". It is applied on
// every change of tab and to every newly chosen input.
class OutputFormatFollow : public QObject {
 public:
  OutputFormatFollow(const SettingsStore& store, const MainWindowControls& ui);

  // A subtitle in `format` has just become the input.
  void followInput(lumetra::SubtitleFormat format);

 private:
  void onTabChanged();
  bool enabled() const;

  const SettingsStore& store_;
  const MainWindowControls& ui_;
};
