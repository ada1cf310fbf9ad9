#pragma once

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/support/find_control.h"
#include "app/support/recording_presenter.h"
#include "app/support/temp_ini_store.h"

// This version's welcome has been seen: start-up shows no welcome page.
inline const QString kWelcomed = QStringLiteral("[General]\nEersteKeer=1\n");

// A main window on its own temporary store, started in `locale` as the program starts it
// (shown unless the welcome page holds it); the locale before it comes back when it goes.
struct StartedWindow {
  explicit StartedWindow(const QString& ini = kWelcomed, const QLocale& locale = QLocale::c())
      : store(ini) {
    QLocale::setDefault(locale);
    window.startUp();
    if (window.isEnabled())
      window.show();
  }
  ~StartedWindow() { QLocale::setDefault(previousLocale); }

  const QLocale previousLocale;  // first member: taken before the test's locale is set

  template <typename Control>
  Control* find(const char* name) const {
    return Find<Control>(window, name);
  }
  void set(const char* box, const QString& text) { find<QLineEdit>(box)->setText(text); }
  void press(const char* button) { find<QPushButton>(button)->click(); }
  // A file of `bytes` in the test's folder.
  QString file(const QString& name, const QByteArray& bytes) const {
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
      qFatal("cannot write %s", qPrintable(out.fileName()));
    return out.fileName();
  }
  // The same file, made the window's input.
  QString input(const QString& name, const QByteArray& bytes) {
    const QString path = file(name, bytes);
    set("txtBron", path);
    return path;
  }
  QByteArray read(const QString& name) const {
    QFile in(QDir(dir.path()).filePath(name));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }

  QTemporaryDir dir;
  TempIniStore store;
  RecordingPresenter presenter;
  MainWindow window{store, presenter};
};
