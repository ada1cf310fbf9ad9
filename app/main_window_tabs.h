#pragma once

#include "app/main_window_controls.h"

class QWidget;

// Each tab of the main window, its controls kept in `ui`.
QWidget* BuildSplitTab(MainWindowControls& ui);
QWidget* BuildCorrectTab(MainWindowControls& ui);
QWidget* BuildChangeFrameRateTab(MainWindowControls& ui);
QWidget* BuildSynchronizeTab(MainWindowControls& ui);
QWidget* BuildDeleteCommentsTab(MainWindowControls& ui);
QWidget* BuildConvertTab(MainWindowControls& ui);
QWidget* BuildGuessFrameRateTab(MainWindowControls& ui);
