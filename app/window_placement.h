#pragma once

class QWidget;

// Places a secondary window in the middle of the main window, or of the screen while the main
// window is not shown (the welcome page at the first start).
void CenterOverMainWindow(QWidget* window, const QWidget* mainWindow);

// Gives a window its natural size and places it in the middle of its screen, its top-left
// corner kept on the screen.
void CenterOnScreen(QWidget* window);
