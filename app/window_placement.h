#pragma once

class QWidget;

// Places a secondary window in the middle of the main window, or of the screen while the main
// window is not shown (the welcome page at the first start).
void CenterOverMainWindow(QWidget* window, const QWidget* mainWindow);
