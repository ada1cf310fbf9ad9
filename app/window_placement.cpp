#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void CenterOverMainWindow(QWidget* window, const QWidget* mainWindow) {
  QRect area;
  if (mainWindow->isVisible()) {
    area = mainWindow->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  } else {
    return;
  }
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  window->move(frame.topLeft());
}

void CenterOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr)
    return;
  window->adjustSize();
  const QRect available = screen->availableGeometry();
  QRect frame(QPoint(), window->size());
  frame.moveCenter(available.center());
  window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}
