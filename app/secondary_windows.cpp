#include "app/secondary_windows.h"

#include <QWidget>

#include "app/about_window.h"
#include "app/open_subtitle_dialog.h"

// The pages and the icon live in a resource file of the app library. Naming its initialiser
// here keeps the linker from dropping it from the programs (it then also registers itself at
// start, in time for the window icon); registering twice is harmless.
static void LoadResources() {
  Q_INIT_RESOURCE(resources);
}

namespace {

template <typename Window>
Window* Existing(QWidget* mainWindow) {
  return mainWindow->findChild<Window*>(QLatin1String(Window::kObjectName),
                                        Qt::FindDirectChildrenOnly);
}

AboutWindow& AboutWindowOf(QWidget* mainWindow) {
  LoadResources();
  AboutWindow* window = Existing<AboutWindow>(mainWindow);
  return window ? *window : *new AboutWindow(mainWindow);
}

}  // namespace

OpenSubtitleDialog* ShowOpenSubtitleDialog(QWidget* mainWindow, SettingsStore& store,
                                           MessagePresenter& presenter) {
  OpenSubtitleDialog* dialog = Existing<OpenSubtitleDialog>(mainWindow);
  if (!dialog) {
    dialog = new OpenSubtitleDialog(mainWindow, store, presenter);
  }
  dialog->open(store, presenter);
  return dialog;
}

void ShowAbout(QWidget* mainWindow) {
  AboutWindowOf(mainWindow).showPage(AboutWindow::Page::About);
}

void ShowWelcome(QWidget* mainWindow) {
  AboutWindowOf(mainWindow).showPage(AboutWindow::Page::Welcome);
}
