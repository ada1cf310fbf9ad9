#pragma once

class QMainWindow;
class QPushButton;
class QTabWidget;
struct MainWindowControls;

// Keys that work anywhere in the main window: Ctrl+O the open dialog, F1 About, Ctrl+Q Exit,
// Ctrl+Tab / Ctrl+PgDn and Ctrl+Shift+Tab / Ctrl+PgUp the next and previous tab, and
// Ctrl+Enter the current tab's operation. Each presses the button it stands for, so a
// disabled button (while an operation runs) stays unpressed.
void InstallMainWindowShortcuts(QMainWindow& window, const MainWindowControls& ui);

// Marks the button that runs its tab's operation, for Ctrl+Enter.
void MarkOperationButton(QPushButton* button);
// The marked button of the current tab; nullptr when it has none.
QPushButton* CurrentOperationButton(const QTabWidget& tabs);
