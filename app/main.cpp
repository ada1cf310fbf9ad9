// lumetra: the window program. It takes no command-line arguments.
#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "app/message_box_presenter.h"
#include "files/temporary_files.h"
#include "settings/ini_settings_store.h"

int main(int argc, char** argv) {
  lumetra::InstallTemporaryFileCleanup();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumetra"));
  // Lets desktops match the windows to the installed org.lumetra.lumetra.desktop entry.
  QApplication::setDesktopFileName(QStringLiteral("org.lumetra.lumetra"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumetra.svg")));

  IniSettingsStore store;
  MessageBoxPresenter presenter;
  MainWindow window(store, presenter);
  window.startUp();
  // On the welcome path the welcome page has disabled the window and shows it after its OK.
  if (window.isEnabled())
    window.show();
  return QApplication::exec();
}
