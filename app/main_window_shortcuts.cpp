#include "app/main_window_shortcuts.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <functional>
#include <initializer_list>

#include "app/main_window_controls.h"

namespace {

constexpr const char* kRunsItsTab = "runsItsTab";

void OnKeys(QMainWindow& window, std::initializer_list<QKeySequence> keys,
            const std::function<void()>& action) {
  for (const QKeySequence& key : keys) {
    auto* shortcut = new QShortcut(key, &window);
    shortcut->setContext(Qt::WindowShortcut);  // from any control of the window
    QObject::connect(shortcut, &QShortcut::activated, &window, action);
  }
}

// The tab `step` places on, round the row: from the last tab the next one is the first.
void MoveTab(QTabWidget& tabs, int step) {
  const int count = tabs.count();
  if (count > 0)
    tabs.setCurrentIndex((tabs.currentIndex() + step + count) % count);
}

}  // namespace

void MarkOperationButton(QPushButton* button) {
  button->setProperty(kRunsItsTab, true);
}

QPushButton* CurrentOperationButton(const QTabWidget& tabs) {
  const QWidget* page = tabs.currentWidget();
  if (page == nullptr)
    return nullptr;
  for (QPushButton* button : page->findChildren<QPushButton*>())
    if (button->property(kRunsItsTab).toBool())
      return button;
  return nullptr;
}

void InstallMainWindowShortcuts(QMainWindow& window, const MainWindowControls& ui) {
  const auto press = [](QPushButton* button) { return [button] { button->click(); }; };
  OnKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_O)}, press(ui.cmdBronZoeken));
  OnKeys(window, {QKeySequence(Qt::Key_F1)}, press(ui.cmdOver));
  OnKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, press(ui.cmdAfsluiten));
  QTabWidget& tabs = *ui.TabAction;
  OnKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
         [&tabs] { MoveTab(tabs, 1); });
  OnKeys(
      window,
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
      [&tabs] { MoveTab(tabs, -1); });
  OnKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
         [&tabs] {
           if (QPushButton* button = CurrentOperationButton(tabs))
             button->click();
         });
}
