#pragma once

class MessagePresenter;
class OpenSubtitleDialog;
class QWidget;
class SettingsStore;

// Entry points of the secondary windows. Each window is a child of the main window, created
// on first use and found again by its objectName; while it is shown the main window is
// disabled (and on the welcome path hidden), and every way out enables it again.

// cmdBronZoeken: the open-subtitle dialog (frmLumetraBestandOpenen), which hands the chosen
// file back through its subtitleChosen signal.
OpenSubtitleDialog* ShowOpenSubtitleDialog(QWidget* mainWindow, SettingsStore& store,
                                           MessagePresenter& presenter);
// cmdOver: the About page (frmAbout).
void ShowAbout(QWidget* mainWindow);
// Start-up on the first run of this version: the welcome page (frmAbout).
void ShowWelcome(QWidget* mainWindow);
