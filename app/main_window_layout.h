#pragma once

#include "app/main_window_controls.h"

class QMainWindow;

// Builds the controls of the main window (frmLumetraMain) into `window` in their design state,
// with Tab walking them in reading order, and returns those its handlers use.
MainWindowControls BuildMainWindowLayout(QMainWindow& window);
