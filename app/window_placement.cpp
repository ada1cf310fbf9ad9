#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
